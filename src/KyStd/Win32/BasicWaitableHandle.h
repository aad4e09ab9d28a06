// A shared OS handle that can be waited on: the base of threads, events,
// mutexes, semaphores and processes.
#pragma once

#include "KyStd/Core/BasicHandle.h"
#include "KyStd/Core/Errors.h"

#include <windows.h>

namespace Kyvant {
namespace Win32 {

template <class Traits = HandleTraits<HANDLE>>
class BasicWaitableHandle : public BasicHandle<HANDLE, Traits> {
public:
    BasicWaitableHandle() {}
    explicit BasicWaitableHandle(HANDLE h) : BasicHandle<HANDLE, Traits>(h) {}

    // Waits without time-out until the object is signalled.
    void Wait() const
    {
        if (WaitForSingleObject(this->get(), INFINITE) == WAIT_FAILED)
            throw os_error();
    }
};

} // namespace Win32
} // namespace Kyvant
