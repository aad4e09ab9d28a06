// The Dir list's columns, cells and growth: the default columns and their
// widths filling the list, the header menu showing Rank, the cells of
// folders and files, the first rows focusing row 0 without selecting it,
// the text over an empty listing, and a Dir task's listing read back.
#include "FileList/FileListTestSupport.h"

#include "KyDir/Gui/FileList/FileListResource.h"
#include "KyGuiTool/FileRecords/FileDisplayFormat.h"
#include "KyGuiTool/ResultList/ResultListResource.h"

using namespace dirgtest;

namespace {

using DirFileList = DirListTest;

std::string Attributes(DWORD attributes)
{
    char text[Kyvant::ShFileRec::Item::AttributeTextCapacity] = "";
    Kyvant::ShFileRec::FormatFileAttributesForDisplay(attributes, text);
    return text;
}

// The text of the view's visible message window; empty when none shows.
std::string MessageText(CWnd& view)
{
    for (CWnd* child = view.GetWindow(GW_CHILD); child != nullptr;
         child = child->GetWindow(GW_HWNDNEXT)) {
        if (child->GetDlgCtrlID() == 0xFFFF && child->IsWindowVisible()) {
            CString text;
            child->GetWindowText(text);
            return static_cast<const char*>(text);
        }
    }
    return "";
}

} // namespace

TEST_F(DirFileList, DefaultColumnsFillTheListAndRankCanBeShown)
{
    EXPECT_EQ(Strings({"Name", "In Folder", "Size", "Type", "Modified", "Attributes"}), Captions());
    CRect client;
    List().GetClientRect(&client);
    int total = 0;
    for (int index = 0; index < static_cast<int>(Captions().size()); ++index)
        total += List().GetColumnWidth(index);
    EXPECT_EQ(client.Width() - GetSystemMetrics(SM_CXVSCROLL), total)
        << "the surplus width is shared out to Name, In Folder and Type";

    Command(ID_DL_COLUMN_RANK);
    EXPECT_EQ("Rank", Captions().back());
    Command(ID_DL_COLUMN_IN_FOLDER);
    EXPECT_EQ(Strings({"Name", "Size", "Type", "Modified", "Attributes", "Rank"}), Captions());
}

TEST_F(DirFileList, CellsShowFoldersFilesAndRanks)
{
    Command(ID_DL_COLUMN_RANK);
    Add("C:\\Fixture\\",
        {{"sub", 0, FILE_ATTRIBUTE_DIRECTORY, 0},
         {"a.txt", 1234 * 1024, FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY, 812}});
    ASSERT_EQ(2, Rows());
    EXPECT_EQ(Strings({"sub", "a.txt"}), Column(FileListView::Name));
    EXPECT_EQ(Strings({"C:\\Fixture\\", "C:\\Fixture\\"}), Column(FileListView::InFolder));
    EXPECT_EQ(Strings({"0", "812"}), Column(FileListView::Rank));
    EXPECT_EQ(Attributes(FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY),
              Cell(1, FileListView::Attributes));
    EXPECT_EQ("1,234 KB", Cell(1, FileListView::Size)) << "grouped in the tests' locale";
    EXPECT_NE("", Cell(1, FileListView::Modified));
}

TEST_F(DirFileList, FirstRowsTakeTheFocusButNoSelection)
{
    Add("C:\\Fixture\\", {{"one"}, {"two"}});
    EXPECT_EQ(2, Rows());
    EXPECT_EQ(0, FocusedRow());
    EXPECT_TRUE(SelectedRows().empty());

    Select({1});
    Add("C:\\Fixture\\", {{"three"}});
    EXPECT_EQ(3, Rows());
    EXPECT_EQ(1, FocusedRow()) << "later rows leave the focus where it is";
    EXPECT_EQ(std::vector<int>{1}, SelectedRows());
    EXPECT_FALSE(view->IsMonitorTimerRunning()) << "no task runs: the tick was the last";
}

