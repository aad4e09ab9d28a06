// Save As through the program's real save dialog: "As displayed" writes a
// header of the shown columns and TAB-separated rows, "with full paths"
// puts the full path in Name and leaves In Folder out, "Full paths only"
// writes one path a line with no header; lines end in CR LF; "Selected
// items only" is disabled while nothing is selected; the mode is offered
// again at the next Save As.
#include "KyDirG/KyDirGDriving.h"

#include <algorithm>

using namespace kytest::gui;
using namespace dirge2e;

namespace {

const int kAsDisplayed = 1035;
const int kWithFullPaths = 1036;
const int kFullPathsOnly = 1037;
const int kSelectedItems = 1041;
// The file name edit of the system's save dialog.
const int kFileNameEdit = 1152;

// The save dialog the command opens: the process's "#32770" window that
// holds the added output controls.
HWND OpenSaveDialog(Session& session)
{
    Command(session.frame, kSaveAsCommand);
    HWND found = nullptr;
    WaitFor(
        [&] {
            for (HWND window : TopWindows(session.program.Pid()))
                if (ClassOf(window) == "#32770" && Control(window, kAsDisplayed))
                    found = window;
            return found != nullptr;
        },
        kStartMs);
    return found;
}

bool Checked(HWND dialog, int id)
{
    return Send(Control(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// Saves with the output mode into the file; its lines once written, each
// with its line end.
std::vector<std::string> SaveAs(Session& session, int mode, const std::string& path)
{
    HWND dialog = OpenSaveDialog(session);
    if (!dialog)
        return {};
    Send(Control(dialog, mode), BM_CLICK, 0, 0);
    HWND name = Control(dialog, kFileNameEdit);
    if (!name)
        name = ChildOfClass(dialog, "Edit");
    SetText(name, path);
    Activate(dialog);
    Click(GetDlgItem(dialog, IDOK));
    if (!WaitFor(
            [&] {
                return !IsWindow(dialog) &&
                       GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
            },
            kStartMs))
        return {};
    Sleep(200);
    std::vector<std::string> lines;
    const std::string text = kytest::ReadFile(path);
    for (size_t start = 0; start < text.size();) {
        const size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end == std::string::npos ? end : end - start + 1));
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return lines;
}

std::vector<std::string> Fields(std::string line)
{
    std::vector<std::string> fields;
    if (line.size() >= 2 && line.compare(line.size() - 2, 2, "\r\n") == 0)
        line.resize(line.size() - 2);
    size_t start = 0;
    for (;;) {
        const size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos)
            return fields;
        start = tab + 1;
    }
}

const std::string* LineStarting(const std::vector<std::string>& lines, const std::string& start)
{
    for (const std::string& line : lines)
        if (line.compare(0, start.size(), start) == 0)
            return &line;
    return nullptr;
}

using Strings = std::vector<std::string>;

} // namespace

TEST(KyDirGSaveAs, TheThreeModesWriteThroughTheRealDialog)
{
    const std::string folder = WriteFixture();
    const std::string out = kytest::NewFolder(kytest::ScratchBase(), "kydirg_e2e_out");
    HandOverPaths({folder});
    Session session;
    ASSERT_TRUE(session.Start());
    ASSERT_TRUE(session.Listed(kFixtureRows));

    HWND dialog = OpenSaveDialog(session);
    ASSERT_NE(nullptr, dialog) << DescribeWindows(session.program.Pid());
    EXPECT_FALSE(IsWindowEnabled(Control(dialog, kSelectedItems))) << "nothing is selected";
    Screenshot(dialog, kArtifacts, "04-save-as");
    Click(GetDlgItem(dialog, IDCANCEL));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 5000));

    const Strings shown = SaveAs(session, kAsDisplayed, out + "shown.txt");
    ASSERT_EQ(1u + kFixtureRows, shown.size());
    for (const std::string& line : shown)
        EXPECT_EQ("\r\n", line.substr(line.size() - 2)) << line;
    EXPECT_EQ((Strings{"Name", "In Folder", "Size", "Type", "Modified", "Attributes"}),
              Fields(shown[0]));
    const std::string* alpha = LineStarting(shown, "alpha.txt\t");
    ASSERT_NE(nullptr, alpha);
    const Strings alphaFields = Fields(*alpha);
    ASSERT_EQ(6u, alphaFields.size()) << *alpha;
    EXPECT_EQ(folder, alphaFields[1]);
    EXPECT_EQ("1 KB", alphaFields[2]);
    EXPECT_EQ("RA", alphaFields[5]);

    const Strings full = SaveAs(session, kWithFullPaths, out + "full.txt");
    ASSERT_EQ(1u + kFixtureRows, full.size());
    EXPECT_EQ((Strings{"Name", "Size", "Type", "Modified", "Attributes"}), Fields(full[0]));
    const std::string* inner = LineStarting(full, folder + "sub\\inner.txt\t");
    ASSERT_NE(nullptr, inner) << ::testing::PrintToString(full);
    EXPECT_EQ(5u, Fields(*inner).size()) << *inner;
    EXPECT_EQ("2 KB", Fields(*inner)[1]);

    const Strings paths = SaveAs(session, kFullPathsOnly, out + "paths.txt");
    ASSERT_EQ(static_cast<size_t>(kFixtureRows), paths.size());
    EXPECT_NE(paths.end(), std::find(paths.begin(), paths.end(), folder + "sub\\inner.txt\r\n"));
    EXPECT_NE(paths.end(), std::find(paths.begin(), paths.end(), folder + "sub\r\n"));
    for (const std::string& line : paths)
        EXPECT_EQ(std::string::npos, line.find('\t')) << line;

    // The last mode is offered again.
    dialog = OpenSaveDialog(session);
    ASSERT_NE(nullptr, dialog);
    EXPECT_TRUE(Checked(dialog, kFullPathsOnly));
    EXPECT_FALSE(Checked(dialog, kAsDisplayed));
    Click(GetDlgItem(dialog, IDCANCEL));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 5000));

    session.Close();
    EXPECT_EQ(0u, session.program.Wait(kStartMs));
    kytest::RemoveTree(folder);
    kytest::RemoveTree(out);
}
