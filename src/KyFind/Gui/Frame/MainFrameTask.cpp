// The Find frame's side of the task link: the finder's process and its
// request for the task dialog (refreshing the shared databases around it),
// the task's end, focus, and the texts the finder sends.
#include "KyFind/Gui/Frame/MainFrame.h"

#include "KyFind/Gui/App/KyFindGApp.h"
#include "KyFind/Gui/App/KyFindGDlg.h"
#include "KyFind/Gui/Finder/Finder.h"
#include "KyFind/Gui/Task/FinderJob.h"
#include "KyFind/Gui/Task/TaskLink.h"
#include "FinderLink/Texts/ToolTextBoxes.h"
#include "KyStd/Core/HandleWords.h"
#include "KyStd/Strings/String.h"

#include <exception>

namespace FindTask = Kyvant::FindTask;

namespace {

// The databases' times are taken again after the dialog, also when it
// failed.
class FreshnessScope {
public:
    explicit FreshnessScope(Kyvant::DatabaseFreshness& freshness) : m_freshness(freshness)
    {
        m_freshness.BeforeDialog();
    }
    ~FreshnessScope() { m_freshness.AfterDialog(); }
    FreshnessScope(const FreshnessScope&) = delete;
    FreshnessScope& operator=(const FreshnessScope&) = delete;

private:
    Kyvant::DatabaseFreshness& m_freshness;
};

} // namespace

LRESULT CMainFrame::OnFinderMessage(WPARAM wParam, LPARAM lParam)
{
    if (wParam == FindTask::kFinderProcess && m_finder)
        m_finder->SetToolProcess(Kyvant::LParamToHandle(lParam));
    else if (wParam == FindTask::kAskForDialog)
        AnswerTaskDialog();
    return 0;
}

// A dialog of the frame still open gets a beep and a cancelled answer; else
// the task dialog runs between the database refreshes and its answer goes
// back to the finder.
void CMainFrame::AnswerTaskDialog()
{
    Finder::Job* job = m_finder ? m_finder->GetCurrentJob() : nullptr;
    if (!job)
        return;
    if (InModalState()) {
        MessageBeep(0);
        job->HandBack(false);
        return;
    }
    bool accepted = false;
    try {
        FreshnessScope freshness(m_databases);
        CKyFindGDlg dialog;
        accepted = dialog.DoModal() == IDOK;
    } catch (CException* e) {
        e->ReportError();
        e->Delete();
    } catch (const std::exception& e) {
        AfxMessageBox(e.what(), MB_OK | MB_ICONSTOP);
    }
    try {
        job->HandBack(accepted);
    } catch (const std::exception& e) {
        AfxMessageBox(e.what(), MB_OK | MB_ICONSTOP);
    }
}

LRESULT CMainFrame::OnFocusActiveView(WPARAM, LPARAM)
{
    if (CView* view = GetActiveView())
        view->SetFocus();
    else if (CWnd* pane = m_splitter.GetSafeHwnd() ? m_splitter.GetPane(0, 0) : nullptr)
        pane->SetFocus();
    return 0;
}

LRESULT CMainFrame::OnTaskEnd(WPARAM, LPARAM)
{
    if (m_finder)
        m_finder->OnTaskEnd();
    SetStatusText(AFX_IDS_IDLEMESSAGE, true);
    return 0;
}

// One box at a time; texts that come while it is up wait for the next.
LRESULT CMainFrame::OnText(WPARAM wParam, LPARAM)
{
    Kyvant::FinderLink::ShowToolText(reinterpret_cast<Kyvant::ky_S*>(wParam));
    return 0;
}

LRESULT CMainFrame::OnShowTabSize(WPARAM, LPARAM)
{
    ShowTabSize();
    return 0;
}
