// Helpers of the KyConTool tests: a scratch folder, whole-file reads and
// writes, and running the test tool in a process of its own.
#pragma once

#include "common/ProgramFolder.h"
#include "common/TempFolder.h"
#include "common/WholeFile.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace kytest {

// A fresh folder, removed with its files at the end. Created on the Unix
// side's /tmp (drive Z:) when there is one, so it is another volume than
// the system's temporary folder.
class ScratchDir {
public:
    ScratchDir() : path_(NewFolder(ScratchBase(), "kyct_")) {}
    ~ScratchDir()
    {
        for (const std::string& f : Files()) {
            SetFileAttributesA((path_ + f).c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA((path_ + f).c_str());
        }
        RemoveDirectoryA(path_.c_str());
    }
    std::string operator[](const std::string& name) const { return path_ + name; }
    std::vector<std::string> Files() const
    {
        std::vector<std::string> names;
        WIN32_FIND_DATAA fd;
        HANDLE h = FindFirstFileA((path_ + "*").c_str(), &fd);
        if (h == INVALID_HANDLE_VALUE)
            return names;
        do {
            if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                names.push_back(fd.cFileName);
        } while (FindNextFileA(h, &fd));
        FindClose(h);
        std::sort(names.begin(), names.end());
        return names;
    }
    static std::string Temp() { return TempFolder(); }

private:
    std::string path_;
};

struct ToolRun {
    DWORD exitCode = 0xFFFFFFFF;
    std::string out, err;
};

using EnvList = std::vector<std::pair<std::string, std::string>>;

// Runs the test tool with args and the given variables added to this
// process's environment (the hand-off variables and the prefix removed
// unless given); standard output and error are captured.
inline ToolRun RunTool(const ScratchDir& dir, const std::vector<std::string>& args,
                       const EnvList& env)
{
    const std::string exe = ProgramFolder() + "KyConTool_tool.exe";
    std::string cmd = "\"" + exe + "\"";
    for (const std::string& a : args)
        cmd += " \"" + a + "\"";

    static const char* const kDropped[] = {"Kyvant_Protocol_Prefix_EnvVar", "KYVANT_KYSTARTED",
                                           "KYVANT_LOAD_FILE", "KYVANT_CON_APP_HANDLE"};
    std::vector<std::string> vars;
    char* block = GetEnvironmentStringsA();
    for (const char* p = block; *p; p += std::strlen(p) + 1) {
        std::string v(p), name = v.substr(0, v.find('=', 1));
        bool drop = name.rfind("KYTEST_", 0) == 0;
        for (const char* d : kDropped)
            drop = drop || lstrcmpiA(name.c_str(), d) == 0;
        for (const auto& e : env)
            drop = drop || lstrcmpiA(name.c_str(), e.first.c_str()) == 0;
        if (!drop)
            vars.push_back(v);
    }
    FreeEnvironmentStringsA(block);
    for (const auto& e : env)
        vars.push_back(e.first + "=" + e.second);
    std::sort(vars.begin(), vars.end(), [](const std::string& a, const std::string& b) {
        return lstrcmpiA(a.c_str(), b.c_str()) < 0;
    });
    std::string envBlock;
    for (const std::string& v : vars)
        envBlock += v + '\0';
    envBlock += '\0';

    SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, TRUE};
    // Names of their own for each run: a front-end that a tool started may
    // outlive it with the inherited output handles still open, and a later run
    // must not read what that one left behind.
    static unsigned runs = 0;
    const std::string runName = std::to_string(++runs);
    const std::string outPath = dir["stdout" + runName + ".txt"];
    const std::string errPath = dir["stderr" + runName + ".txt"];
    HANDLE out = CreateFileA(outPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &sa, CREATE_ALWAYS, 0,
                             nullptr);
    HANDLE err = CreateFileA(errPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &sa, CREATE_ALWAYS, 0,
                             nullptr);
    HANDLE in = CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &sa,
                            OPEN_EXISTING, 0, nullptr);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = in;
    si.hStdOutput = out;
    si.hStdError = err;
    PROCESS_INFORMATION pi = {};
    ToolRun run;
    if (CreateProcessA(exe.c_str(), &cmd[0], nullptr, nullptr, TRUE, 0, &envBlock[0], nullptr, &si,
                       &pi)) {
        if (WaitForSingleObject(pi.hProcess, 60000) == WAIT_TIMEOUT)
            TerminateProcess(pi.hProcess, 99);
        GetExitCodeProcess(pi.hProcess, &run.exitCode);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
    CloseHandle(in);
    CloseHandle(out);
    CloseHandle(err);
    run.out = ReadText(outPath);
    run.err = ReadText(errPath);
    DeleteFileA(outPath.c_str());
    DeleteFileA(errPath.c_str());
    return run;
}

// The lines of a file that a test program wrote, waiting up to ten seconds
// for a line that starts with last when one is given.
inline std::string ReadLog(const std::string& path, const std::string& last = "")
{
    for (int i = 0; i < 400; ++i) {
        std::string text = ReadText(path);
        if (last.empty() || text.find("\n" + last) != std::string::npos || text.rfind(last, 0) == 0)
            return text;
        Sleep(25);
    }
    return ReadText(path);
}

} // namespace kytest
