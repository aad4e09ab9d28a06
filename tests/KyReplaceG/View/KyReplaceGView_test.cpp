// The Replace view in a frame with the real KyReplace and the engine stand-in over fixture files:
// matches shown in both modes and answered by its buttons, what the engine was sent, stops with
// and without a question waiting, the log pane, reader errors and a new start after them.
#include "View/ViewHost.h"

#include "ReplaceGTestApp.h"
#include "Task/JobSupport.h"
#include "common/WindowPng.h"

#include "KyReplace/Gui/Packets/PacketCodes.h"
#include "KyReplace/Gui/Task/ReplaceJob.h"
#include "KyReplace/Gui/Task/ReplaceMessages.h"
#include "KyReplace/Gui/View/ReplaceTextOptions.h"
#include "KyReplace/Gui/View/ReplaceViewResource.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace Kyvant;
using namespace replgtest;

namespace {

const COLORREF kBlue = RGB(0, 0, 0xFF);
const COLORREF kRed = RGB(0xFF, 0, 0);
const COLORREF kGrey = RGB(0x80, 0x80, 0x80);
const char kStopQuestion[] = "Stop this Replace Task?";

// Each test's view starts from the built-in text options.
void ForgetTextOptions()
{
    HKEY key = TestApp().GetRegKey().get();
    for (const char* value :
         {"TabSize", "WordWrap", "MatchColor", "ReplColor", "SkipColor", "UseColors"})
        RegDeleteValueA(key, value);
    for (const char* font : {"MainFont", "LogWindowFont"})
        RegDeleteKeyA(key, font);
}

// A view in its frame, the scratch folder and the engine's reply log.
class ReplaceViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::getenv("DISPLAY"))
            GTEST_SKIP() << "no X display for the view's window";
        TestApp().boxes.clear();
        TestApp().boxTypes.clear();
        TestApp().answerBox = nullptr;
        ForgetTextOptions();
        host.reset(new ReplaceViewHost);
    }

    void TearDown() override
    {
        TestApp().answerBox = nullptr;
        host.reset();
    }

    std::string Copy(const char* fixture, const char* name)
    {
        kytest::WriteFile(dir[name], Fixture(fixture));
        return dir[name];
    }

    // The engine's switches for the task: its replies logged, and more.
    void Engine(const std::string& more = "")
    {
        std::string options = "\"--test-reply-log=" + dir["replies.log"] + "\"";
        if (!more.empty())
            options += " " + more;
        engine.reset(); // the old setting goes back first
        engine.reset(new reptest::SharedSetting("PerlOptions", options));
    }

    std::string Replies() { return kytest::ReadFile(dir["replies.log"]); }
    std::string Text(UINT id) { return host->Text(id); }
    COLORREF Colour(UINT id, long pos) { return CharColour(host->Pane(id), pos); }
    CHARRANGE Selection(UINT id)
    {
        CHARRANGE range;
        host->Pane(id).GetSel(range);
        return range;
    }
    size_t Count(const std::string& box)
    {
        size_t n = 0;
        for (const std::string& b : TestApp().boxes)
            n += b == box;
        return n;
    }
    bool Shown(UINT status)
    {
        for (UINT id : host->frame().statuses)
            if (id == status)
                return true;
        return false;
    }

    reptest::Scratch dir;
    std::unique_ptr<reptest::SharedSetting> engine;
    std::unique_ptr<ReplaceViewHost> host;
};

#define EXPECT_RANGE(first, last, range)                                                           \
    do {                                                                                           \
        const CHARRANGE r_ = (range);                                                              \
        EXPECT_EQ((first), r_.cpMin);                                                              \
        EXPECT_EQ((last), r_.cpMax);                                                               \
    } while (0)

} // namespace

