// The application: exit codes, the main window's end, PreTranslateMessage's walk, boxes, help and cursors.
#include "TestApp.h"
#include "TestIds.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::string ProgramFolder()
{
    char path[MAX_PATH];
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    *std::strrchr(path, '\\') = '\0';
    return path;
}

TEST(Application, InitInstanceFailingEndsTheProgramWithExitInstancesCode)
{
    std::string exe = ProgramFolder() + "\\KyMfcExitApp.exe";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(::CreateProcessA(exe.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
    const DWORD kWaitMs = 60000;
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(pi.hProcess, kWaitMs));
    DWORD code = 0;
    ::GetExitCodeProcess(pi.hProcess, &code);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    EXPECT_EQ(7u, code);
}

TEST(Application, DestroyingTheMainWindowPostsQuitAndClearsIt)
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    CWnd* pMain = CreateMainWindow("Quitting main");
    ASSERT_NE(nullptr, pMain);
    theApp.m_pMainWnd = pMain;
    EXPECT_EQ(pMain, AfxGetMainWnd());
    pMain->DestroyWindow();  // deletes itself
    EXPECT_EQ(nullptr, theApp.m_pMainWnd);
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(0u, msg.wParam);
}

std::vector<std::string> g_translated;

class CTranslatingWnd : public CWnd
{
public:
    explicit CTranslatingWnd(const char* name) : m_name(name) {}
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN)
            g_translated.push_back(m_name);
        return m_eat;
    }
    std::string m_name;
    BOOL m_eat = FALSE;
};

class Translation : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_translated.clear();
        const DWORD kChild = WS_CHILD | WS_VISIBLE;
        ASSERT_TRUE(m_main.CreateEx(0, AfxRegisterWndClass(0), "main", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr));
        ASSERT_TRUE(m_child.CreateEx(0, AfxRegisterWndClass(0), "child", kChild, CRect(0, 0, 100, 100), &m_main, 1));
        m_plain = ::CreateWindowExA(0, "STATIC", "plain", kChild, 0, 0, 50, 50, m_child.m_hWnd, nullptr, nullptr,
                                    nullptr);
        ASSERT_TRUE(m_leaf.CreateEx(0, "EDIT", "", kChild, CRect(0, 0, 20, 20), CWnd::FromHandle(m_plain), 2));
        ASSERT_TRUE(m_outside.CreateEx(0, AfxRegisterWndClass(0), "outside", WS_POPUP, 0, 0, 50, 50, nullptr,
                                       nullptr));
        theApp.m_pMainWnd = &m_main;
    }
    void TearDown() override
    {
        theApp.m_pMainWnd = nullptr;
        m_outside.DestroyWindow();
        m_main.DestroyWindow();
    }
    void Key(HWND hWnd)
    {
        ::PostMessageA(hWnd, WM_KEYDOWN, 'A', 0);
        PumpPending();
    }

    CTranslatingWnd m_main{ "main" };
    CTranslatingWnd m_child{ "child" };
    CTranslatingWnd m_leaf{ "leaf" };
    CTranslatingWnd m_outside{ "outside" };
    HWND m_plain = nullptr;
};

TEST_F(Translation, WalksFromTheTargetUpToTheMainWindow)
{
    Key(m_leaf.m_hWnd);
    EXPECT_EQ((std::vector<std::string>{ "leaf", "child", "main" }), g_translated);
}

TEST_F(Translation, AWindowThatTranslatesStopsTheWalk)
{
    m_child.m_eat = TRUE;
    Key(m_leaf.m_hWnd);
    EXPECT_EQ((std::vector<std::string>{ "leaf", "child" }), g_translated);
}

TEST_F(Translation, AWindowOutsideTheMainWindowStillLetsTheMainWindowTranslate)
{
    Key(m_outside.m_hWnd);
    EXPECT_EQ((std::vector<std::string>{ "outside", "main" }), g_translated);
}

BOOL CALLBACK FindVisibleBox(HWND hWnd, LPARAM lParam)
{
    char cls[16] = "";
    ::GetClassNameA(hWnd, cls, sizeof cls);
    if (std::strcmp(cls, "#32770") != 0 || !::IsWindowVisible(hWnd))
        return TRUE;
    *reinterpret_cast<HWND*>(lParam) = hWnd;
    return FALSE;
}

