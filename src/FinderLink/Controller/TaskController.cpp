// The shared task controller: the job's registration and ownership, the
// start's error reports, stopping under the watchdog, the task's end, and
// what the watchdog asks of it.
#include "FinderLink/Controller/TaskController.h"

#include "KyConTool/App/ProtocolPrefix.h"
#include "KyGui/Helpers/NestedLoop.h"
#include "KyStd/Shell/ComError.h"

#include <exception>

namespace Kyvant {
namespace FinderLink {

TaskJob::~TaskJob() {}

TaskReaders* TaskJob::GetReaders()
{
    return nullptr;
}

TaskController::Registration::Registration(TaskController& controller, TaskJob* job)
    : m_controller(controller), m_job(job)
{
    m_controller.m_currentJob = job;
}

TaskController::Registration::~Registration()
{
    if (m_controller.m_currentJob == m_job)
        m_controller.m_currentJob = nullptr;
}

TaskController::TaskController(CWnd* resultPanes)
    : m_stopping(false), m_discarding(false), m_starting(false), m_ending(false), m_jobSerial(0),
      m_endWatch(0), m_closeAfterStart(nullptr), m_resultPanes(resultPanes), m_currentJob(nullptr)
{
}

TaskController::~TaskController()
{
    DestroyJob();
    StopEndWatch();
}

TaskJob* TaskController::StartedJob() const
{
    return m_currentJob && m_currentJob == m_job.get() ? m_currentJob : nullptr;
}

bool TaskController::IsRunning() const
{
    TaskJob* job = StartedJob();
    return job && !job->IsDone();
}

bool TaskController::PutOffCloseWhileStarting(HWND window)
{
    if (!IsStarting())
        return false;
    m_closeAfterStart = window;
    return true;
}

void TaskController::ClosePutOffWindow()
{
    const HWND window = m_closeAfterStart;
    m_closeAfterStart = nullptr;
    if (window && IsWindow(window))
        PostMessageA(window, WM_CLOSE, 0, 0);
}

bool TaskController::RunStart(const std::function<bool()>& start)
{
    if (IsStarting()) {
        MessageBeep(0);
        return false;
    }
    bool started = false;
    {
        Kyvant::FlagScope starting(m_starting);
        started = StartReportingErrors(start);
    }
    ClosePutOffWindow();
    return started;
}

bool TaskController::StartReportingErrors(const std::function<bool()>& start)
{
    try {
        return start();
    } catch (CException* e) {
        e->ReportError();
        e->Delete();
    } catch (const _com_error& e) {
        AfxMessageBox(e.ErrorMessage());
    } catch (const std::exception& e) {
        AfxMessageBox(e.what());
    }
    try {
        ResetProtocolPrefix();
    } catch (...) {
    }
    return false;
}

void TaskController::AdoptJob(TaskJob* job)
{
    if (m_job && m_job.get() != job)
        DestroyJob();
    m_job.reset(job);
    ++m_jobSerial;
    if (job)
        StartEndWatch();
}

void TaskController::Stop()
{
    if (m_stopping || m_ending || !IsRunning())
        return;
    Kyvant::FlagScope stopping(m_stopping);
    ProcessKiller::Manager watchdog(*this);
    m_currentJob->Stop();
    PumpUntilJobGone();
    watchdog.Cancel();
}

// Messages are served (input to the result panes dropped), one at a time
// with the idle passes between them, until the task's end message has
// destroyed the job. A WM_QUIT waiting for the outer loop keeps the wait
// polling.
void TaskController::PumpUntilJobGone()
{
    UserEx::NestedLoop loop(
        {UserEx::Serving::kOneStep, BusyWindow(), UserEx::QuitWaiting::kKeepsAwake, false});
    while (m_currentJob)
        loop.Round(nullptr, 0);
}

// The window whose input the waits drop.
HWND TaskController::BusyWindow() const
{
    CWnd* busy = m_resultPanes ? m_resultPanes : AfxGetMainWnd();
    return busy ? busy->m_hWnd : nullptr;
}

bool TaskController::EndFinishedJob()
{
    TaskJob* job = StartedJob();
    if (!job || !job->IsDone())
        return false;
    DestroyJob();
    return true;
}

void TaskController::DestroyJob()
{
    if (m_job) {
        const unsigned serial = m_jobSerial;
        WaitForJobEnd(serial);
        if (serial != m_jobSerial)
            return; // an end inside the wait destroyed it already
    }
    StopEndWatch();
    m_job.reset();
    ++m_jobSerial;
    m_toolProcess.close();
}

void TaskController::SetToolProcess(HANDLE process)
{
    if (process != m_toolProcess.get())
        m_toolProcess.attach(process);
}

CWnd* TaskController::GetOwnerWindow()
{
    return AfxGetMainWnd();
}

// The handle the tool announced, else the one its start gave: End Task
// works even for a tool that never announced itself.
HANDLE TaskController::GetProcessHandle()
{
    if (!m_toolProcess.empty())
        return m_toolProcess.get();
    TaskJob* job = StartedJob();
    return job ? job->GetStartedProcess() : nullptr;
}

// Also while a job's end waits for a tool that does not exit.
bool TaskController::PromptNow()
{
    return IsRunning() || m_ending;
}

void TaskController::OnProcessTerminated() {}

void TaskController::OnFirstTick()
{
    if (CWnd* frame = GetOwnerWindow())
        frame->BeginWaitCursor();
}

void TaskController::OnStatusDialogClosed()
{
    if (CWnd* frame = GetOwnerWindow())
        frame->RestoreWaitCursor();
}

void TaskController::OnWatchdogEnded()
{
    if (CWnd* frame = GetOwnerWindow())
        frame->EndWaitCursor();
}

} // namespace FinderLink
} // namespace Kyvant
