// The file list's columns and texts: the captions in their default order
// (Matches first, its order key being the lowest) with Created hidden, the default widths sharing
// out the free width, the Matches width handed on, each column's text for a found file, and the
// message window over an empty list.
#include "FileList/FileListTestSupport.h"

#include "KyGuiTool/FileRecords/FileDisplayFormat.h"

using namespace findgtest;
using Column = FileListView::Column;

namespace {

using FileListColumns = FileListTest;

Strings Captions(CListCtrl& list)
{
    const HWND header = reinterpret_cast<HWND>(list.SendMessage(LVM_GETHEADER));
    const int count = static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    std::vector<int> order(count);
    list.SendMessage(LVM_GETCOLUMNORDERARRAY, count, reinterpret_cast<LPARAM>(order.data()));
    Strings captions;
    for (int index : order) {
        char text[64] = "";
        HDITEMA item = {};
        item.mask = HDI_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        ::SendMessageA(header, HDM_GETITEMA, index, reinterpret_cast<LPARAM>(&item));
        captions.push_back(text);
    }
    return captions;
}

} // namespace

TEST_F(FileListColumns, DefaultColumnsShareTheFreeWidthAndTheMatchesWidthIsHandedOn)
{
    EXPECT_EQ(Strings({"Matches", "Name", "In Folder", "Size", "Type", "Modified", "Attributes"}),
              Captions(List()));
    EXPECT_FALSE(view->IsColumnShown(FileListView::Created));
    EXPECT_EQ(LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_EDITLABELS,
              view->GetStyle() & (LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_EDITLABELS));
    EXPECT_TRUE(List().GetExtendedStyle() & LVS_EX_FULLROWSELECT);

    // Free width: six tenths to In Folder, one to Type, the rest to Name.
    int widths[FileListView::ColumnCount] = {};
    view->InitColumnWidths(widths, 0, 6, 7, 16, 14);
    int shown = 0;
    for (int column = 0; column < FileListView::ColumnCount; ++column)
        if (column != FileListView::Created)
            shown += widths[column];
    int wider[FileListView::ColumnCount] = {};
    view->InitColumnWidths(wider, shown + 100, 6, 7, 16, 14);
    EXPECT_EQ(widths[FileListView::InFolder] + 60, wider[FileListView::InFolder]);
    EXPECT_EQ(widths[FileListView::Type] + 10, wider[FileListView::Type]);
    EXPECT_EQ(widths[FileListView::Name] + 30, wider[FileListView::Name]);
    EXPECT_EQ(widths[FileListView::Size], wider[FileListView::Size]);

    EXPECT_EQ(List().GetColumnWidth(view->GetColIndexX(FileListView::Matches)), link.matchesWidth);
    EXPECT_GT(link.matchesWidth, 0);
}

TEST_F(FileListColumns, EachColumnShowsItsTextOfTheFoundFile)
{
    MakeFiles({{"notes.txt", "alpha\nbeta\nalpha alpha\n"}});
    RunTask({"notes.txt"});
    ASSERT_EQ(1, Rows());
    EXPECT_EQ("notes.txt", Cell(0, FileListView::Name));
    EXPECT_EQ(folder, Cell(0, FileListView::InFolder));
    EXPECT_EQ("2", Cell(0, FileListView::Matches));
    EXPECT_EQ("1 KB", Cell(0, FileListView::Size));
    EXPECT_EQ("A", Cell(0, FileListView::Attributes));
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    ASSERT_TRUE(GetFileAttributesExA((folder + "notes.txt").c_str(), GetFileExInfoStandard, &data));
    EXPECT_EQ(Kyvant::ShFileRec::FormatFileTimeForDisplay(data.ftLastWriteTime).c_str(),
              Cell(0, FileListView::Modified));
    EXPECT_FALSE(Cell(0, FileListView::Type).empty());
    Snapshot("KyFindG-file-list-columns");
}

TEST_F(FileListColumns, AnEmptiedResultShowsTheMessageWindow)
{
    MakeFiles({{"none.txt", "beta\n"}});
    RunTask({"none.txt"});
    EXPECT_EQ(0, Rows());
    const HWND message = ::GetDlgItem(view->m_hWnd, 0xFFFF);
    ASSERT_NE(nullptr, message);
    EXPECT_TRUE(::IsWindowVisible(message));
    char text[64] = "";
    ::GetWindowTextA(message, text, sizeof text);
    EXPECT_STREQ("The search results are empty", text);
    Snapshot("KyFindG-file-list-empty");
}
