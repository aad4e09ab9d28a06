// The start of a find task: the task block and events under the protocol
// prefix, the finder started hidden, and the nested wait for the end of the
// task dialog; and the end: the wait for the finder's exit.
#include "KyFind/Gui/Task/FinderJob.h"

#include "KyConTool/App/ProtocolPrefix.h"
#include "KyGui/Helpers/UserEx.h"
#include "KyGuiTool/App/KyGuiApp.h"
#include "KyStd/Core/Errors.h"
#include "KyStd/Core/HandleTags.h"
#include "KyStd/Strings/String.h"
#include "KyStd/Win32/OsVersion.h"

#include <cstring>
#include <stdexcept>

namespace FindTask = Kyvant::FindTask;

namespace {

const unsigned kObjectCount = 2; // the finder's process and Dlg_Term

Kyvant::ky_S Named(const char* literal)
{
    return Kyvant::GetProtocolPrefix() + literal;
}

HANDLE InheritableSelf()
{
    HANDLE self = nullptr;
    if (!DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), &self, 0,
                         TRUE, DUPLICATE_SAME_ACCESS))
        throw Kyvant::os_error();
    return self;
}

void RemovePrefixVariable() noexcept
{
    try {
        Kyvant::RemoveProtocolPrefixFromEnvironment();
    } catch (...) {
    }
}

template <class H>
DWORD HandleWord(H handle)
{
    return static_cast<DWORD>(reinterpret_cast<UINT_PTR>(handle));
}

} // namespace

// The variable is taken out of the environment again on every failure of
// the start (a failure to create an object reaches Finder::Start, which
// resets the prefix), so that no later child inherits it.
Finder::Job::KyFindProcess::KyFindProcess()
    : Kyvant::CRT::Process(0),
      m_block(Kyvant::KyCreate, FindTask::kBlockSize, Named(FindTask::kBlockName).c_str(),
              PAGE_READWRITE, nullptr, FILE_MAP_ALL_ACCESS),
      m_dialogEnded(true, Named(FindTask::kDialogEndedName).c_str(), false),
      m_go(true, Named(FindTask::kGoName).c_str(), false),
      m_goAway(true, Named(FindTask::kGoAwayName).c_str(), false)
{
    try {
        m_frontEnd.attach(InheritableSelf());
        CWnd* frame = AfxGetMainWnd();
        WriteWord(FindTask::kFrameWindow, HandleWord(frame ? frame->m_hWnd : nullptr));
        WriteWord(FindTask::kFrontEndProcess, HandleWord(m_frontEnd.get()));
        StartFinder();
        WaitUntilDialogEnded();
        Kyvant::RemoveProtocolPrefixFromEnvironment();
    } catch (...) {
        RemovePrefixVariable();
        throw;
    }
}

Finder::Job::KyFindProcess::~KyFindProcess()
{
    if (!empty())
        WaitForSingleObject(get(), INFINITE);
    try {
        KyGuiApp::Instance().ConProcessTerminated();
    } catch (...) {
    }
}

DWORD Finder::Job::KyFindProcess::ReadWord(FindTask::BlockWord word) const
{
    const volatile LONG* at =
        reinterpret_cast<const volatile LONG*>(static_cast<const char*>(m_block.GetBegin()) + word);
    return static_cast<DWORD>(*at);
}

void Finder::Job::KyFindProcess::WriteWord(FindTask::BlockWord word, DWORD value)
{
    volatile LONG* at =
        reinterpret_cast<volatile LONG*>(static_cast<char*>(m_block.GetBegin()) + word);
    __sync_lock_test_and_set(at, static_cast<LONG>(value));
}

// The finder, hidden and without a console window where the system allows,
// inherits our handles and environment (with the prefix, just this once).
void Finder::Job::KyFindProcess::StartFinder()
{
    char commandLine[sizeof FindTask::kFinderCommandLine];
    std::memcpy(commandLine, FindTask::kFinderCommandLine, sizeof commandLine);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION started = {};
    const DWORD flags = Kyvant::OsVersion::AtLeastNT4() ? CREATE_NO_WINDOW : 0;
    if (!CreateProcessA(nullptr, commandLine, nullptr, nullptr, TRUE, flags, nullptr, nullptr,
                        &startup, &started))
        throw std::runtime_error(FindTask::kFinderMissingError);
    CloseHandle(started.hThread);
    attach(started.hProcess);
    Kyvant::RemoveProtocolPrefixFromEnvironment();
    static_cast<Kyvant::CRT::Process&>(KyGuiApp::Instance().GetConProcess()) =
        static_cast<const Kyvant::CRT::Process&>(*this);
}

// Serves messages (dropping user input) until Dlg_Term is set, or the
// finder has ended: an error, unless it ended after a cancelled dialog.
void Finder::Job::KyFindProcess::WaitUntilDialogEnded()
{
    try {
        CWinApp* app = AfxGetApp();
        const HANDLE objects[kObjectCount] = {get(), m_dialogEnded.get()};
        for (;;) {
            if (Kyvant::UserEx::PumpMessagesDiscardingInputMessages(nullptr))
                continue;
            for (LONG idle = 0; app && app->OnIdle(idle); ++idle) {
            }
            MSG queued;
            const DWORD outcome = PeekMessageA(&queued, nullptr, 0, 0, PM_NOREMOVE)
                                      ? WaitForMultipleObjects(kObjectCount, objects, FALSE, 0)
                                      : MsgWaitForMultipleObjects(kObjectCount, objects, FALSE,
                                                                  INFINITE, QS_ALLINPUT);
            if (outcome == WAIT_FAILED)
                throw Kyvant::os_error();
            if (outcome == WAIT_OBJECT_0) {
                if (DialogEndedCancelled())
                    return;
                throw std::runtime_error(FindTask::kFinderEndedError);
            }
            if (outcome == WAIT_OBJECT_0 + 1)
                return;
        }
    } catch (...) {
        KyGuiApp::Instance().ConProcessTerminated();
        throw;
    }
}

bool Finder::Job::KyFindProcess::DialogEndedCancelled() const
{
    return WaitForSingleObject(m_dialogEnded.get(), 0) == WAIT_OBJECT_0 &&
           ReadWord(FindTask::kDialogResult) == 0;
}
