// Finder: the task controller of the Find front-end's document. It owns the
// result model and the one running task (Finder::Job), starts, stops, ends
// and discards tasks, keeps the process handle the console finder announces,
// and describes the task to the process watchdog.
#pragma once

#include "KyGuiTool/Watchdog/ProcessKiller.h"
#include "KyStd/Processes/Process.h"

#include <afxwin.h>

#include <memory>

class KyFileListViewBase;

class Finder : public Kyvant::ProcessKiller::User {
public:
    class Job;
    class Model;

    // fileList: the view whose monitor timer follows the running task;
    // resultPanes: the window whose input is dropped while a stop waits.
    // Either may be null (no view shows the task).
    explicit Finder(KyFileListViewBase* fileList = nullptr, CWnd* resultPanes = nullptr);
    ~Finder();
    Finder(const Finder&) = delete;
    Finder& operator=(const Finder&) = delete;

    Model& GetModel() { return *m_model; }
    const Model& GetModel() const { return *m_model; }
    KyFileListViewBase* GetFileListView() const { return m_fileList; }

    // The job being started or running; null when there is none.
    Job* GetCurrentJob() const { return m_currentJob; }
    // A current job whose results reader has not finished.
    bool IsRunning() const;
    bool IsStopping() const { return m_stopping; }

    // Clears the results and runs a new task up to its readers; false when
    // the task dialog was cancelled or the task could not start (the error
    // was shown).
    bool Start();
    // Asks the running task to go away and waits, serving messages, until
    // its end has destroyed the job; the watchdog offers to end a finder
    // that does not react.
    void Stop();
    // The end message of the results reader: destroys the job that sent it.
    void OnTaskEnd();
    // Empties the results and drops the job.
    void Discard();
    // The finder's own process handle, sent by it: kept for End Task; the
    // handle kept before is closed.
    void SetToolProcess(HANDLE process);

    // Kyvant::ProcessKiller::User
    CWnd* GetOwnerWindow() override;
    HANDLE GetProcessHandle() override;
    bool PromptNow() override;
    void OnProcessTerminated() override;
    void OnFirstTick() override;
    void OnStatusDialogClosed() override;
    void OnWatchdogEnded() override;

private:
    friend class Job;
    void SetCurrentJob(Job* job) { m_currentJob = job; }
    void DestroyJob();
    void PumpUntilJobGone();

    std::unique_ptr<Model> m_model;
    KyFileListViewBase* m_fileList;
    CWnd* m_resultPanes;
    Job* m_currentJob;          // set and cleared by the job itself
    std::unique_ptr<Job> m_job; // the owning pointer
    Kyvant::CRT::Process m_toolProcess;
    bool m_stopping;
    bool m_discarding;
};
