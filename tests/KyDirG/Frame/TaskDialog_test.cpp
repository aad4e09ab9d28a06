// The real Dir task dialog, run for a task by the frame: the Dir page over
// the path-plan pages, the Indexing Service question when both the page and
// the file-search side's Indexing Service page are chosen, and the list
// file flag that decides the empty listing's text.
#include "Frame/FrameTestSupport.h"

#include "KyDir/Gui/Dialog/KyDirGDlg.h"
#include "KyGuiTool/IndexingServicePage/PathPlanIndexingServiceSubDialog.h"
#include "KyGuiTool/PathPlans/KyPathPlanSubDialogTabCtrl.h"
#include "KyTools/Dir/DirResource.h"

using namespace dirgtest;

namespace {

using DirTaskDialog = FrameTest;

const char kQuestion[] =
    "You have selected both the Kyvant Dir Indexing Service option and the Indexing Service tab. "
    "The Kyvant Dir settings will override the corresponding tab settings, which will be ignored. "
    "Proceed with the search anyway?";

// The real dialog, driven by the script once it is up, then cancelled
// without saving the changed task.
ScriptedFrame::Answer Drive(std::function<void(CKyDirGDlg&)> script)
{
    ScriptedFrame::Answer answer;
    answer.drive = [script](CWnd& window) {
        CKyDirGDlg* dialog = dynamic_cast<CKyDirGDlg*>(&window);
        EXPECT_NE(nullptr, dialog);
        if (dialog != nullptr)
            script(*dialog);
        theApp.m_answers = {IDNO};
        window.PostMessage(WM_COMMAND, IDCANCEL);
    };
    return answer;
}

void Click(CWnd& page, int id)
{
    page.GetDlgItem(id)->SendMessage(BM_CLICK);
    PumpPending();
}

std::string MessageText(CWnd& view)
{
    for (CWnd* child = view.GetWindow(GW_CHILD); child != nullptr;
         child = child->GetWindow(GW_HWNDNEXT)) {
        if (child->GetDlgCtrlID() == 0xFFFF && child->IsWindowVisible()) {
            CString text;
            child->GetWindowText(text);
            return static_cast<const char*>(text);
        }
    }
    return "";
}

} // namespace

TEST_F(DirTaskDialog, TheDirPageSitsOverThePathPlanPagesAndCancelStartsNothing)
{
    std::string caption, tab;
    bool shot = false;
    ScriptedFrame::Answers().push_back(Drive([&](CKyDirGDlg& dialog) {
        CString text;
        dialog.GetWindowText(text);
        caption = static_cast<const char*>(text);
        tab = dialog.GetToolTabs().GetPageCaption(0).c_str();
        EXPECT_NE(nullptr, dialog.GetDirPage().GetDlgItem(IDC_KY_DIR_LIST_FILE));
        EXPECT_NE(nullptr,
                  dynamic_cast<KyPathPlanSubDialogTabCtrl*>(dialog.GetPathPlanSubDialogBridge()));
        dialog.RedrawWindow(nullptr, nullptr,
                            RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN |
                                RDW_UPDATENOW);
        shot = kytest::SaveWindowPng(dialog.m_hWnd, "KyDirG-task-dialog");
    }));
    New();
    PumpUntil([this] { return GetFinder().GetCurrentJob() == nullptr; }, kTimeoutMs);
    EXPECT_EQ(1, ScriptedFrame::Asks());
    EXPECT_EQ(IDCANCEL, ScriptedFrame::LastDialogResult())
        << ::testing::PrintToString(theApp.m_boxes);
    EXPECT_EQ("Dir Task", caption);
    EXPECT_EQ("Dir Plan", tab);
    EXPECT_TRUE(shot);
    EXPECT_FALSE(theApp.GetDialogAccepted());
    EXPECT_EQ(0, List().GetItemCount());
    EXPECT_TRUE(theApp.m_boxes.empty()) << ::testing::PrintToString(theApp.m_boxes);
    theApp.m_answers.clear();
}

