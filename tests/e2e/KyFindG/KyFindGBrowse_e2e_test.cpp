// Browsing the matches with single keys in the result panes: N, Space,
// Shift+N and P move through them (the match list's selection and the file
// view follow), past the last one the status says so, and the next key
// gives "Ready" again.
#include "KyFindG/KyFindGDriving.h"

using namespace kytest::gui;
using namespace findge2e;

namespace {

const int kMatchListPane = 0xE910;

HWND MatchList(HWND frame)
{
    HWND splitter = Control(frame, kFileListPane);
    return splitter ? Control(splitter, kMatchListPane) : nullptr;
}

// The file list's selected file and the match list's selected row.
std::string Place(HWND frame)
{
    HWND files = FileList(frame);
    const int file = ListSelectedRow(files);
    const std::string name = file >= 0 ? ReadListView(files)[file][0] : "-";
    return name + ":" + std::to_string(ListSelectedRow(MatchList(frame)));
}

} // namespace

TEST(KyFindGBrowse, KeysMoveThroughTheMatches)
{
    const std::string folder = WriteFixture(false);
    HandOverPaths({folder});
    Session session;
    ASSERT_TRUE(session.Start("alpha"));
    HWND status = StatusBar(session.frame);
    ASSERT_TRUE(session.Idle()) << StatusText(status, 0) << "\n"
                                << DescribeWindows(session.program.Pid());
    ASSERT_TRUE(WaitFor([&] { return StatusText(status, 3) == "4 matches in 3 files"; }, kStartMs))
        << StatusText(status, 3);
    HWND files = FileList(session.frame);
    ASSERT_TRUE(WaitFor([&] { return ListRowCount(files) == 3; }, kStartMs));
    ASSERT_TRUE(Activate(session.frame));
    ParkMouse();
    ClickAt(files, 60, 30); // the first row, below the header
    ASSERT_TRUE(WaitFor([&] { return ListSelectedRow(files) == 0; }, 5000));

    std::vector<std::string> places{Place(session.frame)};
    auto press = [&](WORD key, bool shift) {
        const std::string before = Place(session.frame);
        const std::string statusBefore = StatusText(status, 0);
        PressKey(key, shift);
        WaitFor(
            [&] { return Place(session.frame) != before || StatusText(status, 0) != statusBefore; },
            3000);
        Sleep(200);
        places.push_back(Place(session.frame));
    };
    press('N', false);
    Screenshot(session.frame, kArtifacts, "08-shown-match");
    press(VK_SPACE, false);
    press('P', false);
    press('N', true);
    std::string all;
    for (const std::string& place : places)
        all += place + " ";
    // Each key moved somewhere else.
    for (size_t i = 1; i < places.size(); ++i)
        EXPECT_NE(places[i - 1], places[i]) << all;

    // Past the last match the status says so; the next key says "Ready".
    bool passed = false;
    for (int i = 0; i < 8 && !passed; ++i) {
        PressKey('N');
        passed = WaitFor([&] { return StatusText(status, 0) == "Passed the last match"; }, 500);
    }
    ASSERT_TRUE(passed) << StatusText(status, 0);
    Screenshot(session.frame, kArtifacts, "09-passed-last-match");
    PressKey(VK_RIGHT);
    EXPECT_TRUE(WaitFor([&] { return StatusText(status, 0) == "Ready"; }, 3000))
        << StatusText(status, 0);
    session.Close();
    EXPECT_EQ(kInteractiveExitCode, session.program.Wait(kStartMs));
    kytest::RemoveTree(folder);
}
