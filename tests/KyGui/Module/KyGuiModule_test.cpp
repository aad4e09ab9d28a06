// Tests of the library's start-up: it is on the layer's resource chain, and
// each run sees the visual-styles state it was registered for.
#include "KyGui/Module/KyGuiModule.h"

#include <afxwin.h>
#include <gtest/gtest.h>
#include <uxtheme.h>

#include <cstdlib>

TEST(KyGuiModule, JoinsTheResourceChain)
{
    // The program has no version resource; KyGui's is found before the layer's.
    ASSERT_NE(Kyvant::KyGuiModule(), nullptr);
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(VS_VERSION_INFO), RT_VERSION),
              Kyvant::KyGuiModule());
}

TEST(KyGuiModule, RunsThemedOrNotAsRegistered)
{
    using IsThemedFn = BOOL(WINAPI*)();
    HMODULE uxtheme = LoadLibraryA("uxtheme.dll");
    ASSERT_NE(uxtheme, nullptr);
    auto isAppThemed = reinterpret_cast<IsThemedFn>(
        reinterpret_cast<void*>(GetProcAddress(uxtheme, "IsAppThemed")));
    ASSERT_NE(isAppThemed, nullptr);
    const bool unthemed = std::getenv("KY_EXPECT_UNTHEMED") != nullptr;
    EXPECT_EQ(isAppThemed() != FALSE, !unthemed);
}
