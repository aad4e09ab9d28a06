// Tests of the settings dialog in a real modal loop: the merged pages and the
// dialog's growth, OK's hand-off with its size limit, Shift+OK's viewer,
// Ctrl+Tab, the end of session, the menu's items, help and registration.
#include "KyGuiTool/Settings/KyBaseDialog.h"

#include "KyGui/Helpers/WndEx.h"
#include "KyGuiTool/ExplorerMenu/ShellExtensionRegistration.h"
#include "KyGuiTool/Settings/SettingsResource.h"
#include "Settings/SettingsTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace settingstest;
using Strings = std::vector<std::string>;

// Room for the strings in the 64 KB block: all but its first 16 bytes.
const size_t kRoom = 65520;
const DWORD kDialogHelp = 0x20000;

struct HelpCall {
    std::string file;
    UINT command;
    ULONG_PTR data;
};

std::vector<HelpCall> g_help;

BOOL RecordHelp(HWND, LPCSTR file, UINT command, ULONG_PTR data)
{
    g_help.push_back({file != nullptr ? file : "", command, data});
    return TRUE;
}

CRect InParent(HWND window)
{
    CRect rect;
    ::GetWindowRect(window, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

CRect Dlu(const CWnd& dialog, CRect rect)
{
    ::MapDialogRect(dialog.m_hWnd, &rect);
    return rect;
}

std::string MenuText(HMENU menu, UINT id)
{
    char text[256] = "";
    ::GetMenuStringA(menu, id, text, sizeof text, MF_BYCOMMAND);
    return text;
}

std::string ItemText(HWND dialog, int id)
{
    char text[1024] = "";
    ::GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

// Opens the popup of the dialog's menu at the position as the menu bar does.
HMENU OpenPopup(HWND dialog, int position)
{
    HMENU popup = ::GetSubMenu(::GetMenu(dialog), position);
    ::SendMessageA(dialog, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup),
                   MAKELPARAM(position, FALSE));
    return popup;
}

// A key pressed in the focus window, through the modal loop's translation.
void PressKey(HWND dialog, UINT key)
{
    HWND focus = ::GetFocus();
    ::PostMessageA(focus != nullptr ? focus : dialog, WM_KEYDOWN, key, 1);
    PumpPending();
}

class SettingsDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearAppKey();
        ClearHandoff();
        theApp.m_boxes.clear();
        g_help.clear();
        m_previousHelp = AfxSetWinHelpProc(&RecordHelp);
    }
    void TearDown() override { AfxSetWinHelpProc(m_previousHelp); }

    AFX_WINHELPPROC m_previousHelp = nullptr;
};

TEST_F(SettingsDialog, ALargerToolPagePushesWhatLiesBelowAndRightAndTheDialogGrows)
{
    TestDialog test;
    CRect proxy, pathProxy, templateOk, templateClient;
    CRect page, tabs, ok, cancel, client, window, menuLine, workArea;
    HWND toolProxyLeft = nullptr, pathProxyLeft = nullptr;
    std::string caption;
    int menuItems = 0;
    test.Run([&] {
        proxy = Dlu(test.dialog, CRect(7, 7, 303, 80));
        pathProxy = Dlu(test.dialog, CRect(7, 85, 303, 147));
        templateOk = Dlu(test.dialog, CRect(309, 7, 359, 21));
        templateClient = Dlu(test.dialog, CRect(0, 0, 366, 153));
        toolProxyLeft = ::GetDlgItem(test.Window(), IDC_KY_TOOL_PROXY);
        pathProxyLeft = ::GetDlgItem(test.Window(), IDC_KY_PATH_PLAN_PROXY);
        page = InParent(test.Tool().m_hWnd);
        tabs = InParent(test.Tabs().m_hWnd);
        ok = InParent(::GetDlgItem(test.Window(), IDOK));
        cancel = InParent(::GetDlgItem(test.Window(), IDCANCEL));
        menuLine = InParent(::GetDlgItem(test.Window(), IDC_KY_MENU_LINE));
        ::GetClientRect(test.Window(), &client);
        ::GetWindowRect(test.Window(), &window);
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
        menuItems = ::GetMenuItemCount(::GetMenu(test.Window()));
        caption = test.Caption();
        SaveWindowPng(test.Window(), "settings_dialog_merged");
        test.Click(IDCANCEL);
    });
    const int dx = page.Width() - proxy.Width();
    const int dy = page.Height() - proxy.Height();
    ASSERT_GT(dx, 0);
    ASSERT_GT(dy, 0);
    EXPECT_EQ(nullptr, toolProxyLeft);
    EXPECT_EQ(nullptr, pathProxyLeft);
    EXPECT_EQ(proxy.TopLeft(), page.TopLeft());
    EXPECT_EQ(CPoint(pathProxy.left, pathProxy.top + dy), tabs.TopLeft());
    EXPECT_EQ(CPoint(templateOk.left + dx, templateOk.top), ok.TopLeft());
    EXPECT_EQ(ok.left, cancel.left);
    EXPECT_EQ(CSize(templateClient.Width() + dx,
                    templateClient.Height() + dy + tabs.Height() - pathProxy.Height()),
              client.Size());
    EXPECT_LE(std::abs(window.CenterPoint().x - workArea.CenterPoint().x), 1);
    EXPECT_LE(std::abs(window.CenterPoint().y - workArea.CenterPoint().y), 1);
    EXPECT_EQ(3, menuItems);
    EXPECT_EQ(CRect(0, 0, menuLine.Width(), 2), menuLine);
    EXPECT_GE(menuLine.Width(), client.Width());
    EXPECT_EQ(kTitle, caption);
}

