// The add-in's test fixture: the built DLL registered with regsvr32 for the
// suite, and environments of the tests run as processes of their own.
#pragma once

#include "common/ChildProcess.h"
#include "common/ProgramFolder.h"
#include "common/TempFolder.h"
#include "common/WholeFile.h"

#include <gtest/gtest.h>

#include <oleauto.h>

#include <string>

namespace addintest {

const char kSlotTexts[4][40] = {
    "{2df49261-e61a-11d3-b29c-00e0291d2688}", "{2df49263-e61a-11d3-b29c-00e0291d2688}",
    "{2df49265-e61a-11d3-b29c-00e0291d2688}", "{2df49267-e61a-11d3-b29c-00e0291d2688}"};

inline std::string AddInPath()
{
    return kytest::ProgramFolder() + "KyAddIn.dll";
}

// regsvr32's exit code for the DLL, silently (with /u: unregistering).
inline long RegSvr32(const std::string& dll, bool unregister)
{
    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    return kytest::RunCommandLine(std::string(system) + "\\regsvr32.exe /s " +
                              (unregister ? "/u " : "") + "\"" + dll + "\"");
}

class AddInSuite : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        CoInitialize(nullptr);
        folder_ = kytest::TempFolder() + "KyAddInTest\\";
        kytest::RemoveTree(folder_);
        CreateDirectoryA(folder_.c_str(), nullptr);
        ASSERT_EQ(0, RegSvr32(AddInPath(), false));
    }
    static void TearDownTestSuite()
    {
        RegSvr32(AddInPath(), true);
        // The hosts' library of the environments' interfaces.
        const GUID hostTypes = {
            0x6a0c3f52, 0x7d4e, 0x4b8a, {0x9c, 0x21, 0x3e, 0x5f, 0x7a, 0x9b, 0x1d, 0x02}};
        UnRegisterTypeLib(hostTypes, 1, 0, LANG_NEUTRAL,
                          sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32);
        CoUninitialize();
    }
    static const std::string& Folder() { return folder_; }

private:
    static inline std::string folder_;
};

// One environment process: connected at construction, disconnected by
// Disconnect (or at the end).
class Environment {
public:
    Environment(const std::string& folder, const std::string& mode, bool probe)
    {
        static int serial = 0;
        const std::string name = mode + std::to_string(++serial);
        log_ = folder + name + ".log";
        const std::string eventName = "KyAddInTestHold_" + std::to_string(GetCurrentProcessId()) +
                                      "_" + name;
        hold_ = CreateEventA(nullptr, TRUE, FALSE, eventName.c_str());
        process_ = kytest::StartProgram("\"" + kytest::ProgramFolder() + "KyAddIn_host.exe\" " +
                                        mode + " \"" + log_ + "\" " + eventName + " " +
                                        (probe ? "probe" : "noprobe"));
        connected_ = WaitFor(log_ + ".1");
    }
    ~Environment() { Disconnect(); }
    Environment(const Environment&) = delete;
    Environment& operator=(const Environment&) = delete;

    // The host's report after connecting.
    const std::string& Connected() const { return connected_; }
    // Disconnects; the host's report afterwards.
    std::string Disconnect()
    {
        if (!process_)
            return disconnected_;
        SetEvent(hold_);
        WaitForSingleObject(process_, 30000);
        CloseHandle(process_);
        CloseHandle(hold_);
        process_ = nullptr;
        disconnected_ = kytest::ReadFile(log_ + ".2");
        return disconnected_;
    }

private:
    std::string WaitFor(const std::string& path)
    {
        for (int i = 0; i < 600 && process_; ++i) {
            const std::string text = kytest::ReadFile(path);
            if (!text.empty())
                return text;
            if (WaitForSingleObject(process_, 50) == WAIT_OBJECT_0)
                return kytest::ReadFile(path);
        }
        return std::string();
    }

    std::string log_;
    HANDLE hold_ = nullptr;
    HANDLE process_ = nullptr;
    std::string connected_;
    std::string disconnected_;
};

// The value of "key=" on its own line of a report.
inline std::string Field(const std::string& report, const std::string& key)
{
    const std::string needle = key + "=";
    std::string::size_type at = report.rfind("\n" + needle);
    at = at == std::string::npos ? (report.compare(0, needle.size(), needle) == 0 ? 0 : at)
                                 : at + 1;
    if (at == std::string::npos)
        return "<missing>";
    const std::string::size_type start = at + needle.size();
    return report.substr(start, report.find('\n', start) - start);
}

} // namespace addintest
