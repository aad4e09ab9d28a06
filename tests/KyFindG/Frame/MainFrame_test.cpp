// The frame in a real window, made as the program makes it: the deferred
// status text and its notices, the tab-size box, the task dialog refused
// while another dialog of the frame is open, a task's files and match
// status, the commands' enabling, the development environments' commands
// with their presence and failures, the editor configured and started.
#include "Frame/FrameTestSupport.h"

#include "KyFind/Gui/Editor/IdePresence.h"
#include "KyFind/Gui/Finder/Finder.h"
#include "KyFind/Gui/MatchList/FileMatchListView.h"
#include "KyFind/Gui/Model/FinderModel.h"
#include "KyGuiTool/App/KyGuiApp.h"
#include "KyGuiTool/ResultList/ResultListResource.h"
#include "KyStd/Registry/RegValues.h"
#include "common/ProgramFolder.h"
#include "common/WindowPng.h"
#include "devenv/DevEnvOpening.h"
#include "devenv/Registration.h"

using namespace frametest;
using Kyvant::FindEditor::IdePresence;

namespace {

std::string PaneText(CMainFrame* frame, int pane)
{
    return static_cast<const char*>(frame->GetStatusBar().GetPaneText(pane));
}

bool g_vc = false, g_vsNet = false;
const IdePresence kScriptedIdes = {[] { return g_vc; }, [] { return g_vsNet; },
                                   [] { return false; }};

class ScriptedIdes {
public:
    ScriptedIdes(bool vc, bool vsNet) : m_old(Kyvant::FindEditor::SetIdePresence(&kScriptedIdes))
    {
        g_vc = vc;
        g_vsNet = vsNet;
    }
    ~ScriptedIdes() { Kyvant::FindEditor::SetIdePresence(&m_old); }

private:
    IdePresence m_old;
};

} // namespace

using MainFrameTest = FrameTest;

TEST_F(MainFrameTest, StatusTextIsDeferredAndNoticesEndAtTheNextKey)
{
    findgtest::PumpUntil([] { return false; }, 300);
    frame->SetStatusText(IDS_KYFINDG_STOPPING, false);
    EXPECT_NE("Stopping...", PaneText(frame, 0)) << "shown only on the timer";
    EXPECT_TRUE(findgtest::PumpUntil([&] { return PaneText(frame, 0) == "Stopping..."; }, 10000));
    frame->SetStatusText(AFX_IDS_IDLEMESSAGE, true);
    EXPECT_EQ("Ready", PaneText(frame, 0));

    frame->SetStatusText(IDS_KYFINDG_PASSED_LAST_MATCH, true);
    EXPECT_EQ(static_cast<UINT>(IDS_KYFINDG_PASSED_LAST_MATCH), frame->GetStatusTextId());
    MSG key = {list->m_hWnd, WM_KEYUP, 'X', 0, 0, {0, 0}};
    frame->PreTranslateMessage(&key);
    EXPECT_EQ(static_cast<UINT>(IDS_KYFINDG_PASSED_LAST_MATCH), frame->GetStatusTextId())
        << "a key's release ends nothing";
    key.message = WM_KEYDOWN;
    frame->PreTranslateMessage(&key);
    EXPECT_EQ(static_cast<UINT>(AFX_IDS_IDLEMESSAGE), frame->GetStatusTextId());
    EXPECT_TRUE(findgtest::PumpUntil([&] { return PaneText(frame, 0) == "Ready"; }, 10000));

    // A command through the frame ends a notice too.
    frame->SetStatusText(IDS_KYFINDG_PASSED_FIRST_MATCH, true);
    frame->SendMessage(WM_COMMAND, ID_KYFINDG_FILE_LIST_PANE);
    EXPECT_EQ(static_cast<UINT>(AFX_IDS_IDLEMESSAGE), frame->GetStatusTextId());
}

