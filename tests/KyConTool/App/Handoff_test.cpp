// The console side of the hand-off: the records read and written, and whole
// GUI-mode runs of the test tool against the double of its front-end.
#include "KyConTool/App/ConGuiHandoff.h"
#include "TestSupport.h"
#include "common/HexBytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

using namespace Kyvant;
using kytest::ScratchDir;

namespace {

std::vector<char> Block(unsigned argc, const std::string& strings, unsigned size = 4096)
{
    std::vector<char> block(size, '\0');
    std::memcpy(&block[8], &argc, 4);
    std::memcpy(&block[16], strings.data(), std::min<size_t>(strings.size(), size - 16));
    return block;
}

} // namespace

TEST(HandoffArgs, ReadsOnlyInsideTheBlock)
{
    const struct {
        const char* title;
        std::vector<char> block;
        HandoffArgs::Status status;
    } cases[] = {
        {"three arguments", Block(3, std::string("tool\0-v\0a b\0\0", 14)), HandoffArgs::kOk},
        {"argc too large", Block(0x7fffffff, std::string("tool\0x\0\0", 8)),
         HandoffArgs::kCountMismatch},
        {"argc zero", Block(0, std::string("\0", 1)), HandoffArgs::kCountMismatch},
        {"argc negative", Block(0xffffffff, std::string("\0", 1)), HandoffArgs::kCountMismatch},
        {"more strings than argc + 1", Block(1, std::string("tool\0a\0b\0\0", 10)),
         HandoffArgs::kTooManyStrings},
        {"no NUL up to the end", Block(1, std::string(4096 - 16, 'A')),
         HandoffArgs::kCountMismatch},
        {"block smaller than its header", std::vector<char>(8, '\0'), HandoffArgs::kCountMismatch},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        HandoffArgs args;
        EXPECT_EQ(args.Read(c.block.data(), static_cast<unsigned>(c.block.size()), "prog.exe"),
                  c.status);
    }
    HandoffArgs args;
    const std::vector<char> block = Block(3, std::string("tool\0-v\0a b\0\0", 14));
    ASSERT_EQ(args.Read(block.data(), 4096, "prog.exe"), HandoffArgs::kOk);
    ASSERT_EQ(args.argc(), 3);
    EXPECT_STREQ(args.argv()[0], "prog.exe");
    EXPECT_STREQ(args.argv()[1], "-v");
    EXPECT_STREQ(args.argv()[2], "a b");
    EXPECT_EQ(args.argv()[3], nullptr);
}

// The front-end's window and process go into the header as 32-bit words on
// both widths, and come back widened with their sign.
TEST(HandoffPeers, HeaderWordsHaveTheirFixedBytes)
{
    const struct {
        const char* title;
        UINT_PTR window;
        INT_PTR process;
        const char* header; // the block's first 20 bytes, run flag and argc untouched
    } cases[] = {
        {"small handles", 0x10ABC, 0x1F4,
         "55 55 55 55 bc 0a 01 00 55 55 55 55 f4 01 00 00 55 55 55 55"},
        {"none", 0, 0, "55 55 55 55 00 00 00 00 55 55 55 55 00 00 00 00 55 55 55 55"},
        {"high bits", static_cast<UINT_PTR>(static_cast<INT_PTR>(-0x7FFFEDCC)), -1,
         "55 55 55 55 34 12 00 80 55 55 55 55 ff ff ff ff 55 55 55 55"},
    };
    const size_t kShown = 20;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        const HandoffPeers peers = {reinterpret_cast<HWND>(c.window),
                                    reinterpret_cast<HANDLE>(c.process)};
        std::vector<char> block(ToolHandoffBlock::kSize, '\x55');
        WriteHandoffPeers(block.data(), peers);
        EXPECT_EQ(kytest::HexTable(c.header), kytest::ToHex(std::string(block.data(), kShown)));
        EXPECT_EQ(std::count(block.begin() + kShown, block.end(), '\x55'),
                  static_cast<std::ptrdiff_t>(block.size() - kShown))
            << "nothing after the header words";

        const std::string fixed = kytest::FromHex(c.header);
        const HandoffPeers read = ReadHandoffPeers(fixed.data());
        EXPECT_EQ(peers.progressWindow, read.progressWindow);
        EXPECT_EQ(peers.guiProcess, read.guiProcess);
    }
}