// Three matches in the whole text, answered Replace, Skip and Replace All in
// this file: the engine gets 0, 3 and 2; Before shows each answer in its
// colour, After the match's line with the replacement; an answer button
// pressed while no question waits beeps and sends nothing.
TEST_F(ReplaceViewTest, ThreeMatchesInTheWholeText)
{
    const std::string a = Copy("three-cats.txt", "a.txt");
    Engine();
    host->AcceptNext({"-pcat", "-qdog", "@!", a});
    host->InitialUpdate();

    ASSERT_TRUE(host->WaitForQuestion());
    EXPECT_TRUE(host->document().IsModified());
    EXPECT_EQ("a cat\nthe cat sat\ncat\n", Text(IDC_KY_REPLACE_BEFORE));
    EXPECT_EQ(kBlue, Colour(IDC_KY_REPLACE_BEFORE, 2));
    EXPECT_EQ(CLR_DEFAULT, Colour(IDC_KY_REPLACE_BEFORE, 1));
    EXPECT_EQ("a dog", Text(IDC_KY_REPLACE_AFTER));
    EXPECT_EQ(kRed, Colour(IDC_KY_REPLACE_AFTER, 2));
    EXPECT_EQ(CLR_DEFAULT, Colour(IDC_KY_REPLACE_AFTER, 1));
    EXPECT_EQ("cat", Text(IDC_KY_REPLACE_MATCHED));
    EXPECT_EQ("dog", Text(IDC_KY_REPLACE_REPLACING_WITH));
    EXPECT_EQ("&Matched:", Text(IDC_KY_REPLACE_MATCHED_LABEL));
    EXPECT_EQ("Line: 1, Col: 3, MLen: 3, RLen: 3", Text(IDC_KY_REPLACE_POSITION));
    EXPECT_NE(std::string::npos, Text(IDC_KY_REPLACE_FILE).find("a.txt"));
    host->Click(IDC_KY_REPLACE_ANSWER_REPLACE);
    EXPECT_EQ(0, host->beeps());
    host->Click(IDC_KY_REPLACE_ANSWER_SKIP);
    EXPECT_EQ(1, host->beeps()) << "no question waits";
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), host->beepTypes().back());

    ASSERT_TRUE(host->WaitForQuestion());
    EXPECT_EQ("a dog\nthe cat sat\ncat\n", Text(IDC_KY_REPLACE_BEFORE));
    EXPECT_EQ(kRed, Colour(IDC_KY_REPLACE_BEFORE, 2));
    EXPECT_EQ(kBlue, Colour(IDC_KY_REPLACE_BEFORE, 10));
    EXPECT_EQ("the dog sat", Text(IDC_KY_REPLACE_AFTER));
    EXPECT_EQ("Line: 2, Col: 5, MLen: 3, RLen: 3", Text(IDC_KY_REPLACE_POSITION));
    host->Click(IDC_KY_REPLACE_ANSWER_SKIP);

    ASSERT_TRUE(host->WaitForQuestion());
    EXPECT_EQ(kRed, Colour(IDC_KY_REPLACE_BEFORE, 2));
    EXPECT_EQ(kGrey, Colour(IDC_KY_REPLACE_BEFORE, 10));
    EXPECT_EQ(kBlue, Colour(IDC_KY_REPLACE_BEFORE, 18));
    EXPECT_EQ("Line: 3, Col: 1, MLen: 3, RLen: 3", Text(IDC_KY_REPLACE_POSITION));
    kytest::SaveWindowPng(host->frame().m_hWnd, "KyReplaceG_view_whole_text");
    host->Click(IDC_KY_REPLACE_ANSWER_REPLACE_FILE);

    ASSERT_TRUE(host->WaitForEnd());
    EXPECT_EQ("0\n3\n2\n", Replies());
    EXPECT_EQ("a dog\nthe cat sat\ndog\n", kytest::ReadFile(a));
    EXPECT_EQ(1, host->beeps());
    EXPECT_FALSE(host->document().IsModified());
    EXPECT_EQ("", Text(IDC_KY_REPLACE_BEFORE));
    EXPECT_EQ("", Text(IDC_KY_REPLACE_FILE));
    EXPECT_FALSE(host->Enabled(IDC_KY_REPLACE_ANSWER_REPLACE));
    EXPECT_NE(std::string::npos, Text(IDC_KY_REPLACE_LOG).find("Made 2 replacements"))
        << Text(IDC_KY_REPLACE_LOG);
    EXPECT_TRUE(TestApp().boxes.empty());
}

