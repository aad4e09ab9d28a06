// Kyvant::FinderLink::TaskController: what the task controllers of the Find
// and Dir front-ends share. It owns the one task job and knows the current
// one (a job registers itself while it starts), shows the start's errors,
// stops a running task under the process watchdog while serving messages,
// ends the job whose results reader finished (also when its end message
// could not be posted), waits for the job's tool and readers serving
// messages under the watchdog, keeps the process handle a tool announces,
// and describes the task to the watchdog.
#pragma once

#include "KyGuiTool/Watchdog/ProcessKiller.h"
#include "KyStd/Core/FlagScope.h"
#include "KyStd/Processes/Process.h"

#include <afxwin.h>

#include <functional>
#include <memory>

namespace Kyvant {
namespace FinderLink {

class TaskReaders;

// What the controller asks of a task's job.
class TaskJob {
public:
    virtual ~TaskJob();
    // Asks the tool to go away.
    virtual void Stop() = 0;
    // The results reader has finished.
    virtual bool IsDone() const = 0;
    // The tool's process as its start gave it.
    virtual HANDLE GetStartedProcess() const = 0;
    // The job's reader threads, whose end the job's end waits for; null:
    // none to wait for.
    virtual TaskReaders* GetReaders();
};

class TaskController : public ProcessKiller::User {
public:
    // Keeps a job registered as its controller's current job while it lives.
    class Registration {
    public:
        Registration(TaskController& controller, TaskJob* job);
        ~Registration();
        Registration(const Registration&) = delete;
        Registration& operator=(const Registration&) = delete;

    private:
        TaskController& m_controller;
        TaskJob* m_job;
    };

    // resultPanes: the window whose input is dropped while a stop waits
    // (null: the main window).
    explicit TaskController(CWnd* resultPanes);
    virtual ~TaskController();
    TaskController(const TaskController&) = delete;
    TaskController& operator=(const TaskController&) = delete;

    // A started job (no longer starting) whose results reader has not
    // finished.
    bool IsRunning() const;
    bool IsStopping() const { return m_stopping; }
    // A finished job's end waits for its tool and readers: the task still
    // counts as working for what the window says.
    bool IsEnding() const { return m_ending; }
    // A task's start is under way (its job is being made, the task dialog
    // may be open, messages are served until the dialog has ended), or a
    // job's end waits, serving messages, for its tool and readers: no new
    // task may start and the window may not close meanwhile.
    bool IsStarting() const { return m_starting || m_ending; }

    // While a start or a job's end is under way the window must not close
    // (they run on the frame's, the document's and this controller's
    // behalf): the close is then put off, and WM_CLOSE is posted to the
    // window once they are through. False when neither is under way.
    bool PutOffCloseWhileStarting(HWND window);

    // Asks the running task to go away and waits, serving messages, until
    // its end has destroyed the job; the watchdog offers to end a tool that
    // does not react. Nothing while a job's end already waits.
    void Stop();
    // The tool's own process handle, sent by it: kept for End Task; the
    // handle kept before is closed.
    void SetToolProcess(HANDLE process);

    // ProcessKiller::User
    CWnd* GetOwnerWindow() override;
    HANDLE GetProcessHandle() override;
    bool PromptNow() override;
    void OnProcessTerminated() override;
    void OnFirstTick() override;
    void OnStatusDialogClosed() override;
    void OnWatchdogEnded() override;

protected:
    // The job being started or running; null when there is none.
    TaskJob* GetCurrentTaskJob() const { return m_currentJob; }
    // Runs a task's start. Its errors are shown in a message box and forget
    // the protocol prefix; the result is then false. A start asked for while
    // one is under way (from its message loop) beeps and gives false.
    bool RunStart(const std::function<bool()>& start);
    // The controller owns the job from now on (one made before is gone);
    // a watch delivers its end message when the results reader could not
    // post it.
    void AdoptJob(TaskJob* job);
    // The end message of the results reader: destroys the current job when
    // it is through; false when the message ended nothing (it came from an
    // earlier task, or while the next one starts).
    bool EndFinishedJob();
    // The job goes once its readers and its tool have ended: until then
    // messages are served (input to the result panes dropped) and, from
    // 500 ms on, the watchdog offers to end the tool. The handle the tool
    // announced names nothing to end any more afterwards.
    void DestroyJob();

    bool m_stopping;
    bool m_discarding;

private:
    // The current job once it is made and owned: a job still being made
    // (its registration comes first) is not asked anything yet.
    TaskJob* StartedJob() const;
    bool StartReportingErrors(const std::function<bool()>& start);
    HWND BusyWindow() const;
    void PumpUntilJobGone();
    void ClosePutOffWindow();
    // The job's end (TaskEndWait.cpp).
    HANDLE PendingEnd(unsigned jobSerial) const;
    void WaitForJobEnd(unsigned jobSerial);
    void ServeUntilJobEnded(unsigned jobSerial);
    void StartEndWatch();
    void StopEndWatch();
    void OnEndWatchTick();
    static void CALLBACK EndWatchTick(HWND, UINT, UINT_PTR id, DWORD);

    bool m_starting;
    bool m_ending;          // a job's end waits for its tool and readers
    unsigned m_jobSerial;   // counts the jobs adopted and destroyed
    UINT_PTR m_endWatch;    // the thread timer of the end watch, 0 none
    HWND m_closeAfterStart; // the window whose close waits for the start
    CWnd* m_resultPanes;
    TaskJob* m_currentJob;          // set and cleared by the job's registration
    std::unique_ptr<TaskJob> m_job; // the owning pointer
    CRT::Process m_toolProcess;
};

} // namespace FinderLink
} // namespace Kyvant
