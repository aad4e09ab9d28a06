// Tests of the result list's rows and commands: display texts, the edit and
// selection commands with their updates, opening the containing folder, the
// Explorer menu's anchor, renaming after a click that activates the window,
// Clear, the monitor timer and the message window.
#include "ResultListTestSupport.h"

#include "KyGui/Shell/ShellIds.h"
#include "KyGuiTool/ResultList/ResultListResource.h"

#include <afxres.h>

using namespace ResultListTest;
using View = TestFileListView;
using Kyvant::ShFileRec::Item;

namespace {

using FileListCommands = ResultListView;

std::string ClipboardText()
{
    std::string text;
    if (!::OpenClipboard(nullptr))
        return text;
    if (HANDLE data = ::GetClipboardData(CF_TEXT)) {
        text = static_cast<const char*>(::GlobalLock(data));
        ::GlobalUnlock(data);
    }
    ::CloseClipboard();
    return text;
}

} // namespace

TEST_F(FileListCommands, ARowShowsTheTextsItsRecordPrepared)
{
    Open();
    ASSERT_EQ(RowCount, List().GetItemCount());
    const int row = 999;
    EXPECT_EQ(Names()[row], CellText(row, View::Name));
    const Item& record = m_view->Row(row);
    EXPECT_EQ(Item::AllFields | Item::DetailsGiven, record.GetPreparedFields());
    EXPECT_STREQ("1 KB", record.GetSizeText().c_str());
    EXPECT_EQ(record.GetSizeText().c_str(), CellText(row, View::Size));
    EXPECT_EQ(record.GetTypeName().c_str(), CellText(row, View::Type));
    EXPECT_EQ(record.GetAttributeText(), CellText(row, View::Attributes));
    EXPECT_EQ(Folder(), CellText(row, View::Folder));

    // A request without room gets no text; the overlay goes into the state.
    char guard[4] = "abc";
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.pszText = guard;
    item.cchTextMax = 0;
    item.state = LVIS_SELECTED | INDEXTOOVERLAYMASK(1);
    m_view->HandleDispInfo_imp(item, "long text", 7, 2);
    EXPECT_STREQ("abc", guard);
    EXPECT_EQ(7, item.iImage);
    EXPECT_EQ(UINT(LVIS_SELECTED | INDEXTOOVERLAYMASK(2)), item.state);
    EXPECT_EQ(UINT(LVIS_OVERLAYMASK), item.stateMask & LVIS_OVERLAYMASK);
    item.pszText = nullptr;
    item.cchTextMax = 10;
    m_view->HandleDispInfo_imp(item, "long text", 7, 0);
    EXPECT_EQ(UINT(LVIS_SELECTED), item.state);
    item.pszText = guard;
    item.cchTextMax = sizeof guard;
    m_view->HandleDispInfo_imp(item, "long text", 7, 0);
    EXPECT_STREQ("lon", guard);
    Snapshot("result-list-rows");
}

