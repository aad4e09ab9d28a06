// A 64-bit millisecond count made from the 32-bit one, for systems without GetTickCount64.
#pragma once

#include <windows.h>

namespace KyStaticRuntime {

// What the 64-bit count keeps between calls: the 32-bit count last read and
// how often it has wrapped (every 49.7 days). Zero-initialised, it is ready
// before any constructor runs.
struct TickCountState {
    volatile LONG busy;
    DWORD last;
    DWORD wraps;
};

using TickCountFunction = DWORD(WINAPI*)();

// The count read from `count`, carried past every wrap seen since the first
// call so that it never goes back (a waiting loop that compares it with its
// end time would otherwise never end). A wrap is seen as long as no two calls
// are more than 49.7 days apart. Safe from any thread.
inline ULONGLONG ExtendedTickCount(TickCountState& state, TickCountFunction count)
{
    // The plainest lock, held for a few instructions: it needs no setting up.
    while (InterlockedExchange(&state.busy, 1) != 0)
        Sleep(1);
    const DWORD now = count();
    if (now < state.last)
        ++state.wraps;
    state.last = now;
    const ULONGLONG extended = (static_cast<ULONGLONG>(state.wraps) << 32) | now;
    InterlockedExchange(&state.busy, 0);
    return extended;
}

} // namespace KyStaticRuntime
