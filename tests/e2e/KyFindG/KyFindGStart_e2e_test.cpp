// KyFindG started as a user starts it: the Find Task dialog comes before any
// window; Cancel ends the program with no window ever shown; OK over the
// fixture folder shows the frame whose file list holds the files and counts
// the finder prints on the console for the same arguments, and closing it
// ends the program with 1, the interactive program's code.
#include "KyFindG/KyFindGDriving.h"

#include "common/ChildProcess.h"

using namespace kytest::gui;
using namespace findge2e;

TEST(KyFindGStart, CancelledFirstDialogEndsWithoutAWindow)
{
    Program program;
    ASSERT_TRUE(program.Start(ProgramPath("KyFindG.exe"), {}));
    HWND dialog = WaitForStartWindow(program, "#32770", kDialogTitle, kStartLimitMs);
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ(std::vector<HWND>{dialog}, TopWindows(program.Pid()));
    Click(Control(dialog, IDCANCEL));
    EXPECT_EQ(1u, program.Wait(kStartMs));
}

TEST(KyFindGStart, AcceptedDialogShowsTheFilesTheFinderFinds)
{
    const std::string folder = WriteFixture();
    HandOverPaths({folder});
    Program program;
    ASSERT_TRUE(program.Start(ProgramPath("KyFindG.exe"), {}));
    HWND dialog =
        WaitForStartWindow(program, "#32770", kDialogTitle, kStartLimitMs, {kStaleHandOff});
    ASSERT_NE(nullptr, dialog) << DescribeWindows(program.Pid());
    Screenshot(dialog, kArtifacts, "01-task-dialog");
    const std::vector<std::string> args = AcceptTaskDialog(program.Pid(), dialog, "alpha");
    ASSERT_FALSE(args.empty());

    HWND frame = WaitForStartWindow(program, nullptr, kFrameTitle, kStartLimitMs);
    ASSERT_NE(nullptr, frame) << DescribeWindows(program.Pid());
    // The finder's message about the binary file.
    const Box binary = WaitForBox(program.Pid());
    EXPECT_NE(std::string::npos, binary.text.find("data.bin")) << binary.text;
    Answer(binary, IDOK);

    // Each argument goes in quotes: backslashes before the closing quote
    // are doubled, as the C runtime reads them.
    std::vector<std::string> quoted = args;
    for (std::string& arg : quoted)
        if (!arg.empty() && arg.back() == '\\')
            arg += '\\';
    const kytest::ProgramRun console =
        kytest::RunProgram(ProgramPath("KyFind.exe"), quoted, "", {});
    const std::map<std::string, int> expected = HitsOfResultLines(console.out);
    ASSERT_FALSE(expected.empty()) << console.out << console.err;

    HWND list = FileList(frame);
    HWND status = StatusBar(frame);
    const std::string matchPane = "4 matches in 3 files";
    ASSERT_TRUE(WaitFor([&] { return StatusText(status, 3) == matchPane; }, kStartMs))
        << StatusText(status, 3);
    // The list grows on its monitor timer; the task's end makes the status idle.
    ASSERT_TRUE(WaitFor(
        [&] {
            return ListRowCount(list) == static_cast<int>(expected.size()) &&
                   StatusText(status, 0) == "Ready";
        },
        kStartMs))
        << ListRowCount(list) << " [" << StatusText(status, 0) << "]";
    std::map<std::string, int> shown;
    for (const std::vector<std::string>& row : ReadListView(list))
        shown[row[1] + row[0]] = std::atoi(row[2].c_str()); // Name, In Folder, Matches
    EXPECT_EQ(expected, shown);
    EXPECT_EQ("Ready", StatusText(status, 0));
    Screenshot(frame, kArtifacts, "02-results");

    PostMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(kInteractiveExitCode, program.Wait(kStartMs));
    kytest::RemoveTree(folder);
}
