// The Dir program started from a console without arguments starts KyDirG,
// which shows only its task dialog: OK makes the Dir program list the tree
// on the console; Cancel lists nothing.
#include "KyDirG/KyDirGDriving.h"

using namespace kytest::gui;
using namespace dirge2e;

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

// The console line that ends with the text; empty when none does.
std::string LineEndingWith(const std::string& out, const std::string& end)
{
    size_t start = 0;
    while (start < out.size()) {
        size_t stop = out.find('\n', start);
        if (stop == std::string::npos)
            stop = out.size();
        std::string line = out.substr(start, stop - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.size() >= end.size() &&
            line.compare(line.size() - end.size(), end.size(), end) == 0)
            return line;
        start = stop + 1;
    }
    return "";
}

} // namespace

TEST(KyDirGConsole, OnlyTheDialogShowsAndOkListsOnTheConsole)
{
    const std::string folder = WriteFixture();
    HandOverPaths({folder});
    Program dir;
    ASSERT_TRUE(dir.Start(ProgramPath("KyDir.exe"), {}));
    DWORD pid = 0;
    HWND dialog = WaitForAnyTaskDialog(pid);
    ASSERT_NE(nullptr, dialog);
    EXPECT_NE(dir.Pid(), pid) << "the dialog is the front-end's";
    EXPECT_EQ(std::vector<HWND>{dialog}, TopWindows(pid)) << "the dialog alone";
    SetCheck(dialog, kIncludeFoldersId, true);
    Screenshot(dialog, kArtifacts, "10-console-dialog");
    Activate(dialog);
    Click(GetDlgItem(dialog, IDOK));

    EXPECT_EQ(0u, dir.Wait(kStartMs)) << dir.Err();
    const std::string out = dir.Out();
    for (const FixtureFile& file : kFixtureFiles)
        EXPECT_NE("", LineEndingWith(out, folder + file.name)) << out;
    EXPECT_NE(std::string::npos, LineEndingWith(out, folder + "sub").find("<DIR>")) << out;
    EXPECT_NE(std::string::npos, LineEndingWith(out, folder + "big.dat").find("1300000")) << out;
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, kStartMs)) << "the front-end ended";
    kytest::RemoveTree(folder);
}

TEST(KyDirGConsole, CancelListsNothing)
{
    Program dir;
    ASSERT_TRUE(dir.Start(ProgramPath("KyDir.exe"), {}));
    DWORD pid = 0;
    HWND dialog = WaitForAnyTaskDialog(pid);
    ASSERT_NE(nullptr, dialog);
    Click(GetDlgItem(dialog, IDCANCEL));
    EXPECT_NE(STILL_ACTIVE, dir.Wait(kStartMs));
    EXPECT_EQ("", dir.Out());
}
