// Scoped ownership of a mutex: every successful acquisition is released
// once when the lock goes.
#pragma once

#include "KyStd/Win32/SyncObjects.h"

#include <windows.h>

namespace Kyvant {
namespace Win32 {

class MutexLock {
public:
    explicit MutexLock(const Mutex& mutex) : mutex_(mutex), count_(0) {}
    ~MutexLock()
    {
        for (; count_ > 0; --count_)
            ReleaseMutex(mutex_.get());
    }
    MutexLock(const MutexLock&) = delete;
    MutexLock& operator=(const MutexLock&) = delete;

    // Waits up to timeout ms and returns the wait's result. Anything but a
    // time-out or a failure (so also an abandoned mutex) means the mutex is
    // now owned and counts for release.
    DWORD Acquire(DWORD timeout = INFINITE)
    {
        DWORD result = WaitForSingleObject(mutex_.get(), timeout);
        if (result != WAIT_TIMEOUT && result != WAIT_FAILED)
            ++count_;
        return result;
    }
    unsigned Count() const { return count_; }

private:
    Mutex mutex_;
    unsigned count_;
};

} // namespace Win32
} // namespace Kyvant
