// KyReplace with the Replace front-end: the double of the front-end started
// by KyReplace or starting it, its task dialog, the handed-over pipes, the
// engine's questions and the log lines.
#include "FrontEndTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

using namespace reptest;

namespace {

const std::string kProgram = "KyReplace.exe: ";

bool Has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// The log line the double writes for a log text of KyReplace.
std::string LogLine(int kind, const std::string& text)
{
    std::string escaped;
    for (char c : text)
        escaped += c == '\n' ? "\\n" : c == '\t' ? "\\t" : std::string(1, c);
    return "log kind=" + std::to_string(kind) + " len=" + std::to_string(text.size()) +
           " text=" + escaped + " end=nl\n";
}

class FrontEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::getenv("DISPLAY"))
            GTEST_SKIP() << "no X display for the front-end's window";
    }
    // A new log for each run of the double.
    std::string LogPath() { return logs["double" + std::to_string(++runs) + ".log"]; }

    int runs = 0;

    Scratch dir, logs;
};

} // namespace

TEST_F(FrontEnd, KyReplaceStartsItAndReplacesThroughIt)
{
    WriteFile(dir["a.txt"], "hello you, hello");
    const FrontEndRun r =
        RunKyReplaceWithDouble(LogPath(), "args=-NB|-phello|-qbye|@!|" + dir["a.txt"]);

    EXPECT_EQ(0u, r.run.exitCode) << r.run.err << r.log;
    EXPECT_EQ("bye you, bye", ReadFile(dir["a.txt"]));
    EXPECT_EQ("hello you, hello", ReadFile(dir["a.txt.bak"]));
    EXPECT_EQ("", r.run.out) << "results go to the log only";
    const std::string result =
        dir["a.txt"] + ": Made 2 replacements.\n\t(Original backed up as: " + dir["a.txt.bak"] +
        ").";
    EXPECT_TRUE(Has(r.log, "start console=yes\ndialog from=self\nreleased run=1\nlinked\n"))
        << r.log;
    EXPECT_TRUE(Has(r.log, "400 single=0\n")) << r.log;
    EXPECT_TRUE(Has(r.log, "403\n405 name=" + dir["a.txt"] + "\n404 count=2\n")) << r.log;
    EXPECT_TRUE(Has(r.log, LogLine(0, result))) << r.log;
    EXPECT_TRUE(Has(r.log, LogLine(0, "Made 2 replacements in 1 file."))) << r.log;
    EXPECT_TRUE(Has(r.log, "401\n")) << r.log;
    EXPECT_TRUE(Has(r.log, "engine handle=ok\n")) << r.log;
    EXPECT_TRUE(Has(r.log, "engine exit=0\n")) << r.log;
}

