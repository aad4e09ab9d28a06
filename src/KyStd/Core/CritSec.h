// Critical section and scoped lock on it.
#pragma once

#include <windows.h>

namespace Kyvant {
namespace Win32 {

class CritSec {
public:
    CritSec() { InitializeCriticalSection(&cs_); }
    ~CritSec() { DeleteCriticalSection(&cs_); }
    CritSec(const CritSec&) = delete;
    CritSec& operator=(const CritSec&) = delete;

    void Enter() { EnterCriticalSection(&cs_); }
    void Leave() { LeaveCriticalSection(&cs_); }
    CRITICAL_SECTION* get() { return &cs_; }

private:
    CRITICAL_SECTION cs_;
};

// Enters on construction; leaves as often as it entered when destroyed.
class CritSecLock {
public:
    explicit CritSecLock(CritSec& cs) : cs_(cs), count_(0) { Enter(); }
    ~CritSecLock()
    {
        while (count_ > 0)
            Release();
    }
    CritSecLock(const CritSecLock&) = delete;
    CritSecLock& operator=(const CritSecLock&) = delete;

    void Enter()
    {
        cs_.Enter();
        ++count_;
    }
    // Leaves once, if entered at all.
    void Release()
    {
        if (count_ > 0) {
            --count_;
            cs_.Leave();
        }
    }

private:
    CritSec& cs_;
    unsigned count_;
};

} // namespace Win32
} // namespace Kyvant
