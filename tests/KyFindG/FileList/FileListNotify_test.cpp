// Keys and clicks on the file list: Enter and double clicks open a row as
// the current file with its first match and send the frame to the file
// view (only while the list is the active pane); clicks beside the rows
// select the current file's row again; and the header menu hides and shows
// the columns that may be hidden.
#include "FileList/FileListTestSupport.h"

#include "KyFind/Gui/FileList/FileListResource.h"
#include "KyGuiTool/ResultList/ResultListSeams.h"

using namespace findgtest;

namespace {

int& MenusShown()
{
    static int menus = 0;
    return menus;
}

bool CountMenu(Kyvant::Shell::ExplorerContextMenuHost&,
               const Kyvant::ResultList::ExplorerMenuRequest&)
{
    ++MenusShown();
    return true;
}

// Client coordinates of a point inside the row (below the rows for one past
// the last).
LPARAM PointOfRow(CListCtrl& list, int row)
{
    RECT rect = {LVIR_BOUNDS, 0, 0, 0};
    const int shown = row < list.GetItemCount() ? row : list.GetItemCount() - 1;
    list.SendMessage(LVM_GETITEMRECT, shown, reinterpret_cast<LPARAM>(&rect));
    const int height = rect.bottom - rect.top;
    const int y = (rect.top + rect.bottom) / 2 + (row - shown) * 3 * height;
    return MAKELPARAM(rect.left + 40, y);
}

class FileListNotify : public FileListTest {
protected:
    // A button pressed over a row (or beside the rows): its release is
    // queued first, since the list waits for it before it acts.
    void Click(UINT down, int row)
    {
        const bool left = down == WM_LBUTTONDOWN || down == WM_LBUTTONDBLCLK;
        const LPARAM at = PointOfRow(List(), row);
        List().PostMessage(left ? WM_LBUTTONUP : WM_RBUTTONUP, 0, at);
        List().SendMessage(down, left ? MK_LBUTTON : MK_RBUTTON, at);
        PumpPending();
    }
};

} // namespace

TEST_F(FileListNotify, EnterOpensTheFocusedRowInTheFileViewWhileTheListIsActive)
{
    MakeFiles({{"a.txt", "alpha\n"}, {"b.txt", "alpha\n"}, {"c.txt", "alpha\n"}});
    RunTask({"a.txt", "b.txt", "c.txt"});
    List().SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    List().SetItemState(1, LVIS_FOCUSED, LVIS_FOCUSED);
    link.heard.clear();
    view->SetFocus();
    List().SendMessage(WM_KEYDOWN, VK_RETURN, 0);
    PumpPending();
    EXPECT_EQ(std::vector<int>{1}, SelectedRows());
    EXPECT_EQ(1, link.current);
    ASSERT_FALSE(link.heard.empty());
    EXPECT_EQ("first match", link.heard.back());
    EXPECT_EQ(std::vector<UINT>{ID_VIEW_FILE_VIEW}, frame->m_commands);

    // Another pane active: the current file and match, but the frame stays.
    frame->SetActiveView(nullptr);
    Select({2});
    List().SendMessage(WM_KEYDOWN, VK_RETURN, 0);
    PumpPending();
    EXPECT_EQ(2, link.current);
    EXPECT_EQ("first match", link.heard.back());
    EXPECT_EQ(1u, frame->m_commands.size());
}

TEST_F(FileListNotify, DoubleClicksOpenARowAndClicksBesideTheRowsKeepTheCurrentFile)
{
    MakeFiles({{"a.txt", "alpha\n"}, {"b.txt", "alpha\n"}, {"c.txt", "alpha\n"}});
    RunTask({"a.txt", "b.txt", "c.txt"});
    const auto previousMenu = Kyvant::ResultList::SetExplorerMenuFunction(&CountMenu);
    MenusShown() = 0;
    view->SetFocus();

    Click(WM_LBUTTONDOWN, 2);
    Click(WM_LBUTTONDBLCLK, 2);
    EXPECT_EQ(2, link.current);
    EXPECT_EQ("first match", link.heard.back());
    EXPECT_EQ(std::vector<UINT>{ID_VIEW_FILE_VIEW}, frame->m_commands);

    Click(WM_LBUTTONDOWN, 5);
    EXPECT_EQ(std::vector<int>{2}, SelectedRows()) << "a click beside the rows";
    Click(WM_RBUTTONDOWN, 5);
    EXPECT_EQ(std::vector<int>{2}, SelectedRows()) << "a right click beside the rows";
    EXPECT_EQ(1, MenusShown()) << "the Explorer menu of the current file";
    EXPECT_EQ(2, link.current);
    Kyvant::ResultList::SetExplorerMenuFunction(previousMenu);
}

TEST_F(FileListNotify, TheHeaderMenuHidesAndShowsTheColumnsThatMayBeHidden)
{
    EXPECT_FALSE(view->GetExStyle() & WS_EX_CLIENTEDGE) << "themed: no edge of its own";
    view->SendMessage(WM_COMMAND, ID_FL_COLUMN_SIZE);
    EXPECT_FALSE(view->IsColumnShown(FileListView::Size));
    view->SendMessage(WM_COMMAND, ID_FL_COLUMN_CREATED);
    EXPECT_TRUE(view->IsColumnShown(FileListView::Created));
    view->SendMessage(WM_COMMAND, ID_FL_COLUMN_NAME);
    EXPECT_TRUE(view->IsColumnShown(FileListView::Name)) << "Name is always shown";
}