TEST_F(FileListCommands, EditCommandsReachTheViewOrTheLabelBeingEdited)
{
    Open();
    const struct {
        UINT id;
        bool withoutRows;
        bool withRows;
    } updates[] = {
        {ID_EDIT_COPY, false, true},          {ID_EDIT_CUT, false, true},
        {ID_EDIT_CLEAR, false, true},         {ID_EDIT_SELECT_ALL, true, true},
        {ID_KY_INVERT_SELECTION, true, true}, {ID_KY_PROPERTIES, false, true},
        {ID_KY_RENAME, false, true},          {ID_KY_REFRESH, true, true},
    };
    for (const auto& u : updates)
        EXPECT_EQ(u.withoutRows, Update(u.id).enabled) << u.id;
    Select({4, 5}, 5);
    for (const auto& u : updates)
        EXPECT_EQ(u.withRows, Update(u.id).enabled) << u.id;
    for (UINT id : {ID_EDIT_COPY, ID_EDIT_CUT, ID_EDIT_CLEAR, ID_KY_PROPERTIES, ID_KY_REFRESH})
        Command(id);
    EXPECT_EQ(Strings({"copy", "cut", "delete", "properties", "refresh"}), m_view->m_heard);

    // While a label is edited the commands act on its edit.
    m_view->m_heard.clear();
    m_view->SetFocus();
    CEdit* edit = List().EditLabel(5);
    ASSERT_NE(nullptr, edit);
    EXPECT_TRUE(m_view->LabelEditing());
    edit->SetWindowText("renamed.txt");
    edit->SetSel(0, 0);
    EXPECT_FALSE(Update(ID_EDIT_COPY).enabled);
    EXPECT_TRUE(Update(ID_EDIT_SELECT_ALL).enabled);
    EXPECT_FALSE(Update(ID_KY_INVERT_SELECTION).enabled);
    EXPECT_FALSE(Update(ID_KY_RENAME).enabled);
    EXPECT_FALSE(Update(ID_KY_REFRESH).enabled);
    Command(ID_EDIT_SELECT_ALL);
    EXPECT_TRUE(Update(ID_EDIT_COPY).enabled);
    Command(ID_EDIT_COPY);
    EXPECT_EQ("renamed.txt", ClipboardText());
    EXPECT_TRUE(m_view->m_heard.empty());

    // The frame's accelerators do not take the edit's keys.
    ACCEL deleteKey = {FVIRTKEY, VK_DELETE, ID_EDIT_CLEAR};
    m_frame->m_hAccelTable = ::CreateAcceleratorTableA(&deleteKey, 1);
    edit->PostMessage(WM_KEYDOWN, VK_DELETE, 1);
    PumpPending();
    EXPECT_EQ(0, edit->GetWindowTextLength());
    EXPECT_TRUE(m_view->m_heard.empty());
    ::SendMessageA(edit->m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
    PumpPending();
    EXPECT_EQ(Strings({"end edit"}), m_view->m_heard);
    m_view->PostMessage(WM_KEYDOWN, VK_DELETE, 1);
    PumpPending();
    EXPECT_EQ(Strings({"end edit", "delete"}), m_view->m_heard);
}

TEST_F(FileListCommands, SelectAllAndInvertRunMarkedForTheDerivedView)
{
    Open();
    Command(ID_EDIT_SELECT_ALL);
    EXPECT_EQ(UINT(RowCount), List().GetSelectedCount());
    EXPECT_GT(m_view->m_changesWhileSelectingAll, 0);
    Select({1, 2}, 2);
    const int before = m_view->m_changesWhileSelectingAll;
    Command(ID_KY_INVERT_SELECTION);
    EXPECT_EQ(UINT(RowCount - 2), List().GetSelectedCount());
    EXPECT_EQ(0u, List().GetItemState(1, LVIS_SELECTED));
    EXPECT_EQ(UINT(LVIS_SELECTED), List().GetItemState(0, LVIS_SELECTED));
    EXPECT_GT(m_view->m_changesWhileSelectingAll, before);
}

TEST_F(FileListCommands, LaunchingOpensARowsFileOrSelectsItInItsFolder)
{
    Open();
    m_view->DoItemLaunch(-1, false);
    m_view->DoItemLaunch(8, false);
    m_view->DoItemLaunch(9, true);
    ASSERT_EQ(2u, Outside().launches.size());
    EXPECT_EQ(PathOf(8), Outside().launches[0].file);
    EXPECT_EQ("", Outside().launches[0].verb);
    EXPECT_EQ(PathOf(9), Outside().launches[1].file);
    EXPECT_EQ("properties", Outside().launches[1].verb);

    // Open containing folder: without a focused row only a beep.
    Outside().launches.clear();
    Command(ID_KY_OPEN_CONTAINING_FOLDER);
    EXPECT_EQ(1, Outside().beeps);
    EXPECT_TRUE(Outside().launches.empty());

    Select({}, 0); // the file's name holds a comma
    Command(ID_KY_OPEN_CONTAINING_FOLDER);
    ASSERT_EQ(1u, Outside().launches.size());
    EXPECT_EQ("explorer.exe", Outside().launches[0].file);
    EXPECT_EQ("/select,\"" + PathOf(0) + "\"", Outside().launches[0].parameters);
    EXPECT_EQ(1, Outside().beeps);
}

TEST_F(FileListCommands, TheKeyboardMenuAnchorsAtTheHotRowAndListsItFirst)
{
    Open();
    const struct {
        std::vector<int> selected;
        int focused;
        std::vector<int> objects; // the menu's objects, in order
    } cases[] = {
        {{3, 7, 9}, 1, {3, 7, 9}}, // focus unselected: the first selected row
        {{3, 7, 9}, 7, {7, 3, 9}}, // a selected focus comes first
        {{4}, 0, {4}},             // one object: the path form
        {{}, 2, {}},               // nothing selected: no menu
    };
    for (const auto& c : cases) {
        Outside().menus.clear();
        Select(c.selected, c.focused);
        m_view->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_view->m_hWnd), -1);
        if (c.objects.empty()) {
            EXPECT_TRUE(Outside().menus.empty());
            continue;
        }
        ASSERT_EQ(1u, Outside().menus.size());
        const OutsideSeen::Menu& menu = Outside().menus[0];
        Strings expected;
        for (int row : c.objects)
            expected.push_back(PathOf(row));
        EXPECT_EQ(expected, menu.paths);
        EXPECT_EQ(c.objects.size() == 1, menu.single);
        CRect icon;
        List().GetItemRect(c.objects[0], &icon, LVIR_ICON);
        EXPECT_EQ(icon.left + icon.Height() / 2, menu.point.x);
        EXPECT_EQ(icon.top + icon.Height() / 2, menu.point.y);
    }
    // A mouse point arrives in screen coordinates and goes on in the view's.
    Outside().menus.clear();
    Select({5, 6}, 6);
    CPoint at(40, 50);
    m_view->ClientToScreen(&at);
    m_view->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_view->m_hWnd),
                        MAKELPARAM(at.x, at.y));
    ASSERT_EQ(1u, Outside().menus.size());
    EXPECT_EQ(40, Outside().menus[0].point.x);
    EXPECT_EQ(50, Outside().menus[0].point.y);
}

