// Sends log lines to the Replace front-end: each line is announced by a
// message that carries its kind and its length + 1, then its text and a
// '\n' go down the log pipe. Sending stops for good once the front-end has
// said its log died, its process or window is gone, or the pipe broke.
#pragma once

#include "KyStd/Core/CritSec.h"
#include "KyStd/Processes/Pipe.h"
#include "KyStd/Processes/Process.h"
#include "KyStd/Win32/SyncObjects.h"

#include <windows.h>

#include <memory>

namespace Kyvant {

enum class LogKind { Result = 0, Warning = 1, Error = 2 };

class LogSender {
public:
    // outputLock serialises the sender with console output; it is entered
    // again by a caller that already holds it.
    explicit LogSender(Win32::CritSec& outputLock) : outputLock_(outputLock) {}
    LogSender(const LogSender&) = delete;
    LogSender& operator=(const LogSender&) = delete;

    // Makes the log available: the pipe whose write end carries the texts,
    // the window to announce them to and the front-end's process; the
    // mutex is shared with the front-end while posting, the event is set by
    // it when its log can take no more.
    void Attach(std::unique_ptr<CRT::Pipe> pipe, HWND window, const CRT::Process& frontEnd,
                const Win32::Mutex& logWindowMutex, const Win32::Event& logWindowDied);

    bool Available() const { return pipe_ != nullptr; }

    // Never throws; does nothing when the log is not available.
    void Send(const char* text, LogKind kind);

private:
    bool Post(unsigned length, LogKind kind);

    Win32::CritSec& outputLock_;
    std::unique_ptr<CRT::Pipe> pipe_;
    HWND window_ = nullptr;
    CRT::Process frontEnd_;
    Win32::Mutex mutex_;
    Win32::Event died_;
    bool stopped_ = false;
};

} // namespace Kyvant
