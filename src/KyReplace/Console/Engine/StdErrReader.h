// The thread that turns the engine's standard error into warnings, one
// per line, prefixed with the program name.
#pragma once

namespace Kyvant {

// arg: the ReplaceRun; returns 0.
unsigned __stdcall StdErrReaderThreadProc(void* arg);

} // namespace Kyvant
