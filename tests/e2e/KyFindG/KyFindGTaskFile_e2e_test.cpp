// KyFindG started with a task file that is no disk file (a pipe nobody
// writes to, as a device would be): the file is refused as no task file and
// the task dialog shows, instead of a program that waits for ever before
// any window appears.
#include "KyFindG/KyFindGDriving.h"

using namespace kytest::gui;
using namespace findge2e;

TEST(KyFindGTaskFile, AStartUpTaskFileThatIsAPipeIsRefusedAndTheDialogShows)
{
    const std::string pipe =
        "\\\\.\\pipe\\kyfindg_e2e_task_file_" + std::to_string(GetCurrentProcessId());
    HANDLE server = CreateNamedPipeA(pipe.c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE, 1, 4096,
                                     4096, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, server);
    Program program;
    ASSERT_TRUE(program.Start(ProgramPath("KyFindG.exe"), {}, {"KYVANT_LOAD_FILE=" + pipe}));
    const Box box = WaitForBox(program.Pid(), kStartMs);
    ASSERT_NE(nullptr, box.window) << DescribeWindows(program.Pid());
    EXPECT_EQ("This file does not appear to be a valid Task File: " + pipe, box.text);
    Screenshot(box.window, kArtifacts, "13-pipe-refused");
    ASSERT_TRUE(Answer(box, IDOK));
    HWND dialog = WaitForWindow(program.Pid(), "#32770", kDialogTitle, kStartMs);
    ASSERT_NE(nullptr, dialog) << DescribeWindows(program.Pid());
    Click(Control(dialog, IDCANCEL));
    EXPECT_EQ(1u, program.Wait(kStartMs)) << "the first dialog cancelled ends the program";
    CloseHandle(server);
}
