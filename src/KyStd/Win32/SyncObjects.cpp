// Creating, opening and using events, mutexes and semaphores.
#include "KyStd/Win32/SyncObjects.h"

#include "KyStd/Win32/ExclusiveCreate.h"

namespace Kyvant {
namespace Win32 {

using Detail::CheckExclusiveCreate;
using Detail::CheckOpened;

// A stale error code left by an earlier call must not fail a good create, so
// each create clears it first.

Event::Event(bool manualReset, const char* name, bool initialState, SECURITY_ATTRIBUTES* sa)
{
    SetLastError(0);
    attach(CheckExclusiveCreate(CreateEventA(sa, manualReset, initialState, name)));
}

Event::Event(KyOpenT, const char* name, DWORD access, bool inherit)
{
    attach(CheckOpened(OpenEventA(access, inherit, name)));
}

Event::Event(const std::nothrow_t&, KyOpenT, const char* name, DWORD access, bool inherit)
{
    attach(OpenEventA(access, inherit, name));
}

Event::~Event() {}

void Event::Set() const
{
    if (!SetEvent(get()))
        throw os_error();
}

void Event::Reset() const
{
    if (!ResetEvent(get()))
        throw os_error();
}

void Event::Pulse() const
{
    if (!PulseEvent(get()))
        throw os_error();
}

Mutex::Mutex(const char* name, bool initialOwner, SECURITY_ATTRIBUTES* sa)
{
    SetLastError(0);
    attach(CheckExclusiveCreate(CreateMutexA(sa, initialOwner, name)));
}

Mutex::Mutex(KyOpenT, const char* name, DWORD access, bool inherit)
{
    attach(CheckOpened(OpenMutexA(access, inherit, name)));
}

Mutex::Mutex(const std::nothrow_t&, KyOpenT, const char* name, DWORD access, bool inherit)
{
    attach(OpenMutexA(access, inherit, name));
}

Mutex::~Mutex() {}

void Mutex::Release() const
{
    if (!ReleaseMutex(get()))
        throw os_error();
}

Semaphore::Semaphore(long initial, long maximum, const char* name, SECURITY_ATTRIBUTES* sa)
{
    SetLastError(0);
    attach(CheckExclusiveCreate(CreateSemaphoreA(sa, initial, maximum, name)));
}

Semaphore::Semaphore(KyOpenT, const char* name, DWORD access, bool inherit)
{
    attach(CheckOpened(OpenSemaphoreA(access, inherit, name)));
}

Semaphore::Semaphore(const std::nothrow_t&, KyOpenT, const char* name, DWORD access, bool inherit)
{
    attach(OpenSemaphoreA(access, inherit, name));
}

Semaphore::~Semaphore() {}

void Semaphore::Release(long count, long* previous) const
{
    if (!ReleaseSemaphore(get(), count, previous))
        throw os_error();
}

} // namespace Win32
} // namespace Kyvant
