// Tests of a sub-dialog's context help: requests on its controls reach WinHelp
// with its table; other requests and pages without a table leave help alone.
#include "KyGuiTool/Pages/KySubDialog.h"

#include "Pages/PageTestSupport.h"
#include "TestApp.h"

#include <gtest/gtest.h>

namespace {

using namespace pagetest;

struct HelpCall {
    HWND window;
    std::string file;
    UINT command;
    ULONG_PTR data;
};

std::vector<HelpCall> g_help;

BOOL RecordHelp(HWND window, LPCSTR file, UINT command, ULONG_PTR data)
{
    g_help.push_back({window, file != nullptr ? file : "", command, data});
    return TRUE;
}

const DWORD kHelpIds[] = {IDC_TEST_EDIT_A, 0x10001, IDC_TEST_APPLY_A, 0x10002, 0, 0};

class PageHelp : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_help.clear();
        m_previous = AfxSetWinHelpProc(&RecordHelp);
        ASSERT_TRUE(m_host.Create(IDD_TEST_HOST));
        ASSERT_TRUE(m_withTable.CreateGUI(m_host, CRect()));
        ASSERT_TRUE(m_without.CreateGUI(m_host, CRect()));
    }
    void TearDown() override
    {
        m_withTable.DestroyWindow();
        m_without.DestroyWindow();
        m_host.DestroyWindow();
        AfxSetWinHelpProc(m_previous);
    }
    static void AskHelp(CWnd& page, int control)
    {
        HWND item = ::GetDlgItem(page.m_hWnd, control);
        HELPINFO info = {};
        info.cbSize = sizeof info;
        info.iContextType = HELPINFO_WINDOW;
        info.iCtrlId = control;
        info.hItemHandle = item;
        page.SendMessage(WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    }
    static void RightClick(CWnd& page, HWND clicked)
    {
        page.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(clicked), MAKELPARAM(10, 10));
    }

    AFX_WINHELPPROC m_previous = nullptr;
    std::vector<std::string> m_log;
    CDialog m_host;
    LoggingPage m_withTable{"T",     IDD_TEST_PAGE_A, kGuidA, m_log, rc_ptr<Kyvant::AppBridge>(),
                            kHelpIds};
    LoggingPage m_without{"N", IDD_TEST_PAGE_A, kGuidB, m_log, rc_ptr<Kyvant::AppBridge>()};
};

TEST_F(PageHelp, ControlRequestsReachWinHelpWithTheTable)
{
    AskHelp(m_withTable, IDC_TEST_EDIT_A);
    RightClick(m_withTable, m_withTable.GetDlgItem(IDC_TEST_APPLY_A)->m_hWnd);
    ASSERT_EQ(2u, g_help.size());
    EXPECT_EQ(m_withTable.GetDlgItem(IDC_TEST_EDIT_A)->m_hWnd, g_help[0].window);
    EXPECT_EQ(static_cast<UINT>(HELP_WM_HELP), g_help[0].command);
    EXPECT_EQ(m_withTable.GetDlgItem(IDC_TEST_APPLY_A)->m_hWnd, g_help[1].window);
    EXPECT_EQ(static_cast<UINT>(HELP_CONTEXTMENU), g_help[1].command);
    for (const HelpCall& call : g_help) {
        EXPECT_EQ(reinterpret_cast<ULONG_PTR>(kHelpIds), call.data);
        EXPECT_EQ(theApp.m_pszHelpFilePath, call.file);
    }
}

TEST_F(PageHelp, PageItselfAndPagesWithoutTableGetNoHelp)
{
    RightClick(m_withTable, m_withTable.m_hWnd);
    AskHelp(m_without, IDC_TEST_EDIT_A);
    RightClick(m_without, m_without.GetDlgItem(IDC_TEST_EDIT_A)->m_hWnd);
    EXPECT_TRUE(g_help.empty());
}

} // namespace