TEST(GuiProgress, PayloadsFitTheBlock)
{
    const struct {
        size_t text, caption; // caption npos: a single text
        size_t textOut, captionOut;
    } cases[] = {
        {10, std::string::npos, 10, 0}, {5000, std::string::npos, 4095, 0},
        {4000, 200, 3894, 200},         {5, 5000, 5, 4089},
        {4000, 5000, 2047, 2047},       {0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.text) + "+" + std::to_string(c.caption));
        std::vector<char> block(4096 + 8, '#');
        const std::string text(c.text, 't'),
            caption(c.caption == std::string::npos ? 0 : c.caption, 'c');
        const bool two = c.caption != std::string::npos;
        const unsigned n = GuiProgress::WritePayload(block.data(), 4096, text.c_str(),
                                                     two ? caption.c_str() : nullptr);
        EXPECT_EQ(std::strlen(block.data()), c.textOut);
        if (two) {
            EXPECT_EQ(std::strlen(block.data() + c.textOut + 1), c.captionOut);
        }
        EXPECT_EQ(n, c.textOut + 1 + (two ? c.captionOut + 1 : 0));
        EXPECT_EQ(block[4096], '#') << "nothing written past the block";
    }
}

namespace {

// One GUI-mode run: the tool starts the double with the script; returns the
// tool's run, the double's log (after its last line) and Main's record.
struct GuiRun {
    kytest::ToolRun tool;
    std::string log, record;
};

// With ownPrefix, the run gets a protocol prefix of its own: Wine hands a new
// process the id of one that just ended, so with ids for prefixes a double
// still on its way from an earlier run could open this run's hand-off
// objects. Without it the tool makes its prefix from its id, as it does for
// users.
GuiRun RunGui(const ScratchDir& dir, const std::string& script,
              const std::vector<std::string>& args = {}, kytest::EnvList env = {},
              bool ownPrefix = true)
{
    DeleteFileA(dir["double.log"].c_str());
    DeleteFileA(dir["record.txt"].c_str());
    env.push_back({"KYTEST_DOUBLE_SCRIPT", "log=" + dir["double.log"] + ";" + script});
    static unsigned runs = 0;
    if (ownPrefix)
        env.push_back({"Kyvant_Protocol_Prefix_EnvVar",
                       "kytest" + std::to_string(GetCurrentProcessId()) + "r" +
                           std::to_string(++runs) + "_"});
    env.push_back({"KYTEST_RECORD", dir["record.txt"]});
    GuiRun run;
    run.tool = kytest::RunTool(dir, args, env);
    run.log = kytest::ReadLog(dir["double.log"], "end code=");
    run.record = kytest::ReadText(dir["record.txt"]);
    return run;
}

bool Has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

size_t Count(const std::string& text, const std::string& part)
{
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

class GuiMode : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::getenv("DISPLAY"))
            GTEST_SKIP() << "no X display for the front-end's window";
    }
    ScratchDir dir;
};

} // namespace

TEST_F(GuiMode, HandsBackTheCommandLine)
{
    GuiRun run = RunGui(dir, "args=-v|a b|@!|x", {}, {}, false);
    EXPECT_EQ(run.tool.exitCode, 0u) << run.tool.err;
    EXPECT_TRUE(Has(run.record, "main argc=5 "));
    EXPECT_TRUE(Has(run.record, "arg0=KyConTool_tool.exe\narg1=-v\narg2=a b\narg3=@!\narg4=x\n"))
        << run.record;
    const size_t pid = run.record.find(" pid=") + 5;
    const std::string prefix = run.record.substr(pid, run.record.find('\n', pid) - pid) + "_";
    EXPECT_TRUE(Has(run.log, "start handle=yes kystarted=no loadfile= left=no prefix=" + prefix))
        << run.log;
    EXPECT_TRUE(Has(run.log, "80C8 w=1 l=0 n1=16 t1=Kyvant Test Tool\n")) << run.log;
    EXPECT_EQ(Count(run.log, "80C9 w=0 l=0 n1=3 t1=a b\n"), 1u) << run.log;
    EXPECT_EQ(Count(run.log, "80C9 w=0 l=0 n1=1 t1=x\n"), 1u);
    EXPECT_TRUE(Has(run.log, "80CB w=0 l=0\nend code=0")) << run.log;
}

TEST_F(GuiMode, StarterVariableSelectsGuiModeWithArguments)
{
    GuiRun run = RunGui(dir, "args=env:KYVANT_KYSTARTED|env:KYVANT_LOAD_FILE", {"say:ignored"},
                        {{"KYVANT_KYSTARTED", "1"}, {"KYVANT_LOAD_FILE", "task.kyt"}});
    EXPECT_EQ(run.tool.exitCode, 0u);
    EXPECT_TRUE(Has(run.log, "kystarted=yes loadfile=task.kyt left=no")) << run.log;
    EXPECT_TRUE(Has(run.record, "KYVANT_KYSTARTED unset\nKYVANT_LOAD_FILE unset\n")) << run.record;
    EXPECT_FALSE(Has(run.tool.out, "ignored"));
}

