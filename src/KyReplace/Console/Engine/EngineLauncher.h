// Starts the engine program without waiting: the program, the words of the
// PerlOptions setting, then the script's name, each argument quoted. The
// engine's standard error goes into the given pipe, whose write end is
// closed here once the engine holds its copy.
#pragma once

#include "KyStd/Files/FileName.h"
#include "KyStd/Processes/Pipe.h"
#include "KyStd/Processes/Process.h"

namespace Kyvant {

// Failures throw rtl_error (or os_error); this process's standard error is
// restored in every case.
CRT::Process LaunchEngine(const ky_F& program, const ky_F& scriptName, CRT::Pipe& stderrPipe);

} // namespace Kyvant