TEST_F(FrontEnd, DialogRequestedByKyReplace)
{
    WriteFile(dir["a.txt"], "hello");
    const std::string args = ";args=-N|-phello|-qbye|@!|" + dir["a.txt"];
    const struct {
        const char* script;
        bool request; // WM_APP 4 arrives
        const char* released;
        DWORD exitCode;
    } cases[] = {
        {"dialog=accept", true, "released run=1\nlinked\n", 0},
        {"dialog=cancel", true, "released run=0\nkyreplace ended unlinked\n", 2},
        {"dialog=refuse", false, "kyreplace ended unlinked\n", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        WriteFile(dir["a.txt"], "hello");
        const FrontEndRun r = RunDoubleFirst(LogPath(), c.script + args);
        EXPECT_TRUE(Has(r.log, "start console=no\n")) << r.log;
        EXPECT_EQ(c.request, Has(r.log, "dialog from=message\n")) << r.log;
        EXPECT_TRUE(Has(r.log, c.released)) << r.log;
        EXPECT_TRUE(Has(r.log, "kyreplace exit=" + std::to_string(c.exitCode) + "\n")) << r.log;
        EXPECT_EQ(c.exitCode == 0 ? "bye" : "hello", ReadFile(dir["a.txt"]));
        EXPECT_EQ("", r.run.err);
    }
}

TEST_F(FrontEnd, FrontEndThatEndsEarly)
{
    const struct {
        const char* script;
        const char* err;
    } cases[] = {
        {"dialog=die", ""},
        {"link=die", "Unable to initialize KyReplaceG.\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        WriteFile(dir["a.txt"], "hello");
        const FrontEndRun r = RunKyReplaceWithDouble(
            LogPath(), std::string(c.script) + ";args=-N|-phello|-qbye|@!|" + dir["a.txt"]);
        EXPECT_EQ(2u, r.run.exitCode) << r.log;
        EXPECT_EQ(*c.err ? kProgram + c.err : "", r.run.err);
        EXPECT_EQ("hello", ReadFile(dir["a.txt"]));
        EXPECT_EQ((std::vector<std::string>{"a.txt"}), List(dir.path()));
    }
}

// Questions go to the front-end with the match where the text stands now;
// its replies decide each match.
TEST_F(FrontEnd, QuestionsAndReplies)
{
    const struct {
        const char* options;
        const char* text;
        const char* replies;
        const char* after;
        std::vector<std::string> logged;
    } cases[] = {
        {"-p",
         "hello hello hello",
         "3,0",
         "hello bye bye",
         {"400 single=0\n", "407 size=17 text=hello hello hello\n",
          "406 rule=1/1 start=0 len=5 find=hello with=bye repl=bye\nreply 3\n",
          "406 rule=1/1 start=6 len=5 find=hello with=bye repl=bye\nreply 0\n",
          "406 rule=1/1 start=10 len=5 find=hello with=bye repl=bye\nreply 0\n", "404 count=2\n"}},
        {"-L|-p",
         "one\nhello hello\nthree\n",
         "5",
         "one\nhello hello\nthree\n",
         {"400 single=1\n",
          "406 rule=1/1 lines=3 first=1 index=1 window=one\\n|hello hello\\n|three\\n start=0 "
          "len=5 "
          "find=hello with=bye repl=bye\nreply 5\n",
          "404 count=0\n"}},
        {"-p",
         "hello hello",
         "1",
         "bye bye",
         {"406 rule=1/1 start=0 len=5 find=hello with=bye repl=bye\nreply 1\n404 count=2\n"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.options) + " " + c.replies);
        WriteFile(dir["a.txt"], c.text);
        const FrontEndRun r = RunDoubleFirst(LogPath(), std::string("replies=") + c.replies +
                                                            ";lines=3;args=" + c.options +
                                                            "hello|-qbye|@!|" + dir["a.txt"]);
        EXPECT_TRUE(Has(r.log, "kyreplace exit=0\n")) << r.log << r.run.err;
        EXPECT_EQ(c.after, ReadFile(dir["a.txt"]));
        for (const std::string& line : c.logged)
            EXPECT_TRUE(Has(r.log, line)) << line << "\n" << r.log;
    }
}

TEST_F(FrontEnd, WarningsAndErrorsReachTheLog)
{
    WriteFile(dir["a.txt"], "hello");
    {
        SharedSetting options("PerlOptions", "\"--test-stderr-line=careful now\"");
        const FrontEndRun r = RunDoubleFirst(LogPath(), "args=-N|-phello|-qbye|@!|" + dir["a.txt"]);
        EXPECT_TRUE(Has(r.run.err, kProgram + "KyPerl: careful now\n")) << r.run.err;
        EXPECT_TRUE(Has(r.log, LogLine(1, "KyPerl: careful now"))) << r.log;
        EXPECT_TRUE(Has(r.log, "kyreplace exit=0\n")) << r.log;
    }
    {
        SharedSetting program("PerlAppName", "NoSuchEngine.exe");
        WriteFile(dir["a.txt"], "hello");
        const FrontEndRun r = RunDoubleFirst(LogPath(), "args=-N|-phello|-qbye|@!|" + dir["a.txt"]);
        const std::size_t at = r.run.err.find(kProgram);
        ASSERT_NE(std::string::npos, at) << r.run.err;
        const std::string error = r.run.err.substr(at + kProgram.size());
        EXPECT_TRUE(Has(r.log, LogLine(2, error.substr(0, error.size() - 1)))) << r.log;
        EXPECT_TRUE(Has(r.log, "kyreplace exit=2\n")) << r.log;
        EXPECT_EQ("hello", ReadFile(dir["a.txt"]));
    }
}

TEST_F(FrontEnd, NothingSentOnceTheLogDied)
{
    WriteFile(dir["a.txt"], "hello");
    SharedSetting options("PerlOptions", "--test-stderr-line=warned");
    const FrontEndRun r =
        RunDoubleFirst(LogPath(), "died=1;args=-NV|-phello|-qbye|@!|" + dir["a.txt"]);
    EXPECT_TRUE(Has(r.log, "kyreplace exit=0\n")) << r.log;
    EXPECT_FALSE(Has(r.log, "log kind=")) << r.log;
    EXPECT_TRUE(Has(r.run.err, kProgram + "KyPerl: warned\n")) << r.run.err;
    EXPECT_TRUE(Has(r.run.out, kProgram + "Made 1 replacement in 1 file.\n")) << r.run.out;
    EXPECT_EQ("bye", ReadFile(dir["a.txt"]));
}

TEST_F(FrontEnd, FrontEndGoneAfterLinking)
{
    WriteFile(dir["a.txt"], "hello");
    const FrontEndRun r =
        RunKyReplaceWithDouble(LogPath(), "link=vanish;args=-N|-phello|-qbye|@!|" + dir["a.txt"]);
    EXPECT_FALSE(r.run.timedOut);
    EXPECT_EQ(2u, r.run.exitCode & 2) << r.run.err;
    EXPECT_TRUE(Has(r.log, "linked\nend code=7\n")) << r.log;
    EXPECT_EQ("hello", ReadFile(dir["a.txt"]));
    EXPECT_EQ((std::vector<std::string>{"a.txt"}), List(dir.path()));
}

// The front-end holds the file-check mutex and pauses the engine, as a
// user's stop does while it asks: the feeder has to wait, and the engine
// pauses at that wait flag. Quitting then ends the feeding silently,
// resuming lets the run go on.
TEST_F(FrontEnd, PauseWhileHoldingTheFileCheck)
{
    const struct {
        const char* answer;
        const char* traced; // after the script line
        const char* after;
        DWORD exitCode;
    } cases[] = {
        {"quit", "wait 1 stop\n", "hello", 2},
        {"resume", "wait 0 end\n", "bye", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        WriteFile(dir["a.txt"], "hello");
        SharedSetting options("PerlOptions", "--test-trace=" + logs["trace.log"]);
        const FrontEndRun r =
            RunDoubleFirst(LogPath(), std::string("pause=") + c.answer +
                                          ";args=-N|-phello|-qbye|@!|" + dir["a.txt"]);
        const std::string trace = ReadFile(logs["trace.log"]);
        EXPECT_TRUE(Has(trace, std::string("\n") + c.traced)) << trace;
        EXPECT_TRUE(Has(r.log, std::string("410\n") + c.answer + "\n")) << r.log;
        EXPECT_TRUE(Has(r.log, "401\n")) << r.log;
        EXPECT_TRUE(Has(r.log, "kyreplace exit=" + std::to_string(c.exitCode) + "\n")) << r.log;
        EXPECT_FALSE(Has(r.log, "log kind=1")) << r.log;
        EXPECT_EQ("", r.run.err);
        EXPECT_EQ(c.after, ReadFile(dir["a.txt"]));
        EXPECT_EQ((std::vector<std::string>{"a.txt"}), List(dir.path()));
    }
}

TEST(FrontEndVariable, MalformedHandleIsReported)
{
    const ProgramRun run = RunKyReplace({}, "", {"KYVANT_KyReplaceG_PROCESS_HDL=12x"});
    EXPECT_EQ(2u, run.exitCode);
    EXPECT_EQ(kProgram + "Bad value of KYVANT_KyReplaceG_PROCESS_HDL: 12x\n", run.err);
}
