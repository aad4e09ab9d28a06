// Shared pieces of the tests that start the child programs built beside the
// test program (helpers/os_child.cpp, helpers/os_other.cpp).
#pragma once

#include <windows.h>

#include <string>

namespace KyTest {

// The test program's folder, with a trailing backslash.
inline std::string ProgramFolder()
{
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path, n);
    return s.substr(0, s.find_last_of("\\/") + 1);
}

// A kernel-object name no other test run uses at the same time.
inline std::string UniqueName(const std::string& base)
{
    return "KyTest_" + base + "_" + std::to_string(GetCurrentProcessId());
}

} // namespace KyTest
