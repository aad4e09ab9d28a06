// Finder::Job: one find task, one run of the console finder. Constructing it
// creates the task block and events, starts the finder and waits, serving
// messages, until the task dialog has ended; Go then starts the two reader
// threads on the finder's pipes and releases it; the destructor joins the
// readers and the finder and closes everything.
#pragma once

#include "KyFind/Gui/Finder/Finder.h"
#include "KyFind/Gui/Task/CrtDescriptor.h"
#include "KyFind/Gui/Task/TaskLink.h"
#include "KyStd/Processes/Process.h"
#include "KyStd/Win32/BasicWaitableHandle.h"
#include "KyStd/Win32/SharedMemory.h"
#include "KyStd/Win32/SyncObjects.h"

#include <afxwin.h>

#include <memory>

class Finder::Job {
public:
    // The finder's process with the objects of its task: the handle is the
    // one CreateProcess gave. Its construction runs the start of the task
    // up to the end of the task dialog; its destruction waits for the finder
    // to exit, then closes GoAway, Go, Dlg_Term, the block, the front-end's
    // process duplicate and the finder's handle, in this order.
    class KyFindProcess : public Kyvant::CRT::Process {
    public:
        KyFindProcess();
        ~KyFindProcess() override;
        KyFindProcess(const KyFindProcess&) = delete;
        KyFindProcess& operator=(const KyFindProcess&) = delete;

        DWORD ReadWord(Kyvant::FindTask::BlockWord word) const;
        void WriteWord(Kyvant::FindTask::BlockWord word, DWORD value);
        const Kyvant::Win32::Event& GetDialogEnded() const { return m_dialogEnded; }
        const Kyvant::Win32::Event& GetGo() const { return m_go; }
        const Kyvant::Win32::Event& GetGoAway() const { return m_goAway; }

    private:
        void StartFinder();
        void WaitUntilDialogEnded();
        bool DialogEndedCancelled() const;

        Kyvant::Win32::BasicWaitableHandle<> m_frontEnd; // inheritable duplicate of our handle
        Kyvant::Win32::SharedMemory m_block;
        Kyvant::Win32::Event m_dialogEnded;
        Kyvant::Win32::Event m_go;
        Kyvant::Win32::Event m_goAway;
    };

    // Registers itself as the finder's current job, then starts the task;
    // returns once the task dialog has ended. Errors leave no job behind.
    explicit Job(Finder& finder);
    ~Job();
    Job(const Job&) = delete;
    Job& operator=(const Job&) = delete;

    // Starts the readers when the dialog was accepted and sets Go in every
    // case; true when both readers run. Errors are shown, not thrown.
    bool Go();
    // The task dialog's answer, given once; later calls are ignored. The
    // finder is released even when handing back fails (the error is thrown
    // afterwards).
    void HandBack(bool accepted);
    // Asks the finder to go away.
    void Stop();
    // The results reader has finished (its end message is on its way).
    bool IsDone() const;

    KyFindProcess& GetProcess() { return m_process; }

private:
    // Keeps the job registered as its finder's current job while it lives.
    class Registration {
    public:
        Registration(Finder& finder, Job* job);
        ~Registration();
        Registration(const Registration&) = delete;
        Registration& operator=(const Registration&) = delete;

    private:
        Finder& m_finder;
        Job* m_job;
    };
    struct ThreadDeleter {
        void operator()(CWinThread* thread) const;
    };
    using ThreadPtr = std::unique_ptr<CWinThread, ThreadDeleter>;

    static void SetCurrentJob(Finder& finder, Job* job);
    static Job* GetCurrentJob(const Finder& finder) { return finder.m_currentJob; }

    void OpenDescriptors();
    ThreadPtr StartReader(AFX_THREADPROC entry);
    void Release(bool accepted);

    static UINT AFX_CDECL ResultsReaderEntry(LPVOID job);
    static UINT AFX_CDECL MessageReaderEntry(LPVOID job);
    int ReadResults();
    int ReadMessages();
    bool WaitForGo() const;
    void ReportReaderError(const char* text) const;
    void ReportUnknownReaderError() const;

    Finder& m_finder;
    Registration m_registration;
    HWND m_frame; // where the readers post
    volatile LONG m_done;
    bool m_handedBack;
    KyFindProcess m_process;
    Kyvant::FindTask::CrtDescriptor m_results;
    Kyvant::FindTask::CrtDescriptor m_messages;
    ThreadPtr m_resultsReader;
    ThreadPtr m_messageReader;
};
