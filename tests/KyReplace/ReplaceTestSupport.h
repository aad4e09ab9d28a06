// Helpers of the KyReplace tests: scratch folders, whole-file access,
// temporary registry settings and running KyReplace.exe (or another program)
// in a process of its own with captured output.
#pragma once

#include "common/ChildProcess.h"
#include "common/ProgramFolder.h"
#include "common/TempFolder.h"
#include "common/WholeFile.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace reptest {

inline std::string BinDir() { return kytest::ProgramFolder(); }
inline std::string TempDir() { return kytest::TempFolder(); }
using kytest::ReadFile;
using kytest::WriteFile;

// Names in a folder matching a mask, sorted.
inline std::vector<std::string> List(const std::string& folder, const char* mask = "*")
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((folder + mask).c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (std::string(fd.cFileName) != "." && std::string(fd.cFileName) != "..")
            names.push_back(fd.cFileName);
    } while (FindNextFileA(h, &fd));
    FindClose(h);
    std::sort(names.begin(), names.end());
    return names;
}

// A fresh folder (with a trailing backslash), removed with its contents.
class Scratch {
public:
    Scratch() : path_(kytest::NewFolder(TempDir(), "kyrep_")) {}
    ~Scratch() { kytest::RemoveTree(path_); }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    const std::string& path() const { return path_; }
    std::string operator[](const std::string& name) const { return path_ + name; }

private:
    std::string path_;
};

// Sets a value under HKCU "Software\Kyvant\Tools\Shared" for one test and
// puts the old state back afterwards.
class SharedSetting {
public:
    SharedSetting(const char* name, const std::string& value) : name_(name)
    {
        RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Kyvant\\Tools\\Shared", 0, nullptr, 0,
                        KEY_ALL_ACCESS, nullptr, &key_, nullptr);
        DWORD size = sizeof old_;
        had_ = RegQueryValueExA(key_, name, nullptr, &type_, reinterpret_cast<BYTE*>(old_),
                                &size) == ERROR_SUCCESS;
        oldSize_ = size;
        RegSetValueExA(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
    }
    ~SharedSetting()
    {
        if (had_)
            RegSetValueExA(key_, name_, 0, type_, reinterpret_cast<const BYTE*>(old_), oldSize_);
        else
            RegDeleteValueA(key_, name_);
        RegCloseKey(key_);
    }
    SharedSetting(const SharedSetting&) = delete;
    SharedSetting& operator=(const SharedSetting&) = delete;

private:
    const char* name_;
    HKEY key_ = nullptr;
    bool had_ = false;
    DWORD type_ = REG_SZ;
    char old_[2048];
    DWORD oldSize_ = 0;
};

using kytest::ProgramRun;
using kytest::RunProgram;

inline ProgramRun RunKyReplace(const std::vector<std::string>& args,
                               const std::string& stdinText = "",
                               const std::vector<std::string>& extraEnv = {},
                               DWORD timeoutMs = 120000)
{
    return RunProgram(BinDir() + "KyReplace.exe", args, stdinText, extraEnv, "", timeoutMs);
}

} // namespace reptest
