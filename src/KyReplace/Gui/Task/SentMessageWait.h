// A wait on the GUI thread that keeps serving the messages other threads
// and processes send to its windows (a reader thread blocked in its
// SendMessage, a console tool asking its progress window), while posted
// messages and input stay queued.
#pragma once

#include <windows.h>

namespace Kyvant {

// Waits without time-out until one of the handles is signalled and returns
// its index (the lowest when several are). A failed wait throws os_error.
DWORD WaitServingSentMessages(const HANDLE* handles, DWORD count);

inline DWORD WaitServingSentMessages(HANDLE handle)
{
    return WaitServingSentMessages(&handle, 1);
}

} // namespace Kyvant
