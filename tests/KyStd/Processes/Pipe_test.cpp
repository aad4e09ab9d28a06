// Tests of pipes, whole-buffer pipe reads and writes, and descriptor redirection.
#include "ChildProgram.h"
#include "KyStd/Processes/Pipe.h"
#include "KyStd/Processes/PipeIO.h"
#include "KyStd/Processes/Process.h"
#include "KyStd/Processes/Redirector.h"
#include "KyStd/Win32/Thread.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <io.h>
#include <process.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace Kyvant;
using namespace Kyvant::CRT;

namespace {

const char kFdVar[] = "KYTEST_PIPE_FD";
const char kOsVar[] = "KYTEST_PIPE_OS";

std::string Env(const char* name)
{
    const char* v = std::getenv(name);
    return v ? v : "<unset>";
}

bool Inheritable(int fd)
{
    DWORD flags = 0;
    GetHandleInformation(reinterpret_cast<HANDLE>(_get_osfhandle(fd)), &flags);
    return (flags & HANDLE_FLAG_INHERIT) != 0;
}

std::string ReadAll(int fd)
{
    std::string all;
    char buffer[256];
    int n;
    while ((n = _read(fd, buffer, sizeof buffer)) > 0)
        all.append(buffer, n);
    return all;
}

} // namespace

TEST(PipeTest, ChildWritesThroughThePublishedEnd)
{
    Pipe pipe(kFdVar, kOsVar, Pipe::WriteEnd, true);
    int fd = pipe.GetFd(Pipe::WriteEnd);
    EXPECT_EQ(Env(kFdVar), std::to_string(fd));
    EXPECT_EQ(Env(kOsVar), std::to_string(static_cast<long>(_get_osfhandle(fd))));
    EXPECT_TRUE(Inheritable(fd));
    EXPECT_FALSE(Inheritable(pipe.GetFd(Pipe::ReadEnd)));

    const char* argv[] = {"os_child.exe", "writepipe", kFdVar, kOsVar, nullptr};
    Process child;
    child.Spawn(_P_NOWAIT, "os_child.exe", argv);
    pipe.CloseImp(Pipe::WriteEnd);
    EXPECT_EQ(ReadAll(pipe.GetFd(Pipe::ReadEnd)), "fd:os:");
    child.Wait();
    DWORD code = 99;
    child.GetExitCode(code);
    EXPECT_EQ(code, 0u);

    pipe.CloseBoth();
    EXPECT_EQ(Env(kFdVar), "<unset>");
    EXPECT_EQ(Env(kOsVar), "<unset>");
}

TEST(PipeTest, DroppingAnEndRemovesItsVariables)
{
    for (bool close : {false, true}) {
        Pipe pipe(kFdVar, kOsVar, Pipe::WriteEnd);
        ASSERT_NE(Env(kFdVar), "<unset>");
        if (close)
            pipe.CloseImp(Pipe::WriteEnd);
        else
            pipe.MakeInheritable(Pipe::WriteEnd, false);
        EXPECT_EQ(Env(kFdVar), "<unset>");
        EXPECT_EQ(Env(kOsVar), "<unset>");
    }
    // A closed end cannot be made inheritable.
    Pipe pipe(kFdVar, kOsVar, Pipe::WriteEnd);
    pipe.CloseImp(Pipe::ReadEnd);
    try {
        pipe.MakeInheritable(Pipe::ReadEnd, true);
        ADD_FAILURE() << "no exception";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Pipe::MakeInheritable failure.");
    }
}

TEST(PipeTest, InheritableEndKeepsItsAccessAndTextMode)
{
    Pipe pipe(Pipe::WriteInheritable, false);
    ASSERT_TRUE(Inheritable(pipe.GetFd(Pipe::WriteEnd)));
    pipe.Write("a\nb", 3);
    pipe.CloseImp(Pipe::WriteEnd);
    // The write end still translates line ends.
    char raw[8] = {};
    DWORD n = 0;
    ReadFile(reinterpret_cast<HANDLE>(_get_osfhandle(pipe.GetFd(Pipe::ReadEnd))), raw, sizeof raw,
             &n, nullptr);
    EXPECT_EQ(std::string(raw, n), "a\r\nb");
}