TEST_F(DirTaskDialog, BothIndexingServicesAskBeforeOkAndCancelKeepsTheDialog)
{
    struct Seen {
        bool noPage = false;
        bool editorAllows = false, editorBoxes = true;
        bool cancelAllows = true, okAllows = false, uncheckedAllows = false;
        std::vector<std::string> boxes;
    } seen;
    ScriptedFrame::Answers().push_back(Drive([&](CKyDirGDlg& dialog) {
        auto* tabs = dynamic_cast<KyPathPlanSubDialogTabCtrl*>(dialog.GetPathPlanSubDialogBridge());
        PathPlanIndexingServiceSubDialog* isPage =
            tabs != nullptr ? tabs->GetIndexingService() : nullptr;
        seen.noPage = isPage == nullptr;
        if (isPage == nullptr)
            return;
        KySubDialogPage& dirPage = dialog.GetDirPage();
        Click(dirPage, IDC_KY_DIR_USE_INDEXING_SERVICE);
        dirPage.GetDlgItem(IDC_KY_DIR_QUERY)->SetWindowText("report");
        dirPage.UpdateData(TRUE);

        theApp.m_boxes.clear();
        seen.editorAllows = dirPage.AllowOK(); // the Path Plan Editor is shown
        seen.editorBoxes = !theApp.m_boxes.empty();

        for (unsigned index = 0; index < tabs->GetPageCount(); ++index)
            if (tabs->GetPagePtr(index) == isPage)
                tabs->SetActivePage(index, false, false);
        theApp.m_answers = {IDCANCEL};
        seen.cancelAllows = dirPage.AllowOK();
        theApp.m_answers = {IDOK};
        seen.okAllows = dirPage.AllowOK();
        Click(dirPage, IDC_KY_DIR_USE_INDEXING_SERVICE);
        dirPage.UpdateData(TRUE);
        seen.uncheckedAllows = dirPage.AllowOK();
        seen.boxes = theApp.m_boxes;

        // OK refused by the question leaves the dialog up.
        Click(dirPage, IDC_KY_DIR_USE_INDEXING_SERVICE);
        theApp.m_answers = {IDCANCEL};
        theApp.m_boxes.clear();
        dialog.SendMessage(WM_COMMAND, IDOK);
        PumpPending();
        EXPECT_TRUE(::IsWindow(dialog.m_hWnd) && dialog.IsWindowVisible());
    }));
    New();
    PumpUntil([this] { return GetFinder().GetCurrentJob() == nullptr; }, kTimeoutMs);
    if (seen.noPage)
        GTEST_SKIP() << "this system has no Indexing Service page";
    EXPECT_EQ(IDCANCEL, ScriptedFrame::LastDialogResult());
    EXPECT_TRUE(seen.editorAllows);
    EXPECT_FALSE(seen.editorBoxes) << "no question while the editor is shown";
    EXPECT_FALSE(seen.cancelAllows);
    EXPECT_TRUE(seen.okAllows);
    EXPECT_TRUE(seen.uncheckedAllows);
    EXPECT_EQ(std::vector<std::string>({kQuestion, kQuestion}), seen.boxes)
        << "asked only while the Dir page uses its own query";
    EXPECT_FALSE(theApp.GetDialogAccepted());
}

TEST_F(DirTaskDialog, ANamedListFileIsKeptForTheEmptyListing)
{
    bool named = false, cleared = true;
    ScriptedFrame::Answers().push_back(Drive([&](CKyDirGDlg& dialog) {
        KySubDialogPage& page = dialog.GetDirPage();
        page.GetDlgItem(IDC_KY_DIR_LIST_FILE)->SetWindowText("C:\\list.txt");
        page.UpdateData(TRUE);
        page.SaveState();
        named = theApp.GetListFileNamed();
        page.GetDlgItem(IDC_KY_DIR_LIST_FILE)->SetWindowText("");
        page.UpdateData(TRUE);
        page.SaveState();
        cleared = theApp.GetListFileNamed();
    }));
    New();
    PumpUntil([this] { return GetFinder().GetCurrentJob() == nullptr; }, kTimeoutMs);
    EXPECT_TRUE(named);
    EXPECT_FALSE(cleared);
    theApp.m_answers.clear();

    // What the page tells for its list file, with the Dir program writing it.
    kytest::WriteFile(folder + "a.txt", "a");
    const std::string list = folder + "..\\" + "listing.txt";
    theApp.SetListFileNamed(true);
    RunTask({"-o" + list, "@p" + folder + "*"});
    EXPECT_EQ(0, List().GetItemCount());
    EXPECT_EQ("The search results were saved to a file", MessageText(View()));
    EXPECT_NE(std::string::npos, kytest::ReadFile(list).find("a.txt"));
    Snapshot("KyDirG-frame-list-file");
}
