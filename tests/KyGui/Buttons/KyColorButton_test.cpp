// Tests of the colour button: its automatic text, Shift+click, the colour
// dialog on a click, and the swatch it paints.
#include "KyGui/Buttons/KyColorButton.h"

#include "ButtonTestDialog.h"

#include <gtest/gtest.h>

namespace {

using namespace ButtonTest;

constexpr COLORREF kAutoColor = RGB(0, 128, 0);

class ColorButtonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dialog.Open({{false, BS_OWNERDRAW | WS_TABSTOP, 10, 10, 70, 16, kFirstId, L"Colour"}}));
        ASSERT_TRUE(m_button.SubclassDlgItem(kFirstId, &m_dialog));
        PumpPending();
    }
    void TearDown() override { SetKey(VK_SHIFT, false); }
    void Reflect()
    {
        m_dialog.SendMessage(WM_COMMAND, MAKEWPARAM(kFirstId, BN_CLICKED), reinterpret_cast<LPARAM>(m_button.m_hWnd));
        PumpPending();
    }
    COLORREF PixelAt(CPoint p)
    {
        m_button.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        CWindowDC dc(&m_button);
        return dc.GetPixel(p.x, p.y);
    }

    Dialog m_dialog;
    KyColorButton m_button{KyColorButton::kAutomatic, kAutoColor};
};

TEST_F(ColorButtonTest, ShowsAutoAfterSubclassing)
{
    CString text;
    m_button.GetWindowText(text);
    EXPECT_STREQ("Auto", text);
}

TEST_F(ColorButtonTest, ShiftClickMakesTheColourAutomatic)
{
    m_button.SetColor(RGB(1, 2, 3));
    EXPECT_EQ(RGB(1, 2, 3), m_button.GetColor());
    SetKey(VK_SHIFT, true);
    Reflect();
    EXPECT_EQ(0xFFFFFFFFu, m_button.GetColor());
    EXPECT_TRUE(m_dialog.m_events.empty());
}

TEST_F(ColorButtonTest, ClickOnAutomaticOpensTheDialogOnTheAutomaticColour)
{
    OnNextModalIdle([](CWnd* pWnd) { ::PostMessageA(pWnd->m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); });
    Reflect();
    EXPECT_EQ(kAutoColor, m_button.GetColor());
    EXPECT_TRUE(m_dialog.m_events.empty());
}

TEST_F(ColorButtonTest, SwatchShowsTheColour)
{
    const COLORREF colours[] = {RGB(200, 0, 0), RGB(0, 0, 255), RGB(255, 255, 0)};
    for (COLORREF c : colours)
    {
        m_button.SetColor(c);
        EXPECT_EQ(c, PixelAt(m_button.GetContentsRect().CenterPoint()));
    }
    SaveWindowPng(m_dialog.m_hWnd, Unthemed() ? "KyColorButton_unthemed" : "KyColorButton_themed");
}

TEST_F(ColorButtonTest, AutomaticSwatchSitsLeftOfTheText)
{
    const CRect contents = m_button.GetContentsRect();
    EXPECT_EQ(kAutoColor, PixelAt(CPoint(contents.left + 3, contents.CenterPoint().y)));
    SaveWindowPng(m_dialog.m_hWnd, Unthemed() ? "KyColorButton_auto_unthemed" : "KyColorButton_auto_themed");
    const CRect text = m_button.GetTextRect(CSize(20, 8));
    EXPECT_EQ(contents.right - 4, text.right);
}

} // namespace
