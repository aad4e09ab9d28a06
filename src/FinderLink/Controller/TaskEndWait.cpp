// The end of a task's job: the wait, serving messages under the process
// watchdog, for the readers and the tool that have not ended yet, and the
// watch that delivers the results reader's end message when its post was
// refused, so that a task always ends.
#include "FinderLink/Controller/TaskController.h"

#include "FinderLink/Task/TaskReaders.h"
#include "KyGui/Helpers/NestedLoop.h"

#include <exception>
#include <map>
#include <memory>

namespace Kyvant {
namespace FinderLink {

namespace {

// How often the watch looks for a refused end message.
const UINT kEndWatchMs = 1000;

// The controllers by the id of their watch's thread timer.
std::map<UINT_PTR, TaskController*>& Watches()
{
    static std::map<UINT_PTR, TaskController*> watches;
    return watches;
}

} // namespace

// Null once the job is through, or once it is no longer the one the wait
// began with.
HANDLE TaskController::PendingEnd(unsigned jobSerial) const
{
    if (jobSerial != m_jobSerial || !m_job)
        return nullptr;
    TaskReaders* readers = m_job->GetReaders();
    return readers ? readers->PendingEnd() : nullptr;
}

// A job that has ended ends at once. Otherwise the watchdog is started,
// unless Stop's runs already: as after Stop, its first tick comes 500 ms
// later, and from then on it offers to end the tool.
void TaskController::WaitForJobEnd(unsigned jobSerial)
{
    if (!PendingEnd(jobSerial))
        return;
    {
        Kyvant::FlagScope ending(m_ending);
        std::unique_ptr<ProcessKiller::Manager> watchdog;
        if (GetState() == kIdle) {
            try {
                watchdog.reset(new ProcessKiller::Manager(*this));
            } catch (const std::exception&) {
                // Another user's watchdog: the wait goes on without one.
            }
        }
        ServeUntilJobEnded(jobSerial);
    }
    if (!IsStarting())
        ClosePutOffWindow();
}

// Messages are served, input to the result panes dropped, with the idle
// processing between them; when none is queued (a quit waiting for the
// outer loop is no message to serve) the thread sleeps until a message
// comes or what the end waits for has ended.
void TaskController::ServeUntilJobEnded(unsigned jobSerial)
{
    UserEx::NestedLoop loop(
        {UserEx::Serving::kQueueThenIdle, BusyWindow(), UserEx::QuitWaiting::kLetsSleep, false});
    for (;;) {
        loop.Serve();
        const HANDLE pending = PendingEnd(jobSerial);
        if (!pending)
            return;
        if (loop.Sleep(&pending, 1) == WAIT_FAILED)
            return; // nothing to wait on: the job's own end takes over
    }
}

void TaskController::StartEndWatch()
{
    if (m_endWatch)
        return;
    m_endWatch = SetTimer(nullptr, 0, kEndWatchMs, &EndWatchTick);
    if (m_endWatch)
        Watches()[m_endWatch] = this;
}

void TaskController::StopEndWatch()
{
    if (!m_endWatch)
        return;
    KillTimer(nullptr, m_endWatch);
    Watches().erase(m_endWatch);
    m_endWatch = 0;
}

// Nothing may leave a timer callback: failures are shown here.
void CALLBACK TaskController::EndWatchTick(HWND, UINT, UINT_PTR id, DWORD)
{
    const auto found = Watches().find(id);
    if (found == Watches().end()) {
        KillTimer(nullptr, id);
        return;
    }
    try {
        found->second->OnEndWatchTick();
    } catch (CException* e) {
        e->ReportError();
        e->Delete();
    } catch (const std::exception& e) {
        AfxMessageBox(e.what(), MB_OK | MB_ICONSTOP);
    }
}

// The refused end message is sent now, so the frame ends the task as the
// message would have; without a frame the job is ended here.
void TaskController::OnEndWatchTick()
{
    if (m_ending)
        return; // the end is under way
    TaskJob* job = StartedJob();
    TaskReaders* readers = job ? job->GetReaders() : nullptr;
    if (!readers)
        return;
    const TaskReaders::RefusedEnd end = readers->TakeRefusedEnd();
    if (!end.refused)
        return;
    if (end.window && IsWindow(end.window))
        SendMessageA(end.window, end.message, end.result, 0);
    else
        EndFinishedJob();
}

} // namespace FinderLink
} // namespace Kyvant
