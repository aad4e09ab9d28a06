// Sorting the Dir list by clicks on its header: folders before files when
// ascending and after them when descending (except by In Folder), the
// second click reversing the first, ranks as numbers, selection and focus
// kept with their items, and sorting while a task still lists.
#include "FileList/FileListTestSupport.h"

#include "KyDir/Gui/FileList/FileListResource.h"

using namespace dirgtest;

namespace {

using DirFileListSort = DirListTest;

} // namespace

TEST_F(DirFileListSort, FoldersComeFirstAscendingAndLastDescending)
{
    Add("C:\\F\\", {{"b.txt", 5},
                    {"zeta", 0, FILE_ATTRIBUTE_DIRECTORY},
                    {"A.txt", 10},
                    {"alpha", 0, FILE_ATTRIBUTE_DIRECTORY},
                    {"c.txt", 1}});
    ClickHeader(FileListView::Name);
    EXPECT_EQ(Strings({"alpha", "zeta", "A.txt", "b.txt", "c.txt"}), Column(FileListView::Name));
    EXPECT_EQ(KyFileListViewBase::SortAscending, view->GetSortState(FileListView::Name));
    ClickHeader(FileListView::Name);
    EXPECT_EQ(Strings({"c.txt", "b.txt", "A.txt", "zeta", "alpha"}), Column(FileListView::Name));
    EXPECT_EQ(KyFileListViewBase::SortDescending, view->GetSortState(FileListView::Name));

    ClickHeader(FileListView::Size);
    EXPECT_EQ(Strings({"A.txt", "b.txt", "c.txt", "zeta", "alpha"}), Column(FileListView::Name))
        << "sizes descend first, folders last";
    ClickHeader(FileListView::Size);
    EXPECT_EQ(Strings({"zeta", "alpha", "c.txt", "b.txt", "A.txt"}), Column(FileListView::Name))
        << "equal folders keep their order";
    EXPECT_EQ(KyFileListViewBase::SortNone, view->GetSortState(FileListView::Name));
    Snapshot("KyDirG-list-sorted");
}

TEST_F(DirFileListSort, InFolderOrdersByFolderAloneAndRankAsNumbers)
{
    Add("C:\\B\\", {{"dir", 0, FILE_ATTRIBUTE_DIRECTORY, 10}});
    Add("C:\\A\\",
        {{"x.txt", 1, FILE_ATTRIBUTE_ARCHIVE, 9}, {"y.txt", 1, FILE_ATTRIBUTE_ARCHIVE, 100}});
    ClickHeader(FileListView::InFolder);
    EXPECT_EQ(Strings({"x.txt", "y.txt", "dir"}), Column(FileListView::Name))
        << "a file of an earlier folder before a folder";

    Command(ID_DL_COLUMN_RANK); // shown past the list's right edge: sorted without a click
    view->SortByColumn(FileListView::Rank);
    EXPECT_EQ(Strings({"100", "9", "10"}), Column(FileListView::Rank))
        << "descending first, the folder last";
    view->SortByColumn(FileListView::Rank);
    EXPECT_EQ(Strings({"10", "9", "100"}), Column(FileListView::Rank));
}

TEST_F(DirFileListSort, SelectionAndFocusStayWithTheirItems)
{
    Add("C:\\F\\", {{"d"}, {"c"}, {"b"}, {"a"}});
    Select({1, 3}); // c (focused) and a
    ClickHeader(FileListView::Name);
    ASSERT_EQ(Strings({"a", "b", "c", "d"}), Column(FileListView::Name));
    EXPECT_EQ(std::vector<int>({0, 2}), SelectedRows());
    EXPECT_EQ(2, FocusedRow());
}

TEST_F(DirFileListSort, SortingWhileATaskListsIsSafe)
{
    SetVariable("KYTEST_TASK_LINK", "slow=150,slow-ms=2");
    TaskFrame::Answer answer;
    kytest::WriteFile(folder + "last.txt", "x");
    answer.args = {"KyDir", "@p" + folder + "*"};
    task->Script(answer);
    ASSERT_TRUE(finder->Start());
    int sorts = 0;
    PumpUntil(
        [&] {
            view->SendMessage(WM_TIMER, 1);
            if (Rows() > 0) {
                view->SortByColumn(sorts % 2 == 0 ? FileListView::Name : FileListView::Size);
                ++sorts;
            }
            return finder->GetCurrentJob() == nullptr;
        },
        kTimeoutMs);
    Tick();
    EXPECT_GT(sorts, 0);
    EXPECT_EQ(151, Rows());
    EXPECT_EQ(151u, finder->GetModel().GetItemCount());
}
