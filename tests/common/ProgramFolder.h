// The folder of the running test program: the helper programs, DLLs and
// data the build puts beside it are found there.
#pragma once

#include <windows.h>

#include <string>

namespace kytest {

// The test program's folder, with a trailing backslash.
inline std::string ProgramFolder()
{
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path, n);
    return s.substr(0, s.find_last_of("\\/") + 1);
}

} // namespace kytest
