// Late imports: a module's calls of a system DLL that it needs only now and
// then (the shell, COM, OLE Automation) find their function on first use, so
// that loading the module does not load that DLL and what the DLL loads in
// turn. A console tool then starts without them.
//
// The calls stay as they are written, system headers' inline code included:
// a module defines the import slot of each such function itself, with
// KY_LATE_IMPORT in one source file of its own, and the linker takes that
// slot in place of the import library's. The slot first holds a stub that
// loads the DLL, puts the function's address into the slot and calls it;
// later calls go straight to the function. Nothing here is exported. Only
// functions that every supported system has are imported late; newer ones
// go through NewerFunctions.h, with a way to do without.
#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>

namespace Kyvant {
namespace Win32 {

const char kShell32Dll[] = "shell32.dll";
const char kOle32Dll[] = "ole32.dll";
const char kOleAut32Dll[] = "oleaut32.dll";

// The function's address; the DLL is loaded when it is not yet and stays
// loaded. Every system the suite supports has these DLLs and functions, so a
// failure means a damaged system: std::runtime_error naming both.
inline FARPROC LateProcAddress(const char* dll, const char* name)
{
    HMODULE module = GetModuleHandleA(dll);
    if (module == nullptr)
        module = LoadLibraryA(dll);
    const FARPROC proc = module ? GetProcAddress(module, name) : nullptr;
    if (proc == nullptr)
        throw std::runtime_error(std::string("Cannot find ") + name + " in " + dll);
    return proc;
}

template <class Function>
struct LateImport;

// The stub of one slot: resolves, fills the slot, calls through it. Two
// threads may both resolve; they store the same address.
template <class Result, class... Args>
struct LateImport<Result(WINAPI*)(Args...)> {
    using Function = Result(WINAPI*)(Args...);

    template <Function* slot, const char* dll, const char* name>
    static Result WINAPI Resolve(Args... args)
    {
        const Function function =
            reinterpret_cast<Function>(reinterpret_cast<void*>(LateProcAddress(dll, name)));
        InterlockedExchangePointer(reinterpret_cast<PVOID volatile*>(slot),
                                   reinterpret_cast<PVOID>(function));
        return function(args...);
    }
};

} // namespace Win32
} // namespace Kyvant

// The linker's name of a function's import slot: on 32 bits the stdcall
// name with its argument bytes ("__imp__CoInitialize@4"), on 64 bits the
// plain name ("__imp_CoInitialize").
#ifdef _WIN64
#define KY_IMPORT_SLOT_NAME(name, argBytes) "__imp_" #name
#else
#define KY_IMPORT_SLOT_NAME(name, argBytes) "__imp__" #name "@" #argBytes
#endif

// Defines the import slot of the system function `name` (declared by the
// system headers) from the DLL named by `dll` (a constant above), at file
// scope. argBytes: the size of its arguments on 32 bits, the number after
// '@' in its import name ("CoInitialize@4"). A wrong number leaves the call
// imported as before, which the import-table test reports.
#define KY_LATE_IMPORT(dll, name, argBytes)                                                        \
    namespace KyLateImports {                                                                      \
    extern "C" decltype(&::name) name##Slot __asm__(KY_IMPORT_SLOT_NAME(name, argBytes));          \
    const char name##Name[] = #name;                                                               \
    decltype(&::name) name##Slot =                                                                 \
        &::Kyvant::Win32::LateImport<decltype(&::name)>::Resolve<&name##Slot, dll, name##Name>;    \
    }
