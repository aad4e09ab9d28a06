// The application object of a stand-in that a front-end can run as a task:
// in GUI mode, when the front-end's process-handle variable is set, the
// task link takes the place of starting the front-end. A tool writes the
// made-up results of the test switches itself.
#pragma once

#include "KyConTool/App/KyConApp.h"
#include "KyStandInTool/TaskLink.h"

#include <memory>

namespace Kyvant {
namespace StandIn {

class LinkedConApp : public KyConApp {
public:
    LinkedConApp(const ky_F& guiTarget, const ky_S& guiDisplayName, const TaskProtocol& protocol);
    ~LinkedConApp() override;

    // In a task: asks the front-end for the dialog, waits for Go and points
    // the standard streams at the task's pipes; false when the dialog was
    // cancelled or the front-end started no readers. Otherwise the base's
    // start of the front-end. The task's search runs as in console mode:
    // per-file trouble becomes lines on the message pipe, and no progress
    // messages go to the front-end, whose own windows show the results.
    bool RunGuiTarget(const char* const* argv) override;

    // This run is a front-end's task, connected to its pipes.
    bool InTask() const { return m_link != nullptr; }
    // The end of a task's run: the task link lingers when its switches say
    // so. Nothing outside a task.
    void EndTask();

protected:
    // After the link is connected: the switches' made-up results on standard
    // output, ahead of the work.
    virtual void WriteTestResults(const TaskLinkSwitches& switches);
    // Called by WriteTestResults before the last made-up result: waits while
    // the switches hold it.
    void HoldLastResult();

private:
    const TaskProtocol& m_protocol;
    std::unique_ptr<TaskLink> m_link;
};

} // namespace StandIn
} // namespace Kyvant
