// What tells the finder's and the Dir program's task links apart: the pair of
// programs that name the objects, the front-end's process-handle variable,
// and the window messages the tool sends.
#pragma once

#include <windows.h>

#include <string>

namespace Kyvant {
namespace StandIn {

struct TaskProtocol {
    const char* frontEnd;        // "KyFindG"
    const char* tool;            // "KyFind"
    const char* processVariable; // set by the front-end: the tool runs for a task
    WPARAM askForDialog;         // wParam of the WM_APP that asks for the task dialog
    bool announcesProcess;       // WM_APP wParam 0 with the tool's own process handle first
};

extern const TaskProtocol kFindTaskProtocol;
extern const TaskProtocol kDirTaskProtocol;

// The name of a task object after the protocol prefix, as
// "Kyvant_KyFindG_KyFind_" + role.
std::string TaskObjectName(const TaskProtocol& protocol, const char* role);

// The words of the task block (byte offsets).
enum TaskBlockWord : unsigned {
    kTaskFrameWindow = 0,
    kTaskFrontEndProcess = 4,
    kTaskDialogResult = 8,
    kTaskResultsPipe = 12,
    kTaskMessagePipe = 16,
    kTaskReadersStarted = 20,
};

} // namespace StandIn
} // namespace Kyvant
