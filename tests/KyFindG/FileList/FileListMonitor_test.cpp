// The file list while the finder stand-in writes slowly: rows arrive on the
// one-second ticks, in steps, without scrolling the list, the first row is selected
// while there is no current file, the row that was last at a tick is
// repainted with its grown match count, and the timer stops after the task.
#include "FileList/FileListTestSupport.h"

#include <set>

using namespace findgtest;

namespace {

using FileListMonitor = FileListTest;

// Each count the list took, and when.
struct CountChange {
    DWORD at;
    int rows;
};

} // namespace

TEST_F(FileListMonitor, RowsArriveOnTheTicksAndEveryRowEndsPaintedWithItsFinalCount)
{
    // Four made-up files of four lines, a line every 350 ms: a file takes
    // longer than a tick, so most ticks find the last file incomplete.
    SetVariable(kSwitches, "slow=16,slow-ms=350");
    frame->m_recordCells = true;
    ASSERT_TRUE(StartTask({}));
    std::vector<CountChange> changes;
    std::vector<int> selectedAtFirstRows;
    const bool ended = PumpUntil(
        [&] {
            const int rows = Rows();
            if (rows != (changes.empty() ? 0 : changes.back().rows)) {
                changes.push_back({GetTickCount(), rows});
                if (changes.size() == 1)
                    selectedAtFirstRows = SelectedRows();
            }
            return finder->GetCurrentJob() == nullptr && !view->IsMonitorTimerRunning();
        },
        kTaskTimeoutMs);
    ASSERT_TRUE(ended);

    ASSERT_EQ(4, Rows());
    EXPECT_EQ(4u, finder->GetModel().GetFileCount());
    ASSERT_GE(changes.size(), 2u);
    EXPECT_EQ(std::vector<int>{0}, selectedAtFirstRows);
    EXPECT_EQ(0, link.current);
    EXPECT_EQ(1, std::count(link.heard.begin(), link.heard.end(), "set 0"));

    // The last Matches text painted in each row is the file's final count.
    std::vector<std::string> lastPainted(4);
    std::set<std::string> paintedTexts;
    for (const ResultsFrame::Cell& cell : frame->m_cells)
        if (cell.column == FileListView::Matches && cell.row >= 0 && cell.row < 4) {
            lastPainted[cell.row] = cell.text;
            paintedTexts.insert(cell.text);
        }
    EXPECT_EQ(Strings({"3", "3", "3", "3"}), lastPainted);
    EXPECT_GT(paintedTexts.size(), 1u) << "some row was painted before its count was final";
    EXPECT_EQ(-1, view->GetWatchedRow()) << "the stopped timer forgets the watched row";
}

TEST_F(FileListMonitor, NewRowsNeitherScrollTheListNorMoveTheSelection)
{
    // Fifty made-up files, a line every 15 ms: several ticks of rows, more
    // than a page of them.
    SetVariable(kSwitches, "slow=200,slow-ms=15");
    ASSERT_TRUE(StartTask({}));
    const int page = List().GetCountPerPage();
    ASSERT_TRUE(PumpUntil([&] { return Rows() > page + 5; }, kTaskTimeoutMs));
    List().EnsureVisible(page + 2, FALSE);
    PumpPending();
    const int top = List().GetTopIndex();
    ASSERT_GT(top, 0);
    std::vector<CountChange> changes = {{GetTickCount(), Rows()}};
    ASSERT_TRUE(PumpUntil(
        [&] {
            if (Rows() != changes.back().rows) {
                changes.push_back({GetTickCount(), Rows()});
                EXPECT_EQ(top, List().GetTopIndex()) << "at " << Rows() << " rows";
                EXPECT_EQ(std::vector<int>{0}, SelectedRows());
            }
            return finder->GetCurrentJob() == nullptr && !view->IsMonitorTimerRunning();
        },
        kTaskTimeoutMs));
    // A file arrives every 60 ms, the rows only on the ticks (half a tick
    // allowed for a late one).
    ASSERT_GE(changes.size(), 2u);
    for (std::size_t i = 2; i < changes.size(); ++i)
        EXPECT_GE(changes[i].at - changes[i - 1].at, kTickMs / 2)
            << "rows came between ticks, at change " << i;
    EXPECT_EQ(50, Rows());
    EXPECT_EQ(top, List().GetTopIndex());
    Snapshot("KyFindG-file-list-grown");
}
