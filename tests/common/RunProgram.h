// Starting a program of the tests: waiting for its exit code, or leaving it running.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace kytest {

// Starts the command line (with the caller's environment); the process
// handle, or null when it did not start.
inline HANDLE StartProgram(const std::string& commandLine)
{
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return nullptr;
    CloseHandle(process.hThread);
    return process.hProcess;
}

// The program's exit code; -1 when it did not start or did not end in time.
inline long RunProgram(const std::string& commandLine, DWORD waitMs = 60000)
{
    HANDLE process = StartProgram(commandLine);
    if (!process)
        return -1;
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process, waitMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(process, &code);
    else
        TerminateProcess(process, code);
    CloseHandle(process);
    return static_cast<long>(code);
}

} // namespace kytest
