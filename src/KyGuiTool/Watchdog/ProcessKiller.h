// The process watchdog: after the user asked a console tool to stop, it
// tells its user once after 500 ms and then, every 10 seconds while the user
// wants it, offers a modeless "Task Status" dialog that ends the tool at once
// or waits another period. At most one runs in a process, on the GUI thread.
#pragma once

#include "KyGuiTool/KyGuiToolExport.h"

#include <afxwin.h>

namespace Kyvant {
namespace ProcessKiller {

// What the watchdog asks of, and tells, the front-end that started it.
class KYGUITOOL_API User {
public:
    enum State {
        kIdle = 0,
        kRunning = 1,
        kFirstTickPassed = 2,
    };

    User();
    // A watchdog still running for this user ends here, without calling into
    // the user (its derived part is gone): timer killed, status dialog
    // destroyed, owner window enabled again.
    ~User();
    User(const User&) = delete;
    User& operator=(const User&) = delete;

    State GetState() const { return m_state; }

    // Disabled while the status dialog is up.
    virtual CWnd* GetOwnerWindow() = 0;
    // The tool's process for End Task; null terminates nothing.
    virtual HANDLE GetProcessHandle() = 0;
    // Asked at every periodic tick; false skips the tick.
    virtual bool PromptNow() = 0;
    virtual void OnProcessTerminated() = 0;
    // Once, 500 ms after the start.
    virtual void OnFirstTick() = 0;
    virtual void OnStatusDialogClosed() = 0;
    // When the watchdog is cancelled after its first tick.
    virtual void OnWatchdogEnded() = 0;

private:
    friend class Watchdog;
    State m_state;
};

// A handle on the process's watchdog, started by the constructor and ended
// by Cancel or the destructor.
class KYGUITOOL_API Manager {
public:
    // A second watchdog while one runs raises std::runtime_error
    // "Too many ProcessKillers".
    explicit Manager(User& user);
    ~Manager();
    Manager(const Manager&) = delete;
    Manager& operator=(const Manager&) = delete;

    // Ends the watchdog this manager started, if it still runs: a status
    // dialog is closed as by Wait, and a user past the first tick is told.
    void Cancel();

private:
    unsigned m_generation; // of the watchdog this manager started
};

// The delays of the first tick and of the later ones, in milliseconds
// (500 and 10,000); tests shorten them. Taken by the next tick scheduled.
KYGUITOOL_API void SetTickIntervals(unsigned firstMs, unsigned periodicMs);

} // namespace ProcessKiller
} // namespace Kyvant
