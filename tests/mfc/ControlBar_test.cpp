// The test frame's bars: toolbar resource, drop-down, dialog bar keys, layout, idle update, tips and panes.
#include "SdiIds.h"
#include "TestApp.h"
#include "TestSdi.h"

#include <afxpriv.h>
#include <gtest/gtest.h>

namespace {

class ControlBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_sdi = SdiLog();
        m_pFrame = StartSdiProgram();
        ASSERT_NE(m_pFrame, nullptr);
        PumpPending();
    }
    void TearDown() override { StopSdiProgram(); }

    CRect ClientRectOf(CWnd& wnd)
    {
        CRect rect;
        wnd.GetWindowRect(&rect);
        m_pFrame->ScreenToClient(&rect);
        return rect;
    }

    CSdiFrame* m_pFrame = nullptr;
};

TEST_F(ControlBarTest, LoadToolBarBuildsTheButtonsOfItsResource)
{
    CToolBar& bar = m_pFrame->m_wndToolBar;
    const UINT expected[] = { ID_SDI_ROUTE, ID_SDI_TOOL_OFF, ID_SEPARATOR, ID_SDI_IDE, ID_SDI_NOHANDLER };
    ASSERT_EQ(bar.GetToolBarCtrl().GetButtonCount(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(bar.GetItemID(i), expected[i]) << i;
    EXPECT_EQ(bar.GetButtonStyle(2) & 0xFFFF, static_cast<UINT>(TBSTYLE_SEP));
    DWORD size = static_cast<DWORD>(bar.SendMessage(TB_GETBUTTONSIZE));
    EXPECT_EQ(LOWORD(size), 16 + 7);
    EXPECT_EQ(HIWORD(size), 15 + 7);
    EXPECT_FALSE(bar.LoadToolBar(9999));  // no such resource: nothing changes
    EXPECT_EQ(bar.SendMessage(TB_BUTTONCOUNT), 5);
}

TEST_F(ControlBarTest, DropDownButtonSendsTbnDropDownToTheFrame)
{
    CToolBar& bar = m_pFrame->m_wndToolBar;
    int nIndex = bar.CommandToIndex(ID_SDI_IDE);
    bar.GetToolBarCtrl().SetExtendedStyle(TBSTYLE_EX_DRAWDDARROWS);
    bar.SetButtonStyle(nIndex, bar.GetButtonStyle(nIndex) | TBBS_DROPDOWN);
    EXPECT_TRUE(bar.GetButtonStyle(nIndex) & TBBS_DROPDOWN);
    EXPECT_EQ(bar.GetItemID(nIndex), static_cast<UINT>(ID_SDI_IDE));
    CRect rect;
    bar.GetItemRect(nIndex, &rect);
    LPARAM at = MAKELPARAM(rect.right - 3, rect.CenterPoint().y);  // on the arrow
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    bar.SendMessage(WM_LBUTTONUP, 0, at);
    PumpPending();
    EXPECT_EQ(g_sdi.dropDowns, 1);
}

TEST_F(ControlBarTest, DialogBarComboNotifiesTheFrameAndItsKeysBecomeOkAndCancel)
{
    CWnd* pCombo = m_pFrame->m_wndDlgBar.GetDlgItem(IDC_SDI_TABSIZE);
    ASSERT_NE(pCombo, nullptr);
    EXPECT_EQ(pCombo->SendMessage(CB_GETCOUNT), 2);  // the template's entries
    m_pFrame->m_wndDlgBar.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SDI_TABSIZE, CBN_SELENDOK),
                                      reinterpret_cast<LPARAM>(pCombo->m_hWnd));
    EXPECT_EQ(g_sdi.tabSelections, 1);

    HWND hEdit = ::GetWindow(pCombo->m_hWnd, GW_CHILD);
    ASSERT_NE(hEdit, nullptr);
    struct Case
    {
        WPARAM key;
        int* counter;
    };
    const Case cases[] = { { VK_RETURN, &g_sdi.okCommands }, { VK_ESCAPE, &g_sdi.cancelCommands } };
    for (const Case& c : cases) {
        ::SetFocus(hEdit);
        ::PostMessageA(hEdit, WM_KEYDOWN, c.key, 1);
        PumpPending();
        EXPECT_EQ(*c.counter, 1) << c.key;
    }
}