// With colours off the match, the replacement and a skipped match are
// selected, never coloured.
TEST_F(ReplaceViewTest, WithoutColoursOnlySelections)
{
    const std::string a = Copy("three-cats.txt", "a.txt");
    Engine();
    host->view().SetColours(ReplaceTextOptions::kAutomatic, ReplaceTextOptions::kAutomatic,
                            ReplaceTextOptions::kAutomatic, false);
    host->AcceptNext({"-pcat", "-qdog", "@!", a});
    host->InitialUpdate();

    ASSERT_TRUE(host->WaitForQuestion());
    EXPECT_RANGE(2, 5, Selection(IDC_KY_REPLACE_BEFORE));
    EXPECT_RANGE(2, 5, Selection(IDC_KY_REPLACE_AFTER));
    EXPECT_EQ(CLR_DEFAULT, Colour(IDC_KY_REPLACE_BEFORE, 2));
    EXPECT_EQ(CLR_DEFAULT, Colour(IDC_KY_REPLACE_AFTER, 2));
    host->Click(IDC_KY_REPLACE_ANSWER_REPLACE);
    EXPECT_RANGE(2, 5, Selection(IDC_KY_REPLACE_BEFORE)); // the replacement
    EXPECT_EQ("a dog\nthe cat sat\ncat\n", Text(IDC_KY_REPLACE_BEFORE));

    ASSERT_TRUE(host->WaitForQuestion());
    EXPECT_RANGE(10, 13, Selection(IDC_KY_REPLACE_BEFORE));
    host->Click(IDC_KY_REPLACE_ANSWER_SKIP);
    EXPECT_EQ(CLR_DEFAULT, Colour(IDC_KY_REPLACE_BEFORE, 10));
    EXPECT_RANGE(10, 10, Selection(IDC_KY_REPLACE_BEFORE));

    ASSERT_TRUE(host->WaitForQuestion());
    EXPECT_EQ(CLR_DEFAULT, Colour(IDC_KY_REPLACE_BEFORE, 2));
    host->Click(IDC_KY_REPLACE_ANSWER_SKIP_ALL);
    ASSERT_TRUE(host->WaitForEnd());
    EXPECT_EQ("0\n3\n4\n", Replies());
    EXPECT_EQ("a dog\nthe cat sat\ncat\n", kytest::ReadFile(a));
}

