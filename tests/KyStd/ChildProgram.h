// Shared pieces of the tests that start the child programs built beside the
// test program (helpers/os_child.cpp, helpers/os_other.cpp).
#pragma once

#include "common/ProgramFolder.h"

#include <windows.h>

#include <string>

namespace KyTest {

using kytest::ProgramFolder;

// A kernel-object name no other test run uses at the same time.
inline std::string UniqueName(const std::string& base)
{
    return "KyTest_" + base + "_" + std::to_string(GetCurrentProcessId());
}

} // namespace KyTest
