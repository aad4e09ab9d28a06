// CMainFrame's task commands: Stop, Discard, Find in Current Results and
// Save As, their enabling, and nothing but the bars' commands while a stop
// runs.
#include "KyDir/Gui/Frame/MainFrame.h"

#include "KyDir/Gui/FileList/FileListView.h"
#include "KyDir/Gui/Finder/Finder.h"
#include "KyDir/Gui/Frame/FrameResource.h"
#include "KyDir/Gui/SaveAs/ListingWriter.h"
#include "KyGuiTool/App/KyGuiApp.h"
#include "KyGuiTool/ResultList/HandlerExceptions.h"
#include "KyStd/Containers/Sequencer.h"

#include <vector>

namespace {

// The control bars' own commands, which work while a stop runs.
const UINT kFirstBarCommand = 0xE800;
const UINT kLastBarCommand = 0xE8FF;

} // namespace

BOOL CMainFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    Finder* finder = GetFinder();
    const bool barCommand = nID >= kFirstBarCommand && nID <= kLastBarCommand;
    if (finder != nullptr && finder->IsStopping() && !barCommand && pHandlerInfo == nullptr) {
        if (nCode == static_cast<int>(CN_UPDATE_COMMAND_UI)) {
            static_cast<CCmdUI*>(pExtra)->Enable(FALSE);
            return TRUE;
        }
        if (nCode == CN_COMMAND)
            return TRUE;
    }
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

bool CMainFrame::HasResultsAndIdle() const
{
    const FileListView* view = GetListView();
    const Finder* finder = GetFinder();
    return view != nullptr && finder != nullptr && view->GetListCtrl().GetItemCount() > 0 &&
           !finder->IsRunning();
}

void CMainFrame::OnStop()
{
    if (Finder* finder = GetFinder())
        finder->Stop();
}

void CMainFrame::OnUpdateStop(CCmdUI* pCmdUI)
{
    const Finder* finder = GetFinder();
    pCmdUI->Enable(finder != nullptr && finder->IsRunning());
}

void CMainFrame::OnUpdateAlways(CCmdUI* pCmdUI)
{
    pCmdUI->Enable();
}

void CMainFrame::OnUpdateResultCommand(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(HasResultsAndIdle());
}

void CMainFrame::OnDiscard()
{
    if (!HasResultsAndIdle())
        return;
    GetFinder()->Discard();
    SetStatus(AFX_IDS_IDLEMESSAGE, true);
}

// The listed files go to the new task's path-plan page as an Explorer
// hand-off would.
void CMainFrame::OnFindInResults()
{
    FileListView* view = GetListView();
    if (view == nullptr || !HasResultsAndIdle())
        return;
    std::vector<Kyvant::ky_BSB<char>> paths;
    {
        CWaitCursor wait;
        const int count = view->GetListCtrl().GetItemCount();
        for (int row = 0; row < count; ++row) {
            Kyvant::ky_F path;
            view->GetItemFile(path, row);
            if (!path.empty())
                paths.push_back(path);
        }
    }
    if (paths.empty())
        return;
    Kyvant::ResultList::RunReportingErrors([&paths] {
        KyGuiApp::Instance().CreateShellExToolArgs(
            Kyvant::forward_input_sequencer<std::vector<Kyvant::ky_BSB<char>>>(paths));
    });
    AfxGetApp()->OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr, nullptr);
}

void CMainFrame::OnSaveAs()
{
    FileListView* view = GetListView();
    if (view == nullptr || !HasResultsAndIdle())
        return;
    Kyvant::ResultList::RunReportingErrors(
        [this, view] { SaveListingAs(*view, KyGuiApp::Instance().GetRegKey(), this); });
}
