// The Dir task controller: starting a task, its end, discarding the listing.
#include "KyDir/Gui/Finder/Finder.h"

#include "KyDir/Gui/App/KyDirGApp.h"
#include "KyDir/Gui/Frame/FrameResource.h"
#include "KyDir/Gui/Model/DirModel.h"
#include "KyDir/Gui/Task/DirJob.h"
#include "KyGuiTool/ResultList/KyFileListViewBase.h"

#include <afxres.h>

Finder::Finder(KyFileListViewBase* listView)
    : TaskController(nullptr), m_model(new Model(*this)), m_listView(listView)
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
    const bool started = RunStart([this] {
        CKyDirGApp::Instance().SetDialogAccepted(false);
        Discard();
        if (m_listView)
            m_listView->ShowMsgWnd(false);
        Job* job = new Job(*this);
        AdoptJob(job);
        SetStatus(IDS_STATUS_WORKING, false);
        const bool running = job->Go();
        if (!running)
            Discard();
        return running;
    });
    if (!started)
        SetStatus(AFX_IDS_IDLEMESSAGE, true);
    return started;
}

void Finder::Stop()
{
    if (m_stopping || !IsRunning())
        return;
    SetStatus(IDS_STATUS_STOPPING, false);
    TaskController::Stop();
}

void Finder::SetStatus(UINT id, bool now)
{
    if (m_status)
        m_status(id, now);
}

// The end message of an earlier task (whose job is gone, or was replaced by
// one still starting) ends nothing.
void Finder::OnTaskEnd()
{
    if (!EndFinishedJob())
        return;
    if (!m_stopping && !m_discarding && m_listView && m_model->GetItemCount() == 0)
        m_listView->ShowMsgWnd(true);
}

// The job goes before the listing is cleared, so that no reader still adds.
void Finder::Discard()
{
    CWaitCursor wait;
    Kyvant::FlagScope discarding(m_discarding);
    KyGuiApp::Instance().ClearIndexingServiceMessage();
    DestroyJob();
    if (m_listView != nullptr && m_listView->GetSafeHwnd() != nullptr)
        m_listView->Clear();
    m_model->Clear();
}
