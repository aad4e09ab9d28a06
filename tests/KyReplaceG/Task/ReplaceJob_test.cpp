// Replace jobs in this process with the real KyReplace and the engine
// stand-in over fixture files: confirmed replacements in both modes, the
// task dialog's answer, start failures, broken engines, pauses, and twenty
// jobs in a row under one prefix.
#include "Task/JobSupport.h"

#include "ReplaceGTestApp.h"

#include "KyReplace/Gui/Packets/PacketCodes.h"
#include "KyReplace/Gui/Task/KyReplaceProcess.h"
#include "KyReplace/Gui/Task/LinkObjectNames.h"
#include "KyReplace/Console/FrontEnd/ReplaceLinkBlocks.h"
#include "KyStd/Core/Errors.h"
#include "common/WindowPng.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

using namespace Kyvant;
using namespace replgtest;

namespace replgtest {

std::vector<std::string> OpenTaskObjects(const std::string& prefix)
{
    namespace N = ReplaceLinkNames;
    const char* const events[] = {
        N::kFrontEndEvent,      N::kDialogTermEvent, N::kToolEvent,
        N::kDoQuitEvent,        N::kHasQuitEvent,    N::kPauseEvent,
        N::kResumeEvent,        N::kEndFileEvent,    N::kModifiedTempFileEvent,
        N::kLogWindowDiedEvent, N::kPerlReadyEvent,  "Kyvant_GuiApp_Done_Event"};
    const char* const mutexes[] = {N::kLogWindowMutex, N::kFileCheckMutex};
    const char* const blocks[] = {kReplaceFrontEndBlockName, kReplaceToolBlockName,
                                  "KyvantSharedData", "Kyvant_GuiProgress_ShMem"};
    std::vector<std::string> open;
    auto check = [&open, &prefix](const char* name, HANDLE h) {
        if (h) {
            open.push_back(prefix + name);
            CloseHandle(h);
        }
    };
    for (const char* name : events)
        check(name, OpenEventA(SYNCHRONIZE, FALSE, (prefix + name).c_str()));
    for (const char* name : mutexes)
        check(name, OpenMutexA(SYNCHRONIZE, FALSE, (prefix + name).c_str()));
    for (const char* name : blocks)
        check(name, OpenFileMappingA(FILE_MAP_READ, FALSE, (prefix + name).c_str()));
    return open;
}

} // namespace replgtest

namespace {

const char kQuitDuringText[] = "The replace engine ended while its file text waited for the view.";

std::string Escape(const std::string& text)
{
    return Escaped(text);
}

class ReplaceJobTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::getenv("DISPLAY"))
            GTEST_SKIP() << "no X display for the view's window";
    }

    std::string Copy(const char* fixture, const char* name)
    {
        kytest::WriteFile(dir[name], Fixture(fixture));
        return dir[name];
    }

    reptest::Scratch dir;
};

} // namespace

TEST_F(ReplaceJobTest, ConfirmedReplacementOverTheWholeText)
{
    const std::string a = Copy("greeting.txt", "a.txt"), b = Copy("unmatched.txt", "b.txt");
    ViewScript script;
    script.args = {"-B", "-phello", "-qbye", "@!", a, b};
    script.replies = {3, 0};
    JobRun job(script, "\"--test-reply-log=" + dir["replies.log"] + "\"");
    ASSERT_TRUE(job.Run()) << job.view().LogText();

    EXPECT_TRUE(InOrder(
        job.log(), {"dialog accepted", "released run=1 failed=0", "started here=1", "400 single=0",
                    "403", "405 name=" + a, "407 size=22 got=22",
                    "406 rule=1/1 base=0 start=0 len=5 matched=hello with=bye repl=bye", "reply 3",
                    "406 rule=1/1 base=0 start=16 len=5 matched=hello with=bye repl=bye", "reply 0",
                    "404 count=1 word0=1", "403", "405 name=" + b, "407 size=20 got=20",
                    "404 count=0 word0=0", "401", "ended"}));
    EXPECT_TRUE(HasLine(job.log(), "watch engine"));
    EXPECT_TRUE(HasLine(job.log(), "log kind=0 " + a + ": Made 1 replacement."))
        << job.view().LogText();
    EXPECT_EQ("hello world\nsay bye\n", kytest::ReadFile(a));
    EXPECT_EQ(Fixture("greeting.txt"), kytest::ReadFile(a + ".bak"));
    EXPECT_EQ(Fixture("unmatched.txt"), kytest::ReadFile(b));
    EXPECT_EQ((std::vector<std::string>{"a.txt", "a.txt.bak", "b.txt", "replies.log"}),
              reptest::List(dir.path()));
    EXPECT_EQ("3\n0\n", kytest::ReadFile(dir["replies.log"]));
    EXPECT_TRUE(TestApp().GetConProcess().empty()) << "KyReplace ended with the job";
    kytest::SaveWindowPng(job.view().m_hWnd, "KyReplaceG_job_whole_text");
}

