// The reader threads of a task: Go with their start, the results reader
// that hands its pipe to the front-end and ends the task, the message reader
// that posts each line as a text, their errors, and the end that joins them.
#include "FinderLink/Task/TaskReaders.h"

#include "FinderLink/Results/LineReader.h"
#include "FinderLink/Task/PostText.h"
#include "FinderLink/Task/TaskEndPost.h"
#include "KyConTool/App/ProtocolPrefix.h"
#include "KyGuiTool/App/AppResource.h"
#include "KyGuiTool/Module/KyGuiToolModule.h"
#include "KyStd/Win32/HandleWord.h"

#include <fcntl.h>
#include <io.h>

#include <exception>
#include <stdexcept>

namespace Kyvant {
namespace FinderLink {

namespace {

LONG ReadLong(const volatile LONG& value)
{
    return __sync_val_compare_and_swap(const_cast<volatile LONG*>(&value), 0, 0);
}

// A handle that no longer names a live thread or process (or that cannot
// be waited on) holds nothing up.
bool StillRunning(HANDLE handle)
{
    return handle && WaitForSingleObject(handle, 0) == WAIT_TIMEOUT;
}

void SetGo(const Win32::Event& go)
{
    try {
        go.Set();
    } catch (...) {
    }
}

// Sets the Go event when Go is left, by any way.
class GoSetter {
public:
    explicit GoSetter(const Win32::Event& go) : m_go(go) {}
    ~GoSetter() { SetGo(m_go); }
    GoSetter(const GoSetter&) = delete;
    GoSetter& operator=(const GoSetter&) = delete;

private:
    const Win32::Event& m_go;
};

class PostingSink : public LineSink {
public:
    explicit PostingSink(HWND window) : m_window(window) {}
    void OnLine(const char* text, unsigned length) override { PostText(m_window, text, length); }

private:
    HWND m_window;
};

// What a failed reader left in its pipe is read and dropped, so that the
// tool is never stuck writing to a pipe nobody reads.
void Drain(int fd)
{
    if (fd == -1)
        return;
    char discarded[LineReader::kBufferSize];
    while (_read(fd, discarded, sizeof discarded) > 0) {
    }
}

} // namespace

ReaderClient::~ReaderClient() {}

void TaskReaders::ThreadDeleter::operator()(CWinThread* thread) const
{
    delete thread;
}

TaskReaders::TaskReaders(TaskProcess& process, ReaderClient& client)
    : m_process(process), m_client(client), m_frame(process.GetFrame()), m_done(0),
      m_result(kReadFailed), m_endRefused(0)
{
}

TaskReaders::~TaskReaders()
{
    // A task dropped before Go must not leave the tool waiting for it.
    SetGo(m_process.GetGo());
    for (CWinThread* reader : {m_resultsReader.get(), m_messageReader.get()}) {
        if (reader)
            WaitForSingleObject(reader->m_hThread, INFINITE);
    }
    try {
        ResetProtocolPrefix();
    } catch (...) {
    }
    m_messageReader.reset();
    m_resultsReader.reset();
    m_messages.Close();
    m_results.Close();
}

bool TaskReaders::Go()
{
    GoSetter setGo(m_process.GetGo());
    m_process.WriteWord(kReadersStarted, 0);
    try {
        if (m_client.DialogAccepted()) {
            OpenDescriptors();
            m_resultsReader = StartReader(&ResultsReaderEntry);
            m_messageReader = StartReader(&MessageReaderEntry);
            m_client.OnReadersStarted();
            m_process.WriteWord(kReadersStarted, 1);
        }
    } catch (CException* e) {
        e->ReportError();
        e->Delete();
    } catch (const std::exception& e) {
        AfxMessageBox(e.what());
    }
    return m_process.ReadWord(kReadersStarted) == 1;
}

bool TaskReaders::IsDone() const
{
    return ReadLong(m_done) != 0;
}

TaskReaders::RefusedEnd TaskReaders::TakeRefusedEnd()
{
    RefusedEnd end = {false, m_frame, m_process.GetProtocol().taskEndMessage, 0};
    if (__sync_val_compare_and_swap(&m_endRefused, 1, 0) == 1) {
        end.refused = true;
        end.result = static_cast<WPARAM>(ReadLong(m_result));
    }
    return end;
}

HANDLE TaskReaders::PendingEnd()
{
    if (WaitForSingleObject(m_process.GetGo().get(), 0) == WAIT_TIMEOUT)
        SetGo(m_process.GetGo());
    for (CWinThread* reader : {m_resultsReader.get(), m_messageReader.get()}) {
        if (reader && StillRunning(reader->m_hThread))
            return reader->m_hThread;
    }
    return !m_process.empty() && StillRunning(m_process.get()) ? m_process.get() : nullptr;
}

// The pipes' read ends become ours with the descriptors; a handle that no
// descriptor took is closed here.
void TaskReaders::OpenDescriptors()
{
    const HANDLE results = Win32::WordToHandle(m_process.ReadWord(kResultsPipe));
    const HANDLE messages = Win32::WordToHandle(m_process.ReadWord(kMessagePipe));
    try {
        m_results.AdoptHandle(results);
    } catch (...) {
        CloseHandle(results);
        CloseHandle(messages);
        throw;
    }
    try {
        m_messages.AdoptHandle(messages);
    } catch (...) {
        CloseHandle(messages);
        throw;
    }
}

TaskReaders::ThreadPtr TaskReaders::StartReader(AFX_THREADPROC entry)
{
    CWinThread* thread =
        AfxBeginThread(entry, this, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED, nullptr);
    if (!thread)
        throw std::runtime_error("Couldn't create thread");
    thread->m_bAutoDelete = FALSE;
    ThreadPtr owned(thread);
    thread->ResumeThread();
    return owned;
}

UINT AFX_CDECL TaskReaders::ResultsReaderEntry(LPVOID readers)
{
    return static_cast<UINT>(static_cast<TaskReaders*>(readers)->ReadResults());
}

UINT AFX_CDECL TaskReaders::MessageReaderEntry(LPVOID readers)
{
    return static_cast<UINT>(static_cast<TaskReaders*>(readers)->ReadMessages());
}

int TaskReaders::ReadResults()
{
    int result = kReadFailed;
    try {
        if (WaitForGo()) {
            _setmode(m_results.Get(), _O_BINARY);
            result = m_client.ReadResults(m_results.Get());
        } else {
            result = kNotStarted;
        }
    } catch (const std::exception& e) {
        ReportError(e.what());
        Drain(m_results.Get());
    } catch (...) {
        ReportUnknownError();
        Drain(m_results.Get());
    }
    __sync_lock_test_and_set(&m_result, result);
    __sync_lock_test_and_set(&m_done, 1);
    // A refused post is no lost end: the controller's watch delivers it.
    if (!PostTaskEnd(m_frame, m_process.GetProtocol().taskEndMessage, static_cast<WPARAM>(result),
                     0))
        __sync_lock_test_and_set(&m_endRefused, 1);
    return result;
}

int TaskReaders::ReadMessages()
{
    int result = kReadFailed;
    try {
        if (WaitForGo()) {
            LineReader reader(m_client.MessagesDropCR(), m_process.GetProtocol().messageReadSize);
            DescriptorSource source(m_messages.Get());
            PostingSink sink(m_frame);
            result = reader.Run(source, sink);
        } else {
            result = kNotStarted;
        }
    } catch (const std::exception& e) {
        ReportError(e.what());
        Drain(m_messages.Get());
    } catch (...) {
        ReportUnknownError();
        Drain(m_messages.Get());
    }
    return result;
}

bool TaskReaders::WaitForGo() const
{
    m_process.GetGo().Wait();
    return m_process.ReadWord(kReadersStarted) != 0;
}

// Once the task was asked to go away, its errors are nobody's concern.
void TaskReaders::ReportError(const char* text) const
{
    if (WaitForSingleObject(m_process.GetGoAway().get(), 0) == WAIT_TIMEOUT)
        PostText(m_frame, text);
}

void TaskReaders::ReportUnknownError() const
{
    if (WaitForSingleObject(m_process.GetGoAway().get(), 0) == WAIT_TIMEOUT)
        PostText(m_frame, KyGuiToolModule(), IDS_KY_UNKNOWN_EXCEPTION);
}

} // namespace FinderLink
} // namespace Kyvant