TEST_F(ControlBarTest, RecalcLayoutPutsRebarOnTopStatusBarBelowSplitterBetween)
{
    m_pFrame->RecalcLayout();
    CRect client;
    m_pFrame->GetClientRect(&client);
    CRect rebar = ClientRectOf(m_pFrame->m_wndReBar);
    CRect status = ClientRectOf(m_pFrame->m_wndStatusBar);
    CRect splitter = ClientRectOf(m_pFrame->m_wndSplitter);
    EXPECT_EQ(rebar.top, 0);
    EXPECT_EQ(rebar.Width(), client.Width());
    EXPECT_EQ(status.bottom, client.bottom);
    EXPECT_EQ(splitter.top, rebar.bottom);
    EXPECT_EQ(splitter.bottom, status.top);
    EXPECT_GT(splitter.Height(), 0);
    // The derived rebar's layout decides its height: the base's and two more.
    CSize base = m_pFrame->m_wndReBar.CReBar::CalcFixedLayout(TRUE, TRUE);
    EXPECT_EQ(rebar.Height(), base.cy + 2);
    EXPECT_GT(base.cy, 15);
}

TEST_F(ControlBarTest, TheStatusBarsMinimumHeightTakesPartInTheLayout)
{
    const int kMinHeight = 40;
    m_pFrame->m_wndStatusBar.GetStatusBarCtrl().SetMinHeight(kMinHeight);
    m_pFrame->RecalcLayout();
    CRect client;
    m_pFrame->GetClientRect(&client);
    CRect status = ClientRectOf(m_pFrame->m_wndStatusBar);
    EXPECT_GE(status.Height(), kMinHeight);
    EXPECT_EQ(status.bottom, client.bottom);
    EXPECT_EQ(ClientRectOf(m_pFrame->m_wndSplitter).bottom, status.top);
}

TEST_F(ControlBarTest, IdleUpdateFollowsTheHandlersOfButtonsPanesAndDialogBarControls)
{
    theApp.OnIdle(0);
    CToolBar& bar = m_pFrame->m_wndToolBar;
    struct ButtonCase
    {
        UINT nID;
        bool enabled;
    };
    const ButtonCase buttons[] = {
        { ID_SDI_ROUTE, true }, { ID_SDI_TOOL_OFF, false }, { ID_SDI_IDE, true }, { ID_SDI_NOHANDLER, false }
    };
    for (const ButtonCase& c : buttons)
        EXPECT_EQ(bar.SendMessage(TB_ISBUTTONENABLED, c.nID) != 0, c.enabled) << c.nID;

    CStatusBar& status = m_pFrame->m_wndStatusBar;
    int pos = status.CommandToIndex(ID_SDI_PANE_POS);
    int state = status.CommandToIndex(ID_SDI_PANE_STATE);
    EXPECT_EQ(status.GetPaneText(pos), "Ln 5, Col 7");
    EXPECT_TRUE(status.GetPaneStyle(state) & SBPS_DISABLED);
    EXPECT_FALSE(status.GetPaneStyle(pos) & SBPS_DISABLED);
    char shown[64] = "";
    status.SendMessage(SB_GETTEXTA, static_cast<WPARAM>(state), reinterpret_cast<LPARAM>(shown));
    EXPECT_STREQ(shown, "");  // a disabled pane shows no text

    CDialogBar& dlgBar = m_pFrame->m_wndDlgBar;
    EXPECT_TRUE(dlgBar.GetDlgItem(IDC_SDI_TABSIZE)->IsWindowEnabled());
    EXPECT_FALSE(dlgBar.GetDlgItem(IDC_SDI_BARBUTTON)->IsWindowEnabled());
}

TEST_F(ControlBarTest, ToolTipsShowTheFramesAnswerElseTheTextAfterTheLineBreak)
{
    struct Case
    {
        UINT nID;
        const char* text;
    };
    const Case cases[] = { { ID_SDI_IDE, "Open with VS.NET" }, { ID_SDI_ROUTE, "Route" } };
    CToolBar& bar = m_pFrame->m_wndToolBar;
    HWND hTips = reinterpret_cast<HWND>(bar.SendMessage(TB_GETTOOLTIPS));
    EXPECT_NE(hTips, nullptr);
    for (const Case& c : cases) {
        // As the bar's tool tip control asks its owner.
        TOOLTIPTEXTA ttt = {};
        ttt.hdr.hwndFrom = hTips;
        ttt.hdr.idFrom = c.nID;
        ttt.hdr.code = TTN_NEEDTEXTA;
        bar.SendMessage(WM_NOTIFY, c.nID, reinterpret_cast<LPARAM>(&ttt));
        ASSERT_NE(ttt.lpszText, nullptr) << c.nID;
        EXPECT_STREQ(ttt.lpszText, c.text);
    }
}

TEST_F(ControlBarTest, FlyByShowsAButtonsPromptWhileTheMouseIsOverIt)
{
    CToolBar& bar = m_pFrame->m_wndToolBar;
    CRect rect;
    bar.GetItemRect(bar.CommandToIndex(ID_SDI_ROUTE), &rect);
    MSG msg = {};
    msg.hwnd = bar.m_hWnd;
    msg.message = WM_MOUSEMOVE;
    msg.pt = rect.CenterPoint();
    bar.ClientToScreen(&msg.pt);
    msg.lParam = MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y);
    bar.PreTranslateMessage(&msg);
    EXPECT_EQ(m_pFrame->m_wndStatusBar.GetPaneText(0), "Route the command");
    msg.pt = CPoint(-100, -100);
    bar.PreTranslateMessage(&msg);
    EXPECT_EQ(m_pFrame->m_wndStatusBar.GetPaneText(0), "Ready");
}

