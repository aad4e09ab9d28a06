// Tests of KyColorStaticWnd: it paints on the window colour inside a parent
// of another colour, and keeps its own copy of the font it is given.
#include "TestApp.h"

#include "KyGuiTool/Controls/KyColorStaticWnd.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const UINT StaticId = 101;
const COLORREF Black = RGB(0, 0, 0);

class ColorStatic : public ::testing::Test {
protected:
    void SetUp() override
    {
        const HBRUSH face = ::GetSysColorBrush(COLOR_BTNFACE);
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0, nullptr, face), "Parent",
                                      WS_POPUP | WS_VISIBLE, 30, 30, 320, 120, nullptr, nullptr));
        ASSERT_TRUE(m_static.Create("Nothing was found", WS_CHILD | WS_VISIBLE | SS_CENTER,
                                    CRect(20, 20, 300, 100), &m_parent, StaticId));
        // The window reaches the screen a moment after it is shown.
        for (int i = 0; i < 100 && ShownAt(m_parent, 5, 5) == Black; ++i) {
            PumpPending();
            ::Sleep(10);
        }
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    // The colour shown at a point of a window's client area.
    static COLORREF ShownAt(CWnd& window, int x, int y)
    {
        window.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
        CPoint point(x, y);
        window.ClientToScreen(&point);
        HDC screen = ::GetDC(nullptr);
        const COLORREF color = ::GetPixel(screen, point.x, point.y);
        ::ReleaseDC(nullptr, screen);
        return color;
    }
    static HFONT FontOf(CWnd& window) { return window.GetFont(); }
    static LOGFONTA LogFontOf(HFONT font)
    {
        LOGFONTA logFont = {};
        ::GetObjectA(font, sizeof logFont, &logFont);
        return logFont;
    }

    CWnd m_parent;
    KyColorStaticWnd m_static;
};

} // namespace

TEST_F(ColorStatic, PaintsOnTheWindowColourWhateverItsParentShows)
{
    ASSERT_NE(::GetSysColor(COLOR_WINDOW), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), ShownAt(m_parent, 5, 5));
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), ShownAt(m_static, 3, 3));
    m_static.SetColor(); // unchanged: nothing to do
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), ShownAt(m_static, 3, 3));
    SaveWindowPng(m_parent.m_hWnd, "color-static");
}

TEST_F(ColorStatic, KeepsItsOwnCopyOfTheFontGivenAndTheDefaultForNone)
{
    LOGFONTA wanted = {};
    wanted.lfHeight = -21;
    wanted.lfWeight = FW_BOLD;
    lstrcpyA(wanted.lfFaceName, "Arial");
    auto given = std::make_unique<CFont>();
    ASSERT_TRUE(given->CreateFontIndirect(&wanted));
    const HFONT givenHandle = static_cast<HFONT>(given->GetSafeHandle());
    m_static.SetFontCopy(given.get(), true);
    given.reset(); // the caller's font goes; the window's copy stays

    const HFONT copy = FontOf(m_static);
    ASSERT_NE(nullptr, copy);
    EXPECT_NE(givenHandle, copy);
    const LOGFONTA used = LogFontOf(copy);
    EXPECT_EQ(wanted.lfHeight, used.lfHeight);
    EXPECT_EQ(wanted.lfWeight, used.lfWeight);
    EXPECT_STREQ("Arial", used.lfFaceName);
    SaveWindowPng(m_parent.m_hWnd, "color-static-font");

    m_static.SetFontCopy(nullptr, true);
    EXPECT_EQ(nullptr, FontOf(m_static));
    EXPECT_EQ(0, ::GetObjectA(copy, sizeof(LOGFONTA), nullptr)); // the old copy is gone
}