// Line by line: the view tells the engine how many lines Before shows (800
// and an odd count of at least 5); each question's window of lines replaces
// Before's text, lines the last window shared keeping their colours.
TEST_F(ReplaceViewTest, LineByLineWindows)
{
    std::string text;
    for (int i = 1; i <= 20; ++i) {
        char line[32];
        std::snprintf(line, sizeof line, "row %02d%s\n", i,
                      i == 8 || i == 10 || i == 12 ? " cat" : "");
        text += line;
    }
    kytest::WriteFile(dir["rows.txt"], text);
    Engine();
    host->AcceptNext({"-L", "-pcat", "-qdog", "@!", dir["rows.txt"]});
    host->InitialUpdate();

    ASSERT_TRUE(host->WaitForQuestion());
    std::string before = Text(IDC_KY_REPLACE_BEFORE);
    EXPECT_NE(std::string::npos, text.find(before)) << "a run of the file's lines";
    size_t at = before.find("row 08 cat");
    ASSERT_NE(std::string::npos, at) << before;
    EXPECT_EQ(kBlue, Colour(IDC_KY_REPLACE_BEFORE, static_cast<long>(at + 7)));
    EXPECT_EQ("row 08 dog", Text(IDC_KY_REPLACE_AFTER));
    EXPECT_EQ("Line: 8, Col: 8, MLen: 3, RLen: 3", Text(IDC_KY_REPLACE_POSITION));
    host->Click(IDC_KY_REPLACE_ANSWER_SKIP);

    ASSERT_TRUE(host->WaitForQuestion());
    before = Text(IDC_KY_REPLACE_BEFORE);
    EXPECT_NE(std::string::npos, text.find(before)) << before;
    at = before.find("row 08 cat");
    ASSERT_NE(std::string::npos, at) << "the window moved down by two lines: " << before;
    EXPECT_EQ(kGrey, Colour(IDC_KY_REPLACE_BEFORE, static_cast<long>(at + 7)))
        << "a line both windows hold stays as answered";
    size_t match = before.find("row 10 cat");
    ASSERT_NE(std::string::npos, match);
    EXPECT_EQ(kBlue, Colour(IDC_KY_REPLACE_BEFORE, static_cast<long>(match + 7)));
    EXPECT_EQ("Line: 10, Col: 8, MLen: 3, RLen: 3", Text(IDC_KY_REPLACE_POSITION));
    kytest::SaveWindowPng(host->frame().m_hWnd, "KyReplaceG_view_line_by_line");
    host->Click(IDC_KY_REPLACE_ANSWER_REPLACE);
    before.replace(match, 10, "row 10 dog");
    EXPECT_EQ(before, Text(IDC_KY_REPLACE_BEFORE));

    ASSERT_TRUE(host->WaitForQuestion());
    before = Text(IDC_KY_REPLACE_BEFORE);
    match = before.find("row 12 cat");
    ASSERT_NE(std::string::npos, match) << before;
    EXPECT_EQ(kBlue, Colour(IDC_KY_REPLACE_BEFORE, static_cast<long>(match + 7)));
    EXPECT_EQ("Line: 12, Col: 8, MLen: 3, RLen: 3", Text(IDC_KY_REPLACE_POSITION));
    const CHARFORMATA top = CharFormat(host->Pane(IDC_KY_REPLACE_BEFORE), 0);
    const CHARFORMATA end =
        CharFormat(host->Pane(IDC_KY_REPLACE_BEFORE), static_cast<long>(before.size()) - 2);
    EXPECT_STREQ("Courier New", end.szFaceName) << "lines added at the end keep the font";
    EXPECT_EQ(top.yHeight, end.yHeight);
    host->Click(IDC_KY_REPLACE_ANSWER_REPLACE);
    ASSERT_TRUE(host->WaitForEnd());

    const std::string replies = Replies();
    unsigned lines = 0;
    ASSERT_EQ(1, std::sscanf(replies.c_str(), "800\n%u\n", &lines)) << replies;
    EXPECT_GE(lines, 5u);
    EXPECT_EQ(1u, lines % 2);
    const int kMostLinesBeforeShows = 15;
    EXPECT_LE(lines, static_cast<unsigned>(kMostLinesBeforeShows)) << "measured in the main font";
    EXPECT_EQ("800\n" + std::to_string(lines) + "\n3\n0\n0\n", replies);
    EXPECT_NE(std::string::npos, kytest::ReadFile(dir["rows.txt"])
                                     .find("row 08 cat\nrow 09\nrow 10 dog\nrow 11\nrow 12 dog\n"));
}