TEST_F(DirFileList, AnEmptyListingSaysWhetherItWentToAListFile)
{
    const std::string empty = kytest::NewFolder(folder, "empty");
    RunTask({"@p" + empty + "*|+"});
    EXPECT_EQ(0, Rows());
    EXPECT_EQ("The search results are empty", MessageText(*view));
    Snapshot("KyDirG-list-empty");

    theApp.SetListFileNamed(true);
    RunTask({"@p" + empty + "*|+"});
    EXPECT_EQ("The search results were saved to a file", MessageText(*view));

    kytest::WriteFile(folder + "x.txt", "x");
    theApp.SetListFileNamed(false);
    RunTask({"@p" + folder + "x.txt"});
    EXPECT_EQ(1, Rows());
    EXPECT_EQ("", MessageText(*view)) << "rows hide the message";
}

TEST_F(DirFileList, ATaskListsTheTreeWithSizesAndAttributes)
{
    kytest::WriteFile(folder + "a.txt", "abc");
    kytest::WriteFile(folder + "b.log", std::string(2048, 'b'));
    CreateDirectoryA((folder + "sub").c_str(), nullptr);
    kytest::WriteFile(folder + "sub\\c.txt", "cc");
    SetFileAttributesA((folder + "b.log").c_str(), FILE_ATTRIBUTE_READONLY);
    RunTask({"-F", "-f", "@p" + folder + "*|+"});
    SetFileAttributesA((folder + "b.log").c_str(), FILE_ATTRIBUTE_NORMAL);

    // "folder below the test's one > name > size > attributes", sorted.
    Strings rows;
    for (int row = 0; row < Rows(); ++row)
        rows.push_back(Cell(row, FileListView::InFolder).substr(folder.size()) + ">" +
                       Cell(row, FileListView::Name) + ">" + Cell(row, FileListView::Size) + ">" +
                       Cell(row, FileListView::Attributes));
    std::sort(rows.begin(), rows.end());
    const std::string readOnly = Attributes(FILE_ATTRIBUTE_READONLY);
    ASSERT_EQ(4u, rows.size()) << ::testing::PrintToString(rows);
    EXPECT_EQ(0u, rows[0].find(">a.txt>1 KB>")) << rows[0];
    EXPECT_EQ(0u, rows[1].find(">b.log>2 KB>")) << rows[1];
    EXPECT_NE(std::string::npos, rows[1].find(readOnly)) << rows[1];
    EXPECT_EQ(0u, rows[2].find(">sub>")) << rows[2];
    EXPECT_EQ(0u, rows[3].find("sub\\>c.txt>1 KB>")) << rows[3];
    Snapshot("KyDirG-list-task");
}

TEST_F(DirFileList, EnterOpensTheOneSelectedRowOnly)
{
    kytest::WriteFile(folder + "a.txt", "a");
    kytest::WriteFile(folder + "b.txt", "b");
    Add(folder, {{"a.txt"}, {"b.txt"}});
    Kyvant::Shell::SetShellExecuteFunction(&RecordLaunch);
    Launches().clear();
    Select({1});
    Key(VK_RETURN);
    EXPECT_EQ(Strings{folder + "b.txt|"}, Launches());

    Select({0, 1});
    Key(VK_RETURN);
    EXPECT_EQ(1u, Launches().size()) << "two selected rows open nothing";
    Select({});
    Key(VK_RETURN);
    EXPECT_EQ(1u, Launches().size());
}

TEST_F(DirFileList, RefreshDropsRowsOfVanishedFilesAndAnEmptiedListIsDiscarded)
{
    for (const char* name : {"a.txt", "b.txt", "c.txt"})
        kytest::WriteFile(folder + name, name);
    Add(folder, {{"a.txt"}, {"b.txt"}, {"c.txt"}});
    Select({2});
    DeleteFileA((folder + "b.txt").c_str());
    Command(ID_KY_REFRESH);
    EXPECT_EQ(Strings({"a.txt", "c.txt"}), Column(FileListView::Name));
    EXPECT_EQ(1, FocusedRow()) << "the focus stays on c.txt";
    EXPECT_EQ(2u, finder->GetModel().GetItemCount());

    DeleteFileA((folder + "a.txt").c_str());
    DeleteFileA((folder + "c.txt").c_str());
    Command(ID_KY_REFRESH);
    EXPECT_EQ(0, Rows());
    EXPECT_EQ(0u, finder->GetModel().GetItemCount());
}
