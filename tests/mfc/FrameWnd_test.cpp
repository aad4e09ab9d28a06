// Single-document start-up, File New, routing, menu update, prompts, modal state and closing of the frame.
#include "SdiIds.h"
#include "TestApp.h"
#include "TestSdi.h"

#include <afxpriv.h>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

class SdiFrameTest : public ::testing::Test
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

    CSdiDoc* Document() { return static_cast<CSdiDoc*>(m_pFrame->GetActiveDocument()); }
    CString PaneText(int nIndex) { return m_pFrame->m_wndStatusBar.GetPaneText(nIndex); }

    CSdiFrame* m_pFrame = nullptr;
};

TEST_F(SdiFrameTest, FirstNewMakesDocumentFrameFromItsResourceAndViews)
{
    EXPECT_EQ(g_sdi.newDocuments, 1);
    EXPECT_EQ(g_sdi.initialUpdates, 3);  // every view of the splitter
    ASSERT_NE(Document(), nullptr);
    EXPECT_EQ(Document()->GetTitle(), "Results");
    EXPECT_NE(::GetMenu(m_pFrame->m_hWnd), nullptr);
    EXPECT_NE(m_pFrame->m_hAccelTable, nullptr);
    EXPECT_NE(reinterpret_cast<HICON>(::GetClassLongPtrA(m_pFrame->m_hWnd, GCLP_HICON)), nullptr);
    EXPECT_TRUE(m_pFrame->GetActiveView()->IsKindOf(RUNTIME_CLASS(CSdiListView)));
    PumpPending();
    theApp.OnIdle(0);
    CString title;
    m_pFrame->GetWindowText(title);
    EXPECT_EQ(title, "Results - SDI Test");
    EXPECT_EQ(m_pFrame->m_wndStatusBar.GetPaneText(0), "Ready");
    m_pFrame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN);
    SaveWindowPng(m_pFrame->m_hWnd, "sdi_frame");
}

TEST_F(SdiFrameTest, LaterNewAsksSaveModifiedThenRenewsTheSameObjects)
{
    CSdiDoc* pDoc = Document();
    CView* pView = m_pFrame->GetActiveView();
    pDoc->SetModifiedFlag(TRUE);
    g_sdi.saveAnswer = false;
    theApp.OnFileNew();
    EXPECT_EQ(g_sdi.saveModified, 1);
    EXPECT_EQ(g_sdi.newDocuments, 1);
    EXPECT_TRUE(pDoc->IsModified());

    g_sdi.saveAnswer = true;
    int deletesBefore = g_sdi.deleteContents;
    m_pFrame->SendMessage(WM_COMMAND, ID_FILE_NEW);  // the menu's New, through the application
    EXPECT_EQ(g_sdi.saveModified, 2);
    EXPECT_EQ(g_sdi.newDocuments, 2);
    EXPECT_EQ(g_sdi.deleteContents, deletesBefore + 1);
    EXPECT_EQ(g_sdi.initialUpdates, 6);
    EXPECT_FALSE(pDoc->IsModified());
    EXPECT_EQ(Document(), pDoc);
    EXPECT_EQ(m_pFrame->GetActiveView(), pView);
    EXPECT_EQ(theApp.m_pMainWnd, m_pFrame);
}

TEST_F(SdiFrameTest, CommandsGoToViewDocumentFrameThenApplication)
{
    struct Case
    {
        const char* taker;
        std::vector<std::string> route;
    };
    const Case cases[] = {
        { "view", { "view" } },
        { "doc", { "view", "doc" } },
        { "frame", { "view", "doc", "frame" } },
        { "app", { "view", "doc", "frame", "app" } },
    };
    for (const Case& c : cases) {
        g_sdi.route.clear();
        g_sdi.routeTaker = c.taker;
        m_pFrame->SendMessage(WM_COMMAND, ID_SDI_ROUTE);
        EXPECT_EQ(g_sdi.route, c.route) << c.taker;
    }
}

