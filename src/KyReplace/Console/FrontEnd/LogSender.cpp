// Sending log lines to the front-end: the announcing message, then the text down the log pipe.
#include "KyReplace/Console/FrontEnd/LogSender.h"

#include "KyReplace/Console/FrontEnd/FrontEndPost.h"
#include "KyStd/Processes/PipeIO.h"

#include <cstring>
#include <string>

namespace Kyvant {

void LogSender::Attach(std::unique_ptr<CRT::Pipe> pipe, HWND window, const CRT::Process& frontEnd,
                       const Win32::Mutex& logWindowMutex, const Win32::Event& logWindowDied)
{
    Win32::CritSecLock lock(outputLock_);
    window_ = window;
    frontEnd_ = frontEnd;
    mutex_ = logWindowMutex;
    died_ = logWindowDied;
    stopped_ = false;
    pipe_ = std::move(pipe);
}

// Announces one line under the log-window mutex; false when the line is not
// to be sent (the log died or the front-end is gone).
bool LogSender::Post(unsigned length, LogKind kind)
{
    for (;;) {
        // The front-end's end also ends the wait for a mutex it may hold.
        const HANDLE handles[2] = {mutex_.get(), frontEnd_.get()};
        const DWORD taken = WaitForMultipleObjects(2, handles, FALSE, INFINITE);
        if (taken != WAIT_OBJECT_0 && taken != WAIT_ABANDONED_0)
            return false;
        if (WaitForSingleObject(died_.get(), 0) != WAIT_TIMEOUT) {
            ReleaseMutex(mutex_.get());
            return false;
        }
        const bool posted = PostMessageA(window_, kFrontEndMessage, static_cast<WPARAM>(kind),
                                         static_cast<LPARAM>(length + 1));
        ReleaseMutex(mutex_.get());
        if (posted)
            return true;
        if (!FrontEndPresent(window_, frontEnd_))
            return false;
        Sleep(0);
    }
}

void LogSender::Send(const char* text, LogKind kind)
{
    if (!Available())
        return;
    Win32::CritSecLock lock(outputLock_);
    if (stopped_)
        return;
    try {
        std::string line(text ? text : "");
        line += '\n';
        if (!Post(static_cast<unsigned>(line.size() - 1), kind) ||
            CRT::WritePipe(std::nothrow, pipe_->GetFd(CRT::Pipe::WriteEnd), line.data(),
                           static_cast<unsigned>(line.size())) < 0)
            stopped_ = true;
    } catch (...) {
        stopped_ = true;
    }
}

} // namespace Kyvant
