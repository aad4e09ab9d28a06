// Events, mutexes and semaphores. Each has four ways to be made: an
// exclusive create (a name that already exists is an error, so the first
// process of a pair can tell itself from the second), an open of an existing
// object that throws when it is missing, the same open with std::nothrow that
// leaves the wrapper empty instead, and adoption of a raw handle. Copies share
// the handle; every failing call throws os_error.
#pragma once

#include "KyStd/Core/HandleTags.h"
#include "KyStd/KyStdExport.h"
#include "KyStd/Win32/BasicWaitableHandle.h"

#include <windows.h>

#include <new>

namespace Kyvant {
namespace Win32 {

class KYSTD_API Event : public BasicWaitableHandle<> {
public:
    explicit Event(HANDLE h = nullptr) : BasicWaitableHandle<>(h) {}
    explicit Event(bool manualReset, const char* name = nullptr, bool initialState = false,
                   SECURITY_ATTRIBUTES* sa = nullptr);
    Event(KyOpenT, const char* name, DWORD access = EVENT_ALL_ACCESS, bool inherit = false);
    Event(const std::nothrow_t&, KyOpenT, const char* name, DWORD access = EVENT_ALL_ACCESS,
          bool inherit = false);
    ~Event() override;

    void Set() const;
    void Reset() const;
    void Pulse() const;
};

class KYSTD_API Mutex : public BasicWaitableHandle<> {
public:
    explicit Mutex(HANDLE h = nullptr) : BasicWaitableHandle<>(h) {}
    explicit Mutex(const char* name, bool initialOwner = false, SECURITY_ATTRIBUTES* sa = nullptr);
    Mutex(KyOpenT, const char* name, DWORD access = MUTEX_ALL_ACCESS, bool inherit = false);
    Mutex(const std::nothrow_t&, KyOpenT, const char* name, DWORD access = MUTEX_ALL_ACCESS,
          bool inherit = false);
    ~Mutex() override;

    void Release() const;
};

class KYSTD_API Semaphore : public BasicWaitableHandle<> {
public:
    explicit Semaphore(HANDLE h = nullptr) : BasicWaitableHandle<>(h) {}
    Semaphore(long initial, long maximum, const char* name = nullptr,
              SECURITY_ATTRIBUTES* sa = nullptr);
    Semaphore(KyOpenT, const char* name, DWORD access = SEMAPHORE_ALL_ACCESS, bool inherit = false);
    Semaphore(const std::nothrow_t&, KyOpenT, const char* name, DWORD access = SEMAPHORE_ALL_ACCESS,
              bool inherit = false);
    ~Semaphore() override;

    void Release(long count = 1, long* previous = nullptr) const;
};

} // namespace Win32
} // namespace Kyvant