TEST_F(SdiFrameTest, AcceleratorAndToolbarCommandsReachTheirHandlers)
{
    CWnd* pView = m_pFrame->GetActiveView();
    pView->SetFocus();
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    pView->PostMessage(WM_KEYDOWN, 'K', 0);
    PumpPending();
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    EXPECT_EQ(g_sdi.accelerated, 1);

    g_sdi.route.clear();
    g_sdi.routeTaker = "frame";
    CToolBar& bar = m_pFrame->m_wndToolBar;
    CRect rect;
    bar.GetItemRect(bar.CommandToIndex(ID_SDI_ROUTE), &rect);
    LPARAM at = MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y);
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    bar.SendMessage(WM_LBUTTONUP, 0, at);
    PumpPending();
    std::vector<std::string> expected = { "view", "doc", "frame" };
    EXPECT_EQ(g_sdi.route, expected);
}

TEST_F(SdiFrameTest, AClickedPaneBecomesTheActiveViewAndGetsTheCommands)
{
    CWnd* pPane = m_pFrame->m_wndSplitter.GetPane(1, 0);
    pPane->SendMessage(WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(m_pFrame->m_hWnd), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
    EXPECT_EQ(m_pFrame->GetActiveView(), pPane);
    g_sdi.route.clear();
    g_sdi.routeTaker = "doc";
    m_pFrame->SendMessage(WM_COMMAND, ID_SDI_ROUTE);
    std::vector<std::string> expected = { "doc" };  // the text view has no handler of its own
    EXPECT_EQ(g_sdi.route, expected);
}

TEST_F(SdiFrameTest, InitMenuPopupUpdatesTheFramesMenu)
{
    HMENU hFile = ::GetSubMenu(::GetMenu(m_pFrame->m_hWnd), 0);
    m_pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hFile), 0);
    struct Case
    {
        UINT nID;
        bool enabled;
    };
    const Case cases[] = {
        { ID_FILE_NEW, true },        // its update handler enables it
        { ID_SDI_ROUTE, true },       // handlers, no update handler
        { ID_SDI_GRAYED, false },     // its update handler disables it
        { ID_SDI_NOHANDLER, false },  // no handler anywhere
        { ID_APP_EXIT, true },        // the application's
    };
    for (const Case& c : cases) {
        UINT state = ::GetMenuState(hFile, c.nID, MF_BYCOMMAND);
        EXPECT_EQ((state & MF_GRAYED) == 0, c.enabled) << c.nID;
    }
}

TEST_F(SdiFrameTest, KickIdlePostedToTheFrameBringsAnIdlePass)
{
    std::atomic<int> before{ 0 };
    std::atomic<int> after{ 0 };
    HWND hFrame = m_pFrame->m_hWnd;
    DWORD mainThread = ::GetCurrentThreadId();
    std::thread poster([&] {
        ::Sleep(300);  // the loop has run out of idle work by now
        before = g_sdi.idleUpdates;
        ::PostMessageA(hFrame, WM_KICKIDLE, 0, 0);
        ::Sleep(300);
        after = g_sdi.idleUpdates;
        ::PostThreadMessageA(mainThread, WM_QUIT, 0, 0);
    });
    theApp.Run();
    poster.join();
    EXPECT_GT(before.load(), 0);
    EXPECT_GT(after.load(), before.load());
}

TEST_F(SdiFrameTest, MessageStringsShowTheTextBeforeTheLineBreak)
{
    m_pFrame->SendMessage(WM_SETMESSAGESTRING, ID_SDI_ROUTE);
    EXPECT_EQ(PaneText(0), "Route the command");
    m_pFrame->SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    EXPECT_EQ(PaneText(0), "Ready");
    g_sdi.statusId = IDS_SDI_WORKING;  // the frame's GetMessageString maps the idle message
    m_pFrame->SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    EXPECT_EQ(PaneText(0), "Working...");
    m_pFrame->SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>("Plain text"));
    EXPECT_EQ(PaneText(0), "Plain text");
}

TEST_F(SdiFrameTest, MenuSelectShowsThePromptAndTheMenusEndTheIdleText)
{
    HMENU hFile = ::GetSubMenu(::GetMenu(m_pFrame->m_hWnd), 0);
    m_pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_SDI_ACCEL, MF_STRING), reinterpret_cast<LPARAM>(hFile));
    EXPECT_EQ(PaneText(0), "Accelerated command");
    m_pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(PaneText(0), "Ready");
}

