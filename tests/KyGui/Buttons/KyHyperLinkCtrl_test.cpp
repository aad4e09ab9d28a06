// Tests of the hyperlink control: its size, cursor, colours and the launch on a click.
#include "KyGui/Buttons/KyHyperLinkCtrl.h"

#include "ButtonTestDialog.h"
#include "KyStd/Shell/ShellLaunch.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace ButtonTest;

constexpr UINT kLinkId = kFirstId + 50;
const char kLinkText[] = "C:\\Some folder\\with a long name that is wider than the template";

struct Launch
{
    std::string verb;
    std::string file;
    HWND owner;
    int show;
    int count;
};
Launch g_launch;

BOOL WINAPI RecordLaunch(SHELLEXECUTEINFOA* info)
{
    g_launch.verb = info->lpVerb ? info->lpVerb : "";
    g_launch.file = info->lpFile ? info->lpFile : "";
    g_launch.owner = info->hwnd;
    g_launch.show = info->nShow;
    ++g_launch.count;
    return TRUE;
}

class HyperLinkTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dialog.Open({{true, SS_NOTIFY | SS_LEFT, 10, 20, 40, 10, kLinkId, L"x"}}));
        ::SetDlgItemTextA(m_dialog.m_hWnd, kLinkId, kLinkText);
        CWnd* pItem = m_dialog.GetDlgItem(kLinkId);
        pItem->GetWindowRect(&m_before);
        m_dialog.ScreenToClient(&m_before);
        ASSERT_TRUE(m_link.SubclassDlgItem(kLinkId, &m_dialog));
        PumpPending();
        m_previous = Kyvant::Shell::SetShellExecuteFunction(&RecordLaunch);
        g_launch = Launch{};
    }
    void TearDown() override { Kyvant::Shell::SetShellExecuteFunction(m_previous); }

    Dialog m_dialog;
    KyHyperLinkCtrl m_link;
    CRect m_before;
    Kyvant::Shell::ShellExecuteFunction m_previous = nullptr;
};

TEST_F(HyperLinkTest, BecomesAsWideAsItsUnderlinedText)
{
    LOGFONTA lf = {};
    ASSERT_TRUE(::GetObjectA(m_link.GetFont(), sizeof lf, &lf));
    EXPECT_TRUE(lf.lfUnderline);
    CClientDC dc(&m_link);
    dc.SelectObject(m_link.GetFont());
    const CSize text = dc.GetTextExtent(kLinkText, lstrlenA(kLinkText));
    CRect after;
    m_link.GetWindowRect(&after);
    m_dialog.ScreenToClient(&after);
    EXPECT_EQ(text.cx, after.Width());
    EXPECT_GT(after.Width(), m_before.Width());
    EXPECT_EQ(m_before.Height(), after.Height());
    EXPECT_EQ(m_before.TopLeft(), after.TopLeft());
    m_dialog.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    SaveWindowPng(m_dialog.m_hWnd, Unthemed() ? "KyHyperLinkCtrl_unthemed" : "KyHyperLinkCtrl_themed");
}

TEST_F(HyperLinkTest, ShowsTheHandCursor)
{
    ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_TRUE(m_link.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(m_link.m_hWnd),
                                   MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(::LoadCursorA(nullptr, MAKEINTRESOURCE(32649)), ::GetCursor());
}

TEST_F(HyperLinkTest, ColoursItsTextBlueOnNoBrush)
{
    CClientDC dc(&m_link);
    const LRESULT brush = m_dialog.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.m_hDC),
                                               reinterpret_cast<LPARAM>(m_link.m_hWnd));
    EXPECT_EQ(reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH)), brush);
    EXPECT_EQ(0x00FF0000u, ::GetTextColor(dc.m_hDC));
    EXPECT_EQ(TRANSPARENT, ::GetBkMode(dc.m_hDC));
}

TEST_F(HyperLinkTest, ClickOpensTheTextWithTheDialogAsOwner)
{
    m_dialog.SendMessage(WM_COMMAND, MAKEWPARAM(kLinkId, STN_CLICKED), reinterpret_cast<LPARAM>(m_link.m_hWnd));
    ASSERT_EQ(1, g_launch.count);
    EXPECT_EQ("open", g_launch.verb);
    EXPECT_EQ(kLinkText, g_launch.file);
    EXPECT_EQ(m_dialog.m_hWnd, g_launch.owner);
    EXPECT_EQ(SW_SHOWNORMAL, g_launch.show);
    EXPECT_TRUE(m_dialog.m_events.empty());
}

} // namespace
