// The listing driven with the mouse and keyboard: header clicks sort (an
// ascending sort puts the folder first, a descending one last, the second
// click on a column reversing the first) with the selection kept on its
// items, also while the Dir program still lists; the status tells the
// selection; Enter opens the one selected file and nothing when two are.
#include "KyDirG/KyDirGDriving.h"

using namespace kytest::gui;
using namespace dirge2e;

namespace {

enum Column { Name, InFolder, Size };
using Names_t = std::vector<std::string>;

// A rectangle the window's process fills in for the message (header item
// or list row), in the window's client coordinates.
RECT RemoteRect(HWND window, UINT message, WPARAM index, LONG left = 0)
{
    RECT rect{left, 0, 0, 0};
    RemoteBuffer buffer(window, sizeof rect);
    buffer.Write(0, &rect, sizeof rect);
    Send(window, message, index, reinterpret_cast<LPARAM>(buffer.At(0)));
    buffer.Read(0, &rect, sizeof rect);
    return rect;
}

// A click apart from the last one: two quick clicks at one spot would make
// a double click.
void ClickHeader(HWND list, int column)
{
    Sleep(GetDoubleClickTime() + 50);
    HWND header = reinterpret_cast<HWND>(Send(list, LVM_GETHEADER, 0, 0));
    const RECT rect = RemoteRect(header, HDM_GETITEMRECT, column);
    ClickAt(header, (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

// A real click on the row's label, with Control held when asked.
void ClickRow(HWND list, int row, bool control = false)
{
    const RECT rect = RemoteRect(list, LVM_GETITEMRECT, row, LVIR_LABEL);
    INPUT key{};
    key.type = INPUT_KEYBOARD;
    key.ki.wVk = VK_CONTROL;
    if (control)
        SendInput(1, &key, sizeof key);
    ClickAt(list, rect.left + 4, (rect.top + rect.bottom) / 2);
    key.ki.dwFlags = KEYEVENTF_KEYUP;
    if (control)
        SendInput(1, &key, sizeof key);
}

std::vector<std::string> Names(HWND list)
{
    std::vector<std::string> names;
    for (const std::vector<std::string>& row : ReadListView(list))
        names.push_back(row[Name]);
    return names;
}

std::vector<std::string> SelectedNames(HWND list)
{
    std::vector<std::string> names;
    const std::vector<std::vector<std::string>> rows = ReadListView(list);
    for (int row = -1;;) {
        row = static_cast<int>(Send(list, LVM_GETNEXTITEM, row, LVNI_SELECTED));
        if (row < 0 || row >= static_cast<int>(rows.size()))
            return names;
        names.push_back(rows[row][Name]);
    }
}

int RowOf(HWND list, const std::string& name)
{
    const std::vector<std::string> names = Names(list);
    for (size_t row = 0; row < names.size(); ++row)
        if (names[row] == name)
            return static_cast<int>(row);
    return -1;
}

} // namespace

TEST(KyDirGList, HeaderClicksSortWithTheFolderFirstOrLastAndKeepTheSelection)
{
    const std::string folder = WriteFixture();
    HandOverPaths({folder});
    Session session;
    ASSERT_TRUE(session.Start());
    ASSERT_TRUE(session.Listed(kFixtureRows));
    Activate(session.frame);
    ParkMouse();

    ClickRow(session.list, RowOf(session.list, "big.dat"));
    ASSERT_TRUE(WaitFor([&] { return StatusText(session.status, 0) == "1 object selected"; }, 5000))
        << StatusText(session.status, 0);
    ClickRow(session.list, RowOf(session.list, "zeta.log"), true);
    EXPECT_TRUE(
        WaitFor([&] { return StatusText(session.status, 0) == "2 objects selected"; }, 5000))
        << StatusText(session.status, 0);

    ClickHeader(session.list, Name);
    const Names_t ascending{"sub", "alpha.txt", "big.dat", "inner.txt", "zeta.log"};
    EXPECT_TRUE(WaitFor([&] { return Names(session.list) == ascending; }, 5000))
        << ::testing::PrintToString(Names(session.list));
    EXPECT_EQ((Names_t{"big.dat", "zeta.log"}), SelectedNames(session.list));
    Screenshot(session.frame, kArtifacts, "03-sorted-by-name");

    ClickHeader(session.list, Name);
    const Names_t descending{"zeta.log", "inner.txt", "big.dat", "alpha.txt", "sub"};
    EXPECT_TRUE(WaitFor([&] { return Names(session.list) == descending; }, 5000))
        << ::testing::PrintToString(Names(session.list));
    EXPECT_EQ((Names_t{"zeta.log", "big.dat"}), SelectedNames(session.list));

    // Size sorts largest first at its first click, the folder last; the
    // second click reverses both.
    ClickHeader(session.list, Size);
    EXPECT_TRUE(WaitFor([&] { return Names(session.list).front() == "big.dat"; }, 5000));
    EXPECT_EQ("sub", Names(session.list).back());
    ClickHeader(session.list, Size);
    EXPECT_TRUE(WaitFor([&] { return Names(session.list).front() == "sub"; }, 5000));
    EXPECT_EQ("big.dat", Names(session.list).back());
    EXPECT_TRUE(
        WaitFor([&] { return StatusText(session.status, 0) == "2 objects selected"; }, 5000))
        << StatusText(session.status, 0);

    session.Close();
    EXPECT_EQ(0u, session.program.Wait(kStartMs));
    kytest::RemoveTree(folder);
}

TEST(KyDirGList, SortingWhileTheDirProgramListsIsSafe)
{
    const std::string folder = WriteFixture();
    HandOverPaths({folder});
    Session session;
    const int madeUp = 400;
    ASSERT_TRUE(session.Start({"KYTEST_TASK_LINK=slow=" + std::to_string(madeUp) + ",slow-ms=2"}));
    ASSERT_TRUE(WaitFor([&] { return ListRowCount(session.list) > 0; }, kStartMs));
    Activate(session.frame);
    for (int click = 0; click < 6; ++click) {
        ClickHeader(session.list, click % 2 == 0 ? Name : Size);
        Sleep(50);
    }
    ASSERT_TRUE(session.Listed(madeUp + kFixtureRows)) << ListRowCount(session.list);
    // The last click sorted by Size, largest first: the folder comes last.
    EXPECT_EQ("sub", Names(session.list).back());
    EXPECT_TRUE(session.program.Running());
    session.Close();
    EXPECT_EQ(0u, session.program.Wait(kStartMs));
    kytest::RemoveTree(folder);
}

TEST(KyDirGList, EnterOpensTheOneSelectedFileOnly)
{
    const std::string folder = WriteFixture();
    // A batch file that leaves a mark when it is opened.
    const std::string marker = folder + "opened.mark";
    kytest::WriteFile(folder + "open.bat", "@echo opened> \"" + marker + "\"\r\n");
    HandOverPaths({folder});
    Session session;
    ASSERT_TRUE(session.Start());
    ASSERT_TRUE(session.Listed(kFixtureRows + 1));
    Activate(session.frame);
    ParkMouse();

    ClickRow(session.list, RowOf(session.list, "open.bat"));
    ClickRow(session.list, RowOf(session.list, "alpha.txt"), true);
    ASSERT_TRUE(WaitFor([&] { return SelectedNames(session.list).size() == 2; }, 5000));
    PressKey(VK_RETURN);
    Sleep(1500);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(marker.c_str()))
        << "two selected rows open nothing";

    ClickRow(session.list, RowOf(session.list, "open.bat"));
    ASSERT_TRUE(WaitFor([&] { return SelectedNames(session.list) == Names_t{"open.bat"}; }, 5000));
    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitFor(
        [&] { return GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES; }, kStartMs));

    session.Close();
    EXPECT_EQ(0u, session.program.Wait(kStartMs));
    kytest::RemoveTree(folder);
}