// The Matched label names the rule when the plan has more than one.
TEST_F(ReplaceViewTest, RuleOfThreeInTheLabel)
{
    const std::string a = Copy("three-cats.txt", "a.txt");
    Engine();
    host->AcceptNext({"-L", "-pant", "-qbee", "-pcat", "-qdog", "-pelk", "-qfox", "@!", a});
    host->InitialUpdate();
    ASSERT_TRUE(host->WaitForQuestion());
    EXPECT_EQ("&Matched (Rule 2 of 3):", Text(IDC_KY_REPLACE_MATCHED_LABEL));
    EXPECT_EQ("cat", Text(IDC_KY_REPLACE_MATCHED));
    EXPECT_EQ("Line: 1, Col: 3, MLen: 3, RLen: 3", Text(IDC_KY_REPLACE_POSITION));
    host->Click(IDC_KY_REPLACE_ANSWER_CANCEL);
    ASSERT_TRUE(host->WaitForEnd());
    EXPECT_TRUE(Shown(IDS_KY_REPLACE_WORKING));
    EXPECT_NE(std::string::npos, Replies().find("\n8\n")) << Replies();
    EXPECT_EQ(Fixture("three-cats.txt"), kytest::ReadFile(a));
}

// Stop with a question waiting asks once; OK sends the one reply 6 and ends
// the task with the file as it was.
TEST_F(ReplaceViewTest, StopWhileAQuestionWaits)
{
    const std::string a = Copy("three-cats.txt", "a.txt");
    Engine();
    host->AcceptNext({"-pcat", "-qdog", "@!", a});
    host->InitialUpdate();
    ASSERT_TRUE(host->WaitForQuestion());
    host->Click(IDC_KY_REPLACE_STOP);
    EXPECT_FALSE(host->view().TaskRunning());
    EXPECT_EQ(std::vector<std::string>{kStopQuestion}, TestApp().boxes);
    EXPECT_EQ("6\n", Replies());
    EXPECT_EQ(Fixture("three-cats.txt"), kytest::ReadFile(a));
    EXPECT_FALSE(host->document().IsModified());
    EXPECT_EQ(host->Pane(IDC_KY_REPLACE_LOG).m_hWnd, ::GetFocus());
    EXPECT_TRUE(host->view().IsWindowEnabled());
}

// Stop while the engine works pauses it and asks once it has paused:
// Cancel resumes it and the task goes on (the engine's pause before each
// file waits for such a resume too); a later Stop, answered OK, sets DoQuit
// and the task ends.
TEST_F(ReplaceViewTest, StopWhileTheEngineRunsPausesFirst)
{
    const std::string a = Copy("three-cats.txt", "a.txt");
    Engine("--test-pause-per-file");
    host->AcceptNext({"-pcat", "-qdog", "@!", a});
    host->InitialUpdate();
    ASSERT_TRUE(PumpUntil([this] { return Shown(IDS_KY_REPLACE_WORKING); }, kJobTimeoutMs));

    std::vector<UINT> statusAtBox;
    TestApp().answerBox = [this, &statusAtBox](const std::string&) {
        statusAtBox.push_back(host->frame().statuses.back());
        return IDCANCEL;
    };
    const int kMostStops = 10;
    for (int i = 0; i < kMostStops && !host->view().AnswerPending(); ++i) {
        host->frame().statuses.clear();
        host->Click(IDC_KY_REPLACE_STOP);
        ASSERT_TRUE(host->view().TaskRunning());
        EXPECT_TRUE(Shown(IDS_KY_REPLACE_PAUSING));
        EXPECT_EQ(static_cast<UINT>(IDS_KY_REPLACE_WORKING), host->frame().statuses.back());
        EXPECT_EQ(host->Pane(IDC_KY_REPLACE_BEFORE).m_hWnd, ::GetFocus());
        PumpUntil([this] { return host->view().AnswerPending(); }, 300);
    }
    ASSERT_TRUE(host->view().AnswerPending()) << "resumed, the engine asks";
    EXPECT_EQ(std::vector<UINT>(statusAtBox.size(), IDS_KY_REPLACE_PAUSED), statusAtBox);
    EXPECT_EQ(std::vector<std::string>(statusAtBox.size(), kStopQuestion), TestApp().boxes);
    EXPECT_EQ("Line: 1, Col: 3, MLen: 3, RLen: 3", Text(IDC_KY_REPLACE_POSITION));
    host->Click(IDC_KY_REPLACE_ANSWER_REPLACE_ALL);

    // The engine pauses again before its next item and waits there.
    TestApp().answerBox = nullptr;
    TestApp().boxes.clear();
    host->Click(IDC_KY_REPLACE_STOP);
    EXPECT_FALSE(host->view().TaskRunning());
    EXPECT_EQ(std::vector<std::string>{kStopQuestion}, TestApp().boxes);
    EXPECT_EQ("1\n", Replies());
    EXPECT_EQ("a dog\nthe dog sat\ndog\n", kytest::ReadFile(a));
    EXPECT_FALSE(host->document().IsModified());
    EXPECT_TRUE(host->view().IsWindowEnabled());
    EXPECT_TRUE(TestApp().GetConProcess().empty());
}

