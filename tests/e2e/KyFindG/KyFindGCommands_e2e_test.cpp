// KyFindG's commands end to end: Find in Current Results hands the listed
// files to the next task; the editor is configured (arguments without a
// program refused) and opens the current file; the window's layout comes
// back at the next start.
#include "KyFindG/KyFindGDriving.h"

using namespace kytest::gui;
using namespace findge2e;

namespace {

const int kFindInResults = 32784;
const int kConfigureEditor = 32780;
const int kOpenInEditor = 32781;
const int kEditorPath = 1044;
const int kEditorArgs = 1045;

std::string Joined(const std::vector<std::string>& args)
{
    std::string text;
    for (const std::string& arg : args)
        text += arg + "\n";
    return text;
}

} // namespace

TEST(KyFindGCommands, FindInCurrentResultsOffersTheListedFiles)
{
    const std::string folder = WriteFixture(false);
    HandOverPaths({folder});
    Session session;
    ASSERT_TRUE(session.Start("alpha"));
    HWND list = FileList(session.frame);
    ASSERT_TRUE(session.Idle());
    ASSERT_TRUE(WaitFor([&] { return ListRowCount(list) == 3; }, kStartMs));
    std::vector<std::string> listed;
    for (const std::vector<std::string>& row : ReadListView(list))
        listed.push_back(row[1] + row[0]);

    Command(session.frame, kFindInResults);
    HWND dialog = WaitForWindow(session.program.Pid(), "#32770", kDialogTitle, kStartMs);
    ASSERT_NE(nullptr, dialog);
    Screenshot(dialog, kArtifacts, "06-find-in-results-dialog");
    const std::vector<std::string> args = AcceptTaskDialog(session.program.Pid(), dialog, "deep");
    ASSERT_FALSE(args.empty());
    // The files come as a response file of the hand-off ("@F <file>\"), in
    // list order.
    std::string offered;
    for (const std::string& arg : args) {
        const size_t drive = arg.find(":\\");
        if (arg.compare(0, 2, "@F") != 0 || drive == std::string::npos)
            continue;
        std::string file = arg.substr(drive - 1);
        while (!file.empty() && (file.back() == '\\' || file.back() == ' '))
            file.pop_back();
        offered = kytest::ReadFile(file);
    }
    size_t at = 0;
    for (const std::string& file : listed) {
        const size_t found = offered.find(file, at);
        EXPECT_NE(std::string::npos, found) << file << " in\n"
                                            << offered << "\nfrom\n"
                                            << Joined(args);
        if (found != std::string::npos)
            at = found + file.size();
    }
    ASSERT_TRUE(session.Idle());
    EXPECT_TRUE(WaitFor([&] { return ListRowCount(list) == 1; }, kStartMs));
    session.Close();
    EXPECT_EQ(kInteractiveExitCode, session.program.Wait(kStartMs));
    kytest::RemoveTree(folder);
}

TEST(KyFindGCommands, ConfiguredEditorOpensTheCurrentFile)
{
    const std::string folder = WriteFixture(false);
    HandOverPaths({folder});
    const std::string log = kytest::TempFolder() + "kyfindg_e2e_editor.log";
    DeleteFileA(log.c_str());
    Session session;
    ASSERT_TRUE(session.Start("alpha", {"KYTEST_EDITOR_LOG=" + log}));
    ASSERT_TRUE(session.Idle());
    ASSERT_TRUE(WaitFor([&] { return ListRowCount(FileList(session.frame)) == 3; }, kStartMs));

    Command(session.frame, kConfigureEditor);
    HWND dialog = WaitForWindow(session.program.Pid(), "#32770", "Configure Editor", kStartMs);
    ASSERT_NE(nullptr, dialog);
    SetText(Control(dialog, kEditorPath), "");
    SetText(Control(dialog, kEditorArgs), "-n%L %F");
    Click(Control(dialog, IDOK));
    const Box refusal = WaitForBox(session.program.Pid());
    EXPECT_EQ("Because you specified the arguments, you must also supply the editor filename.",
              refusal.text);
    Screenshot(refusal.window, kArtifacts, "07-editor-refusal");
    ASSERT_TRUE(Answer(refusal, IDOK));
    EXPECT_TRUE(IsWindowVisible(dialog)) << "the dialog stays open";
    SetText(Control(dialog, kEditorPath), ProgramPath("KyEditorStandIn.exe"));
    Click(Control(dialog, IDOK));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 10000));

    ASSERT_TRUE(WaitFor([&] { return ButtonEnabled(session.frame, kOpenInEditor); }, 5000));
    const int row = ListSelectedRow(FileList(session.frame));
    ASSERT_GE(row, 0);
    const std::vector<std::string> cells = ReadListView(FileList(session.frame))[row];
    Command(session.frame, kOpenInEditor);
    ASSERT_TRUE(WaitFor([&] { return !kytest::ReadFile(log).empty(); }, 10000));
    // No current match yet: line 0.
    EXPECT_EQ("-n0 " + cells[1] + cells[0] + "\n", kytest::ReadFile(log));
    session.Close();
    EXPECT_EQ(kInteractiveExitCode, session.program.Wait(kStartMs));
    kytest::RemoveTree(folder);
}

TEST(KyFindGCommands, WindowLayoutComesBackAtTheNextStart)
{
    const std::string folder = WriteFixture(false);
    RECT placed{};
    int listHeight = 0;
    {
        HandOverPaths({folder});
        Session session;
        ASSERT_TRUE(session.Start("alpha"));
        ASSERT_TRUE(session.Idle());
        SetWindowPos(session.frame, nullptr, 30, 40, 820, 640, SWP_NOZORDER);
        ASSERT_TRUE(WaitFor(
            [&] {
                GetWindowRect(session.frame, &placed);
                return placed.right - placed.left == 820;
            },
            5000));
        RECT list;
        GetWindowRect(FileList(session.frame), &list);
        listHeight = list.bottom - list.top;
        session.Close();
        ASSERT_EQ(kInteractiveExitCode, session.program.Wait(kStartMs));
    }
    HandOverPaths({folder});
    Session again;
    ASSERT_TRUE(again.Start("alpha"));
    RECT restored;
    GetWindowRect(again.frame, &restored);
    EXPECT_EQ(placed.left, restored.left);
    EXPECT_EQ(placed.top, restored.top);
    EXPECT_EQ(placed.right, restored.right);
    EXPECT_EQ(placed.bottom, restored.bottom);
    RECT list;
    GetWindowRect(FileList(again.frame), &list);
    EXPECT_EQ(listHeight, list.bottom - list.top);
    again.Close();
    EXPECT_EQ(kInteractiveExitCode, again.program.Wait(kStartMs));
    kytest::RemoveTree(folder);
}
