// The task controller: starting a task, stopping it under the watchdog,
// its end, discarding results, and what the watchdog asks of it.
#include "KyFind/Gui/Finder/Finder.h"

#include "KyConTool/App/ProtocolPrefix.h"
#include "KyFind/Gui/App/KyFindGApp.h"
#include "KyFind/Gui/Model/FinderModel.h"
#include "KyFind/Gui/Task/FinderJob.h"
#include "KyGui/Helpers/UserEx.h"
#include "KyGuiTool/ResultList/KyFileListViewBase.h"
#include "KyStd/Shell/ComError.h"

#include <afxwin.h>

#include <exception>

namespace {

// Sets a flag for the lifetime of the object.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : m_flag(flag) { m_flag = true; }
    ~FlagScope() { m_flag = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& m_flag;
};

} // namespace

Finder::Finder(KyFileListViewBase* fileList, CWnd* resultPanes)
    : m_model(new Model(*this)), m_fileList(fileList), m_resultPanes(resultPanes),
      m_currentJob(nullptr), m_stopping(false), m_discarding(false)
{
}

Finder::~Finder()
{
    DestroyJob();
}

bool Finder::IsRunning() const
{
    return m_currentJob && !m_currentJob->IsDone();
}

bool Finder::Start()
{
    try {
        CKyFindGApp::Instance().SetDialogAccepted(false);
        Discard();
        if (m_fileList)
            m_fileList->ShowMsgWnd(false);
        m_job.reset(new Job(*this));
        const bool running = m_job->Go();
        if (!running)
            Discard();
        return running;
    } catch (CException* e) {
        e->ReportError();
        e->Delete();
    } catch (const _com_error& e) {
        AfxMessageBox(e.ErrorMessage());
    } catch (const std::exception& e) {
        AfxMessageBox(e.what());
    }
    try {
        Kyvant::ResetProtocolPrefix();
    } catch (...) {
    }
    return false;
}

void Finder::Stop()
{
    if (m_stopping || !IsRunning())
        return;
    FlagScope stopping(m_stopping);
    Kyvant::ProcessKiller::Manager watchdog(*this);
    m_currentJob->Stop();
    PumpUntilJobGone();
    watchdog.Cancel();
}

// Messages are served (input to the result panes dropped) until the task's
// end message has destroyed the job.
void Finder::PumpUntilJobGone()
{
    CWinApp* app = AfxGetApp();
    CWnd* busy = m_resultPanes ? m_resultPanes : AfxGetMainWnd();
    const HWND busyWindow = busy ? busy->m_hWnd : nullptr;
    LONG idle = 0;
    while (m_currentJob) {
        if (Kyvant::UserEx::PumpMessagesDiscardingInputMessages(busyWindow)) {
            idle = 0;
            continue;
        }
        if (app && app->OnIdle(idle++))
            continue;
        idle = 0;
        MSG queued;
        if (!PeekMessageA(&queued, nullptr, 0, 0, PM_NOREMOVE))
            WaitMessage();
    }
}

// The end message of an earlier task (whose job is gone, or was replaced by
// one still starting) ends nothing.
void Finder::OnTaskEnd()
{
    if (!m_currentJob || !m_currentJob->IsDone())
        return;
    DestroyJob();
    if (!m_stopping && !m_discarding && m_fileList && m_model->GetFileCount() == 0)
        m_fileList->ShowMsgWnd(true);
}

// The file list lets go of its rows first, and the job goes before the
// results are cleared, so that no reader still adds; the emptied list says
// so.
void Finder::Discard()
{
    CWaitCursor wait;
    FlagScope discarding(m_discarding);
    KyGuiApp::Instance().ClearIndexingServiceMessage();
    const bool listShown = m_fileList && m_fileList->GetSafeHwnd();
    if (listShown)
        m_fileList->Clear();
    DestroyJob();
    m_model->Clear();
    if (listShown)
        m_fileList->ShowMsgWnd(true);
}

// The finder has exited once its job is gone: the handle it announced names
// nothing to end any more.
void Finder::DestroyJob()
{
    m_job.reset();
    m_toolProcess.close();
}

void Finder::SetToolProcess(HANDLE process)
{
    if (process != m_toolProcess.get())
        m_toolProcess.attach(process);
}

CWnd* Finder::GetOwnerWindow()
{
    return AfxGetMainWnd();
}

// The handle the finder announced, else the one its start gave: End Task
// works even for a finder that never announced itself.
HANDLE Finder::GetProcessHandle()
{
    if (!m_toolProcess.empty())
        return m_toolProcess.get();
    return m_currentJob ? m_currentJob->GetProcess().get() : nullptr;
}

bool Finder::PromptNow()
{
    return IsRunning();
}

void Finder::OnProcessTerminated() {}

void Finder::OnFirstTick()
{
    if (CWnd* frame = GetOwnerWindow())
        frame->BeginWaitCursor();
}

void Finder::OnStatusDialogClosed()
{
    if (CWnd* frame = GetOwnerWindow())
        frame->RestoreWaitCursor();
}

void Finder::OnWatchdogEnded()
{
    if (CWnd* frame = GetOwnerWindow())
        frame->EndWaitCursor();
}
