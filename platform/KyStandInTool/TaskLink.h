// The console side of a front-end's task link. The front-end made the task
// block and its events under the protocol prefix and started this tool; the
// tool puts the read ends of its results and message pipes into the block,
// asks for the task dialog by a window message, waits for the dialog's end
// and then for Go, and works with its standard output and standard error
// going into the two pipes. When the front-end sets GoAway the tool ends,
// which closes both pipes. The made-up results of the test switches are the
// tool's own.
#pragma once

#include "KyStandInTool/TaskLinkSwitches.h"
#include "KyStandInTool/TaskProtocol.h"
#include "KyStd/Win32/SharedMemory.h"
#include "KyStd/Win32/SyncObjects.h"

#include <windows.h>

#include <memory>
#include <string>

namespace Kyvant {
namespace StandIn {

class TaskLink {
public:
    // The exit code of a tool that the front-end asked to go away.
    static const UINT kGoneAwayExitCode = 0;

    TaskLink(const TaskProtocol& protocol, const TaskLinkSwitches& switches);
    ~TaskLink();
    TaskLink(const TaskLink&) = delete;
    TaskLink& operator=(const TaskLink&) = delete;

    // The front-end's variable is set: this run is a task of it.
    static bool Requested(const TaskProtocol& protocol);

    // Opens the objects, makes the pipes, asks for the dialog and waits for
    // its end: true when it was accepted. False too when the front-end ended.
    bool AskForTask();
    // Waits for Go: true when the front-end's readers run.
    bool WaitForGo();
    // Standard output and error go into the pipes from now on; GoAway ends
    // the process (unless a switch says otherwise). The switches' messages
    // come first.
    void Connect();
    // Before the last made-up result, when the switches name an event to
    // hold it with: waits until the event is set or the front-end ended.
    void HoldLastResult();
    // After the work, when the switches ask for it: the task's output is
    // closed (standard error only without keep-stderr) and the tool stays
    // for the lingering time or until the switches' event is set, so the
    // front-end sees the results' end while the tool still runs.
    void Linger();

    const TaskLinkSwitches& GetSwitches() const { return m_switches; }

private:
    DWORD ReadWord(TaskBlockWord word) const;
    void WriteWord(TaskBlockWord word, DWORD value);
    HANDLE PipeToFrontEnd(HANDLE& writeEnd, DWORD size);
    void Post(WPARAM wParam, LPARAM lParam);
    bool WaitOrFrontEndGone(HANDLE event);
    void WaitForTestEvent(const std::string& name);
    void StartGoAwayWatch();
    void WriteTestMessages();

    const TaskProtocol& m_protocol;
    TaskLinkSwitches m_switches;
    std::unique_ptr<Win32::SharedMemory> m_block;
    std::unique_ptr<Win32::Event> m_dialogEnded;
    std::unique_ptr<Win32::Event> m_go;
    std::unique_ptr<Win32::Event> m_goAway;
    HANDLE m_frontEnd; // inherited, valid here
    HWND m_frame;
    HANDLE m_resultsWrite;
    HANDLE m_messagesWrite;
};

} // namespace StandIn
} // namespace Kyvant