TEST_F(SdiFrameTest, InModalStateWhileADialogOrMessageBoxRuns)
{
    EXPECT_FALSE(m_pFrame->InModalState());
    bool bDuringDialog = false;
    OnNextModalIdle([&](CWnd* pDialog) {
        bDuringDialog = m_pFrame->InModalState() != FALSE;
        static_cast<CDialog*>(pDialog)->EndDialog(IDOK);
    });
    CDialog dialog(IDD_SDI_MODAL, m_pFrame);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(bDuringDialog);
    EXPECT_FALSE(m_pFrame->InModalState());

    bool bDuringBox = false;
    theApp.m_onBox = [&] { bDuringBox = m_pFrame->InModalState() != FALSE; };
    AfxMessageBox("Busy");
    theApp.m_onBox = nullptr;
    EXPECT_TRUE(bDuringBox);
    EXPECT_FALSE(m_pFrame->InModalState());
}

TEST_F(SdiFrameTest, ClosingAsksSaveModifiedThenClosesTheDocumentAndEndsRun)
{
    g_sdi.saveAnswer = false;
    m_pFrame->SendMessage(WM_CLOSE);
    EXPECT_EQ(g_sdi.saveModified, 1);
    EXPECT_TRUE(::IsWindow(m_pFrame->m_hWnd));
    EXPECT_EQ(g_sdi.closeDocuments, 0);

    g_sdi.saveAnswer = true;
    HWND hFrame = m_pFrame->m_hWnd;
    m_pFrame->PostMessage(WM_CLOSE);
    theApp.Run();  // returns once the main window is gone
    EXPECT_FALSE(::IsWindow(hFrame));
    EXPECT_EQ(g_sdi.closeDocuments, 1);
    EXPECT_TRUE(g_sdi.documentDeleted);
    EXPECT_EQ(theApp.m_pMainWnd, nullptr);
}

TEST_F(SdiFrameTest, DestroyingTheFrameClosesTheDocumentWithItsLastView)
{
    m_pFrame->DestroyWindow();
    EXPECT_EQ(g_sdi.closeDocuments, 1);
    EXPECT_TRUE(g_sdi.documentDeleted);
    EXPECT_EQ(theApp.m_pMainWnd, nullptr);
    g_sdi = SdiLog();
    ASSERT_NE(StartSdiProgram(), nullptr);  // the next New starts afresh
    EXPECT_EQ(g_sdi.newDocuments, 1);
}

TEST(SdiStartTest, FirstNewDocumentRefusedDestroysTheFrame)
{
    g_sdi = SdiLog();
    g_sdi.newDocumentAnswer = false;
    EXPECT_EQ(StartSdiProgram(), nullptr);
    EXPECT_EQ(g_sdi.newDocuments, 1);
    EXPECT_EQ(theApp.m_pMainWnd, nullptr);
    EXPECT_TRUE(g_sdi.documentDeleted);
    EXPECT_EQ(::FindWindowA(nullptr, "SDI Test"), nullptr);
    StopSdiProgram();
}

TEST(FrameDefaultTest, TheDefaultRectangleLeavesPlaceAndSizeToTheSystem)
{
    CFrameWnd* pFrame = new CFrameWnd;  // deletes itself with its window
    ASSERT_TRUE(pFrame->Create(nullptr, "Default place"));
    CRect rect;
    pFrame->GetWindowRect(&rect);
    EXPECT_GT(rect.Width(), 0);
    EXPECT_GT(rect.Height(), 0);
    pFrame->DestroyWindow();
}

TEST(CommandLineTest, EmptyLineIsFileNewAndANameIsFileOpen)
{
    struct Case
    {
        char line[32];
        int command;
        const char* file;
    };
    Case cases[] = {
        { "", CCommandLineInfo::FileNew, "" },
        { "\"my file.txt\"", CCommandLineInfo::FileOpen, "my file.txt" },
        { "/Embedding", CCommandLineInfo::FileNew, "" },
    };
    LPSTR saved = theApp.m_lpCmdLine;
    for (Case& c : cases) {
        theApp.m_lpCmdLine = c.line;
        CCommandLineInfo info;
        theApp.ParseCommandLine(info);
        EXPECT_EQ(info.m_nShellCommand, c.command) << c.line;
        EXPECT_EQ(info.m_strFileName, c.file) << c.line;
    }
    theApp.m_lpCmdLine = saved;
}

}  // namespace
