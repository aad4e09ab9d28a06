// The GUI driver against a small program of its own: windows by class and
// title, controls by id, typed keys and clicks, a message box answered and
// recorded, list-view and status-bar texts read across processes, a
// screenshot, the exit code.
#include "common/GuiDriver.h"
#include "common/ProgramFolder.h"

#include <gtest/gtest.h>

using namespace kytest::gui;

namespace {

const int kAskButton = 101;
const int kEdit = 102;
const int kList = 103;
const int kStatus = 104;
const int kCopyButton = 105;

class GuiDriverTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(target_.Start(kytest::ProgramFolder() + "KyDriverTarget.exe", {}));
        window_ = WaitForWindow(target_.Pid(), "KyTestDriverTarget", "Driver Target");
        ASSERT_NE(nullptr, window_);
    }

    Program target_;
    HWND window_ = nullptr;
};

} // namespace

TEST_F(GuiDriverTest, FindsWindowsAndReadsControls)
{
    EXPECT_EQ(nullptr, WaitForWindow(target_.Pid(), "KyTestDriverTarget", "Other", 100));
    EXPECT_EQ(nullptr, WaitForWindow(GetCurrentProcessId(), "KyTestDriverTarget", nullptr, 100));
    EXPECT_EQ("Ask", Text(Control(window_, kAskButton)));
    EXPECT_EQ(Control(window_, kList), ChildOfClass(window_, "SysListView32"));

    const std::vector<std::vector<std::string>> rows = ReadListView(Control(window_, kList));
    const std::vector<std::vector<std::string>> expected = {
        {"alpha.txt", "1"}, {"beta.txt", "22"}, {"gamma with blanks.txt", "333"}};
    EXPECT_EQ(expected, rows);
    EXPECT_EQ(-1, ListSelectedRow(Control(window_, kList)));

    HWND status = Control(window_, kStatus);
    EXPECT_EQ(2, StatusPaneCount(status));
    EXPECT_EQ("Ready", StatusText(status, 0));
    EXPECT_EQ("3 items", StatusText(status, 1));
    EXPECT_TRUE(Screenshot(window_, "GuiDriver_test", "target"));
}

TEST_F(GuiDriverTest, TypesClicksAndEndsTheProgram)
{
    HWND edit = Control(window_, kEdit);
    ASSERT_TRUE(Activate(window_));
    ClickAt(edit, 5, 5);
    Type("Hi there 12");
    ASSERT_TRUE(WaitFor([&] { return Text(edit) == "Hi there 12"; }, 3000)) << Text(edit);
    Click(Control(window_, kCopyButton));
    HWND status = Control(window_, kStatus);
    EXPECT_TRUE(WaitFor([&] { return StatusText(status, 0) == "Hi there 12"; }, 3000));

    SetText(edit, "set directly");
    EXPECT_EQ("set directly", Text(edit));

    PostMessageA(window_, WM_CLOSE, 0, 0);
    EXPECT_EQ(7u, target_.Wait(10000));
}

TEST_F(GuiDriverTest, AnswersAndRecordsMessageBoxes)
{
    HWND status = Control(window_, kStatus);
    Click(Control(window_, kAskButton));
    Box box = WaitForBox(target_.Pid());
    ASSERT_NE(nullptr, box.window);
    EXPECT_EQ("Target Question", box.title);
    EXPECT_EQ("Proceed with the test?", box.text);
    EXPECT_TRUE(Screenshot(box.window, "GuiDriver_test", "question"));
    EXPECT_FALSE(Answer(box, IDCANCEL)); // a Yes/No box has no Cancel
    ASSERT_TRUE(Answer(box, IDNO));
    EXPECT_TRUE(WaitFor([&] { return StatusText(status, 0) == "Answer: No"; }, 3000));

    Command(window_, kAskButton);
    box = WaitForBox(target_.Pid());
    ASSERT_TRUE(Answer(box, IDYES));
    EXPECT_TRUE(WaitFor([&] { return StatusText(status, 0) == "Answer: Yes"; }, 3000));
    EXPECT_EQ(nullptr, WaitForBox(target_.Pid(), 100).window);
}

// A start waits for its window while the program runs, answering the
// question asked on the way; a program that ends ends the wait at once.
TEST(GuiDriverStart, WaitsWhileTheProgramRunsAndAnswersItsQuestion)
{
    const std::string target = kytest::ProgramFolder() + "KyDriverTarget.exe";
    const StartQuestion yes{"anyway", IDYES};
    Program accepted;
    ASSERT_TRUE(accepted.Start(target, {"ask-first"}));
    HWND window = WaitForStartWindow(accepted, "KyTestDriverTarget", "Driver Target", 60000, {yes});
    ASSERT_NE(nullptr, window) << DescribeWindows(accepted.Pid());
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(7u, accepted.Wait(10000));

    const StartQuestion no{"anyway", IDNO};
    const DWORD kLimitMs = 120000;
    Program refused;
    ASSERT_TRUE(refused.Start(target, {"ask-first"}));
    const DWORD started = GetTickCount();
    EXPECT_EQ(nullptr, WaitForStartWindow(refused, "KyTestDriverTarget", nullptr, kLimitMs, {no}));
    EXPECT_LT(GetTickCount() - started, kLimitMs / 2);
    EXPECT_EQ(3u, refused.Wait(10000));
}
