// A second process (KyReplace_file_holder) that holds a file open for
// reading in a given share mode until stopped: another program using a file.
#pragma once

#include "ReplaceTestSupport.h"

#include <windows.h>

#include <string>

namespace reptest {

// Holds file open, sharing as share says ("none", "r", "rw" or "rwd"), from
// construction (which waits until the file is open) until Stop.
class FileHolderProcess {
public:
    FileHolderProcess(const std::string& file, const char* share)
    {
        static int counter = 0;
        const std::string tag =
            std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++counter);
        const std::string readyName = "kyrep_holder_ready_" + tag,
                          stopName = "kyrep_holder_stop_" + tag;
        ready_ = CreateEventA(nullptr, TRUE, FALSE, readyName.c_str());
        stop_ = CreateEventA(nullptr, TRUE, FALSE, stopName.c_str());
        std::string cmd = "\"" + BinDir() + "KyReplace_file_holder.exe\" \"" + file + "\" " +
                          share + " " + readyName + " " + stopName;
        STARTUPINFOA si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        if (CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                           &pi)) {
            process_ = pi.hProcess;
            CloseHandle(pi.hThread);
            const HANDLE either[2] = {ready_, process_};
            holding_ = WaitForMultipleObjects(2, either, FALSE, kStartMs) == WAIT_OBJECT_0;
        }
    }
    ~FileHolderProcess()
    {
        Stop();
        CloseHandle(ready_);
        CloseHandle(stop_);
    }
    FileHolderProcess(const FileHolderProcess&) = delete;
    FileHolderProcess& operator=(const FileHolderProcess&) = delete;

    bool Holding() const { return holding_; }
    // Lets the file go and waits until the process has ended.
    void Stop()
    {
        if (!process_)
            return;
        SetEvent(stop_);
        WaitForSingleObject(process_, kEndMs);
        CloseHandle(process_);
        process_ = nullptr;
    }

private:
    static constexpr DWORD kStartMs = 20000;
    static constexpr DWORD kEndMs = 20000;

    HANDLE ready_ = nullptr, stop_ = nullptr, process_ = nullptr;
    bool holding_ = false;
};

} // namespace reptest