TEST_F(ReplaceJobTest, ConfirmedReplacementLineByLine)
{
    const std::string c = Copy("crlf-lines.txt", "c.txt");
    ViewScript script;
    script.args = {"-LB", "-phello", "-qbye", "@!", c};
    script.visibleLines = 8;
    JobRun job(script, "\"--test-reply-log=" + dir["replies.log"] + "\"");
    ASSERT_TRUE(job.Run()) << job.view().LogText();

    EXPECT_TRUE(InOrder(job.log(), {"400 single=1", "reply 800 lines=8", "403", "405 name=" + c,
                                    "406 rule=1/1 base=0 start=0 len=5 window=" +
                                        Escape("one\r\n|hello two\r\n|three\n") +
                                        " index=1 matched=hello with=bye repl=bye",
                                    "reply 0", "404 count=1 word0=1", "401", "ended"}));
    EXPECT_FALSE(HasLine(job.log(), "407")) << "no whole text in single-line mode";
    EXPECT_EQ("one\r\nbye two\r\nthree\n", kytest::ReadFile(c));
    EXPECT_EQ(Fixture("crlf-lines.txt"), kytest::ReadFile(c + ".bak"));
    EXPECT_EQ("800\n7\n0\n", kytest::ReadFile(dir["replies.log"]));
    kytest::SaveWindowPng(job.view().m_hWnd, "KyReplaceG_job_single_line");
}

// EndDialog hands the answer back: the hand-off's run flag, word 1 of the
// front-end block; a cancelled dialog lets KyReplace end before its event.
TEST_F(ReplaceJobTest, CancelledDialogEndsTheStart)
{
    const std::string a = Copy("greeting.txt", "a.txt");
    ViewScript script;
    script.acceptDialog = false;
    script.args = {"-phello", "-qbye", "@!", a};
    JobRun job(script);
    ASSERT_TRUE(job.Run());
    EXPECT_EQ("dialog cancelled\nreleased run=0 failed=1\n"
              "start failed: Unable to initialize KyReplace - Code 4 (dialog failed)\n",
              job.view().LogText());
    EXPECT_TRUE(ReplaceJob::DialogFailed());
    EXPECT_TRUE(TestApp().GetConProcess().empty());
    EXPECT_EQ(Fixture("greeting.txt"), kytest::ReadFile(a));
    EXPECT_TRUE(OpenTaskObjects(OwnPrefix()).empty());
}

