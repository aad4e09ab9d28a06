// The tool's side of the task link: objects, pipes, messages, the waits, the
// redirection of the standard streams, the GoAway watch and the test lines.
#include "KyStandInTool/TaskLink.h"

#include "KyConTool/App/ProtocolPrefix.h"
#include "KyStd/Core/Errors.h"
#include "KyStd/Core/HandleTags.h"
#include "KyStd/Win32/HandleWord.h"

#include <fcntl.h>
#include <io.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace Kyvant {
namespace StandIn {

namespace {

const DWORD kEventAccess = EVENT_ALL_ACCESS;
// The results pipe holds several of the tool's 64 KB writes, so that the
// tool keeps working while the front-end takes in what came before; the
// message pipe has the system's default size.
const DWORD kResultsPipeSize = 1 << 20;
const DWORD kMessagePipeSize = 0;
const unsigned kWaitObjects = 2;

std::string Named(const TaskProtocol& protocol, const char* role)
{
    return std::string(GetProtocolPrefix().c_str()) + TaskObjectName(protocol, role);
}

// Makes the CRT descriptor target (1 or 2) write into the pipe; the pipe's
// handle is the CRT's from then on.
void Redirect(HANDLE writeEnd, int target, int mode)
{
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(writeEnd), mode);
    if (fd == -1) {
        CloseHandle(writeEnd);
        throw rtl_error(errno);
    }
    const int copied = _dup2(fd, target);
    _close(fd);
    if (copied != 0)
        throw rtl_error(errno);
}

DWORD WINAPI WatchGoAway(LPVOID event)
{
    if (WaitForSingleObject(static_cast<HANDLE>(event), INFINITE) == WAIT_OBJECT_0)
        TerminateProcess(GetCurrentProcess(), TaskLink::kGoneAwayExitCode);
    return 0;
}

} // namespace

TaskLink::TaskLink(const TaskProtocol& protocol, const TaskLinkSwitches& switches)
    : m_protocol(protocol), m_switches(switches), m_frontEnd(nullptr), m_frame(nullptr),
      m_resultsWrite(nullptr), m_messagesWrite(nullptr)
{
}

TaskLink::~TaskLink()
{
    if (m_resultsWrite)
        CloseHandle(m_resultsWrite);
    if (m_messagesWrite)
        CloseHandle(m_messagesWrite);
}

bool TaskLink::Requested(const TaskProtocol& protocol)
{
    return std::getenv(protocol.processVariable) != nullptr;
}

bool TaskLink::AskForTask()
{
    m_block.reset(new Win32::SharedMemory(Named(m_protocol, "ShMem").c_str(), FILE_MAP_ALL_ACCESS));
    m_dialogEnded.reset(
        new Win32::Event(KyOpen, Named(m_protocol, "Dlg_Term_Event").c_str(), kEventAccess));
    m_go.reset(new Win32::Event(KyOpen, Named(m_protocol, "Go_Event").c_str(), kEventAccess));
    m_goAway.reset(
        new Win32::Event(KyOpen, Named(m_protocol, "GoAway_Event").c_str(), kEventAccess));
    m_frontEnd = Win32::WordToHandle(ReadWord(kTaskFrontEndProcess));
    m_frame = Win32::WordToHandle<HWND>(ReadWord(kTaskFrameWindow));
    if (m_switches.exitBeforeAsk)
        std::exit(0);

    WriteWord(kTaskResultsPipe,
              Win32::HandleToWord(PipeToFrontEnd(m_resultsWrite, kResultsPipeSize)));
    WriteWord(kTaskMessagePipe,
              Win32::HandleToWord(PipeToFrontEnd(m_messagesWrite, kMessagePipeSize)));
    if (m_protocol.announcesProcess && !m_switches.noProcessMessage) {
        HANDLE self = nullptr;
        if (!DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), m_frontEnd, &self, 0, FALSE,
                             DUPLICATE_SAME_ACCESS))
            throw os_error();
        Post(0, reinterpret_cast<LPARAM>(self));
    }
    Post(m_protocol.askForDialog, 0);
    return WaitOrFrontEndGone(m_dialogEnded->get()) && ReadWord(kTaskDialogResult) != 0;
}

bool TaskLink::WaitForGo()
{
    return WaitOrFrontEndGone(m_go->get()) && ReadWord(kTaskReadersStarted) != 0;
}

void TaskLink::Connect()
{
    std::fflush(stdout);
    std::fflush(stderr);
    HANDLE results = m_resultsWrite;
    HANDLE messages = m_messagesWrite;
    m_resultsWrite = m_messagesWrite = nullptr;
    try {
        Redirect(results, 1, _O_BINARY);
    } catch (...) {
        CloseHandle(messages);
        throw;
    }
    Redirect(messages, 2, _O_TEXT);
    if (!m_switches.ignoreGoAway)
        StartGoAwayWatch();
    WriteTestMessages();
}

DWORD TaskLink::ReadWord(TaskBlockWord word) const
{
    return *reinterpret_cast<const volatile DWORD*>(static_cast<const char*>(m_block->GetBegin()) +
                                                    word);
}

void TaskLink::WriteWord(TaskBlockWord word, DWORD value)
{
    *reinterpret_cast<volatile DWORD*>(static_cast<char*>(m_block->GetBegin()) + word) = value;
}

// A new pipe: its read end goes to the front-end (the value returned is
// valid there), its write end stays here.
HANDLE TaskLink::PipeToFrontEnd(HANDLE& writeEnd, DWORD size)
{
    HANDLE readEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, nullptr, size))
        throw os_error();
    HANDLE remote = nullptr;
    if (!DuplicateHandle(GetCurrentProcess(), readEnd, m_frontEnd, &remote, 0, FALSE,
                         DUPLICATE_SAME_ACCESS | DUPLICATE_CLOSE_SOURCE))
        throw os_error();
    return remote;
}

void TaskLink::Post(WPARAM wParam, LPARAM lParam)
{
    if (!PostMessageA(m_frame, WM_APP, wParam, lParam))
        throw os_error();
}

// True when the event came; false when the front-end ended first.
bool TaskLink::WaitOrFrontEndGone(HANDLE event)
{
    const HANDLE objects[kWaitObjects] = {event, m_frontEnd};
    const DWORD outcome = WaitForMultipleObjects(kWaitObjects, objects, FALSE, INFINITE);
    if (outcome == WAIT_FAILED)
        throw os_error();
    return outcome == WAIT_OBJECT_0;
}

// The watch keeps its own handle of the event, the thread runs until the
// process ends.
void TaskLink::StartGoAwayWatch()
{
    HANDLE event = nullptr;
    if (!DuplicateHandle(GetCurrentProcess(), m_goAway->get(), GetCurrentProcess(), &event, 0,
                         FALSE, DUPLICATE_SAME_ACCESS))
        throw os_error();
    HANDLE thread = CreateThread(nullptr, 0, &WatchGoAway, event, 0, nullptr);
    if (!thread) {
        CloseHandle(event);
        throw os_error();
    }
    CloseHandle(thread);
}

void TaskLink::Linger()
{
    if (m_switches.lingerMs == 0)
        return;
    std::fflush(stdout);
    _close(1);
    if (!m_switches.keepStderr) {
        std::fflush(stderr);
        _close(2);
    }
    Sleep(m_switches.lingerMs);
}

void TaskLink::WriteTestMessages()
{
    for (unsigned i = 1; i <= m_switches.messages; ++i) {
        std::fprintf(stderr, "%s: test message %u\n", m_protocol.tool, i);
        std::fflush(stderr);
    }
}

} // namespace StandIn
} // namespace Kyvant
