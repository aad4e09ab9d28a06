// Helpers of the Indexing Service tests: the stand-in query library put in
// the prefix's system folder (and preferred over Wine's own), the stand-in
// administration object registered, and a script and call log per test.
#pragma once

#include "TestSupport.h"

#include <windows.h>

#include <sstream>
#include <string>
#include <vector>

namespace istest {

inline std::string SystemFolder()
{
    char path[MAX_PATH];
    UINT n = GetSystemDirectoryA(path, MAX_PATH);
    return std::string(path, n) + "\\";
}

inline void SetRegistryText(HKEY root, const char* key, const char* name, const char* value)
{
    HKEY h = nullptr;
    if (RegCreateKeyExA(root, key, 0, nullptr, 0, KEY_WRITE, nullptr, &h, nullptr) ==
        ERROR_SUCCESS) {
        RegSetValueExA(h, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                       static_cast<DWORD>(strlen(value) + 1));
        RegCloseKey(h);
    }
}

// Once per process, before any query.dll is loaded: everything stays in the
// test prefix.
inline bool InstallStandIns()
{
    static bool installed = [] {
        SetRegistryText(HKEY_CURRENT_USER, "Software\\Wine\\DllOverrides", "query", "native");
        const std::string bin = kytest::ProgramFolder();
        if (!CopyFileA((bin + "query.dll").c_str(), (SystemFolder() + "query.dll").c_str(), FALSE))
            return false;
        HMODULE server = LoadLibraryA((bin + "isadm_standin.dll").c_str());
        if (!server)
            return false;
        auto reg = reinterpret_cast<HRESULT(WINAPI*)()>(
            reinterpret_cast<void*>(GetProcAddress(server, "DllRegisterServer")));
        return reg && SUCCEEDED(reg());
    }();
    return installed;
}

// The stand-in's script and log for one test, named to it through the
// environment; the files go at the end.
class QueryScript {
public:
    QueryScript()
    {
        InstallStandIns();
        static int counter = 0;
        std::string stem = kytest::ScratchDir::Temp() + "kyis_" +
                           std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++counter);
        script_ = stem + ".script";
        log_ = stem + ".log";
        DeleteFileA(log_.c_str());
        Write("");
        SetEnvironmentVariableA("KY_QUERY_SCRIPT", script_.c_str());
        SetEnvironmentVariableA("KY_QUERY_LOG", log_.c_str());
    }
    ~QueryScript()
    {
        SetEnvironmentVariableA("KY_QUERY_SCRIPT", nullptr);
        SetEnvironmentVariableA("KY_QUERY_LOG", nullptr);
        DeleteFileA(script_.c_str());
        DeleteFileA(log_.c_str());
    }
    QueryScript(const QueryScript&) = delete;
    QueryScript& operator=(const QueryScript&) = delete;

    void Write(const std::string& text) { kytest::WriteFile(script_, text); }
    void Append(const std::string& text) { kytest::WriteFile(script_, Script() + text); }
    std::string Script() const { return kytest::ReadText(script_); }

    std::vector<std::string> Log() const { return kytest::ReadLines(log_); }
    // The logged lines that start with prefix.
    std::vector<std::string> Log(const std::string& prefix) const
    {
        std::vector<std::string> out;
        for (const std::string& line : Log()) {
            if (line.rfind(prefix, 0) == 0)
                out.push_back(line);
        }
        return out;
    }
    void ClearLog() const { DeleteFileA(log_.c_str()); }

private:
    std::string script_;
    std::string log_;
};

} // namespace istest