TEST_F(FileListCommands, AClickThatActivatesTheWindowOnASelectedRowStartsNoRename)
{
    Open();
    Select({2}, 2);
    const auto activateOver = [&](int rowIndex) {
        CRect rect;
        List().GetItemRect(rowIndex, &rect, LVIR_LABEL);
        CPoint point = rect.CenterPoint();
        m_view->ClientToScreen(&point);
        ::SetCursorPos(point.x, point.y);
        ::SetFocus(nullptr);
        m_view->SendMessage(WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(m_frame->m_hWnd),
                            MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
    };
    activateOver(2);
    EXPECT_TRUE(m_view->ClickActivated());
    EXPECT_EQ(nullptr, List().EditLabel(2)); // the list's delayed edit after that click
    EXPECT_FALSE(m_view->LabelEditing());
    EXPECT_FALSE(m_view->ClickActivated());
    ASSERT_NE(nullptr, List().EditLabel(2)); // a later one goes ahead
    EXPECT_TRUE(m_view->LabelEditing());
    m_view->Clear();

    // A double click after the activating click clears the flag.
    m_view->SetRows(Folder(), Names());
    Select({2}, 2);
    activateOver(2);
    CRect rect;
    List().GetItemRect(2, &rect, LVIR_LABEL);
    const LPARAM at = MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y);
    List().SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    List().SendMessage(WM_LBUTTONUP, 0, at);
    EXPECT_FALSE(m_view->ClickActivated());

    // Over a row not selected the flag stays clear; the rename command is no
    // click, so it is never refused.
    Open();
    Select({2}, 2);
    activateOver(4);
    EXPECT_FALSE(m_view->ClickActivated());
    activateOver(2);
    Command(ID_KY_RENAME);
    EXPECT_TRUE(m_view->LabelEditing());
    EXPECT_NE(nullptr, List().GetEditControl());
}

TEST_F(FileListCommands, ClearCancelsTheLabelEditAndLeavesNoRowsNoMarkAndNoTimer)
{
    Open();
    m_view->SetSortStateX(View::Size, View::SortAscending);
    m_view->EnableMonitorTimer(true);
    Select({1}, 1);
    m_view->SetFocus();
    ASSERT_NE(nullptr, List().EditLabel(1));
    m_view->Clear();
    PumpPending();
    EXPECT_EQ(nullptr, List().GetEditControl());
    EXPECT_FALSE(m_view->LabelEditing());
    EXPECT_EQ(Strings({"end edit while cancelling"}), m_view->m_heard);
    EXPECT_EQ(0, List().GetItemCount());
    EXPECT_EQ(-1, m_view->GetSortedColumn());
    EXPECT_FALSE(m_view->IsMonitorTimerRunning());
    EXPECT_EQ(1, m_view->m_timerKills);
}

TEST_F(FileListCommands, TheMonitorTimerReportsItsEndOnlyWhenItRan)
{
    Open();
    m_view->EnableMonitorTimer(false);
    EXPECT_EQ(0, m_view->m_timerKills);
    m_view->EnableMonitorTimer(true);
    m_view->EnableMonitorTimer(true);
    EXPECT_TRUE(m_view->IsMonitorTimerRunning());
    m_view->EnableMonitorTimer(false);
    m_view->EnableMonitorTimer(false);
    EXPECT_EQ(1, m_view->m_timerKills);
}

TEST_F(FileListCommands, ErrorsOfTheDerivedViewReachTheUserAsMessageBoxes)
{
    Open();
    Select({3}, 3);
    theApp.m_boxes.clear();
    m_view->m_copyThrows = true;
    Command(ID_EDIT_COPY);
    m_view->m_copyThrows = false;
    m_view->m_copyFailsInCom = true;
    Command(ID_EDIT_COPY);
    ASSERT_EQ(2u, theApp.m_boxes.size());
    EXPECT_EQ("The files are gone.", theApp.m_boxes[0].text);
    EXPECT_FALSE(theApp.m_boxes[1].text.empty());
}

TEST_F(FileListCommands, TheMessageWindowCoversTheListBelowTheHeader)
{
    Open();
    m_view->SetRows(Folder(), {});
    m_view->ShowMsgWnd(true);
    CWnd* message = m_view->GetDlgItem(0xFFFF);
    ASSERT_NE(nullptr, message);
    EXPECT_TRUE(message->IsWindowVisible());
    char text[64] = "";
    message->GetWindowText(text, sizeof text);
    EXPECT_STREQ("The results are empty", text);
    CRect header;
    CRect client;
    CRect placed;
    ::GetWindowRect(Header(), &header);
    m_view->GetClientRect(&client);
    message->GetWindowRect(&placed);
    m_view->ScreenToClient(&placed);
    EXPECT_EQ(CRect(0, header.Height(), client.right, client.bottom), placed);
    m_frame->MoveWindow(20, 20, 600, 400);
    message->GetWindowRect(&placed);
    m_view->ScreenToClient(&placed);
    m_view->GetClientRect(&client);
    EXPECT_EQ(client.right, placed.right);
    Snapshot("result-list-message");
    m_view->ShowMsgWnd(false);
    EXPECT_FALSE(message->IsWindowVisible());
}
