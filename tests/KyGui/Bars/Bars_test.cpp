// Tests of the themed bars in a window: the rebar's height, the toolbar keeping
// setting changes from its control, and the dialog bar showing its parent's background.
#include "KyGui/Bars/KyReBar.h"
#include "KyGui/Bars/KyToolBar.h"
#include "KyGui/Bars/KyTransparentDialogBar.h"

#include "Bars/BarsTestIds.h"
#include "TestApp.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

const COLORREF kParentColour = RGB(255, 0, 255);

bool Unthemed()
{
    return std::getenv("KY_EXPECT_UNTHEMED") != nullptr;
}

// A parent whose background is magenta.
class MagentaWindow : public CWnd {
protected:
    afx_msg BOOL OnEraseBkgnd(CDC* pDC)
    {
        CRect client;
        GetClientRect(&client);
        pDC->FillSolidRect(&client, kParentColour);
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(MagentaWindow, CWnd)
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

// Counts the setting changes that reach the toolbar control's own procedure.
template <class Bar>
class SettingSpy : public Bar {
public:
    int m_reached = 0;

protected:
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_SETTINGCHANGE)
            ++m_reached;
        return Bar::DefWindowProc(message, wParam, lParam);
    }
};

class BarsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_parent = new MagentaWindow;
        ASSERT_TRUE(m_parent->CreateEx(0, AfxRegisterWndClass(0), "Bars",
                                       WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 420, 240, nullptr,
                                       nullptr));
    }
    void TearDown() override { m_parent->DestroyWindow(); }

    MagentaWindow* m_parent = nullptr;
};

TEST_F(BarsTest, TheRebarIsTwoPixelsTallerOnlyWhenThemed)
{
    KyReBar rebar;
    ASSERT_TRUE(rebar.Create(m_parent));
    CEdit band;
    ASSERT_TRUE(
        band.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 120, 24), m_parent, 300));
    ASSERT_TRUE(rebar.AddBar(&band, "Band"));
    EXPECT_EQ(rebar.IsThemed(), !Unthemed());
    for (BOOL stretch : {TRUE, FALSE}) {
        const CSize base = rebar.CReBar::CalcFixedLayout(stretch, TRUE);
        const CSize own = rebar.CalcFixedLayout(stretch, TRUE);
        EXPECT_GT(base.cy, 0);
        EXPECT_EQ(own.cx, base.cx);
        EXPECT_EQ(own.cy, base.cy + (Unthemed() ? 0 : 2)) << stretch;
    }
    EXPECT_EQ(rebar.SendMessage(WM_THEMECHANGED), 0);
    EXPECT_EQ(rebar.IsThemed(), !Unthemed());
}

TEST_F(BarsTest, TheToolbarKeepsSettingChangesFromItsControl)
{
    SettingSpy<KyToolBar> own;
    SettingSpy<CToolBar> plain;
    for (CToolBar* bar : {static_cast<CToolBar*>(&own), static_cast<CToolBar*>(&plain)}) {
        ASSERT_TRUE(bar->CreateEx(m_parent));
        ASSERT_TRUE(bar->SetButtons(nullptr, 3));
        bar->SendMessage(WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
    }
    EXPECT_EQ(own.m_reached, 0);
    EXPECT_EQ(plain.m_reached, 1);
    EXPECT_EQ(own.GetToolBarCtrl().GetButtonCount(), 3);
}

TEST_F(BarsTest, TheDialogBarShowsItsParentsBackgroundWhenThemed)
{
    KyTransparentDialogBar bar;
    ASSERT_TRUE(
        bar.Create(m_parent, IDD_BARS_TEST_DIALOGBAR, WS_CHILD | WS_VISIBLE | CBRS_TOP, 400));
    EXPECT_EQ(bar.IsThemed(), !Unthemed());
    bar.MoveWindow(0, 0, 300, 40);
    bar.RedrawWindow(nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpPending();
    SaveWindowPng(m_parent->m_hWnd,
                  Unthemed() ? "KyTransparentDialogBar_unthemed" : "KyTransparentDialogBar_themed");
    HDC dc = ::GetDC(bar.m_hWnd);
    const COLORREF empty = ::GetPixel(dc, 250, 30); // right of the label
    ::ReleaseDC(bar.m_hWnd, dc);
    EXPECT_EQ(empty, Unthemed() ? ::GetSysColor(COLOR_BTNFACE) : kParentColour);
    EXPECT_EQ(bar.SendMessage(WM_THEMECHANGED), 0);
}

} // namespace
