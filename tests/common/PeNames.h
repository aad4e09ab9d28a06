// The names a DLL exports and the DLLs it imports, read from its headers.
#pragma once

#include <windows.h>

#include <cctype>
#include <set>
#include <string>

namespace kytest {

struct PeNames {
    std::set<std::string> exports;
    std::set<std::string> imports;   // DLL names, lower case
    std::set<std::string> functions; // functions imported by name
};

inline PeNames ReadPeNames(const std::string& path)
{
    PeNames names;
    HMODULE image = LoadLibraryExA(path.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    if (!image)
        return names;
    auto base = reinterpret_cast<const BYTE*>(image);
    auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    auto nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& exp = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    if (exp.VirtualAddress) {
        auto dir = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + exp.VirtualAddress);
        auto rvas = reinterpret_cast<const DWORD*>(base + dir->AddressOfNames);
        for (DWORD i = 0; i < dir->NumberOfNames; ++i)
            names.exports.insert(reinterpret_cast<const char*>(base + rvas[i]));
        if (dir->NumberOfFunctions != dir->NumberOfNames)
            names.exports.insert("<unnamed>");
    }
    const IMAGE_DATA_DIRECTORY& imp = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imp.VirtualAddress);
         imp.VirtualAddress && d->Name; ++d) {
        std::string name = reinterpret_cast<const char*>(base + d->Name);
        for (char& ch : name)
            ch = static_cast<char>(tolower(static_cast<unsigned char>(ch)));
        names.imports.insert(name);
        const DWORD lookup = d->OriginalFirstThunk ? d->OriginalFirstThunk : d->FirstThunk;
        for (auto t = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + lookup); t->u1.AddressOfData;
             ++t)
            if (!IMAGE_SNAP_BY_ORDINAL(t->u1.Ordinal))
                names.functions.insert(reinterpret_cast<const char*>(
                    reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + t->u1.AddressOfData)->Name));
    }
    FreeLibrary(image);
    return names;
}

// Whether this is the build that ships (32 bits): only its modules must do
// without the functions below. The 64-bit build, on which the tests run where
// the host runs no 32-bit program, is never shipped and its static runtime
// imports them; ImportTable_test reads the 32-bit binaries on every host.
constexpr bool kBuildShips = sizeof(void*) == 4;

// Functions that the compiler's static runtime would import although Windows
// 95 or NT 4 lacks them; a module linked with that runtime must find them at
// run time instead.
inline std::set<std::string> StaticRuntimeNewerImports()
{
    return {"GetTickCount64", "IsDebuggerPresent", "TryEnterCriticalSection",
            "AddVectoredExceptionHandler", "RemoveVectoredExceptionHandler", "MoveFileExA"};
}

// The functions of names.functions that are in the set.
inline std::set<std::string> ImportedOf(const PeNames& names, const std::set<std::string>& set)
{
    std::set<std::string> found;
    for (const std::string& f : names.functions)
        if (set.count(f))
            found.insert(f);
    return found;
}

} // namespace kytest