// Reads the caption of the system box that the application's DoMessageBox shows, and answers it.
std::string CaptionOfRealBox(std::function<void()> show)
{
    std::string caption;
    theApp.m_showRealBoxes = true;
    RunSoon([&caption] {
        HWND hBox = nullptr;
        ::EnumThreadWindows(::GetCurrentThreadId(), &FindVisibleBox, reinterpret_cast<LPARAM>(&hBox));
        if (hBox == nullptr)
            return;
        char text[256] = "";
        ::GetWindowTextA(hBox, text, sizeof text);
        caption = text;
        SaveWindowPng(hBox, "message-box");
        ::PostMessageA(hBox, WM_COMMAND, IDOK, 0);
    }, 200);
    show();
    theApp.m_showRealBoxes = false;
    return caption;
}

TEST(MessageBoxes, CaptionIsTheApplicationsNameAndReplaceable)
{
    theApp.m_boxes.clear();
    EXPECT_EQ("Kyvant MFC Test App", CaptionOfRealBox([] { AfxMessageBox("Hello"); }));

    LPCSTR original = theApp.m_pszAppName;
    theApp.m_pszAppName = _strdup("Replaced Name");
    EXPECT_EQ("Replaced Name", CaptionOfRealBox([] { AfxMessageBox("Hello again"); }));
    std::free(const_cast<char*>(theApp.m_pszAppName));

    theApp.m_pszAppName = nullptr;
    EXPECT_EQ("Kyvant MFC Test", CaptionOfRealBox([] { AfxMessageBox("No name"); }));  // string 57344
    theApp.m_pszAppName = original;
    ASSERT_EQ(3u, theApp.m_boxes.size());
    EXPECT_EQ(static_cast<UINT>(MB_OK), theApp.m_boxes[0].type);
}

TEST(MessageBoxes, StringIdBoxesCarryTheIdAsHelpContext)
{
    theApp.m_boxes.clear();
    AfxMessageBox(IDS_DLL_TEXT, MB_YESNO);
    AfxMessageBox(IDS_DLL_TEXT, MB_OK, 55);
    ASSERT_EQ(2u, theApp.m_boxes.size());
    EXPECT_EQ("Text from the test DLL", theApp.m_boxes[0].text);
    EXPECT_EQ(static_cast<UINT>(IDS_DLL_TEXT), theApp.m_boxes[0].help);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO), theApp.m_boxes[0].type);
    EXPECT_EQ(55u, theApp.m_boxes[1].help);
}

struct HelpCall
{
    std::string file;
    UINT command;
    ULONG_PTR data;
};
std::vector<HelpCall> g_help;

BOOL RecordHelp(HWND, LPCSTR file, UINT command, ULONG_PTR data)
{
    g_help.push_back({ file ? file : "", command, data });
    return TRUE;
}

TEST(Help, AllHelpGoesThroughTheReplaceableFunction)
{
    g_help.clear();
    AFX_WINHELPPROC previous = AfxSetWinHelpProc(&RecordHelp);
    CWnd* pMain = CreateMainWindow("Help main");
    theApp.m_pMainWnd = pMain;
    pMain->WinHelp(0x20005, HELP_CONTEXT);
    theApp.WinHelp(7, HELP_CONTEXTPOPUP);
    theApp.OnHelp();
    theApp.m_pMainWnd = nullptr;
    pMain->DestroyWindow();
    MSG msg;
    ::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    AfxSetWinHelpProc(previous);
    ASSERT_EQ(3u, g_help.size());
    std::string file = g_help[0].file;
    ASSERT_GE(file.size(), 15u);
    EXPECT_EQ("KyMfc_test.HLP", file.substr(file.size() - 14));
    EXPECT_EQ(static_cast<UINT>(HELP_CONTEXT), g_help[0].command);
    EXPECT_EQ(0x20005u, g_help[0].data);
    EXPECT_EQ(static_cast<UINT>(HELP_CONTEXTPOPUP), g_help[1].command);
    EXPECT_EQ(static_cast<UINT>(HELP_FINDER), g_help[2].command);
}

TEST(WaitCursor, NestedWaitsRestoreOnlyAtTheOuterEnd)
{
    CCmdTarget target;
    target.BeginWaitCursor();
    target.BeginWaitCursor();
    EXPECT_EQ(2, theApp.m_nWaitCursorCount);
    target.EndWaitCursor();
    EXPECT_EQ(1, theApp.m_nWaitCursorCount);
    target.EndWaitCursor();
    target.EndWaitCursor();  // one end too many does not go below zero
    EXPECT_EQ(0, theApp.m_nWaitCursorCount);
    EXPECT_TRUE(theApp.Enable3dControls());
}

}  // namespace
