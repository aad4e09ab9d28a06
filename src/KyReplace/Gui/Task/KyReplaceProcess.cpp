// Starting KyReplace or reusing the one that started the front-end, and the waits for its event and
// its end.
#include "KyReplace/Gui/Task/KyReplaceProcess.h"

#include "KyGui/Helpers/NestedLoop.h"
#include "KyGuiTool/App/KyGuiApp.h"
#include "KyReplace/Gui/Task/ReplaceMessages.h"
#include "KyStd/Win32/HandleWord.h"
#include "KyStd/Win32/OsVersion.h"

#include <afxwin.h>

#include <stdexcept>
#include <vector>

namespace Kyvant {

namespace {

const char kDefaultCommandLine[] = "KyReplace.exe";
const char kReusedEnded[] = "Unable to initialize KyReplace - Code 3";
const char kStartedEnded[] = "Unable to initialize KyReplace - Code 4";
const char kCannotStart[] = "Unable to initialize KyReplace - Code 5";
// The exit code of an abandoned KyReplace: its fatal-error bit.
const UINT kAbandonedExitCode = 2;

ky_S& CommandLineSetting()
{
    static ky_S commandLine = kDefaultCommandLine;
    return commandLine;
}

} // namespace

void ReplaceJob::KyReplaceProcess::SetCommandLine(const char* commandLine)
{
    CommandLineSetting() = commandLine ? commandLine : kDefaultCommandLine;
}

ky_S ReplaceJob::KyReplaceProcess::CommandLine()
{
    return CommandLineSetting();
}

ReplaceJob::KyReplaceProcess::KyReplaceProcess(ReplaceJobHost& view, ReplaceFrontEndBlock& block,
                                               const Win32::Event& frontEndEvent)
    : Win32::BasicWaitableHandle<>(KyGuiApp::Instance().GetConProcess())
{
    try {
        WriteBlockWord(block.viewWindow, Win32::HandleToWord(view.JobWindow()));
        if (!empty()) {
            AwaitReused(view, frontEndEvent);
        } else {
            Start();
            PumpUntilReady(frontEndEvent);
        }
    } catch (...) {
        KyGuiApp::Instance().ConProcessTerminated();
        close();
        throw;
    }
}

ReplaceJob::KyReplaceProcess::~KyReplaceProcess()
{
    try {
        if (!empty())
            UserEx::WaitServingSentMessages(get());
    } catch (...) {
    }
    KyGuiApp::Instance().ConProcessTerminated();
}

void ReplaceJob::KyReplaceProcess::Abandon() const
{
    if (!empty() && WaitForSingleObject(get(), 0) == WAIT_TIMEOUT)
        TerminateProcess(get(), kAbandonedExitCode);
}

// KyReplace started this front-end and waits for the dialog; it sets the
// front-end's event once the dialog was accepted and its pipes are ready.
void ReplaceJob::KyReplaceProcess::AwaitReused(ReplaceJobHost& view,
                                               const Win32::Event& frontEndEvent)
{
    SendMessageA(view.JobWindow(), kReplaceRequestMessage, kRequestTaskDialog, 0);
    const HANDLE handles[2] = {frontEndEvent.get(), get()};
    if (UserEx::WaitServingSentMessages(handles, 2) != 0)
        throw std::runtime_error(kReusedEnded);
}

void ReplaceJob::KyReplaceProcess::Start()
{
    // CreateProcess may write into its command line: a private copy.
    const ky_S& setting = CommandLineSetting();
    std::vector<char> commandLine(setting.c_str(), setting.c_str() + setting.length() + 1);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION started = {};
    const DWORD flags = OsVersion::AtLeastNT4() ? CREATE_NO_WINDOW : 0;
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, flags, nullptr,
                        nullptr, &startup, &started))
        throw std::runtime_error(kCannotStart);
    CloseHandle(started.hThread);
    const CRT::Process process(reinterpret_cast<UINT_PTR>(started.hProcess));
    static_cast<Win32::BasicWaitableHandle<>&>(*this) = process;
    startedHere_ = true;
    KyGuiApp::Instance().GetConProcess() = process;
}

// KyReplace asks for the task dialog meanwhile; input is dropped, the rest
// of the messages are served.
void ReplaceJob::KyReplaceProcess::PumpUntilReady(const Win32::Event& frontEndEvent)
{
    const HANDLE handles[2] = {frontEndEvent.get(), get()};
    UserEx::NestedLoop loop(
        {UserEx::Serving::kQueueThenIdle, nullptr, UserEx::QuitWaiting::kLetsSleep, false});
    if (loop.WaitForAny(handles, 2) != 0)
        throw std::runtime_error(kStartedEnded);
}

} // namespace Kyvant
