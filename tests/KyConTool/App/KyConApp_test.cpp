// The application object in console mode, each case a run of the test tool.
#include "KyConTool/App/ProtocolPrefix.h"
#include "TestSupport.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

using kytest::RunTool;
using kytest::ScratchDir;

namespace {

const std::string kTool = "KyConTool_tool.exe: ";

struct ExitCase {
    std::vector<std::string> words;
    DWORD exitCode;
    std::string out;
    std::string err;
};

} // namespace

TEST(KyConApp, ExitCodesAndMessages)
{
    const ExitCase cases[] = {
        {{"say:hello"}, 0, kTool + "hello\n", ""},
        {{"warn:careful", "say:after"}, 0, kTool + "after\n", kTool + "careful\n"},
        {{"merge1"}, 1, "", ""},
        {{"nonfatal", "say:never"}, 1, "", ""},
        {{"fatal:boom", "say:never"}, 2, "", kTool + "boom\n"},
        {{"merge1", "fatal:boom"}, 3, "", kTool + "boom\n"},
        {{"usage"}, 2, "", "For help, try: KyConTool_tool.exe -?\n"},
        {{"fatalusage:bad"}, 2, "", kTool + "bad\nFor help, try: KyConTool_tool.exe -?\n"},
        {{"merge1", "fatalexit:gone", "say:never"}, 3, "", kTool + "gone\n"},
        {{"throw:oops"}, 2, "", kTool + "oops\n"},
        {{"again"}, 2, "", kTool + "Multiple calls to KyConApp::Go\n"},
        // The second object has run no Go: its program name is still empty.
        {{"second"}, 2, "", ": Multiple KyConApps\n"},
    };
    ScratchDir dir;
    for (const ExitCase& c : cases) {
        SCOPED_TRACE(c.words[0]);
        kytest::ToolRun run = RunTool(dir, c.words, {});
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(run.err, c.err);
    }
}

TEST(KyConApp, ConsoleModeWarnsAndSkips)
{
    ScratchDir dir;
    kytest::WriteFile(dir["text.txt"], "plain text");
    kytest::WriteFile(dir["binary.bin"], std::string("a\0b", 3));
    kytest::WriteFile(dir["locked.txt"], "read-only");
    SetFileAttributesA(dir["locked.txt"].c_str(), FILE_ATTRIBUTE_READONLY);
    const std::string missing = dir["missing.txt"];
    const kytest::EnvList env = {{"KYTEST_RECORD", dir["record.txt"]},
                                 {"KYVANT_LOAD_FILE", "task.kyt"}};

    kytest::ToolRun run =
        RunTool(dir,
                {"infile:" + missing, "infile:" + dir["binary.bin"], "infile:" + dir["locked.txt"],
                 "infile:" + dir["text.txt"], "infile:" + dir["."], "env:KYVANT_LOAD_FILE"},
                env);
    EXPECT_EQ(run.exitCode, 1u);
    const std::string record = kytest::ReadText(dir["record.txt"]);
    EXPECT_NE(record.find("skipped " + missing), std::string::npos);
    EXPECT_NE(record.find("skipped " + dir["binary.bin"]), std::string::npos);
    EXPECT_NE(record.find("skipped " + dir["locked.txt"]), std::string::npos);
    EXPECT_NE(record.find("opened " + dir["text.txt"]), std::string::npos);
    EXPECT_NE(record.find("KYVANT_LOAD_FILE unset"), std::string::npos);
    EXPECT_NE(run.err.find(": " + missing + "\n"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(kTool + "Binary file: " + dir["binary.bin"] + "\n"), std::string::npos);
    EXPECT_NE(run.err.find(kTool + "Read-only file: " + dir["locked.txt"] + "\n"),
              std::string::npos);
    EXPECT_NE(run.err.find(kTool + "Not a file: " + dir["."] + "\n"), std::string::npos);
    EXPECT_EQ(GetFileAttributesA(dir["locked.txt"].c_str()) & FILE_ATTRIBUTE_READONLY,
              static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
}

TEST(KyConApp, OutputToStandardOutputLeavesItOpen)
{
    ScratchDir dir;
    kytest::ToolRun run = RunTool(dir, {"stdout"}, {});
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(run.out, "through OutFile\nafter Close\n");
}

TEST(ProtocolPrefix, ComputedOnceUntilReset)
{
    const char* const kVariable = "Kyvant_Protocol_Prefix_EnvVar";
    const std::string own = std::to_string(GetCurrentProcessId()) + "_";
    _putenv("Kyvant_Protocol_Prefix_EnvVar=In_");
    EXPECT_STREQ(Kyvant::GetProtocolPrefix().c_str(), "In_");
    _putenv("Kyvant_Protocol_Prefix_EnvVar=Changed_");
    EXPECT_STREQ(Kyvant::GetProtocolPrefix().c_str(), "In_") << "kept until reset";
    Kyvant::ResetProtocolPrefix();
    EXPECT_EQ(std::getenv(kVariable), nullptr) << "a reset removes the variable";
    EXPECT_EQ(Kyvant::GetProtocolPrefix().c_str(), own);
    ASSERT_NE(std::getenv(kVariable), nullptr);
    EXPECT_EQ(std::getenv(kVariable), own);
    char value[32] = "";
    GetEnvironmentVariableA(kVariable, value, sizeof value);
    EXPECT_EQ(value, own) << "also in the process environment, for CreateProcess";
    Kyvant::RemoveProtocolPrefixFromEnvironment();
    EXPECT_EQ(std::getenv(kVariable), nullptr);
    EXPECT_EQ(Kyvant::GetProtocolPrefix().c_str(), own);
    Kyvant::ResetProtocolPrefix();
}

TEST(ProtocolPrefix, InheritedOrOwnAndPassedToChildren)
{
    ScratchDir dir;
    const std::string record = dir["record.txt"];
    RunTool(dir, {"prefix"}, {{"KYTEST_RECORD", record}, {"Kyvant_Protocol_Prefix_EnvVar", "Px_"}});
    EXPECT_NE(kytest::ReadText(record).find("prefix=Px_\n"), std::string::npos);
    DeleteFileA(record.c_str());

    RunTool(dir, {"prefix", "child"}, {{"KYTEST_RECORD", record}});
    const std::string text = kytest::ReadText(record);
    const size_t pid = text.find(" pid=") + 5;
    const std::string own = "prefix=" + text.substr(pid, text.find('\n', pid) - pid) + "_\n";
    const size_t first = text.find(own);
    ASSERT_NE(first, std::string::npos) << text;
    EXPECT_NE(text.find(own, first + 1), std::string::npos) << "the child's prefix: " << text;
}
