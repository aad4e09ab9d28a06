// KyDirG under a Dir program's burst of messages: one box of its texts at a
// time, the texts that came meanwhile gathered into the next, every text
// shown or counted, the listing complete; while a box is up the status says
// the task works and the count pane shows a count, never its sizing string.
#include "KyDirG/KyDirGDriving.h"
#include "TaskBoxes.h"

#include <regex>

using namespace kytest::gui;
using namespace dirge2e;
using namespace taskboxes;

namespace {

const unsigned kBurst = 5000;
const DWORD kBurstMs = 120000;
const char kCountSizing[] = "999,999,999 Objects";

bool IsCount(const std::string& text)
{
    static const std::regex shape("[0-9][0-9,]* objects?");
    return std::regex_match(text, shape);
}

} // namespace

TEST(KyDirGMessages, ABurstOfMessagesComesInFewBoxesAndEveryTextIsShownOrCounted)
{
    const std::string folder = WriteFixture();
    HandOverPaths({folder});
    Session session;
    ASSERT_TRUE(session.ShowDialog({"KYTEST_TASK_LINK=messages=" + std::to_string(kBurst)}));
    ASSERT_TRUE(session.Accept());
    int shot = 0;
    const Answered answered =
        AnswerBoxesUntilIdle(session.program.Pid(), session.status, kBurstMs, [&](const Box& box) {
            if (IsToolTextBox(box.text) && ++shot == 2)
                ScreenshotOfBox(box.window, kArtifacts, "10-gathered-box");
        });
    ASSERT_FALSE(answered.timedOut) << DescribeWindows(session.program.Pid());
    EXPECT_TRUE(session.program.Running());
    EXPECT_EQ(1, answered.toolBoxesAtOnce);

    const Tally tally = TallyTestMessages(answered.texts);
    ASSERT_FALSE(answered.texts.empty());
    EXPECT_EQ("KyDir: test message 1", answered.texts.front());
    EXPECT_EQ(kBurst, tally.Total());
    EXPECT_LE(tally.boxes, 20);
    EXPECT_GE(tally.boxes, 2);
    for (size_t i = 1; i < tally.listed.size(); ++i)
        EXPECT_LT(tally.listed[i - 1], tally.listed[i]) << i;

    EXPECT_TRUE(session.Listed(kFixtureRows));
    EXPECT_EQ("5 objects", StatusText(session.status, kCountPane));
    session.Close();
    EXPECT_EQ(0u, session.program.Wait(kStartMs)) << DescribeWindows(session.program.Pid());
    kytest::RemoveTree(folder);
}

TEST(KyDirGMessages, WhileABoxIsUpTheStatusSaysTheTaskWorks)
{
    const std::string folder = WriteFixture();
    HandOverPaths({folder});
    Session session;
    ASSERT_TRUE(session.ShowDialog({"KYTEST_TASK_LINK=messages=1,slow=20000,slow-ms=20"}));
    ASSERT_TRUE(session.Accept());
    const Box box = WaitForBox(session.program.Pid(), kStartMs);
    ASSERT_NE(nullptr, box.window);
    EXPECT_EQ("KyDir: test message 1", box.text);
    EXPECT_TRUE(WaitFor([&] { return StatusText(session.status, 0) == "Working..."; }, 5000))
        << StatusText(session.status, 0);
    EXPECT_TRUE(WaitFor([&] { return IsCount(StatusText(session.status, kCountPane)); }, 5000))
        << StatusText(session.status, kCountPane);
    EXPECT_NE(kCountSizing, StatusText(session.status, kCountPane));
    Screenshot(session.frame, kArtifacts, "11-status-during-box");
    ASSERT_TRUE(Answer(box, IDOK));
    EXPECT_EQ("Working...", StatusText(session.status, 0));
    session.Close();
    EXPECT_EQ(0u, session.program.Wait(kStartMs)) << DescribeWindows(session.program.Pid());
    kytest::RemoveTree(folder);
}