TEST_F(ControlBarTest, IndicatorPanesAreAsWideAsTheirStrings)
{
    CStatusBar& status = m_pFrame->m_wndStatusBar;
    HDC hDC = ::GetDC(status.m_hWnd);
    HGDIOBJ hOld = ::SelectObject(hDC, reinterpret_cast<HFONT>(status.SendMessage(WM_GETFONT)));
    const UINT ids[] = { ID_SDI_PANE_POS, ID_SDI_PANE_STATE };
    for (UINT nID : ids) {
        CString text;
        text.LoadString(nID);
        SIZE extent = {};
        ::GetTextExtentPoint32A(hDC, text, text.GetLength(), &extent);
        CRect rect;
        status.GetItemRect(status.CommandToIndex(nID), &rect);
        EXPECT_GE(rect.Width(), extent.cx) << nID;
        EXPECT_LE(rect.Width(), extent.cx + 16) << nID;
    }
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(status.m_hWnd, hDC);
    CRect message;
    status.GetItemRect(0, &message);
    EXPECT_GT(message.Width(), 100);  // the message pane takes the rest
}

TEST_F(ControlBarTest, APanesIconAndTipGoThroughTheStatusBarControl)
{
    CStatusBar& status = m_pFrame->m_wndStatusBar;
    int nIndex = status.CommandToIndex(ID_SDI_PANE_STATE);
    HICON hIcon = theApp.LoadIcon(IDR_SDI);
    ASSERT_NE(hIcon, nullptr);
    status.SetPaneInfo(nIndex, ID_SDI_PANE_STATE, SBPS_NOBORDERS, 18);
    EXPECT_TRUE(status.GetStatusBarCtrl().SetIcon(nIndex, hIcon));
    status.GetStatusBarCtrl().SetTipText(nIndex, "View Indexing Service message");
    EXPECT_EQ(reinterpret_cast<HICON>(status.SendMessage(SB_GETICON, static_cast<WPARAM>(nIndex))), hIcon);
    char tip[64] = "";
    status.SendMessage(SB_GETTIPTEXTA, MAKEWPARAM(nIndex, sizeof tip), reinterpret_cast<LPARAM>(tip));
    EXPECT_STREQ(tip, "View Indexing Service message");
    UINT nID = 0;
    UINT nStyle = 0;
    int cxWidth = 0;
    status.GetPaneInfo(nIndex, nID, nStyle, cxWidth);
    EXPECT_EQ(nStyle, static_cast<UINT>(SBPS_NOBORDERS));
    EXPECT_EQ(cxWidth, 18);
    CRect rect;
    status.GetItemRect(nIndex, &rect);
    EXPECT_LT(rect.Width(), 40);
}

TEST_F(ControlBarTest, ABandGetsTheBitmapItIsAddedWith)
{
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadBitmap(IDR_SDI));
    CSdiReBar rebar;
    ASSERT_TRUE(rebar.Create(m_pFrame, RBS_BANDBORDERS, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_REBAR + 1));
    CToolBar bar;
    ASSERT_TRUE(bar.CreateEx(&rebar) && bar.LoadToolBar(IDR_SDI));
    ASSERT_TRUE(rebar.AddBar(&bar, "Tools", &bitmap));
    REBARBANDINFOA rbbi = {};
    rbbi.cbSize = REBARBANDINFOA_V3_SIZE;
    rbbi.fMask = RBBIM_BACKGROUND | RBBIM_CHILD;
    ASSERT_TRUE(rebar.SendMessage(RB_GETBANDINFOA, 0, reinterpret_cast<LPARAM>(&rbbi)));
    EXPECT_EQ(rbbi.hbmBack, static_cast<HBITMAP>(bitmap.GetSafeHandle()));
    EXPECT_EQ(rbbi.hwndChild, bar.m_hWnd);
    EXPECT_EQ(bar.GetOwnerWnd(), m_pFrame);
}

TEST_F(ControlBarTest, AnOwnerDrawnPaneIsDrawnByTheBar)
{
    CStatusBar& status = m_pFrame->m_wndStatusBar;
    status.SetPaneStyle(0, status.GetPaneStyle(0) | SBPS_OWNERDRAW);
    status.SetPaneText(0, "Passed the last match");
    status.Invalidate();
    status.UpdateWindow();
    EXPECT_GE(g_sdi.panesDrawn, 1);
    EXPECT_EQ(g_sdi.drawnText, "Passed the last match");
    EXPECT_EQ(status.GetPaneText(0), "Passed the last match");
}

}  // namespace
