// The shell extension's test fixture: a folder holding the test build of the
// DLL with KyStart of our own (also as KyFindG.exe), registered as the
// shell extension; logs of the started programs and of the message boxes.
#pragma once

#include "ExplorerHost.h"
#include "ExplorerMenuSettings.h"
#include "common/ProgramFolder.h"
#include "common/TempFolder.h"
#include "common/WholeFile.h"

#include <gtest/gtest.h>

#include <string>

namespace shellxtest {

class ShellXSuite : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        CoInitialize(nullptr);
        folder_ = kytest::TempFolder() + "KyShellXTest\\";
        kytest::RemoveTree(folder_);
        CreateDirectoryA(folder_.c_str(), nullptr);
        const std::string bin = kytest::ProgramFolder();
        CopyFileA((bin + "seam\\KyShellX.dll").c_str(), (folder_ + "KyShellX.dll").c_str(), FALSE);
        CopyFileA((bin + "KyStart.exe").c_str(), (folder_ + "KyStart.exe").c_str(), FALSE);
        CopyFileA((bin + "KyStart.exe").c_str(), (folder_ + "KyFindG.exe").c_str(), FALSE);
        kytest::SetShellExtensionRegistration(true, folder_);
        SetEnvironmentVariableA("KY_KYSTART_LOG", StartLog().c_str());
        SetEnvironmentVariableA("KYTEST_PROMPT_LOG", PromptLog().c_str());
    }
    static void TearDownTestSuite()
    {
        ClearHandOffs();
        CoFreeUnusedLibraries();
        kytest::SetShellExtensionRegistration(false, folder_);
        kytest::RemoveToolList();
        CoUninitialize();
    }
    void SetUp() override
    {
        DeleteFileA(StartLog().c_str());
        DeleteFileA(PromptLog().c_str());
        ClearHandOffs();
        kytest::WriteToolList(kytest::DefaultToolList());
    }

    static const std::string& Folder() { return folder_; }
    static std::string StartLog() { return folder_ + "started.log"; }
    static std::string PromptLog() { return folder_ + "prompts.log"; }

    // The log of the program started, once it is complete; empty when none
    // appeared within the wait.
    static std::string WaitForStart(DWORD waitMs = 10000)
    {
        for (DWORD waited = 0; waited < waitMs; waited += 50) {
            const std::string log = kytest::ReadFile(StartLog());
            if (log.size() >= 4 && log.compare(log.size() - 4, 4, "end\n") == 0)
                return log;
            Sleep(50);
        }
        return std::string();
    }

    // Removes every tool's hand-off key and the file it names.
    static void ClearHandOffs()
    {
        for (const char* tool : {"KyFindG", "KyDirG", "KyReplaceG", "KyAttribG", "KyEOLG",
                                 "KyTabG", "KyTouchG"}) {
            const std::string path =
                std::string(kytest::kToolsKey) + "\\" + tool + "\\ShellExArgs";
            HKEY key = nullptr;
            if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
                continue;
            char file[MAX_PATH] = {};
            DWORD size = MAX_PATH - 1;
            if (RegQueryValueExA(key, "PathsFile", nullptr, nullptr, reinterpret_cast<BYTE*>(file),
                                 &size) == ERROR_SUCCESS)
                DeleteFileA(file);
            RegCloseKey(key);
            RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str());
        }
    }

    static bool HandOffExists(const std::string& tool)
    {
        HKEY key = nullptr;
        const std::string path = std::string(kytest::kToolsKey) + "\\" + tool + "\\ShellExArgs";
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }

private:
    static inline std::string folder_;
};

// The text after "key=" on the line of the log that starts with prefix.
inline std::string LogField(const std::string& log, const std::string& prefix,
                            const std::string& key)
{
    const auto line = log.find(prefix);
    if (line == std::string::npos)
        return std::string();
    const auto end = log.find('\n', line);
    const std::string text = log.substr(line, end - line);
    const auto at = text.find(" " + key + "=");
    if (at == std::string::npos)
        return std::string();
    const auto start = at + key.size() + 2;
    return text.substr(start, text.find(' ', start) - start);
}

} // namespace shellxtest
