// The finder started from a console without arguments starts KyFindG, which
// shows only the task dialog: OK runs the search with the accepted
// arguments and KyFindG ends with 0 once the finder is through; Cancel ends
// it with 1 and nothing is searched.
#include "KyFindG/KyFindGDriving.h"

using namespace kytest::gui;
using namespace findge2e;

namespace {

// The task dialog of any process, with its process; a stale hand-off's
// question on the way is answered.
HWND WaitForAnyTaskDialog(DWORD& pid)
{
    HWND found = nullptr;
    WaitFor(
        [&] {
            for (HWND box = FindWindowExA(nullptr, nullptr, "#32770", nullptr); box;
                 box = FindWindowExA(nullptr, box, "#32770", nullptr)) {
                if (BoxTextOf(box).find(kStaleHandOff.textPart) != std::string::npos)
                    PostMessageA(box, WM_COMMAND, MAKEWPARAM(kStaleHandOff.button, BN_CLICKED), 0);
            }
            found = FindWindowA("#32770", kDialogTitle);
            return found != nullptr && IsWindowVisible(found);
        },
        kStartLimitMs);
    if (found)
        GetWindowThreadProcessId(found, &pid);
    return found;
}

DWORD ExitCodeOf(DWORD pid)
{
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, pid);
    if (!process)
        return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(process, kStartMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(process, &code);
    CloseHandle(process);
    return code;
}

} // namespace

TEST(KyFindGConsole, AcceptedDialogRunsTheSearchAndEndsWithZero)
{
    const std::string folder = WriteFixture(false);
    HandOverPaths({folder});
    Program finder;
    ASSERT_TRUE(finder.Start(ProgramPath("KyFind.exe"), {}));
    DWORD pid = 0;
    HWND dialog = WaitForAnyTaskDialog(pid);
    ASSERT_NE(nullptr, dialog);
    HANDLE frontEnd = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, pid);
    ASSERT_NE(nullptr, frontEnd);
    EXPECT_EQ(std::vector<HWND>{dialog}, TopWindows(pid)) << "the dialog alone";
    Screenshot(dialog, kArtifacts, "05-console-dialog");
    const std::vector<std::string> args = AcceptTaskDialog(pid, dialog, "alpha");
    ASSERT_FALSE(args.empty());
    EXPECT_NE(STILL_ACTIVE, finder.Wait(kStartMs)) << DescribeWindows(pid);
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(frontEnd, kStartMs));
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(frontEnd, &code);
    CloseHandle(frontEnd);
    EXPECT_EQ(0u, code);
    const std::map<std::string, int> hits = HitsOfResultLines(finder.Out());
    EXPECT_EQ(3u, hits.size()) << finder.Out() << finder.Err();
    EXPECT_EQ(1, hits.count(folder + "sub\\deep.txt")) << finder.Out();
    kytest::RemoveTree(folder);
}

TEST(KyFindGConsole, CancelledDialogEndsWithOneAndSearchesNothing)
{
    Program finder;
    ASSERT_TRUE(finder.Start(ProgramPath("KyFind.exe"), {}));
    DWORD pid = 0;
    HWND dialog = WaitForAnyTaskDialog(pid);
    ASSERT_NE(nullptr, dialog);
    Click(Control(dialog, IDCANCEL));
    EXPECT_EQ(1u, ExitCodeOf(pid));
    EXPECT_NE(STILL_ACTIVE, finder.Wait(kStartMs));
    EXPECT_EQ("", finder.Out());
}