TEST_F(MainFrameTest, TabSizeBoxKeepsItsRangeAndEscapeRestores)
{
    CComboBoxEx& combo = frame->GetTabSizeCombo();
    CEdit* edit = combo.GetEditCtrl();
    ASSERT_NE(nullptr, edit);
    auto enter = [&](const char* text, UINT key) {
        edit->SetFocus();
        edit->SetWindowText(text);
        frame->SendMessage(WM_COMMAND, key);
    };
    auto shown = [&] {
        CString text;
        edit->GetWindowText(text);
        return std::string(static_cast<const char*>(text));
    };
    enter("0", IDOK);
    EXPECT_EQ(1, frame->GetTabSize());
    EXPECT_EQ("1", shown());
    enter("99", IDOK);
    EXPECT_EQ(20, frame->GetTabSize());
    EXPECT_EQ("20", shown());
    enter("7", IDOK);
    EXPECT_EQ(7, frame->GetTabSize());
    enter("12", IDCANCEL);
    EXPECT_EQ(7, frame->GetTabSize());
    EXPECT_EQ("7", shown());
    // Picked from the list.
    combo.SetCurSel(3);
    frame->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_KYFINDG_TAB_SIZE, CBN_SELENDOK),
                       reinterpret_cast<LPARAM>(combo.m_hWnd));
    EXPECT_EQ(4, frame->GetTabSize());
    kytest::SaveWindowPng(frame->m_hWnd, "KyFindG_frame_tab_size");
}

// The finder asks for its dialog while a dialog of the frame is open: no
// dialog, a cancelled answer, and the task ends without results.
TEST_F(MainFrameTest, TaskDialogIsRefusedWhileTheFrameIsModal)
{
    std::vector<std::string> dialogs;
    ModalScript record([&](CWnd* dialog) {
        char title[64] = "";
        GetWindowTextA(dialog->m_hWnd, title, sizeof title);
        dialogs.push_back(title);
        dialog->PostMessage(WM_COMMAND, IDCANCEL);
    });
    frame->BeginModalState();
    EXPECT_FALSE(finder->Start());
    frame->EndModalState();
    EXPECT_TRUE(dialogs.empty());
    EXPECT_FALSE(theApp.GetDialogAccepted());
    EXPECT_EQ(0u, finder->GetModel().GetFileCount());
    EXPECT_EQ(nullptr, finder->GetCurrentJob());
}

TEST_F(MainFrameTest, TaskShowsFilesAndCommandsFollowIt)
{
    EXPECT_FALSE(Enabled(*frame, ID_KYFINDG_STOP)) << "no task runs";
    EXPECT_FALSE(Enabled(*frame, ID_KYFINDG_DISCARD)) << "no files";
    EXPECT_TRUE(Enabled(*frame, ID_FILE_NEW));
    HandOverFixture();
    ASSERT_TRUE(RunTask("alpha"));
    ASSERT_TRUE(findgtest::PumpUntil([&] { return list->GetListCtrl().GetItemCount() == 3; },
                                     kTaskTimeoutMs));
    EXPECT_EQ("4 matches in 3 files", frame->GetMatchStatusText());
    findgtest::PumpUntil([&] { return PaneText(frame, 0) == "Ready"; }, 2000);
    EXPECT_EQ("Ready", PaneText(frame, 0));
    EXPECT_FALSE(Enabled(*frame, ID_KYFINDG_STOP));
    EXPECT_TRUE(Enabled(*frame, ID_KYFINDG_DISCARD));
    EXPECT_TRUE(Enabled(*frame, ID_KYFINDG_FIND_IN_RESULTS));
    EXPECT_TRUE(Enabled(*frame, ID_KYFINDG_CONFIGURE_EDITOR));

    // No current file: nothing to open.
    ScriptedIdes both(true, true);
    list->GetLink().SetCurrentFile(-1);
    EXPECT_FALSE(Enabled(*frame, ID_KYFINDG_OPEN_IN_EDITOR));
    EXPECT_FALSE(Enabled(*frame, ID_KYFINDG_OPEN_WITH_VC));
    list->GetLink().SetCurrentFile(0);
    EXPECT_TRUE(Enabled(*frame, ID_KYFINDG_OPEN_IN_EDITOR));
    EXPECT_TRUE(Enabled(*frame, ID_KYFINDG_OPEN_IN_IDE));
    EXPECT_TRUE(Enabled(*frame, ID_KYFINDG_OPEN_WITH_VC));
    EXPECT_TRUE(Enabled(*frame, ID_KYFINDG_OPEN_WITH_VSNET));
    {
        ScriptedIdes none(false, false);
        EXPECT_FALSE(Enabled(*frame, ID_KYFINDG_OPEN_IN_IDE));
        EXPECT_FALSE(Enabled(*frame, ID_KYFINDG_OPEN_WITH_VC));
        EXPECT_FALSE(Enabled(*frame, ID_KYFINDG_OPEN_WITH_VSNET));
    }
    {
        ScriptedIdes vcOnly(true, false);
        EXPECT_TRUE(Enabled(*frame, ID_KYFINDG_OPEN_IN_IDE));
        EXPECT_FALSE(Enabled(*frame, ID_KYFINDG_OPEN_WITH_VSNET));
    }
    kytest::SaveWindowPng(frame->m_hWnd, "KyFindG_frame_results");

    frame->SendMessage(WM_COMMAND, ID_KYFINDG_DISCARD);
    EXPECT_EQ(0u, finder->GetModel().GetFileCount());
    EXPECT_FALSE(Enabled(*frame, ID_KYFINDG_DISCARD));
}

