// Starting a thread through the C runtime; its exit code, suspension, resumption and priority.
#include "KyStd/Win32/Thread.h"

#include <process.h>

#include <cerrno>

namespace Kyvant {
namespace Win32 {

Thread::~Thread() {}

Thread& Thread::Create(Proc proc, void* arg, unsigned creationFlags, unsigned* threadId,
                       SECURITY_ATTRIBUTES* sa, unsigned stackSize)
{
    unsigned localId = 0;
    uintptr_t h =
        _beginthreadex(sa, stackSize, proc, arg, creationFlags, threadId ? threadId : &localId);
    if (h == 0)
        throw rtl_error(errno);
    attach(reinterpret_cast<HANDLE>(h));
    return *this;
}

void Thread::GetExitCode(DWORD& code) const
{
    if (!GetExitCodeThread(get(), &code))
        throw os_error();
}

DWORD Thread::Suspend() const
{
    DWORD previous = SuspendThread(get());
    if (previous == static_cast<DWORD>(-1))
        throw os_error();
    return previous;
}

DWORD Thread::Resume() const
{
    DWORD previous = ResumeThread(get());
    if (previous == static_cast<DWORD>(-1))
        throw os_error();
    return previous;
}

void Thread::SetPriority(int priority) const
{
    if (!SetThreadPriority(get(), priority))
        throw os_error();
}

int Thread::GetPriority() const
{
    int priority = GetThreadPriority(get());
    if (priority == THREAD_PRIORITY_ERROR_RETURN)
        throw os_error();
    return priority;
}

} // namespace Win32
} // namespace Kyvant