TEST_F(GuiMode, CommandLineMacrosReachTheFrontEnd)
{
    // Started by the starter with words: each name=value sets a variable the
    // front-end inherits, a bare name removes one.
    GuiRun run = RunGui(
        dir, "env=KYTEST_MACRO_SET,KYTEST_MACRO_GONE,KYTEST_MACRO_KEPT",
        {"KYTEST_MACRO_SET=a b=c", "KYTEST_MACRO_GONE"},
        {{"KYVANT_KYSTARTED", "1"}, {"KYTEST_MACRO_GONE", "old"}, {"KYTEST_MACRO_KEPT", "kept"}});
    EXPECT_EQ(run.tool.exitCode, 0u) << run.tool.err;
    EXPECT_TRUE(Has(run.log, "env KYTEST_MACRO_SET=a b=c\n"
                             "env KYTEST_MACRO_GONE unset\n"
                             "env KYTEST_MACRO_KEPT=kept\n"))
        << run.log;
}

TEST_F(GuiMode, FrontEndThatGivesUpOrGoes)
{
    const struct {
        const char* script;
        const char* err; // nullptr: nothing on standard error
        bool mainRuns;
    } cases[] = {
        {"mode=cancel", nullptr, false},
        {"mode=die", nullptr, false},
        {"args=checkterm;exiton=C9:0", nullptr, true},
        {"args=checkterm;exiton=C9:7",
         "KyConTool_tool.exe: The progress dialog has failed (code 0)\n", true},
        {"mode=forge-argc", "KyConTool_tool.exe: sma argc discrepancy - 2\n", false},
        {"mode=forge-nonul", "KyConTool_tool.exe: sma argc discrepancy - 2\n", false},
        {"mode=forge-many", "KyConTool_tool.exe: sma argc discrepancy - 1\n", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        GuiRun run = RunGui(dir, c.script);
        EXPECT_EQ(run.tool.exitCode, 2u);
        EXPECT_EQ(run.tool.err, c.err ? c.err : "");
        EXPECT_EQ(Has(run.record, "main argc"), c.mainRuns);
        EXPECT_FALSE(Has(run.record, "survived"));
    }
}

TEST_F(GuiMode, QueriesAndMessageBoxes)
{
    kytest::WriteFile(dir["there.txt"], "text");
    const std::string missing = dir["missing.txt"];
    const std::string files = "infile:" + missing + "|infile:" + dir["there.txt"];

    GuiRun skip = RunGui(dir, "args=" + files + ";query=1");
    EXPECT_EQ(skip.tool.exitCode, 1u);
    EXPECT_TRUE(Has(skip.record, "skipped " + missing + "\nopened " + dir["there.txt"]));
    EXPECT_TRUE(Has(skip.log, "80CA w=4 l=2 n1=" + std::to_string(missing.size()) + " t1="))
        << skip.log;

    GuiRun cancel = RunGui(dir, "args=" + files + ";query=0");
    EXPECT_EQ(cancel.tool.exitCode, 3u);
    EXPECT_FALSE(Has(cancel.record, "opened"));
    EXPECT_EQ(cancel.tool.err, "");

    GuiRun warn = RunGui(dir, "args=warn:careful|say:after;box=2");
    EXPECT_EQ(warn.tool.exitCode, 2u);
    EXPECT_TRUE(Has(warn.log, "80CC w=49 l=0 n1=7 t1=careful n2=16 t2=Kyvant Test Tool answer=2"))
        << warn.log;
    EXPECT_FALSE(Has(warn.tool.out, "after"));

    GuiRun longBox = RunGui(dir, "args=longbox");
    EXPECT_TRUE(Has(longBox.log, "80C8 w=1 l=0 n1=200 ")) << longBox.log;
    EXPECT_TRUE(Has(longBox.log, "80CC w=49 l=0 n1=3894 t1=WWW")) << longBox.log;
    EXPECT_TRUE(Has(longBox.log, "n2=200 t2=DDD"));

    GuiRun longCaption = RunGui(dir, "args=longcaption");
    EXPECT_TRUE(Has(longCaption.log, "80C8 w=1 l=0 n1=4095 ")) << longCaption.log;
    EXPECT_TRUE(Has(longCaption.log, "80CC w=49 l=0 n1=5 t1=short n2=4089 ")) << longCaption.log;
}

TEST_F(GuiMode, ReadOnlyAttributeClearedAndRestored)
{
    kytest::WriteFile(dir["ro.txt"], "text");
    SetFileAttributesA(dir["ro.txt"].c_str(), FILE_ATTRIBUTE_READONLY);
    GuiRun run = RunGui(dir, "args=attrib:" + dir["ro.txt"] + ";query=2");
    EXPECT_EQ(run.tool.exitCode, 0u);
    EXPECT_TRUE(Has(run.log, "80CA w=0 l=1 ")) << run.log;
    EXPECT_TRUE(Has(run.record, "attrib during=0 skip=0\nattrib after=1\n")) << run.record;
}
