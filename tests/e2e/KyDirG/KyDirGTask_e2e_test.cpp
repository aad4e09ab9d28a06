// KyDirG's tasks from outside: an empty listing says so, or says that the
// listing went to the named list file, which then holds it; Find in Current
// Results does nothing over an empty list and otherwise hands the listed
// files to a new task's dialog; closing during a task stops it; a Dir
// program that ignores the request to stop is ended through the Task
// Status dialog.
#include "KyDirG/KyDirGDriving.h"

using namespace kytest::gui;
using namespace dirge2e;

namespace {

const int kEndTaskButton = 1022;
const char kSlowStream[] = "KYTEST_TASK_LINK=slow=20000,slow-ms=20";
// The watchdog offers End Task at its second tick, 10.5 s after Stop; a
// loaded machine may show it late, but before the third, 10 s later.
const DWORD kTaskStatusMs = 20500;
// How long a command that must do nothing is given to show a window.
const DWORD kNothingMs = 1500;
// Longer than the stand-in's pause between two made-up files and the
// list's monitor tick together.
const DWORD kSettleMs = 600;

// The shown text of the view's message window over an empty list.
std::string MessageText(HWND frame)
{
    struct Search {
        static BOOL CALLBACK Each(HWND child, LPARAM out)
        {
            if (GetDlgCtrlID(child) != 0xFFFF || !IsWindowVisible(child) ||
                ClassOf(child) != "Static")
                return TRUE;
            *reinterpret_cast<std::string*>(out) = Text(child);
            return FALSE;
        }
    };
    std::string text;
    EnumChildWindows(frame, &Search::Each, reinterpret_cast<LPARAM>(&text));
    return text;
}

// The task dialog that a frame command opens; null when none shows.
HWND WaitForTaskDialog(Session& session, DWORD timeoutMs = kStartMs)
{
    return WaitForWindow(session.program.Pid(), "#32770", kDialogTitle, timeoutMs);
}

} // namespace

TEST(KyDirGTask, AnEmptyListingSaysSoOrThatItWentToTheListFile)
{
    const std::string folder = kytest::NewFolder(kytest::ScratchBase(), "kydirg_e2e_empty");
    HandOverPaths({folder});
    Session empty;
    ASSERT_TRUE(empty.Start());
    ASSERT_TRUE(empty.Listed(0));
    EXPECT_TRUE(
        WaitFor([&] { return MessageText(empty.frame) == "The search results are empty"; }, 5000))
        << MessageText(empty.frame);
    EXPECT_TRUE(WaitFor([&] { return StatusText(empty.status, kCountPane) == "0 objects"; }, 5000))
        << StatusText(empty.status, kCountPane);
    Screenshot(empty.frame, kArtifacts, "05-empty");

    // Find in Current Results over the empty list opens no dialog.
    Command(empty.frame, kFindInResultsCommand);
    EXPECT_EQ(nullptr, WaitForTaskDialog(empty, kNothingMs));
    empty.Close();
    EXPECT_EQ(0u, empty.program.Wait(kStartMs));

    const std::string tree = WriteFixture();
    const std::string listFile = folder + "listing.txt";
    HandOverPaths({tree});
    Session listed;
    ASSERT_TRUE(listed.ShowDialog());
    ASSERT_TRUE(listed.Accept(listFile));
    ASSERT_TRUE(listed.Listed(0));
    EXPECT_TRUE(WaitFor(
        [&] { return MessageText(listed.frame) == "The search results were saved to a file"; },
        5000))
        << MessageText(listed.frame);
    const std::string text = kytest::ReadFile(listFile);
    for (const FixtureFile& file : kFixtureFiles)
        EXPECT_NE(std::string::npos, text.find(tree + file.name + "\r\n")) << text;
    Screenshot(listed.frame, kArtifacts, "06-list-file");
    listed.Close();
    EXPECT_EQ(0u, listed.program.Wait(kStartMs));
    kytest::RemoveTree(tree);
    kytest::RemoveTree(folder);
}

TEST(KyDirGTask, FindInCurrentResultsHandsTheListedFilesToANewTask)
{
    const std::string folder = WriteFixture();
    HandOverPaths({folder});
    Session session;
    ASSERT_TRUE(session.Start());
    ASSERT_TRUE(session.Listed(kFixtureRows));
    // A file made after the listing is not among the listed ones.
    kytest::WriteFile(folder + "later.txt", "later");

    Command(session.frame, kFindInResultsCommand);
    HWND dialog = WaitForTaskDialog(session);
    ASSERT_NE(nullptr, dialog) << DescribeWindows(session.program.Pid());
    Screenshot(dialog, kArtifacts, "07-find-in-results");

    // The new task over the handed files lists them again.
    Activate(dialog);
    Click(GetDlgItem(dialog, IDOK));
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(dialog) || !IsWindow(dialog); }, kStartMs));
    ASSERT_TRUE(
        WaitFor([&] { return ListRowCount(session.list) > 0 && session.Idle(0); }, kStartMs));
    std::string listed;
    for (const std::vector<std::string>& row : ReadListView(session.list))
        listed += row[1] + row[0] + "\n";
    for (const FixtureFile& file : kFixtureFiles)
        EXPECT_NE(std::string::npos, listed.find(folder + file.name + "\n")) << listed;
    EXPECT_EQ(std::string::npos, listed.find("later.txt")) << listed;
    session.Close();
    EXPECT_EQ(0u, session.program.Wait(kStartMs));
    kytest::RemoveTree(folder);
}

TEST(KyDirGTask, ClosingDuringATaskStopsIt)
{
    const std::string folder = WriteFixture();
    HandOverPaths({folder});
    Session session;
    ASSERT_TRUE(session.Start({kSlowStream}));
    ASSERT_TRUE(WaitFor([&] { return ListRowCount(session.list) > 0; }, kStartMs));
    EXPECT_TRUE(WaitFor([&] { return StatusText(session.status, 0) == "Working..."; }, 5000))
        << StatusText(session.status, 0);
    session.Close();
    EXPECT_EQ(0u, session.program.Wait(kStartMs)) << DescribeWindows(session.program.Pid());
    kytest::RemoveTree(folder);
}

TEST(KyDirGTask, EndTaskEndsADirProgramThatIgnoresStop)
{
    const std::string folder = WriteFixture();
    HandOverPaths({folder});
    Session session;
    ASSERT_TRUE(session.Start({std::string(kSlowStream) + ",ignore-goaway"}));
    ASSERT_TRUE(WaitFor([&] { return ListRowCount(session.list) > 0; }, kStartMs));
    Command(session.frame, kStopCommand);
    EXPECT_TRUE(WaitFor([&] { return StatusText(session.status, 0) == "Stopping..."; }, 5000));
    HWND taskStatus = WaitForWindow(session.program.Pid(), "#32770", "Task Status", kTaskStatusMs);
    ASSERT_NE(nullptr, taskStatus) << DescribeWindows(session.program.Pid());
    Screenshot(taskStatus, kArtifacts, "08-task-status");
    Click(Control(taskStatus, kEndTaskButton));
    ASSERT_TRUE(session.Idle());
    // The list shows what came before the end, then stops growing.
    int rows = -1;
    EXPECT_TRUE(WaitFor(
        [&] {
            const int before = ListRowCount(session.list);
            Sleep(kSettleMs);
            rows = ListRowCount(session.list);
            return rows == before;
        },
        5000));
    EXPECT_GT(rows, 0);
    EXPECT_TRUE(IsWindowVisible(session.frame));
    session.Close();
    EXPECT_EQ(0u, session.program.Wait(kStartMs));
    kytest::RemoveTree(folder);
}
