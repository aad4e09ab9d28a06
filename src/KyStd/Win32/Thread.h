// A thread started through the C runtime; copies share its handle.
#pragma once

#include "KyStd/KyStdExport.h"
#include "KyStd/Win32/BasicWaitableHandle.h"

#include <windows.h>

namespace Kyvant {
namespace Win32 {

class KYSTD_API Thread : public BasicWaitableHandle<> {
public:
    using Proc = unsigned(__stdcall*)(void*);

    // Adopts h (null: an empty wrapper).
    explicit Thread(HANDLE h = nullptr) : BasicWaitableHandle<>(h) {}
    ~Thread() override;

    // Starts proc(arg) with _beginthreadex; the new handle replaces the one
    // held before. Failure throws rtl_error with errno.
    Thread& Create(Proc proc, void* arg = nullptr, unsigned creationFlags = 0,
                   unsigned* threadId = nullptr, SECURITY_ATTRIBUTES* sa = nullptr,
                   unsigned stackSize = 0);

    void GetExitCode(DWORD& code) const;
    DWORD Suspend() const; // previous suspend count
    DWORD Resume() const;  // previous suspend count
    void SetPriority(int priority) const;
    int GetPriority() const;
};

} // namespace Win32
} // namespace Kyvant
