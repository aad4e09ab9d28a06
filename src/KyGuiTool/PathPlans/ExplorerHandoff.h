// Kyvant::ExplorerHandoff: the reading end of the Explorer hand-off. The
// shell extension (or the application itself) leaves a file of paths, one a
// line, and its time under a key of the program; the path-plan editor takes
// the paths as its rules, once: the key's values are removed whatever the
// outcome. A file is deleted only when it lies directly in the user's
// temporary folder, where both writers make it.
#pragma once

#include "KyDB/Named/PathPlanItem.h"
#include "KyGuiTool/KyGuiToolExport.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Strings/String.h"

#include <windows.h>

namespace Kyvant {
namespace ExplorerHandoff {

// A larger file is handed to the console program as a response file.
const unsigned long kMaxReadBytes = 8192;
// From this age on (in 100 ns units: 30 seconds) the user is asked first.
const long long kStaleAge = 300000000;

struct Selection {
    enum State {
        kNone,     // no hand-off key
        kDeclined, // stale and refused, or its time unreadable
        kFailed,   // its file could not be read (problem says why)
        kTaken,
    };
    State state = kNone;
    // The paths, or the one response-file rule.
    PathPlanItem::StringList rules;
    // The rules name the file, which must outlive the dialog: the page's
    // settings are not stored.
    bool responseFile = false;
    ky_S problem;
};

// Takes the selection left under HKCU\keyPath (an empty path: none). A stale
// one is offered in a message box (Yes takes it).
Selection Take(const ky_BSB<char>& keyPath);

// Whether the file lies directly in the user's temporary folder.
bool IsInTempFolder(const ky_F& file);

// The clock the age is measured by (GetSystemTimeAsFileTime); tests put
// their own in its place. Returns the one it replaces; null restores the
// system's.
using ClockFunction = void(WINAPI*)(FILETIME* now);
KYGUITOOL_API ClockFunction SetClockFunction(ClockFunction clock);

} // namespace ExplorerHandoff
} // namespace Kyvant
