// An uninstaller of the tests: its command line is whatever the test made
// it; it loads the DLL named by KYTEST_UNINST_DLL, calls UninstInitialize
// with a window of its own as owner and then UninstUnInitialize, and writes
// "initialize=<n>\nuninitialize=<n>\n" to the file named by KYTEST_UNINST_RESULT.
#include "common/WholeFile.h"

#include <windows.h>

#include <string>

namespace {

using UninstEntry = int(WINAPI*)(HWND, int, int);

std::string Env(const char* name)
{
    char value[MAX_PATH];
    const DWORD n = GetEnvironmentVariableA(name, value, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::string(value, n) : std::string();
}

} // namespace

int main()
{
    HMODULE dll = LoadLibraryA(Env("KYTEST_UNINST_DLL").c_str());
    if (!dll)
        return 2;
    auto initialize = reinterpret_cast<UninstEntry>(
        reinterpret_cast<void*>(GetProcAddress(dll, "UninstInitialize")));
    auto uninitialize = reinterpret_cast<UninstEntry>(
        reinterpret_cast<void*>(GetProcAddress(dll, "UninstUnInitialize")));
    if (!initialize || !uninitialize)
        return 3;
    HWND owner = CreateWindowA("STATIC", "Uninstaller", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               nullptr, nullptr);
    const int first = initialize(owner, 0, 0);
    const int second = uninitialize(owner, 0, 0);
    DestroyWindow(owner);
    FreeLibrary(dll);
    kytest::WriteFile(Env("KYTEST_UNINST_RESULT"), "initialize=" + std::to_string(first) +
                                                       "\nuninitialize=" + std::to_string(second) +
                                                       "\n");
    return 0;
}
