// The log sender against a window of this process: what is announced and
// written, and that it stops for good, without spinning, once the log died
// or the window is gone.
#include "KyReplace/Console/FrontEnd/LogSender.h"

#include <gtest/gtest.h>
#include <io.h>

#include <memory>
#include <string>

using namespace Kyvant;

namespace {

struct Sent {
    bool announced = false;
    WPARAM kind = 0;
    LPARAM length = 0;
    std::string text;
};

class LogSenderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window =
            CreateWindowA("STATIC", "log", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        if (!window)
            GTEST_SKIP() << "no window for the log";
        HANDLE self = nullptr;
        DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), &self, 0,
                        FALSE, DUPLICATE_SAME_ACCESS);
        process = CRT::Process(reinterpret_cast<UINT_PTR>(self));
        std::unique_ptr<CRT::Pipe> pipe(new CRT::Pipe(CRT::Pipe::NoneInheritable, true));
        readFd = pipe->GetFd(CRT::Pipe::ReadEnd);
        sender.Attach(std::move(pipe), window, process, mutex, died);
    }
    void TearDown() override
    {
        if (window)
            DestroyWindow(window);
    }

    // The next announcement and the bytes waiting in the pipe.
    Sent Take()
    {
        Sent sent;
        MSG msg;
        if (PeekMessageA(&msg, window, WM_APP, WM_APP, PM_REMOVE)) {
            sent.announced = true;
            sent.kind = msg.wParam;
            sent.length = msg.lParam;
        }
        DWORD waiting = 0;
        PeekNamedPipe(reinterpret_cast<HANDLE>(_get_osfhandle(readFd)), nullptr, 0, nullptr,
                      &waiting, nullptr);
        sent.text.resize(waiting);
        if (waiting)
            _read(readFd, &sent.text[0], waiting);
        return sent;
    }

    Win32::CritSec lock;
    LogSender sender{lock};
    HWND window = nullptr;
    CRT::Process process;
    Win32::Mutex mutex{CreateMutexA(nullptr, FALSE, nullptr)};
    Win32::Event died{true};
    int readFd = -1;
};

} // namespace

TEST_F(LogSenderTest, AnnouncesKindAndLengthThenWrites)
{
    const struct {
        const char* text;
        LogKind kind;
    } cases[] = {
        {"a.txt: Made 1 replacement.\n\t(Original backed up as: a.txt.bak).", LogKind::Result},
        {"careful", LogKind::Warning},
        {"", LogKind::Error},
    };
    for (const auto& c : cases) {
        // The caller may hold the output lock already.
        Win32::CritSecLock held(lock);
        sender.Send(c.text, c.kind);
        const Sent sent = Take();
        EXPECT_TRUE(sent.announced) << c.text;
        EXPECT_EQ(static_cast<WPARAM>(c.kind), sent.kind);
        EXPECT_EQ(static_cast<LPARAM>(std::string(c.text).size() + 1), sent.length);
        EXPECT_EQ(std::string(c.text) + "\n", sent.text);
    }
}

TEST_F(LogSenderTest, StopsOnceTheLogDied)
{
    died.Set();
    sender.Send("first", LogKind::Warning);
    died.Reset();
    sender.Send("second", LogKind::Warning);
    const Sent sent = Take();
    EXPECT_FALSE(sent.announced);
    EXPECT_EQ("", sent.text);
}

TEST_F(LogSenderTest, StopsOnceTheWindowIsGone)
{
    DestroyWindow(window);
    sender.Send("lost", LogKind::Error);
    window = CreateWindowA("STATIC", "log", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    const Sent sent = Take();
    EXPECT_FALSE(sent.announced);
    EXPECT_EQ("", sent.text);
}
