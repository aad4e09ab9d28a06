// Running a program of the build in a process of its own, as a user would:
// given arguments, standard input from a text, standard output and error
// captured through files (never pipes, which Wine's helpers may inherit);
// or a plain command line, left running or waited for.
#pragma once

#include "common/TempFolder.h"
#include "common/WholeFile.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace kytest {

struct ProgramRun {
    DWORD exitCode = 0xFFFFFFFF;
    bool timedOut = false;
    std::string out, err; // CR removed
};

// Runs program with args (each quoted) from the folder cwd (empty: this
// process's), standard input from stdinText, and extra "NAME=value"
// variables that replace any of the same name; the protocol prefix and the
// suite's hand-off variables of this process are not passed on. A program
// still running after timeoutMs is ended. rawOut, when given, receives
// standard output byte for byte.
inline ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                             const std::string& stdinText, const std::vector<std::string>& extraEnv,
                             const std::string& cwd = "", DWORD timeoutMs = 120000,
                             std::string* rawOut = nullptr)
{
    static int counter = 0;
    const std::string stem = TempFolder() + "kyrun_" + std::to_string(GetCurrentProcessId()) +
                             "_" + std::to_string(++counter);
    const std::string inPath = stem + ".in", outPath = stem + ".out", errPath = stem + ".err";
    WriteFile(inPath, stdinText);
    std::string cmd = "\"" + program + "\"";
    for (const std::string& a : args)
        cmd += " \"" + a + "\"";

    auto nameOf = [](const std::string& v) { return v.substr(0, v.find('=', 1)); };
    std::string env;
    char* block = GetEnvironmentStringsA();
    for (const char* p = block; *p; p += std::strlen(p) + 1) {
        const std::string v(p);
        const std::string name = nameOf(v);
        bool dropped = lstrcmpiA(name.c_str(), "Kyvant_Protocol_Prefix_EnvVar") == 0 ||
                       _strnicmp(name.c_str(), "KYVANT_", 7) == 0;
        for (const std::string& e : extraEnv)
            dropped = dropped || lstrcmpiA(name.c_str(), nameOf(e).c_str()) == 0;
        if (!dropped)
            env += v + '\0';
    }
    FreeEnvironmentStringsA(block);
    for (const std::string& v : extraEnv)
        env += v + '\0';
    env += '\0';

    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
    auto open = [&](const std::string& path, bool write) {
        return CreateFileA(path.c_str(), write ? GENERIC_WRITE : GENERIC_READ,
                           FILE_SHARE_READ | FILE_SHARE_WRITE, &sa,
                           write ? CREATE_ALWAYS : OPEN_EXISTING, 0, nullptr);
    };
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = open(inPath, false);
    si.hStdOutput = open(outPath, true);
    si.hStdError = open(errPath, true);
    PROCESS_INFORMATION pi{};
    ProgramRun run;
    if (CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, TRUE, 0, &env[0],
                       cwd.empty() ? nullptr : cwd.c_str(), &si, &pi)) {
        if (WaitForSingleObject(pi.hProcess, timeoutMs) == WAIT_TIMEOUT) {
            run.timedOut = true;
            TerminateProcess(pi.hProcess, 99);
            WaitForSingleObject(pi.hProcess, 5000);
        }
        GetExitCodeProcess(pi.hProcess, &run.exitCode);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
    }
    CloseHandle(si.hStdInput);
    CloseHandle(si.hStdOutput);
    CloseHandle(si.hStdError);
    run.out = ReadFile(outPath);
    run.err = ReadFile(errPath);
    if (rawOut)
        *rawOut = run.out;
    for (const std::string& path : {inPath, outPath, errPath})
        DeleteFileA(path.c_str());
    run.out.erase(std::remove(run.out.begin(), run.out.end(), '\r'), run.out.end());
    run.err.erase(std::remove(run.err.begin(), run.err.end(), '\r'), run.err.end());
    return run;
}

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
inline long RunCommandLine(const std::string& commandLine, DWORD waitMs = 60000)
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
