// The start of a task: the task block and events under the protocol prefix,
// the console tool started hidden, the nested wait for the end of the task
// dialog and the hand-back of its answer; and the end: the wait for the
// tool's exit.
#include "FinderLink/Task/TaskProcess.h"

#include "KyConTool/App/ProtocolPrefix.h"
#include "KyGui/Helpers/NestedLoop.h"
#include "KyGuiTool/App/KyGuiApp.h"
#include "KyGuiTool/Handoff/ConGuiBridge.h"
#include "KyStd/Core/Errors.h"
#include "KyStd/Core/HandleTags.h"
#include "KyStd/Strings/String.h"
#include "KyStd/Win32/HandleWord.h"
#include "KyStd/Win32/OsVersion.h"

#include <afxwin.h>

#include <stdexcept>
#include <string>

namespace Kyvant {
namespace FinderLink {

namespace {

const unsigned kObjectCount = 2; // the tool's process and Dlg_Term

ky_S Named(const char* literal)
{
    return GetProtocolPrefix() + literal;
}

HANDLE InheritableSelf()
{
    HANDLE self = nullptr;
    if (!DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), &self, 0,
                         TRUE, DUPLICATE_SAME_ACCESS))
        throw os_error();
    return self;
}

void RemovePrefixVariable() noexcept
{
    try {
        RemoveProtocolPrefixFromEnvironment();
    } catch (...) {
    }
}

void CloseHandleWord(DWORD word)
{
    if (word != 0)
        CloseHandle(Win32::WordToHandle(word));
}

} // namespace

// The variable is taken out of the environment again on every failure of
// the start (a failure to create an object reaches the controller, which
// resets the prefix), so that no later child inherits it.
TaskProcess::TaskProcess(const LinkProtocol& protocol)
    : CRT::Process(0), m_protocol(protocol), m_handedBack(false),
      m_block(KyCreate, kBlockSize, Named(protocol.blockName).c_str(), PAGE_READWRITE, nullptr,
              FILE_MAP_ALL_ACCESS),
      m_dialogEnded(true, Named(protocol.dialogEndedName).c_str(), false),
      m_go(true, Named(protocol.goName).c_str(), false),
      m_goAway(true, Named(protocol.goAwayName).c_str(), false)
{
    try {
        m_frontEnd.attach(InheritableSelf());
        CWnd* frame = AfxGetMainWnd();
        WriteWord(kFrameWindow, Win32::HandleToWord(frame ? frame->m_hWnd : nullptr));
        WriteWord(kFrontEndProcess, Win32::HandleToWord(m_frontEnd.get()));
        StartTool();
        WaitUntilDialogEnded();
        RemoveProtocolPrefixFromEnvironment();
    } catch (...) {
        RemovePrefixVariable();
        throw;
    }
}

TaskProcess::~TaskProcess()
{
    if (!empty())
        WaitForSingleObject(get(), INFINITE);
    try {
        KyGuiApp::Instance().ConProcessTerminated();
    } catch (...) {
    }
}

DWORD TaskProcess::ReadWord(BlockWord word) const
{
    const volatile LONG* at =
        reinterpret_cast<const volatile LONG*>(static_cast<const char*>(m_block.GetBegin()) + word);
    return static_cast<DWORD>(*at);
}

void TaskProcess::WriteWord(BlockWord word, DWORD value)
{
    volatile LONG* at =
        reinterpret_cast<volatile LONG*>(static_cast<char*>(m_block.GetBegin()) + word);
    __sync_lock_test_and_set(at, static_cast<LONG>(value));
}

HWND TaskProcess::GetFrame() const
{
    return Win32::WordToHandle<HWND>(ReadWord(kFrameWindow));
}

// The tool, hidden and without a console window where the system allows,
// inherits our handles and environment (with the prefix, just this once).
void TaskProcess::StartTool()
{
    std::string commandLine(m_protocol.commandLine); // CreateProcess may write into it
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION started = {};
    const DWORD flags = OsVersion::AtLeastNT4() ? CREATE_NO_WINDOW : 0;
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, flags, nullptr, nullptr,
                        &startup, &started))
        throw std::runtime_error(m_protocol.toolMissingError);
    CloseHandle(started.hThread);
    attach(started.hProcess);
    RemoveProtocolPrefixFromEnvironment();
    static_cast<CRT::Process&>(KyGuiApp::Instance().GetConProcess()) =
        static_cast<const CRT::Process&>(*this);
}

// Serves messages (dropping user input) until Dlg_Term is set, or the tool
// has ended: an error, unless it ended after a cancelled dialog. A WM_QUIT
// waiting for the outer loop keeps the wait polling.
void TaskProcess::WaitUntilDialogEnded()
{
    try {
        const HANDLE objects[kObjectCount] = {get(), m_dialogEnded.get()};
        UserEx::NestedLoop loop(
            {UserEx::Serving::kQueueThenIdle, nullptr, UserEx::QuitWaiting::kKeepsAwake, false});
        if (loop.WaitForAny(objects, kObjectCount) == 0 && !DialogEndedCancelled())
            throw std::runtime_error(m_protocol.toolEndedError);
    } catch (...) {
        KyGuiApp::Instance().ConProcessTerminated();
        throw;
    }
}

bool TaskProcess::DialogEndedCancelled() const
{
    return WaitForSingleObject(m_dialogEnded.get(), 0) == WAIT_OBJECT_0 &&
           ReadWord(kDialogResult) == 0;
}

void TaskProcess::HandBack(bool accepted, AnswerRecorder record)
{
    if (m_handedBack)
        return;
    m_handedBack = true;
    try {
        ConGuiBridge::Instance().ReleaseConApp(accepted);
    } catch (...) {
        Release(false, record);
        throw;
    }
    Release(accepted, record);
}

void TaskProcess::Release(bool accepted, AnswerRecorder record)
{
    if (!accepted) {
        CloseHandleWord(ReadWord(kResultsPipe));
        CloseHandleWord(ReadWord(kMessagePipe));
    }
    if (record)
        record(accepted);
    WriteWord(kDialogResult, accepted ? 1 : 0);
    m_dialogEnded.Set();
}

} // namespace FinderLink
} // namespace Kyvant
