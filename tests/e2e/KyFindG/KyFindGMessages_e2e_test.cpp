// KyFindG under a finder's burst of messages and over results naming files
// that do not exist: one box of the finder's texts at a time, the texts that
// came meanwhile gathered into the next, every text shown or counted; the
// status bar tells the truth while a box is up (the task works, the panes
// show their values, never their sizing strings); the file view's failure
// to open a missing file is shown once; closing stops the task saying so.
#include "KyFindG/KyFindGDriving.h"
#include "TaskBoxes.h"

#include <algorithm>
#include <cstdio>
#include <regex>

using namespace kytest::gui;
using namespace findge2e;
using namespace taskboxes;

namespace {

const unsigned kBurst = 5000;
const int kCaretPane = 2;
const int kMatchPane = 3;
const char kCaretSizing[] = "Ln 123456, Col 123456";
const char kMatchSizing[] = "999,999,999 matches in 999,999,999 files";
const char kNoSuchFile[] = "No such file or directory";
const int kEndTaskButton = 1022;
const DWORD kBurstMs = 120000;
// The watchdog offers End Task at its second tick, 10.5 s after the stop.
const DWORD kTaskStatusMs = 20000;

// Files of made-up match lines in folders that do not exist, shaped as the
// benchmarks' finder output: 50 lines a file, every tenth opening a group of
// three, so 40 matches a file.
const int kMissingFiles = 2000;
const int kLinesPerFile = 50;

std::string MissingFilesOutput()
{
    std::string out;
    char line[160];
    for (int file = 0; file < kMissingFiles; ++file) {
        for (int l = 0; l < kLinesPerFile; ++l) {
            if (l % 10 == 0)
                out += "::3\n";
            std::snprintf(line, sizeof line,
                          "C:\\KyGone\\module%02d\\source%05d.cpp(%d):x(%d):    value = "
                          "compute(%d, alpha);\n",
                          file % 100, file, l * 7 + 1, l * 120 + 4, l);
            out += line;
        }
    }
    return out;
}

bool IsMatchStatus(const std::string& text)
{
    static const std::regex shape("[0-9][0-9,]* match(es)? in [0-9][0-9,]* files?");
    return std::regex_match(text, shape);
}

} // namespace

TEST(KyFindGMessages, ABurstOfMessagesComesInFewBoxesAndEveryTextIsShownOrCounted)
{
    const std::string folder = WriteFixture(false);
    HandOverPaths({folder});
    Session session;
    ASSERT_TRUE(session.Start("alpha", {"KYTEST_TASK_LINK=messages=" + std::to_string(kBurst)}));
    int shot = 0;
    const Answered answered = AnswerBoxesUntilIdle(
        session.program.Pid(), StatusBar(session.frame), kBurstMs, [&](const Box& box) {
            if (IsToolTextBox(box.text) && ++shot == 2)
                ScreenshotOfBox(box.window, kArtifacts, "10-gathered-box");
        });
    ASSERT_FALSE(answered.timedOut) << DescribeWindows(session.program.Pid());
    EXPECT_TRUE(session.program.Running());
    EXPECT_EQ(1, answered.toolBoxesAtOnce);

    const Tally tally = TallyTestMessages(answered.texts);
    ASSERT_FALSE(answered.texts.empty());
    EXPECT_EQ("KyFind: test message 1", answered.texts.front());
    EXPECT_EQ(kBurst, tally.Total());
    EXPECT_LE(tally.boxes, 20);
    EXPECT_GE(tally.boxes, 2);
    for (size_t i = 1; i < tally.listed.size(); ++i)
        EXPECT_LT(tally.listed[i - 1], tally.listed[i]) << i;

    // The results are all there.
    const std::vector<std::vector<std::string>> rows = ReadListView(FileList(session.frame));
    std::vector<std::string> names;
    for (const auto& row : rows)
        names.push_back(row.at(0));
    std::sort(names.begin(), names.end());
    EXPECT_EQ((std::vector<std::string>{"crlf.txt", "deep.txt", "lf.txt"}), names);
    EXPECT_EQ("4 matches in 3 files", StatusText(StatusBar(session.frame), kMatchPane));
    session.Close();
    EXPECT_EQ(kInteractiveExitCode, session.program.Wait(kStartMs))
        << DescribeWindows(session.program.Pid());
    kytest::RemoveTree(folder);
}

