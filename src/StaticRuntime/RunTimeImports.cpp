// For modules linked with the compiler's thread library statically (the
// statically linked modules, and libwinpthread-1.dll rebuilt from the static
// archive): the system functions that library calls but Windows XP, 2000, 95
// or NT 4 lacks, found at run time instead of imported, each with a way to do
// without it.
//
// The thread library reaches each function through its import pointer
// ("__imp__<name>@<bytes>"); defining those pointers here keeps the functions
// out of the module's import table.
#include "StaticRuntime/TickCount64.h"

#include <windows.h>

namespace {

template <class F>
F Kernel32Function(const char* name)
{
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    return kernel ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(kernel, name)))
                  : nullptr;
}

KyStaticRuntime::TickCountState g_tickCount;

// Without it (before Windows Vista): the 32-bit count carried past its wraps,
// so that a timed wait across one still ends.
ULONGLONG WINAPI TickCount64()
{
    using Fn = ULONGLONG(WINAPI*)();
    const Fn fn = Kernel32Function<Fn>("GetTickCount64");
    return fn ? fn() : KyStaticRuntime::ExtendedTickCount(g_tickCount, &GetTickCount);
}

// Without it (Windows 95): no debugger is assumed.
BOOL WINAPI DebuggerPresent()
{
    using Fn = BOOL(WINAPI*)();
    const Fn fn = Kernel32Function<Fn>("IsDebuggerPresent");
    return fn ? fn() : FALSE;
}

// Without it (Windows 95, 98, ME): waits for the section, so that the
// caller still holds it exclusively when told it entered.
BOOL WINAPI TryEnterSection(LPCRITICAL_SECTION section)
{
    using Fn = BOOL(WINAPI*)(LPCRITICAL_SECTION);
    const Fn fn = Kernel32Function<Fn>("TryEnterCriticalSection");
    if (fn)
        return fn(section);
    EnterCriticalSection(section);
    return TRUE;
}

// Without them (before Windows XP): no vectored handler is installed.
PVOID WINAPI AddVectoredHandler(ULONG first, PVECTORED_EXCEPTION_HANDLER handler)
{
    using Fn = PVOID(WINAPI*)(ULONG, PVECTORED_EXCEPTION_HANDLER);
    const Fn fn = Kernel32Function<Fn>("AddVectoredExceptionHandler");
    return fn ? fn(first, handler) : nullptr;
}

ULONG WINAPI RemoveVectoredHandler(PVOID handle)
{
    using Fn = ULONG(WINAPI*)(PVOID);
    const Fn fn = Kernel32Function<Fn>("RemoveVectoredExceptionHandler");
    return fn && handle ? fn(handle) : 0;
}

} // namespace

// The import pointers, set before any code runs (constant initialisation).
// clang-format off
extern "C" {
ULONGLONG(WINAPI* kyImpGetTickCount64)() __asm__("__imp__GetTickCount64@0") = &TickCount64;
BOOL(WINAPI* kyImpIsDebuggerPresent)() __asm__("__imp__IsDebuggerPresent@0") = &DebuggerPresent;
BOOL(WINAPI* kyImpTryEnterCriticalSection)(LPCRITICAL_SECTION) __asm__(
    "__imp__TryEnterCriticalSection@4") = &TryEnterSection;
PVOID(WINAPI* kyImpAddVectoredExceptionHandler)(ULONG, PVECTORED_EXCEPTION_HANDLER) __asm__(
    "__imp__AddVectoredExceptionHandler@8") = &AddVectoredHandler;
ULONG(WINAPI* kyImpRemoveVectoredExceptionHandler)(PVOID) __asm__(
    "__imp__RemoveVectoredExceptionHandler@4") = &RemoveVectoredHandler;
}
// clang-format on