// Stop while the engine works, answered OK at once: nothing is replaced.
TEST_F(ReplaceViewTest, StopWhileTheEngineRunsAnsweredOk)
{
    const std::string a = Copy("three-cats.txt", "a.txt");
    Engine("--test-pause-per-file");
    host->AcceptNext({"-pcat", "-qdog", "@!", a});
    host->InitialUpdate();
    ASSERT_TRUE(PumpUntil([this] { return Shown(IDS_KY_REPLACE_WORKING); }, kJobTimeoutMs));
    host->Click(IDC_KY_REPLACE_STOP);
    EXPECT_FALSE(host->view().TaskRunning());
    EXPECT_EQ(std::vector<std::string>{kStopQuestion}, TestApp().boxes);
    EXPECT_TRUE(Shown(IDS_KY_REPLACE_PAUSED));
    EXPECT_EQ("", Replies());
    EXPECT_EQ(Fixture("three-cats.txt"), kytest::ReadFile(a));
    EXPECT_FALSE(host->document().IsModified());
}

namespace {

// A process that has ended, standing for an engine that is gone; the
// caller owns the handle.
HANDLE EndedProcess()
{
    char command[] = "cmd.exe /c exit 0";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!::CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                          nullptr, &startup, &info))
        return nullptr;
    ::CloseHandle(info.hThread);
    ::WaitForSingleObject(info.hProcess, kJobTimeoutMs);
    return info.hProcess;
}

// Sends the engine's pause packet to the view from a thread of its own, as
// the reader does, and waits there until the view has served it.
DWORD WINAPI SendPausePacket(LPVOID view)
{
    ::SendMessageA(static_cast<HWND>(view), kPerlPacketMessage, kPacketPaused, 0);
    return 0;
}

bool SentMessageQueued()
{
    return (HIWORD(::GetQueueStatus(QS_SENDMESSAGE)) & QS_SENDMESSAGE) != 0;
}

} // namespace