// The task still runs (a slow stream) while the finder's first text is
// shown; its rows name files that do not exist. Closing then stops the
// finder, which ignores the request until End Task.
TEST(KyFindGMessages, WhileABoxIsUpTheStatusTellsTheTruthAndClosingSaysItStops)
{
    const std::string folder = WriteFixture(false);
    HandOverPaths({folder});
    Session session;
    ASSERT_TRUE(session.Start("alpha",
                              {"KYTEST_TASK_LINK=messages=1,slow=20000,slow-ms=20,ignore-goaway"}));
    HWND status = StatusBar(session.frame);
    Box first;
    ASSERT_TRUE(WaitFor(
        [&] {
            for (const Box& box : ShownBoxes(session.program.Pid()))
                if (IsToolTextBox(box.text))
                    first = box;
            return first.window != nullptr;
        },
        kStartMs));
    EXPECT_EQ("KyFind: test message 1", first.text);
    EXPECT_TRUE(WaitFor([&] { return StatusText(status, 0) == "Working..."; }, 5000))
        << StatusText(status, 0);
    EXPECT_TRUE(WaitFor([&] { return IsMatchStatus(StatusText(status, kMatchPane)); }, 5000))
        << StatusText(status, kMatchPane);
    EXPECT_NE(kCaretSizing, StatusText(status, kCaretPane));
    EXPECT_NE(kMatchSizing, StatusText(status, kMatchPane));
    Screenshot(session.frame, kArtifacts, "11-status-during-box");

    // The first row's file does not exist: the file view says so once,
    // however many ticks pass while the list grows.
    std::vector<std::string> texts;
    const DWORD kTicksMs = 4000;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < kTicksMs) {
        const std::vector<Box> boxes = ShownBoxes(session.program.Pid());
        if (boxes.empty()) {
            Sleep(50);
            continue;
        }
        texts.push_back(boxes.front().text);
        if (boxes.front().text == kNoSuchFile) {
            EXPECT_EQ("Working...", StatusText(status, 0));
        }
        Answer(boxes.front(), IDOK);
    }
    EXPECT_EQ(1, std::count(texts.begin(), texts.end(), std::string(kNoSuchFile)));
    EXPECT_EQ("Working...", StatusText(status, 0));

    session.Close();
    EXPECT_TRUE(WaitFor([&] { return StatusText(status, 0) == "Stopping..."; }, 5000))
        << StatusText(status, 0);
    HWND taskStatus = WaitForWindow(session.program.Pid(), "#32770", "Task Status", kTaskStatusMs);
    ASSERT_NE(nullptr, taskStatus);
    Click(Control(taskStatus, kEndTaskButton));
    EXPECT_EQ(kInteractiveExitCode, session.program.Wait(kStartMs))
        << DescribeWindows(session.program.Pid());
    kytest::RemoveTree(folder);
}

// A large stream whose files are all gone: every line listed, the first
// row's failure shown once while the task works, the counts complete.
TEST(KyFindGMessages, ResultsNamingMissingFilesAreAllListed)
{
    const std::string folder = kytest::NewFolder(kytest::ScratchBase(), "kyfindg_e2e_gone");
    const std::string replay = folder + "results.txt";
    kytest::WriteFile(replay, MissingFilesOutput());
    kytest::WriteFile(folder + "none.txt", "no hits at all\n");
    HandOverPaths({folder + "none.txt"});
    Session session;
    // A slow start keeps the task running at the first ticks.
    ASSERT_TRUE(session.Start("alpha", {"KYTEST_TASK_LINK=slow=160,slow-ms=20,replay=" + replay}));
    HWND status = StatusBar(session.frame);
    std::vector<std::string> statusWhileMissing;
    const Answered answered =
        AnswerBoxesUntilIdle(session.program.Pid(), status, kBurstMs, [&](const Box& box) {
            if (box.text == kNoSuchFile)
                statusWhileMissing.push_back(StatusText(status, 0));
        });
    ASSERT_FALSE(answered.timedOut) << DescribeWindows(session.program.Pid());
    EXPECT_EQ(1,
              std::count(answered.texts.begin(), answered.texts.end(), std::string(kNoSuchFile)));
    EXPECT_EQ(1u, answered.texts.size()) << ::testing::PrintToString(answered.texts);
    EXPECT_EQ(std::vector<std::string>(statusWhileMissing.size(), "Working..."),
              statusWhileMissing);

    // 40 made-up files of the slow start (three matches each) and the
    // replayed ones.
    HWND list = FileList(session.frame);
    EXPECT_TRUE(WaitFor([&] { return ListRowCount(list) == kMissingFiles + 40; }, 5000))
        << ListRowCount(list);
    EXPECT_EQ("80,120 matches in 2,040 files", StatusText(status, kMatchPane));
    const std::vector<std::vector<std::string>> rows = ReadListView(list);
    ASSERT_EQ(static_cast<size_t>(kMissingFiles + 40), rows.size());
    EXPECT_EQ("file0.txt", rows[0].at(0));
    EXPECT_EQ("source00000.cpp", rows[40].at(0));
    EXPECT_EQ("C:\\KyGone\\module00\\", rows[40].at(1));
    EXPECT_EQ("40", rows[40].at(2));
    EXPECT_EQ("source01999.cpp", rows.back().at(0));
    EXPECT_EQ("C:\\KyGone\\module99\\", rows.back().at(1));
    Screenshot(session.frame, kArtifacts, "12-missing-files-listed");
    session.Close();
    EXPECT_EQ(kInteractiveExitCode, session.program.Wait(kStartMs))
        << DescribeWindows(session.program.Pid());
    kytest::RemoveTree(folder);
}