// Each merge sizes them; without file-search pages the tool page's is the
// last.
TEST_F(SettingsDialog, LinesBesideTheToolProxyTakeThePagesWidthAndHeight)
{
    TestDialog test(TestDialog::kToolOnly);
    CRect page, proxy, widthLine, heightLine, widthBefore, heightBefore;
    test.Run([&] {
        proxy = Dlu(test.dialog, CRect(7, 7, 303, 80));
        widthBefore = Dlu(test.dialog, LinedDialog::WidthLine());
        heightBefore = Dlu(test.dialog, LinedDialog::HeightLine());
        page = InParent(test.Tool().m_hWnd);
        widthLine = InParent(::GetDlgItem(test.Window(), IDC_SETTINGS_WIDTH_LINE));
        heightLine = InParent(::GetDlgItem(test.Window(), IDC_SETTINGS_HEIGHT_LINE));
        test.Click(IDCANCEL);
    });
    const int dx = page.Width() - proxy.Width();
    const int dy = page.Height() - proxy.Height();
    EXPECT_EQ(CPoint(widthBefore.left, widthBefore.top + dy), widthLine.TopLeft());
    EXPECT_EQ(page.Width(), widthLine.Width());
    EXPECT_EQ(widthBefore.Height(), widthLine.Height());
    EXPECT_EQ(CPoint(heightBefore.left + dx, heightBefore.top), heightLine.TopLeft());
    EXPECT_EQ(page.Height(), heightLine.Height());
    EXPECT_EQ(heightBefore.Width(), heightLine.Width());
}