// While a task runs, the row whose file the finder still reports can be
// neither cut, deleted nor renamed; a row before it can, and after the task
// every row can.
TEST_F(MainFrameTest, TheFileStillBeingFilledIsNotCutDeletedOrRenamed)
{
    const UINT kChanging[] = {ID_EDIT_CUT, ID_EDIT_CLEAR, ID_KY_RENAME};
    SetEnvironmentVariableA("KYTEST_TASK_LINK", "slow=4000,slow-ms=5");
    HandOverFixture();
    ASSERT_TRUE(StartTask("alpha"));
    frame->SetActiveView(list);
    CListCtrl& rows = list->GetListCtrl();
    ASSERT_TRUE(findgtest::PumpUntil([&] { return list->GetWatchedRow() > 0; }, kTaskTimeoutMs));
    const int watched = list->GetWatchedRow();
    rows.SetItemState(-1, 0, LVIS_SELECTED);
    rows.SetItemState(watched, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    for (UINT id : kChanging)
        EXPECT_FALSE(Enabled(*frame, id)) << id;
    rows.SetItemState(watched, 0, LVIS_SELECTED);
    rows.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    for (UINT id : kChanging)
        EXPECT_TRUE(Enabled(*frame, id)) << id;

    frame->SendMessage(WM_COMMAND, ID_KYFINDG_STOP);
    SetEnvironmentVariableA("KYTEST_TASK_LINK", nullptr);
    ASSERT_TRUE(findgtest::PumpUntil([this] { return TaskEnded(); }, kTaskTimeoutMs));
    rows.SetItemState(watched, LVIS_SELECTED, LVIS_SELECTED);
    for (UINT id : kChanging)
        EXPECT_TRUE(Enabled(*frame, id)) << id;
}

// Open with VC++ against the stand-in: a failing call shows its message and
// the frame goes on; the next call opens the file.
TEST_F(MainFrameTest, EnvironmentFailureIsShownAndTheFrameGoesOn)
{
    HandOverFixture();
    ASSERT_TRUE(RunTask("alpha"));
    ASSERT_TRUE(findgtest::PumpUntil([&] { return list->GetListCtrl().GetItemCount() == 3; },
                                     kTaskTimeoutMs));
    list->GetLink().SetCurrentFile(0);
    std::string file;
    ASSERT_TRUE(frame->GetCurrentFile(file));

    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    {
        ScriptedIdes vc(true, false);
        const CLSID vcClass = {
            0xFB7FDAE2, 0x89B8, 0x11CF, {0x9B, 0xE8, 0x00, 0xA0, 0xC9, 0x0A, 0x63, 0x2C}};
        DevEnvStandIn::ComRef<DevEnvStandIn::DispObject> app = DevEnvStandIn::VcApplication();
        DevEnvStandIn::MakeVcOpenable(app.get());
        app->Fail(L"Documents", E_ACCESSDENIED, false);
        DevEnvStandIn::RunningObject running(app.get(), vcClass);
        frame->SendMessage(WM_COMMAND, ID_KYFINDG_OPEN_IN_IDE);
        ASSERT_EQ(1u, theApp.m_boxes.size());
        EXPECT_FALSE(theApp.m_boxes[0].empty());
        EXPECT_TRUE(IsWindow(frame->m_hWnd));

        app->Fail(L"Documents", S_OK, false);
        frame->SendMessage(WM_COMMAND, ID_KYFINDG_OPEN_WITH_VC);
        EXPECT_EQ(1u, theApp.m_boxes.size());
        std::wstring wide(file.begin(), file.end());
        EXPECT_NE(nullptr, DevEnvStandIn::OpenedDocument(app.get(), wide.c_str()));
    }
    CoUninitialize();
}

// Configure Editor through the frame, then Open in Editor starts the
// editor stand-in with the current file.
TEST_F(MainFrameTest, ConfiguredEditorOpensTheCurrentFile)
{
    HandOverFixture();
    ASSERT_TRUE(RunTask("alpha"));
    ASSERT_TRUE(findgtest::PumpUntil([&] { return list->GetListCtrl().GetItemCount() == 3; },
                                     kTaskTimeoutMs));
    list->GetLink().SetCurrentFile(1);
    std::string file;
    ASSERT_TRUE(frame->GetCurrentFile(file));

    const std::string editor = kytest::ProgramFolder() + "KyEditorStandIn.exe";
    {
        ModalScript configure([&](CWnd* dialog) {
            SetDlgItemTextA(dialog->m_hWnd, IDC_KYFINDG_EDITOR_PATH, editor.c_str());
            SetDlgItemTextA(dialog->m_hWnd, IDC_KYFINDG_EDITOR_ARGS, "-n%L %F");
            dialog->PostMessage(WM_COMMAND, IDOK);
        });
        frame->SendMessage(WM_COMMAND, ID_KYFINDG_CONFIGURE_EDITOR);
    }
    EXPECT_EQ(editor, frame->GetEditorSettings().path);
    const std::string log = kytest::TempFolder() + "frame_editor.log";
    DeleteFileA(log.c_str());
    findgtest::SetVariable("KYTEST_EDITOR_LOG", log);
    frame->SendMessage(WM_COMMAND, ID_KYFINDG_OPEN_IN_EDITOR);
    EXPECT_TRUE(findgtest::PumpUntil([&] { return !kytest::ReadFile(log).empty(); }, 10000));
    EXPECT_EQ("-n0 " + file + "\n", kytest::ReadFile(log));
    findgtest::SetVariable("KYTEST_EDITOR_LOG", "");
    EXPECT_TRUE(theApp.m_boxes.empty());
}

// A new task whose dialog is cancelled leaves the frame as it was, and the
// frame closes cleanly afterwards.
TEST_F(MainFrameTest, CancelledNewTaskLeavesTheFrameUsable)
{
    HandOverFixture();
    ASSERT_TRUE(RunTask("alpha"));
    {
        ModalScript cancel([](CWnd* dialog) { dialog->PostMessage(WM_COMMAND, IDCANCEL); });
        EXPECT_FALSE(finder->Start());
    }
    EXPECT_EQ(nullptr, finder->GetCurrentJob());
    EXPECT_EQ(0u, finder->GetModel().GetFileCount());
    frame->SendMessage(WM_CLOSE);
    findgtest::PumpPending();
}

// The match list's two column widths go with the pane layout: saved on
// close, and read back as 16-bit widths; a column without a stored width
// keeps its own.
TEST_F(MainFrameTest, MatchListColumnWidthsComeBackWithTheLayout)
{
    CListCtrl& matches = frame->GetMatchListView()->GetListCtrl();
    const int text = FileMatchListView::TextColumn;
    const int line = FileMatchListView::LineColumn;
    matches.SetColumnWidth(text, 333);
    matches.SetColumnWidth(line, 77);
    frame->SaveLayout();
    const Kyvant::RegKey pane(KyGuiApp::Instance().GetRegKey(), "Window\\LineListPane");
    EXPECT_EQ(333u, Kyvant::GetRegistryDWORD(pane.get(), "WLineText", 0));
    EXPECT_EQ(77u, Kyvant::GetRegistryDWORD(pane.get(), "WLineNo", 0));

    Kyvant::WriteRegistryDWORD(pane.get(), "WLineText", 0x10000 + 250);
    Kyvant::WriteRegistryDWORD(pane.get(), "WLineNo", 0xABCD0000 + 60);
    matches.SetColumnWidth(text, 100);
    matches.SetColumnWidth(line, 100);
    frame->RestoreLayout();
    EXPECT_EQ(250, matches.GetColumnWidth(text));
    EXPECT_EQ(60, matches.GetColumnWidth(line));

    pane.DeleteValue("WLineText");
    pane.DeleteValue("WLineNo");
    matches.SetColumnWidth(text, 123);
    matches.SetColumnWidth(line, 45);
    frame->RestoreLayout();
    EXPECT_EQ(123, matches.GetColumnWidth(text));
    EXPECT_EQ(45, matches.GetColumnWidth(line));
    // The layout saved on close keeps widths fit for the later cases.
    matches.SetColumnWidth(text, 400);
    matches.SetColumnWidth(line, 60);
}
