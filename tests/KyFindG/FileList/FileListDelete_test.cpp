// Deleting rows' files through the shell: to the trash, or for good while
// Shift is held; an answer of No removes only the rows whose files are
// gone; rows removed above the current file leave it and the watched row on
// their records; and a list emptied while the task runs grows again, while
// one emptied afterwards discards the results.
#include "FileList/FileListTestSupport.h"

#include <cstdlib>

using namespace findgtest;

namespace {

using FileListDelete = FileListTest;

// The Windows name of the trash below $XDG_DATA_HOME (a Unix path, which
// drive Z: shows); empty when the variable is not set.
std::string TrashFiles()
{
    const char* home = std::getenv("XDG_DATA_HOME");
    if (home == nullptr || home[0] != '/')
        return "";
    std::string path = std::string("Z:") + home + "/Trash/files/";
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

// Removes the folder's files, keeping the folder (the trash is not made
// again once it exists).
void EmptyFolder(const std::string& path)
{
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((path + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            DeleteFileA((path + found.cFileName).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

// A file of that name, or of that name with the suffix the trash adds to
// tell equal names apart.
bool InFolder(const std::string& path, const std::string& name)
{
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((path + name + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    FindClose(search);
    return true;
}

} // namespace

TEST_F(FileListDelete, DeleteGoesToTheTrashUnlessShiftIsHeld)
{
    const std::string trash = TrashFiles();
    if (trash.empty())
        GTEST_SKIP() << "XDG_DATA_HOME is not set: the trash would be the user's";
    EmptyFolder(trash);
    EmptyFolder(trash + "..\\info\\");
    MakeFiles({{"kept.txt", "alpha\n"}, {"binned.txt", "alpha\n"}, {"gone.txt", "alpha\n"}});
    RunTask({"kept.txt", "binned.txt", "gone.txt"});

    Select({1});
    {
        BoxAnswerer yes(IDYES);
        Command(ID_EDIT_CLEAR);
        EXPECT_EQ(Strings{"Confirm file deletion"}, yes.Titles());
    }
    EXPECT_FALSE(Exists("binned.txt"));
    EXPECT_TRUE(InFolder(trash, "binned.txt"));
    EXPECT_EQ(Strings({"kept.txt", "gone.txt"}), Column(FileListView::Name));

    Select({1});
    {
        ShiftHeld shift;
        BoxAnswerer yes(IDYES);
        Command(ID_EDIT_CLEAR);
        EXPECT_EQ(Strings{"Confirm file deletion"}, yes.Titles());
    }
    EXPECT_FALSE(Exists("gone.txt"));
    EXPECT_FALSE(InFolder(trash, "gone.txt"));
    EXPECT_EQ(Strings{"kept.txt"}, Column(FileListView::Name));
    EXPECT_EQ(1u, finder->GetModel().GetMatchTotal());
    EXPECT_TRUE(Exists("kept.txt"));
}

TEST_F(FileListDelete, AnsweringNoRemovesOnlyTheRowsWhoseFilesAreGone)
{
    Open(RUNTIME_CLASS(MultiSelectFileListView));
    MakeFiles({{"a.txt", "alpha\n"}, {"b.txt", "alpha\n"}, {"c.txt", "alpha\n"}});
    RunTask({"a.txt", "b.txt", "c.txt"});
    ASSERT_TRUE(DeleteFileA((folder + "b.txt").c_str())); // gone behind the list's back
    Select({0, 1, 2});
    {
        BoxAnswerer no(IDNO);
        Command(ID_EDIT_CLEAR);
        EXPECT_FALSE(no.Titles().empty());
    }
    EXPECT_TRUE(Exists("a.txt"));
    EXPECT_TRUE(Exists("c.txt"));
    EXPECT_EQ(Strings({"a.txt", "c.txt"}), Column(FileListView::Name));
}

// The made-up files of the slow stand-in do not exist: their deletion fails
// and removes their rows.
TEST_F(FileListDelete, RowsRemovedAboveTheCurrentFileLeaveItAndTheWatchedRowOnTheirRecords)
{
    Open(RUNTIME_CLASS(MultiSelectFileListView));
    // A new file every 1.6 s, so that no tick adds rows while the box is up.
    SetVariable(kSwitches, "slow=40,slow-ms=400");
    ASSERT_TRUE(StartTask({}));
    ASSERT_TRUE(PumpUntil([this] { return Rows() >= 4; }, kTaskTimeoutMs));
    const int rows = Rows();
    Select({0, 1});
    link.current = rows - 2;
    const FileListView::FileRec* current = view->GetRecord(rows - 2);
    ASSERT_EQ(rows - 1, view->GetWatchedRow());
    const FileListView::FileRec* watched = view->GetRecord(rows - 1);
    {
        BoxAnswerer yes(IDYES);
        Command(ID_EDIT_CLEAR);
    }
    ASSERT_EQ(rows - 2, Rows());
    EXPECT_EQ(rows - 4, link.current) << ::testing::PrintToString(link.heard);
    EXPECT_EQ(current, view->GetRecord(link.current));
    EXPECT_EQ(rows - 3, view->GetWatchedRow());
    EXPECT_EQ(watched, view->GetRecord(view->GetWatchedRow()));
    EXPECT_TRUE(finder->IsRunning());
}

TEST_F(FileListDelete, AListEmptiedWhileTheTaskRunsGrowsAgainAndAfterItDiscards)
{
    // Made-up files, a new one every 0.8 s.
    SetVariable(kSwitches, "slow=20,slow-ms=200");
    ASSERT_TRUE(StartTask({}));
    const auto deleteEveryRow = [this] {
        while (Rows() > 0) {
            Select({0});
            BoxAnswerer yes(IDYES);
            Command(ID_EDIT_CLEAR);
        }
    };
    ASSERT_TRUE(PumpUntil([this] { return Rows() > 0; }, kTaskTimeoutMs));
    deleteEveryRow();
    EXPECT_EQ(0, Rows());
    EXPECT_EQ(-1, link.current);
    ASSERT_TRUE(finder->IsRunning());
    EXPECT_TRUE(PumpUntil([this] { return Rows() > 0; }, kTaskTimeoutMs)) << "grows again";

    ASSERT_TRUE(WaitForTaskEnd());
    ASSERT_TRUE(PumpUntil([this] { return !view->IsMonitorTimerRunning(); }, kTaskTimeoutMs));
    ASSERT_GT(Rows(), 0);
    deleteEveryRow();
    EXPECT_EQ(0u, finder->GetModel().GetFileCount());
    const HWND message = ::GetDlgItem(view->m_hWnd, 0xFFFF);
    ASSERT_NE(nullptr, message);
    EXPECT_TRUE(::IsWindowVisible(message));
    char text[64] = "";
    ::GetWindowTextA(message, text, sizeof text);
    EXPECT_STREQ("The search results are empty", text);
}
