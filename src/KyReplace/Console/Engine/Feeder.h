// The feeder thread: walks the file arguments, tells the engine each file
// and the temporary file to write, waits until the engine has finished it,
// puts a changed file in place (with its backup) and reports the result.
#pragma once

namespace Kyvant {

// arg: the ReplaceRun; returns 0 after a complete run, 1 otherwise (and
// merges exit bit 2).
unsigned __stdcall FeederThreadProc(void* arg);

} // namespace Kyvant
