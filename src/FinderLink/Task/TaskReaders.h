// Kyvant::FinderLink::TaskReaders: the two reader threads of one task on the
// pipes whose read ends the console tool put into the task block. Go starts
// them when the task dialog was accepted and releases the tool in any case;
// the results reader hands its pipe to the front-end and posts the task-end
// message when it is through (a refused post is kept for the UI thread to
// deliver); the message reader posts each line as a text. Errors are posted
// as texts unless the task was asked to go away. Destroying the object joins
// both threads and closes the descriptors.
#pragma once

#include "FinderLink/Task/CrtDescriptor.h"
#include "FinderLink/Task/TaskProcess.h"

#include <afxwin.h>

#include <memory>

namespace Kyvant {
namespace FinderLink {

// What one front-end does with its task's pipes.
class ReaderClient {
public:
    virtual ~ReaderClient();
    // Whether the last task dialog was accepted (read by Go).
    virtual bool DialogAccepted() const = 0;
    // Both readers run: the views may start following the results.
    virtual void OnReadersStarted() = 0;
    // Reads the results pipe (a binary descriptor) to its end on the results
    // reader's thread; returns kAllRead. Errors are thrown.
    virtual int ReadResults(int fd) = 0;
    // Whether the message reader drops the '\r' of a CR LF line end.
    virtual bool MessagesDropCR() const = 0;
};

class TaskReaders {
public:
    // Both must outlive the object.
    TaskReaders(TaskProcess& process, ReaderClient& client);
    // Releases a tool that never got Go, waits for both readers, forgets the
    // protocol prefix, then deletes the threads and closes the descriptors
    // (the message reader's first).
    ~TaskReaders();
    TaskReaders(const TaskReaders&) = delete;
    TaskReaders& operator=(const TaskReaders&) = delete;

    // Starts the readers when the dialog was accepted and sets Go in every
    // case; true when both readers run. Errors are shown, not thrown.
    bool Go();
    // The results reader has finished (its end message is on its way).
    bool IsDone() const;

    // The task-end message the results reader could not post.
    struct RefusedEnd {
        bool refused;
        HWND window;
        UINT message;
        WPARAM result;
    };
    // Taken once: later calls find none.
    RefusedEnd TakeRefusedEnd();
    // What the end of the task still waits for: the first of the results
    // reader, the message reader and the tool that has not ended; null once
    // all have. A tool that never got Go is released first.
    HANDLE PendingEnd();

private:
    struct ThreadDeleter {
        void operator()(CWinThread* thread) const;
    };
    using ThreadPtr = std::unique_ptr<CWinThread, ThreadDeleter>;

    void OpenDescriptors();
    ThreadPtr StartReader(AFX_THREADPROC entry);
    static UINT AFX_CDECL ResultsReaderEntry(LPVOID readers);
    static UINT AFX_CDECL MessageReaderEntry(LPVOID readers);
    int ReadResults();
    int ReadMessages();
    bool WaitForGo() const;
    void ReportError(const char* text) const;
    void ReportUnknownError() const;

    TaskProcess& m_process;
    ReaderClient& m_client;
    HWND m_frame; // where the readers post
    volatile LONG m_done;
    volatile LONG m_result;     // the results reader's, final once m_done is set
    volatile LONG m_endRefused; // 1 while a refused end message waits for delivery
    CrtDescriptor m_results;
    CrtDescriptor m_messages;
    ThreadPtr m_resultsReader;
    ThreadPtr m_messageReader;
};

} // namespace FinderLink
} // namespace Kyvant