TEST_F(ReplaceJobTest, StartFailures)
{
    struct Case {
        const char* name;
        std::string commandLine;
        std::string failure;
    };
    const Case cases[] = {
        {"no such program", "NoSuchKyReplace.exe", "Unable to initialize KyReplace - Code 5"},
        // It sets the front-end's event but has none of KyReplace's objects:
        // the job undoes itself and ends it, rather than wait for it.
        {"half a KyReplace", "\"" + reptest::BinDir() + "KyReplaceG_half_kyreplace.exe\"",
         os_error(ERROR_FILE_NOT_FOUND).what()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ReplaceJob::KyReplaceProcess::SetCommandLine(c.commandLine.c_str());
        JobRun job{ViewScript()};
        const DWORD start = GetTickCount();
        ASSERT_TRUE(job.Run());
        ReplaceJob::KyReplaceProcess::SetCommandLine(nullptr);
        EXPECT_EQ("start failed: " + c.failure + "\n", job.view().LogText());
        EXPECT_LT(GetTickCount() - start, 20000u);
        EXPECT_TRUE(TestApp().GetConProcess().empty());
        EXPECT_TRUE(OpenTaskObjects(OwnPrefix()).empty());
    }
    EXPECT_STREQ("KyReplace.exe", ReplaceJob::KyReplaceProcess::CommandLine().c_str());
}

// Broken engines: each fault reaches the view as 402 after the abort event,
// the job ends, KyReplace ends, and the file stays as it was.
TEST_F(ReplaceJobTest, BrokenEnginesEndTheTask)
{
    struct Case {
        const char* option;
        bool lineMode;
        std::string failure;
    };
    const Case cases[] = {
        {"--test-never-ready", false, "Perl didn't start properly."},
        {"--test-code=399", false, "Got unexpected code - 2."},
        {"--test-code=411", false, "Got unexpected code - 2."},
        {"--test-piece-first", false, kQuitDuringText},
        {"--test-name-in-text", false, "Got unexpected code - 1."},
        {"--test-text-overrun", false, "File size guarantee was violated."},
        {"--test-huge-string", false,
         "Got a packet string of 2147483647 bytes, more than the 32768 allowed."},
        {"--test-bad-window-index", true,
         "Bad replace question: the match's line 2 is outside the window of 2 lines."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.option);
        const std::string a = Copy("greeting.txt", "a.txt");
        ViewScript script;
        script.args = {c.lineMode ? "-LB" : "-B", "-phello", "-qbye", "@!", a};
        JobRun job(script, c.option);
        ASSERT_TRUE(job.Run()) << job.view().LogText();
        EXPECT_TRUE(InOrder(job.log(), {"402 " + c.failure + " (aborted)", "ended"}));
        EXPECT_EQ(Fixture("greeting.txt"), kytest::ReadFile(a));
        EXPECT_EQ((std::vector<std::string>{"a.txt"}), reptest::List(dir.path()));
        EXPECT_TRUE(TestApp().GetConProcess().empty());
    }
}

// Stopped at a question, the view deletes the job at once: the engine's
// last packet comes while the job waits for its reader, and is served.
TEST_F(ReplaceJobTest, DeletedWhileTheEngineStillSends)
{
    const std::string a = Copy("greeting.txt", "a.txt");
    ViewScript script;
    script.args = {"-phello", "-qbye", "@!", a};
    script.stopAtQuestion = true;
    JobRun job(script, "\"--test-reply-log=" + dir["replies.log"] + "\"");
    ASSERT_TRUE(job.Run()) << job.view().LogText();
    EXPECT_TRUE(InOrder(job.log(), {"reply 6", "401", "ended"}));
    EXPECT_EQ("6\n", kytest::ReadFile(dir["replies.log"]));
    EXPECT_EQ(Fixture("greeting.txt"), kytest::ReadFile(a));
    EXPECT_TRUE(TestApp().GetConProcess().empty());
    EXPECT_TRUE(OpenTaskObjects(OwnPrefix()).empty());
}

// The engine pauses before each file-list item; the view resumes it.
TEST_F(ReplaceJobTest, PausesAreAnsweredWithResume)
{
    const std::string a = Copy("greeting.txt", "a.txt");
    ViewScript script;
    script.args = {"-phello", "-qbye", "@!", a};
    JobRun job(script, "--test-pause-per-file");
    ASSERT_TRUE(job.Run()) << job.view().LogText();
    EXPECT_TRUE(InOrder(job.log(), {"410", "resume", "405 name=" + a, "reply 0", "reply 0",
                                    "404 count=2 word0=2", "410", "resume", "401", "ended"}));
    EXPECT_EQ("bye world\nsay bye\n", kytest::ReadFile(a));
}

// A larger text through the engine reaches the view's stream as the file
// holds it.
TEST_F(ReplaceJobTest, LargeTextThroughTheEngine)
{
    std::string text;
    for (int line = 0; text.size() < 1024 * 1024; ++line)
        text += "line " + std::to_string(line) + " \x01\x7f\xe9\t with bytes\r\n";
    kytest::WriteFile(dir["big.txt"], text);
    ViewScript script;
    script.collectText = true;
    script.args = {"-pNOWHERE", "-qx", "@!", dir["big.txt"]};
    JobRun job(script);
    ASSERT_TRUE(job.Run()) << job.view().LogText();
    EXPECT_TRUE(InOrder(job.log(), {"407 size=" + std::to_string(text.size()) +
                                        " got=" + std::to_string(text.size()),
                                    "404 count=0 word0=0", "401"}));
    EXPECT_TRUE(job.view().LastText() == text);
}

TEST_F(ReplaceJobTest, TwentyJobsInARowUnderOnePrefix)
{
    const std::string a = dir["a.txt"];
    for (int i = 0; i < 20; ++i) {
        SCOPED_TRACE(i);
        kytest::WriteFile(a, Fixture("greeting.txt"));
        ViewScript script;
        script.args = {"-phello", "-qbye", "@!", a};
        script.replies = {kReplyReplaceAllInFile};
        JobRun job(script);
        ASSERT_TRUE(job.Run()) << job.view().LogText();
        ASSERT_TRUE(InOrder(job.log(), {"404 count=2 word0=2", "401", "ended"}));
        EXPECT_EQ("bye world\nsay bye\n", kytest::ReadFile(a));
        EXPECT_EQ(std::vector<std::string>(), OpenTaskObjects(OwnPrefix()));
        EXPECT_EQ(nullptr, std::getenv("Kyvant_Protocol_Prefix_EnvVar"));
    }
}
