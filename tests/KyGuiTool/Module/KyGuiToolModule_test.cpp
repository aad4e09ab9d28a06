// Tests of the library's start-up: it is on the layer's resource chain, so
// its own resources are found by id.
#include "KyGuiTool/Module/KyGuiToolModule.h"

#include "KyGuiTool/Storage/StorageResource.h"

#include <afxwin.h>
#include <gtest/gtest.h>

TEST(KyGuiToolModule, JoinsTheResourceChain)
{
    // The chain lists extension libraries in the order they started, so a
    // library comes after the libraries it links (KyGui's version record is
    // found first); a resource only this library has is found in it.
    ASSERT_NE(Kyvant::KyGuiToolModule(), nullptr);
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(IDR_KY_STORAGE_MENU), RT_MENU),
              Kyvant::KyGuiToolModule());
}
