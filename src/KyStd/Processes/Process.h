// A child process started through the C runtime's _spawnvp, preferring a
// copy of the program that lies beside the running program. Copies share the
// process handle.
#pragma once

#include "KyStd/Containers/Sequencer.h"
#include "KyStd/KyStdExport.h"
#include "KyStd/Win32/BasicWaitableHandle.h"

#include <windows.h>

#include <new>

namespace Kyvant {
namespace CRT {

class KYSTD_API Process : public Win32::BasicWaitableHandle<> {
public:
    // Adopts a process handle given as a number (0: none); it is treated as
    // a process started without waiting, so its exit code is asked of it.
    explicit Process(UINT_PTR handleValue = 0);
    ~Process() override;

    // Forgets the previous run: takes mode as the spawn mode, exit code 1,
    // and with closeHandle drops the held process handle.
    void init(int mode, bool closeHandle);

    // Spawns program with the NULL-terminated argv. A bare name (no '\\', ':'
    // or '/') is taken from the running program's folder when a file of that
    // name is there, else searched for as usual. _P_NOWAIT keeps the child's
    // handle, _P_OVERLAY keeps nothing, other modes store the exit code.
    // Failure throws rtl_error.
    Process& Spawn(int mode, const char* program, const char* const* argv);
    // The same with the arguments read from args; with quote each one is put
    // in double quotes so that the child's runtime gives it back unchanged.
    Process& Spawn(int mode, const char* program, const input_sequencer<const char*>& args,
                   bool quote);

    // _P_WAIT and _P_DETACH give the stored code; other modes ask the held
    // process (false when there is none or the call fails).
    bool GetExitCode(const std::nothrow_t&, DWORD& code) const;
    void GetExitCode(DWORD& code) const; // throws os_error

private:
    int mode_;
    DWORD exitCode_;
};

} // namespace CRT
} // namespace Kyvant
