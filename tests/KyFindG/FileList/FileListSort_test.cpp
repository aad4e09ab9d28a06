// Sorting the file list by clicks on its header: the first click on
// Matches sorts descending and the next ascending with equal counts kept in
// order; names and folders compare as file names; selection, focus and the
// current file stay with their records; and sorting while the reader
// appends is safe.
#include "FileList/FileListTestSupport.h"

#include "KyStd/Win32/SyncObjects.h"

#include <algorithm>
#include <cctype>
#include <set>

using namespace findgtest;

namespace {

using FileListSort = FileListTest;

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

} // namespace

TEST_F(FileListSort, MatchesSortDescendingFirstThenAscendingKeepingEqualCountsInOrder)
{
    MakeFiles({{"c.txt", "alpha\nalpha\nalpha\n"},
               {"B.txt", "alpha\n"},
               {"a.txt", "alpha\nalpha\nalpha\n"},
               {"d.txt", "alpha\nalpha\n"}});
    RunTask({"c.txt", "B.txt", "a.txt", "d.txt"});
    ASSERT_EQ(Strings({"c.txt", "B.txt", "a.txt", "d.txt"}), Column(FileListView::Name));

    ClickHeader(FileListView::Matches);
    EXPECT_EQ(Strings({"c.txt", "a.txt", "d.txt", "B.txt"}), Column(FileListView::Name));
    EXPECT_EQ(KyFileListViewBase::SortDescending, view->GetSortState(FileListView::Matches));
    ClickHeader(FileListView::Matches);
    EXPECT_EQ(Strings({"B.txt", "d.txt", "c.txt", "a.txt"}), Column(FileListView::Name));
    EXPECT_EQ(Strings({"1", "2", "3", "3"}), Column(FileListView::Matches));
    EXPECT_EQ(KyFileListViewBase::SortAscending, view->GetSortState(FileListView::Matches));

    // Names without case: "a" before "B" (a byte order would put "B" first).
    ClickHeader(FileListView::Name);
    EXPECT_EQ(Strings({"a.txt", "B.txt", "c.txt", "d.txt"}), Column(FileListView::Name));
    EXPECT_EQ(KyFileListViewBase::SortNone, view->GetSortState(FileListView::Matches));
    ClickHeader(FileListView::Name);
    EXPECT_EQ(Strings({"d.txt", "c.txt", "B.txt", "a.txt"}), Column(FileListView::Name));
    Snapshot("KyFindG-file-list-sorted");
}

// Folders compare as file names: "x\\a" before "x/b", where a byte order
// would put '/' first; files of one folder keep their order. The finder's
// output is replayed as written.
TEST_F(FileListSort, FoldersCompareAsFileNames)
{
    const std::string replay = folder + "results.txt";
    kytest::WriteFile(replay, folder + "x/b\\one.txt(1):x(0):alpha\n" + folder +
                                  "x\\a\\two.txt(1):x(0):alpha\n" + folder +
                                  "X\\A\\three.txt(1):x(0):alpha\n");
    SetVariable(kSwitches, "replay=" + replay);
    RunTask({});
    ASSERT_EQ(Strings({"one.txt", "two.txt", "three.txt"}), Column(FileListView::Name));

    ClickHeader(FileListView::InFolder);
    EXPECT_EQ(Strings({"two.txt", "three.txt", "one.txt"}), Column(FileListView::Name));
    ClickHeader(FileListView::InFolder);
    EXPECT_EQ(Strings({"one.txt", "two.txt", "three.txt"}), Column(FileListView::Name));
}

TEST_F(FileListSort, SelectionFocusAndCurrentFileFollowTheirRecords)
{
    MakeFiles({{"b.txt", "alpha\n"},
               {"d.txt", "alpha\nalpha\n"},
               {"a.txt", "alpha\n"},
               {"c.txt", "alpha\n"}});
    RunTask({"b.txt", "d.txt", "a.txt", "c.txt"});
    Select({RowOf("a.txt")});
    ASSERT_EQ(2, link.current);

    ClickHeader(FileListView::Name);
    EXPECT_EQ(std::vector<int>{0}, SelectedRows());
    EXPECT_EQ(0, FocusedRow());
    EXPECT_EQ("a.txt", Cell(0, FileListView::Name));
    EXPECT_EQ(0, link.current);
    EXPECT_EQ("move 0", link.heard.back()) << "a sort moves the current file, it sets none";

    ClickHeader(FileListView::Matches);
    EXPECT_EQ(Strings({"d.txt", "a.txt", "b.txt", "c.txt"}), Column(FileListView::Name));
    EXPECT_EQ(std::vector<int>{1}, SelectedRows());
    EXPECT_EQ(1, FocusedRow());
    EXPECT_EQ(1, link.current);
}

TEST_F(FileListSort, FiftySortsWhileTheReaderAppendsLoseAndRepeatNoRow)
{
    // Forty made-up files, a line every 30 ms: about five seconds of
    // appending; the last line waits until the sorts are through, so that
    // they run while the reader appends however slow the machine is.
    const std::string hold = "KyTestSortHold" + std::to_string(GetCurrentProcessId());
    const Kyvant::Win32::Event lastLine(true, hold.c_str());
    SetVariable(kSwitches, "slow=160,slow-ms=30,hold=" + hold);
    ASSERT_TRUE(StartTask({}));
    const FileListView::Column columns[] = {
        FileListView::Name, FileListView::Matches,  FileListView::InFolder,  FileListView::Size,
        FileListView::Type, FileListView::Modified, FileListView::Attributes};
    int sorts = 0;
    ASSERT_TRUE(PumpUntil(
        [&] {
            if (sorts < 50 && Rows() > 0) {
                ClickHeader(columns[sorts % 7]);
                ++sorts;
                Sleep(20);
            }
            return sorts == 50;
        },
        kTaskTimeoutMs));
    EXPECT_TRUE(finder->IsRunning()) << "the sorts ran while the reader appended";
    lastLine.Set();
    ASSERT_TRUE(WaitForTaskEnd());
    ASSERT_TRUE(PumpUntil([this] { return !view->IsMonitorTimerRunning(); }, kTaskTimeoutMs));

    ASSERT_EQ(40, Rows());
    std::set<std::string> names;
    for (const std::string& name : Column(FileListView::Name))
        names.insert(name);
    EXPECT_EQ(40u, names.size());
    for (int file = 0; file < 40; ++file)
        EXPECT_EQ(1u, names.count("file" + std::to_string(file) + ".txt")) << file;
    if (view->GetSortState(FileListView::Name) == KyFileListViewBase::SortAscending)
        ClickHeader(FileListView::Name);
    ClickHeader(FileListView::Name);
    Strings shown = Column(FileListView::Name);
    EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end(),
                               [](const auto& a, const auto& b) { return Lower(a) < Lower(b); }));
    EXPECT_TRUE(theApp.m_boxes.empty());
}
