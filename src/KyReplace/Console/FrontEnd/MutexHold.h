// Ownership of a mutex for one scope: taken with TryTake or Wait, released
// by Release or at the end of the scope.
#pragma once

#include "KyStd/Core/Errors.h"
#include "KyStd/Win32/SyncObjects.h"

#include <windows.h>

namespace Kyvant {

class MutexHold {
public:
    explicit MutexHold(const Win32::Mutex& mutex) : mutex_(mutex), held_(false) {}
    ~MutexHold() { Release(); }
    MutexHold(const MutexHold&) = delete;
    MutexHold& operator=(const MutexHold&) = delete;

    // True when the mutex was free (an abandoned mutex counts as free).
    bool TryTake() { return Take(0); }
    void Wait() { Take(INFINITE); }
    void Release()
    {
        if (held_)
            ReleaseMutex(mutex_.get());
        held_ = false;
    }

private:
    bool Take(DWORD timeout)
    {
        const DWORD result = WaitForSingleObject(mutex_.get(), timeout);
        if (result == WAIT_FAILED)
            throw os_error();
        held_ = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
        return held_;
    }

    const Win32::Mutex& mutex_;
    bool held_;
};

} // namespace Kyvant