namespace {

// Records the size of each message read from a message-mode pipe.
unsigned __stdcall CollectMessages(void* arg)
{
    auto* args = static_cast<std::pair<HANDLE, std::vector<DWORD>*>*>(arg);
    static char buffer[16384];
    DWORD n = 0;
    while (ReadFile(args->first, buffer, sizeof buffer, &n, nullptr))
        args->second->push_back(n);
    return 0;
}

} // namespace

TEST(PipeIOTest, WritePipeWritesInPiecesOfAtMost4096)
{
    // Each write of the descriptor arrives as one message.
    std::string name = "\\\\.\\pipe\\" + KyTest::UniqueName("chunks");
    HANDLE server = CreateNamedPipeA(name.c_str(), PIPE_ACCESS_INBOUND,
                                     PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE | PIPE_WAIT, 1, 0,
                                     16384, 0, nullptr);
    ASSERT_NE(server, INVALID_HANDLE_VALUE);
    HANDLE client = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(client, INVALID_HANDLE_VALUE);
    int fd = _open_osfhandle(reinterpret_cast<intptr_t>(client), _O_BINARY);

    std::vector<DWORD> sizes;
    std::pair<HANDLE, std::vector<DWORD>*> args(server, &sizes);
    Win32::Thread reader;
    reader.Create(CollectMessages, &args);
    std::vector<char> data(10000, 'x');
    EXPECT_EQ(WritePipe(std::nothrow, fd, data.data(), 10000), 10000);
    _close(fd);
    reader.Wait();
    CloseHandle(server);
    EXPECT_EQ(sizes, (std::vector<DWORD>{4096, 4096, 1808}));
}

TEST(PipeIOTest, ReadPipeStopsAtEndOfFile)
{
    std::string forty(40, 'r');
    char buffer[100];
    for (bool throwing : {false, true}) {
        Pipe pipe(Pipe::NoneInheritable, true);
        pipe.Write(forty.data(), 40);
        pipe.CloseImp(Pipe::WriteEnd);
        if (!throwing) {
            EXPECT_EQ(ReadPipe(std::nothrow, pipe.GetFd(Pipe::ReadEnd), buffer, 100), 40);
            EXPECT_EQ(std::string(buffer, 40), forty);
            continue;
        }
        try {
            pipe.Read(buffer, 100);
            ADD_FAILURE() << "no exception";
        } catch (const rtl_error& e) {
            EXPECT_EQ(e.code(), EPIPE); // not a stale or zero errno
        }
    }
}

TEST(RedirectorTest, SendsStdoutToAFileAndRestoresIt)
{
    char path[MAX_PATH], folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    GetTempFileNameA(folder, "kyt", 0, path);
    int file = _open(path, _O_WRONLY | _O_BINARY | _O_TRUNC);
    ASSERT_NE(file, -1);

    std::fflush(stdout);
    intptr_t before = _get_osfhandle(1);
    {
        Redirector redirect(file, 1);
        EXPECT_EQ(_write(1, "to the file ", 12), 12);
        // A child started meanwhile writes there too (in the file's binary mode).
        const char* argv[] = {"os_child.exe", "args", "child", nullptr};
        Process().Spawn(_P_WAIT, "os_child.exe", argv);
        redirect.Restore();
        EXPECT_EQ(_get_osfhandle(1), before);
    }
    EXPECT_EQ(_get_osfhandle(1), before);
    _close(file);

    std::FILE* f = std::fopen(path, "rb");
    char text[64] = {};
    size_t n = std::fread(text, 1, sizeof text, f);
    std::fclose(f);
    DeleteFileA(path);
    EXPECT_EQ(std::string(text, n), "to the file 5:child\n");
}
