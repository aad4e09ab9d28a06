// The Find task controller: starting a task, its end, discarding results.
#include "KyFind/Gui/Finder/Finder.h"

#include "KyFind/Gui/App/KyFindGApp.h"
#include "KyFind/Gui/Coordinator/ViewCoordinator.h"
#include "KyFind/Gui/Frame/FrameResource.h"
#include "KyFind/Gui/Model/FinderModel.h"
#include "KyFind/Gui/Task/FinderJob.h"
#include "KyGuiTool/ResultList/KyFileListViewBase.h"

Finder::Finder(KyFileListViewBase* fileList, CWnd* resultPanes)
    : TaskController(resultPanes), m_model(new Model(*this)), m_fileList(fileList),
      m_views(new ViewCoordinator(*this, CKyFindGApp::Instance().GetRegKey()))
{
}

// The job goes first: its readers still use the model.
Finder::~Finder()
{
    DestroyJob();
}

Finder::Job* Finder::GetCurrentJob() const
{
    return static_cast<Job*>(GetCurrentTaskJob());
}

bool Finder::Start()
{
    return RunStart([this] {
        CKyFindGApp::Instance().SetDialogAccepted(false);
        Discard();
        if (m_fileList)
            m_fileList->ShowMsgWnd(false);
        Job* job = new Job(*this);
        AdoptJob(job);
        const bool running = job->Go();
        if (!running)
            Discard();
        return running;
    });
}

void Finder::Stop()
{
    if (m_stopping || !IsRunning())
        return;
    m_views->ShowStatus(IDS_KYFINDG_STOPPING, false);
    TaskController::Stop();
}

// The end message of an earlier task (whose job is gone, or was replaced by
// one still starting) ends nothing.
void Finder::OnTaskEnd()
{
    if (!EndFinishedJob())
        return;
    if (!m_stopping && !m_discarding && m_fileList && m_model->GetFileCount() == 0)
        m_fileList->ShowMsgWnd(true);
}

// The file list lets go of its rows first, and the job goes before the
// results are cleared, so that no reader still adds; the emptied list says
// so.
void Finder::Discard()
{
    CWaitCursor wait;
    Kyvant::FlagScope discarding(m_discarding);
    KyGuiApp::Instance().ClearIndexingServiceMessage();
    const bool listShown = m_fileList && m_fileList->GetSafeHwnd();
    if (listShown)
        m_fileList->Clear();
    m_views->Reset();
    DestroyJob();
    m_model->Clear();
    if (listShown)
        m_fileList->ShowMsgWnd(true);
}
