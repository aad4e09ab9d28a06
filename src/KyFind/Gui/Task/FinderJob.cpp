// The life of a find task: registration, the hand-back of the dialog's
// answer, Go with the start of the readers, Stop and the destruction that
// joins everything.
#include "KyFind/Gui/Task/FinderJob.h"

#include "KyConTool/App/ProtocolPrefix.h"
#include "KyFind/Gui/App/KyFindGApp.h"
#include "KyGuiTool/Handoff/ConGuiBridge.h"
#include "KyGuiTool/ResultList/KyFileListViewBase.h"

#include <stdexcept>

namespace FindTask = Kyvant::FindTask;

namespace {

HANDLE HandleOf(DWORD word)
{
    return reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(word));
}

HWND WindowOf(DWORD word)
{
    return reinterpret_cast<HWND>(static_cast<UINT_PTR>(word));
}

void CloseHandleWord(DWORD word)
{
    if (word != 0)
        CloseHandle(HandleOf(word));
}

// Sets the Go event when Go is left, by any way.
class GoSetter {
public:
    explicit GoSetter(const Kyvant::Win32::Event& go) : m_go(go) {}
    ~GoSetter()
    {
        try {
            m_go.Set();
        } catch (...) {
        }
    }
    GoSetter(const GoSetter&) = delete;
    GoSetter& operator=(const GoSetter&) = delete;

private:
    const Kyvant::Win32::Event& m_go;
};

} // namespace

Finder::Job::Registration::Registration(Finder& finder, Job* job) : m_finder(finder), m_job(job)
{
    SetCurrentJob(finder, job);
}

Finder::Job::Registration::~Registration()
{
    if (GetCurrentJob(m_finder) == m_job)
        SetCurrentJob(m_finder, nullptr);
}

void Finder::Job::SetCurrentJob(Finder& finder, Job* job)
{
    finder.SetCurrentJob(job);
}

void Finder::Job::ThreadDeleter::operator()(CWinThread* thread) const
{
    delete thread;
}

Finder::Job::Job(Finder& finder)
    : m_finder(finder), m_registration(finder, this), m_frame(nullptr), m_done(0),
      m_handedBack(false)
{
    m_frame = WindowOf(m_process.ReadWord(FindTask::kFrameWindow));
}

Finder::Job::~Job()
{
    // A task dropped before Go must not leave the finder waiting for it.
    try {
        m_process.GetGo().Set();
    } catch (...) {
    }
    for (CWinThread* reader : {m_resultsReader.get(), m_messageReader.get()}) {
        if (reader)
            WaitForSingleObject(reader->m_hThread, INFINITE);
    }
    try {
        Kyvant::ResetProtocolPrefix();
    } catch (...) {
    }
    m_messageReader.reset();
    m_resultsReader.reset();
    m_messages.Close();
    m_results.Close();
}

bool Finder::Job::Go()
{
    GoSetter setGo(m_process.GetGo());
    m_process.WriteWord(FindTask::kReadersStarted, 0);
    try {
        if (CKyFindGApp::Instance().GetDialogAccepted()) {
            OpenDescriptors();
            m_resultsReader = StartReader(&ResultsReaderEntry);
            m_messageReader = StartReader(&MessageReaderEntry);
            if (KyFileListViewBase* view = m_finder.GetFileListView())
                view->EnableMonitorTimer(true);
            m_process.WriteWord(FindTask::kReadersStarted, 1);
        }
    } catch (CException* e) {
        e->ReportError();
        e->Delete();
    } catch (const std::exception& e) {
        AfxMessageBox(e.what());
    }
    return m_process.ReadWord(FindTask::kReadersStarted) == 1;
}

// The pipes' read ends become ours with the descriptors; a handle that no
// descriptor took is closed here.
void Finder::Job::OpenDescriptors()
{
    const HANDLE results = HandleOf(m_process.ReadWord(FindTask::kResultsPipe));
    const HANDLE messages = HandleOf(m_process.ReadWord(FindTask::kMessagePipe));
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

Finder::Job::ThreadPtr Finder::Job::StartReader(AFX_THREADPROC entry)
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

void Finder::Job::HandBack(bool accepted)
{
    if (m_handedBack)
        return;
    m_handedBack = true;
    try {
        Kyvant::ConGuiBridge::Instance().ReleaseConApp(accepted);
    } catch (...) {
        Release(false);
        throw;
    }
    Release(accepted);
}

void Finder::Job::Release(bool accepted)
{
    if (!accepted) {
        CloseHandleWord(m_process.ReadWord(FindTask::kResultsPipe));
        CloseHandleWord(m_process.ReadWord(FindTask::kMessagePipe));
    }
    CKyFindGApp::Instance().SetDialogAccepted(accepted);
    m_process.WriteWord(FindTask::kDialogResult, accepted ? 1 : 0);
    m_process.GetDialogEnded().Set();
}

void Finder::Job::Stop()
{
    m_process.GetGoAway().Set();
}

bool Finder::Job::IsDone() const
{
    return __sync_val_compare_and_swap(const_cast<volatile LONG*>(&m_done), 0, 0) != 0;
}
