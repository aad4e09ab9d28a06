// Finder::Job: one find task, one run of the console finder. Constructing it
// starts the finder and waits, serving messages, until the task dialog has
// ended; Go then starts the two reader threads on the finder's pipes (the
// results into the result model, the messages posted as texts) and releases
// it; the destructor joins the readers and the finder and closes everything.
#pragma once

#include "FinderLink/Controller/TaskController.h"
#include "FinderLink/Task/TaskProcess.h"
#include "FinderLink/Task/TaskReaders.h"
#include "KyFind/Gui/Finder/Finder.h"

class Finder::Job : public Kyvant::FinderLink::TaskJob, private Kyvant::FinderLink::ReaderClient {
public:
    // The finder's process with the objects of its task, under the Find
    // front-end's names.
    class KyFindProcess : public Kyvant::FinderLink::TaskProcess {
    public:
        KyFindProcess();
    };

    // Registers itself as the finder's current job, then starts the task;
    // returns once the task dialog has ended. Errors leave no job behind.
    explicit Job(Finder& finder);
    ~Job() override;
    Job(const Job&) = delete;
    Job& operator=(const Job&) = delete;

    // Starts the readers when the dialog was accepted and sets Go in every
    // case; true when both readers run. Errors are shown, not thrown.
    bool Go() { return m_readers.Go(); }
    // The task dialog's answer, given once; later calls are ignored. The
    // finder is released even when handing back fails (the error is thrown
    // afterwards).
    void HandBack(bool accepted);

    // Kyvant::FinderLink::TaskJob
    void Stop() override;
    bool IsDone() const override { return m_readers.IsDone(); }
    HANDLE GetStartedProcess() const override { return m_process.get(); }
    Kyvant::FinderLink::TaskReaders* GetReaders() override { return &m_readers; }

    KyFindProcess& GetProcess() { return m_process; }

private:
    static void RecordAnswer(bool accepted);

    // Kyvant::FinderLink::ReaderClient
    bool DialogAccepted() const override;
    void OnReadersStarted() override;
    int ReadResults(int fd) override;
    bool MessagesDropCR() const override;

    Finder& m_finder;
    Kyvant::FinderLink::TaskController::Registration m_registration;
    KyFindProcess m_process;
    Kyvant::FinderLink::TaskReaders m_readers;
};
