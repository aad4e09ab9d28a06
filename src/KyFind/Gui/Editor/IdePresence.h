// Which development environment the Find front-end may open files in: the
// installed and running checks, replaceable so that tests can say which
// environment is there.
#pragma once

namespace Kyvant {
namespace FindEditor {

struct IdePresence {
    bool (*vcPresent)();
    bool (*vsNetPresent)();
    bool (*vsNetRunning)();
};

// The checks in use: the system's unless replaced.
const IdePresence& GetIdePresence();
// Installs checks (null: the system's again); returns the ones replaced.
IdePresence SetIdePresence(const IdePresence* presence);

enum class Ide { None, VisualCpp, VsNet };

// VS.NET when it is present and either Visual C++ is not or a VS.NET
// instance runs; else Visual C++ when it is present.
Ide IdeToUse();

} // namespace FindEditor
} // namespace Kyvant