TEST_F(SettingsDialog, OkHandsTheProgramThenTheToolsThenTheFileSearchArguments)
{
    TestDialog test;
    const INT_PTR result = test.Run([&] {
        test.TypeTool("alpha beta");
        test.TypeFiles("C:\\data\\*.txt");
        test.Click(IDOK);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(3u, HandoffArgc());
    EXPECT_EQ((Strings{kConsoleProgram, "alpha beta", "C:\\data\\*.txt"}), HandoffStrings());
    const Strings log = test.TakeLog();
    for (const char* call : {"tool:AllowOK", "tool:SaveState", "files:SaveState"})
        EXPECT_NE(log.end(), std::find(log.begin(), log.end(), call)) << call;
    EXPECT_EQ("", LastFileUsed());
}

TEST_F(SettingsDialog, APageThatRefusesOkKeepsTheDialogOpenAndTheBlockUntouched)
{
    TestDialog test;
    test.Tool().refuseOK = true;
    const INT_PTR result = test.Run([&] {
        test.Click(IDOK);
        test.Click(IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ(0x55555555u, HandoffArgc());
}

// Argument 0 takes 11 bytes with its NUL, the final NUL one: the tool's one
// argument fills the rest of the room, or one byte more.
TEST_F(SettingsDialog, ArgumentsFillingTheBlockExactlyPassAndOneByteMoreIsRefused)
{
    const size_t fitting = kRoom - (sizeof kConsoleProgram) - 1 - 1;
    {
        TestDialog test;
        test.Tool().extraArgs = {std::string(fitting, 'x')};
        EXPECT_EQ(IDOK, test.Run([&] { test.Click(IDOK); }));
        const Strings strings = HandoffStrings();
        ASSERT_EQ(2u, strings.size());
        EXPECT_EQ(fitting, strings[1].size());
        EXPECT_TRUE(theApp.m_boxes.empty());
    }
    ClearHandoff();
    {
        TestDialog test;
        test.Tool().extraArgs = {std::string(fitting + 1, 'y')};
        BoxAnswers boxes;
        const INT_PTR result = test.Run([&] {
            test.Click(IDOK);
            test.Click(IDCANCEL);
        });
        EXPECT_EQ(IDCANCEL, result) << "the dialog stays open";
        EXPECT_EQ(Strings{"Command line length of 65521 exceeds maximum length of 65520."},
                  boxes.Texts());
        EXPECT_EQ(2u, HandoffArgc()) << "the count is written first";
        const Strings written = HandoffStrings();
        ASSERT_FALSE(written.empty());
        EXPECT_EQ(kConsoleProgram, written[0]) << "what fitted stays";
    }
}

TEST_F(SettingsDialog, ShiftOkShowsTheCommandLineWholeAndByArgumentAndRunAccepts)
{
    struct Seen {
        std::string caption, commandLine, arguments;
        bool focusOnCommandLine = false;
        DWORD selection = 0xFFFF;
    };
    for (const bool run : {false, true}) {
        SCOPED_TRACE(run ? "Run" : "Cancel");
        TestDialog test;
        test.Tool().extraArgs = {"two words", "say \"hi\"", "C:\\dir with space\\"};
        BoxAnswers noSave({IDNO});
        Seen seen;
        const INT_PTR result = test.Run([&] {
            test.TypeTool("-v");
            OnNextModalIdle([&](CWnd* viewer) {
                char caption[128] = "";
                ::GetWindowTextA(viewer->m_hWnd, caption, sizeof caption);
                seen.caption = caption;
                seen.commandLine = ItemText(viewer->m_hWnd, IDC_KY_VIEWER_COMMAND);
                seen.arguments = ItemText(viewer->m_hWnd, IDC_KY_VIEWER_ARGS);
                seen.focusOnCommandLine =
                    ::GetFocus() == ::GetDlgItem(viewer->m_hWnd, IDC_KY_VIEWER_COMMAND);
                seen.selection = static_cast<DWORD>(
                    ::SendDlgItemMessageA(viewer->m_hWnd, IDC_KY_VIEWER_COMMAND, EM_GETSEL, 0, 0));
                if (!run)
                    SaveWindowPng(viewer->m_hWnd, "command_line_viewer");
                ::SendMessageA(viewer->m_hWnd, WM_COMMAND, run ? IDOK : IDCANCEL, 0);
            });
            {
                HeldKeys shift(true, false);
                test.Click(IDOK);
            }
            if (!run)
                test.Click(IDCANCEL);
        });
        EXPECT_EQ(run ? IDOK : IDCANCEL, result);
        EXPECT_EQ("Command Line Viewer", seen.caption);
        EXPECT_EQ("KyTest.exe -v \"two words\" \"say \\\"hi\\\"\" \"C:\\dir with space\\\\\"",
                  seen.commandLine);
        EXPECT_EQ("KyTest.exe\r\n-v\r\ntwo words\r\nsay \"hi\"\r\nC:\\dir with space\\\r\n",
                  seen.arguments);
        EXPECT_TRUE(seen.focusOnCommandLine);
        EXPECT_EQ(0u, seen.selection) << "the selection is at the start";
        const Strings log = test.TakeLog();
        EXPECT_EQ(run, std::find(log.begin(), log.end(), "tool:SaveState") != log.end());
    }
}

TEST_F(SettingsDialog, CtrlTabSwitchesTheTabControlsPagesBothWays)
{
    TestDialog test;
    BoxAnswers noSave({IDNO});
    std::vector<int> pages;
    bool modified = false;
    test.Run([&] {
        ::SetFocus(::GetDlgItem(test.Tool().m_hWnd, IDC_SETTINGS_TOOL_EDIT));
        {
            HeldKeys ctrl(false, true);
            PressKey(test.Window(), VK_TAB);
            pages.push_back(test.Tabs().GetActivePageIndex());
            PressKey(test.Window(), VK_TAB);
            pages.push_back(test.Tabs().GetActivePageIndex());
        }
        {
            HeldKeys ctrlShift(true, true);
            PressKey(test.Window(), VK_TAB);
            pages.push_back(test.Tabs().GetActivePageIndex());
            // From inside a page the page's own tab control is found.
            ::SetFocus(::GetDlgItem(test.Tabs().GetActivePage().m_hWnd, IDC_SETTINGS_SEARCH_EDIT));
            PressKey(test.Window(), VK_TAB);
            pages.push_back(test.Tabs().GetActivePageIndex());
        }
        modified = test.dialog.DocIsModifiedFileSearch() && !test.dialog.DocIsModifiedTool();
        test.Click(IDCANCEL);
    });
    EXPECT_EQ((std::vector<int>{1, 0, 1, 0}), pages);
    EXPECT_TRUE(modified) << "switching pages marks the file-search part";
}

TEST_F(SettingsDialog, CtrlTabWithOnlyASingleTabLeavesThePageAndMovesTheFocusOn)
{
    TestDialog test(TestDialog::kSingleSearchTab);
    int page = -1;
    HWND focusBefore = nullptr, focusAfter = nullptr;
    test.Run([&] {
        focusBefore = ::GetDlgItem(test.Tool().m_hWnd, IDC_SETTINGS_TOOL_EDIT);
        ::SetFocus(focusBefore);
        {
            HeldKeys ctrl(false, true);
            PressKey(test.Window(), VK_TAB);
        }
        page = test.Tabs().GetActivePageIndex();
        focusAfter = ::GetFocus();
        test.Click(IDCANCEL);
    });
    EXPECT_EQ(0, page);
    EXPECT_NE(focusBefore, focusAfter) << "the dialog's own Tab handling";
}

TEST_F(SettingsDialog, TheSessionMayNotEndWhileTheDialogIsOpen)
{
    TestDialog test;
    LRESULT answer = TRUE;
    test.Run([&] {
        answer = ::SendMessageA(test.Window(), WM_QUERYENDSESSION, 0, 0);
        test.Click(IDCANCEL);
    });
    EXPECT_EQ(FALSE, answer);
    ASSERT_EQ(1u, theApp.m_boxes.size());
    EXPECT_EQ("Please close this application before shutting down.", theApp.m_boxes[0].text);
}

TEST_F(SettingsDialog, TheExplorerMenuItemIsCheckedWhileRegisteredAndTogglesTheRegistration)
{
    SetShellExtensionRegistration(false);
    TestDialog test;
    std::vector<bool> checked, registered;
    test.Run([&] {
        for (int i = 0; i < 3; ++i) {
            HMENU tools = OpenPopup(test.Window(), 1);
            checked.push_back(
                (::GetMenuState(tools, ID_KY_SHELL_EXTENSION, MF_BYCOMMAND) & MF_CHECKED) != 0);
            registered.push_back(IsShellExtensionRegistered());
            if (i < 2)
                test.Command(ID_KY_SHELL_EXTENSION);
        }
        test.Click(IDCANCEL);
    });
    SetShellExtensionRegistration(false);
    EXPECT_EQ((std::vector<bool>{false, true, false}), checked);
    EXPECT_EQ(checked, registered);
    EXPECT_TRUE(theApp.m_boxes.empty());
}

TEST_F(SettingsDialog, TheToolsMenuOpensTheExplorerMenuEditorOverTheDialog)
{
    TestDialog test;
    std::string caption;
    HWND owner = nullptr, dialog = nullptr;
    test.Run([&] {
        dialog = test.Window();
        OnNextModalIdle([&](CWnd* editor) {
            char text[128] = "";
            ::GetWindowTextA(editor->m_hWnd, text, sizeof text);
            caption = text;
            owner = ::GetWindow(editor->m_hWnd, GW_OWNER);
            ::SendMessageA(editor->m_hWnd, WM_COMMAND, IDCANCEL, 0);
        });
        test.Command(ID_KY_EXPLORER_MENU_EDITOR);
        test.Click(IDCANCEL);
    });
    EXPECT_EQ("Explorer Context Menu Editor", caption);
    EXPECT_EQ(dialog, owner);
}

TEST_F(SettingsDialog, MenuTextsComeFromTheProgramAndHelpAndAboutAnswer)
{
    TestDialog test;
    std::string helpItem, aboutItem, recentItem;
    UINT recentState = 0;
    test.Run([&] {
        HMENU menu = ::GetMenu(test.Window());
        helpItem = MenuText(menu, ID_KY_DLG_HELP);
        aboutItem = MenuText(menu, ID_KY_DLG_ABOUT);
        HMENU file = OpenPopup(test.Window(), 0);
        recentItem = MenuText(file, ID_KY_RECENT_FILES);
        recentState = ::GetMenuState(file, ID_KY_RECENT_FILES, MF_BYCOMMAND);
        test.Click(IDC_KY_HELP);
        test.Command(ID_KY_DLG_HELP);
        test.Click(IDC_KY_ABOUT);
        test.Click(IDCANCEL);
    });
    EXPECT_EQ("Test Tool &Help Topics", helpItem);
    EXPECT_EQ("&About the Test Tool...", aboutItem);
    EXPECT_EQ("Recent Files", recentItem);
    EXPECT_TRUE(recentState & MF_GRAYED) << "no recent files";
    ASSERT_GE(g_help.size(), 3u);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(static_cast<UINT>(HELP_CONTEXT), g_help[i].command);
        EXPECT_EQ(kDialogHelp + kHelpId, g_help[i].data);
        EXPECT_EQ(theApp.m_pszHelpFilePath, g_help[i].file);
    }
    EXPECT_EQ(static_cast<UINT>(HELP_QUIT), g_help.back().command)
        << "the dialog stood as main window";
    ASSERT_EQ(1u, theApp.m_boxes.size());
    EXPECT_EQ(0u, theApp.m_boxes[0].text.find(AfxGetAppName()));
}

} // namespace
