// Tests of child processes: the copy beside the program, exit codes per mode, quoted arguments.
#include "ChildProgram.h"
#include "KyStd/Processes/Pipe.h"
#include "KyStd/Processes/Process.h"
#include "KyStd/Processes/Redirector.h"

#include <gtest/gtest.h>
#include <direct.h>
#include <process.h>
#include <io.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

using namespace Kyvant;
using namespace Kyvant::CRT;

namespace {

DWORD ExitCodeOf(const Process& p)
{
    DWORD code = 12345;
    p.GetExitCode(code);
    return code;
}

// Copies the file from into folder as name; returns the copy's path.
std::string CopyInto(const std::string& folder, const std::string& from, const char* name)
{
    std::string to = folder + name;
    EXPECT_TRUE(CopyFileA(from.c_str(), to.c_str(), FALSE));
    return to;
}

std::string ScratchFolder(const char* name)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string path = std::string(temp) + KyTest::UniqueName(name) + "\\";
    CreateDirectoryA(path.c_str(), nullptr);
    return path;
}

} // namespace

TEST(ProcessTest, BareNameRunsTheCopyBesideTheProgram)
{
    // os_other.exe (exit code 9) lies on the search path as os_child.exe
    // (beside the test: exit code 7) and as a name found only there; the
    // current folder holds neither.
    std::string onPath = ScratchFolder("spawn_path"), current = ScratchFolder("spawn_cwd");
    std::string other = KyTest::ProgramFolder() + "os_other.exe";
    std::string shadow = CopyInto(onPath, other, "os_child.exe");
    std::string pathOnly = CopyInto(onPath, other, "kytest_onpath.exe");
    const char* oldPath = std::getenv("PATH");
    std::string savedPath = oldPath ? oldPath : "";
    char savedCwd[MAX_PATH];
    _getcwd(savedCwd, MAX_PATH);
    _putenv(("PATH=" + onPath + ";" + savedPath).c_str());
    _chdir(current.c_str());

    struct {
        const char* program;
        DWORD expected;
    } cases[] = {{"os_child.exe", 7}, {"kytest_onpath.exe", 9}, {shadow.c_str(), 9}};
    for (const auto& c : cases) {
        const char* argv[] = {c.program, nullptr};
        Process p;
        p.Spawn(_P_WAIT, c.program, argv);
        EXPECT_EQ(ExitCodeOf(p), c.expected) << c.program;
    }

    _chdir(savedCwd);
    _putenv(("PATH=" + savedPath).c_str());
    DeleteFileA(shadow.c_str());
    DeleteFileA(pathOnly.c_str());
    RemoveDirectoryA(onPath.c_str());
    RemoveDirectoryA(current.c_str());
}

TEST(ProcessTest, ExitCodeOfEachSpawnMode)
{
    const char* argv[] = {"os_child.exe", "exit", "42", nullptr};

    Process waited;
    waited.Spawn(_P_WAIT, "os_child.exe", argv);
    EXPECT_TRUE(waited.empty());
    EXPECT_EQ(ExitCodeOf(waited), 42u);

    Process running;
    running.Spawn(_P_NOWAIT, "os_child.exe", argv);
    running.Wait();
    EXPECT_EQ(ExitCodeOf(running), 42u);

    // Built from a handle number, as a handle passed between processes is.
    HANDLE dup = nullptr;
    ASSERT_TRUE(DuplicateHandle(GetCurrentProcess(), running.get(), GetCurrentProcess(), &dup, 0,
                                FALSE, DUPLICATE_SAME_ACCESS));
    Process adopted(reinterpret_cast<UINT_PTR>(dup));
    EXPECT_EQ(ExitCodeOf(adopted), 42u);
    adopted.init(_P_NOWAIT, true);
    DWORD code = 0;
    EXPECT_FALSE(adopted.GetExitCode(std::nothrow, code));
    EXPECT_THROW(adopted.GetExitCode(code), os_error);

    // A failed spawn leaves no handle of the run before.
    try {
        running.Spawn(_P_NOWAIT, "kytest_missing.exe", argv);
        ADD_FAILURE() << "no exception";
    } catch (const rtl_error& e) {
        EXPECT_EQ(e.code(), ENOENT);
    }
    EXPECT_TRUE(running.empty());
}

namespace {

// The child's report of its arguments after argv[1], spawned with args.
std::string ArgsSeenByChild(const std::vector<const char*>& args, bool quote)
{
    std::vector<const char*> all = {"os_child.exe", "args"};
    all.insert(all.end(), args.begin(), args.end());
    forward_input_sequencer<std::vector<const char*>> seq(all);

    Pipe output(Pipe::NoneInheritable, true);
    {
        Redirector toPipe(output.GetFd(Pipe::WriteEnd), 1);
        Process().Spawn(_P_WAIT, "os_child.exe", seq, quote);
    }
    output.CloseImp(Pipe::WriteEnd);
    std::string seen;
    char buffer[256];
    int n;
    while ((n = output.ReadSome(buffer, sizeof buffer)) > 0)
        seen.append(buffer, n);
    return seen;
}

} // namespace

TEST(ProcessTest, QuotedArgumentsReachTheChildIntact)
{
    std::vector<const char*> args = {
        "plain",           "two words",         "",
        "say \"hi\"",      "trailing\\",        "blank then trailing\\",
        "back\\\\\"quote", "C:\\dir\\file.txt", "tab\there",
    };
    std::string expected;
    for (const char* a : args)
        expected += std::to_string(std::strlen(a)) + ":" + a + "\n";
    EXPECT_EQ(ArgsSeenByChild(args, true), expected);

    // Unquoted, the runtime joins the arguments with blanks and the child
    // splits them again.
    EXPECT_EQ(ArgsSeenByChild({"two words"}, false), "3:two\n5:words\n");
}