// The engine's process has ended while its pause packet is still on its
// way: the packet is served and the user asked, rather than the stop taken
// as agreed.
TEST_F(ReplaceViewTest, APacketOnItsWayWhenTheEngineEndsIsServedBeforeTheStop)
{
    const std::string a = Copy("three-cats.txt", "a.txt");
    Engine("--test-pause-per-file");
    host->AcceptNext({"-pcat", "-qdog", "@!", a});
    host->InitialUpdate();
    // The engine waits in its pause before the first file; the view is made
    // to take it as working, so that the stop pauses it and waits.
    ASSERT_TRUE(PumpUntil(
        [this] {
            ReplaceJob* job = host->view().CurrentJob();
            return job != nullptr && !job->WatchedProcess().empty() && job->IsPaused();
        },
        kJobTimeoutMs));
    host->view().CurrentJob()->SetPaused(false);
    HANDLE ended = EndedProcess();
    ASSERT_NE(nullptr, ended);
    host->view().CurrentJob()->WatchProcess(ended);

    // Once the engine is paused for the stop, the packet is sent and waits
    // while the view looks at the ended process.
    HANDLE sender = nullptr;
    bool queued = false;
    TestApp().idleHook = [&] {
        if (host->view().IsWindowEnabled())
            return false;
        sender = ::CreateThread(nullptr, 0, &SendPausePacket, host->view().m_hWnd, 0, nullptr);
        const DWORD start = ::GetTickCount();
        while (!(queued = SentMessageQueued()) && ::GetTickCount() - start < kJobTimeoutMs)
            ::Sleep(1);
        return true;
    };
    host->Click(IDC_KY_REPLACE_STOP);
    TestApp().idleHook = nullptr;
    ASSERT_NE(nullptr, sender);
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(sender, kJobTimeoutMs));
    ::CloseHandle(sender);
    EXPECT_TRUE(queued);
    EXPECT_EQ(std::vector<std::string>{kStopQuestion}, TestApp().boxes);
    EXPECT_TRUE(Shown(IDS_KY_REPLACE_PAUSED));
    EXPECT_FALSE(host->view().TaskRunning());
    EXPECT_EQ(Fixture("three-cats.txt"), kytest::ReadFile(a));
}

// With word wrap the position line still counts the file's lines; turning
// it off while a question waits keeps the position, and the match can be
// selected again in both panes.
TEST_F(ReplaceViewTest, WordWrapKeepsTheFileLines)
{
    const std::string longLine(400, 'x');
    kytest::WriteFile(dir["a.txt"], longLine + " cat\nthe cat\n");
    Engine();
    host->view().SetWordWrap(true);
    host->AcceptNext({"-pcat", "-qdog", "@!", dir["a.txt"]});
    host->InitialUpdate();

    ASSERT_TRUE(host->WaitForQuestion());
    EXPECT_GT(host->Pane(IDC_KY_REPLACE_BEFORE).GetLineCount(), 3) << "the long line wraps";
    EXPECT_EQ("Line: 1, Col: 402, MLen: 3, RLen: 3", Text(IDC_KY_REPLACE_POSITION));
    host->Click(IDC_KY_REPLACE_ANSWER_REPLACE);
    ASSERT_TRUE(host->WaitForQuestion());
    EXPECT_EQ("Line: 2, Col: 5, MLen: 3, RLen: 3", Text(IDC_KY_REPLACE_POSITION));
    EXPECT_EQ("the dog", Text(IDC_KY_REPLACE_AFTER));

    host->view().SetWordWrap(false);
    EXPECT_EQ(3, host->Pane(IDC_KY_REPLACE_BEFORE).GetLineCount());
    EXPECT_EQ("Line: 2, Col: 5, MLen: 3, RLen: 3", Text(IDC_KY_REPLACE_POSITION));
    host->Pane(IDC_KY_REPLACE_BEFORE).SetSel(0, 0);
    host->view().SelectMatchedText();
    const long second = static_cast<long>(longLine.size()) + 9;
    EXPECT_RANGE(second, second + 3, Selection(IDC_KY_REPLACE_BEFORE));
    EXPECT_RANGE(4, 7, Selection(IDC_KY_REPLACE_AFTER));

    host->Click(IDC_KY_REPLACE_NEW);
    EXPECT_EQ(1, host->frame().newCommands);
    EXPECT_EQ(host->Pane(IDC_KY_REPLACE_BEFORE).m_hWnd, ::GetFocus());
    host->Click(IDC_KY_REPLACE_ANSWER_SKIP_FILE);
    ASSERT_TRUE(host->WaitForEnd());
    EXPECT_EQ("5\n", Replies().substr(Replies().size() - 2));
    EXPECT_EQ(longLine + " dog\nthe cat\n", kytest::ReadFile(dir["a.txt"]));
}
