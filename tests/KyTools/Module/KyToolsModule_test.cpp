// Tests of the library's start-up: it is on the layer's resource chain ahead
// of the libraries it links.
#include "KyTools/Module/KyToolsModule.h"

#include "KyGuiTool/Module/KyGuiToolModule.h"

#include <afxwin.h>
#include <gtest/gtest.h>

TEST(KyToolsModule, JoinsTheResourceChainAheadOfKyGuiTool)
{
    // The program has no version resource; KyTools' is found before
    // KyGuiTool's, KyGui's and the layer's.
    ASSERT_NE(Kyvant::KyToolsModule(), nullptr);
    ASSERT_NE(Kyvant::KyGuiToolModule(), nullptr);
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(VS_VERSION_INFO), RT_VERSION),
              Kyvant::KyToolsModule());
}
