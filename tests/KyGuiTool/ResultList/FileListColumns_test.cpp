// Tests of the result list's columns: defaults, the stored "shown,order,width"
// state, the header popup, where re-shown columns go, and the sort marks of
// both header forms.
#include "ResultListTestSupport.h"

#include "ResultListTestIds.h"
#include "KyStd/Registry/RegValues.h"

using namespace ResultListTest;
using View = TestFileListView;

namespace {

using FileListColumns = ResultListView;

std::string StoredText(Kyvant::RegKey& key, const char* name)
{
    return Kyvant::ky_S().LoadStringA(key.get(), name, "(none)").c_str();
}

// What the header popup showed while it was up.
struct PopupSeen {
    Strings items;
    std::vector<bool> enabled;
    std::vector<bool> checked;
    int tries = 0;
};

PopupSeen& Popup()
{
    static PopupSeen seen;
    return seen;
}

BOOL CALLBACK FindPopup(HWND window, LPARAM found)
{
    char name[16] = "";
    ::GetClassNameA(window, name, sizeof name);
    DWORD process = 0; // this process's menus only
    ::GetWindowThreadProcessId(window, &process);
    if (process == ::GetCurrentProcessId() && ::IsWindowVisible(window) &&
        lstrcmpA(name, "#32768") == 0) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK ReadPopup(HWND, UINT, UINT_PTR timer, DWORD)
{
    const UINT getMenu = 0x01E1; // MN_GETHMENU
    HWND popup = nullptr;
    ::EnumWindows(&FindPopup, reinterpret_cast<LPARAM>(&popup));
    if (popup == nullptr && ++Popup().tries < 100)
        return;
    ::KillTimer(nullptr, timer);
    if (popup == nullptr)
        return;
    SaveWindowPng(::GetDesktopWindow(), "result-list-header-popup");
    HMENU menu = reinterpret_cast<HMENU>(::SendMessageA(popup, getMenu, 0, 0));
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        char text[64] = "";
        ::GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
        const UINT state = ::GetMenuState(menu, i, MF_BYPOSITION);
        Popup().items.push_back(text);
        Popup().enabled.push_back((state & (MF_GRAYED | MF_DISABLED)) == 0);
        Popup().checked.push_back((state & MF_CHECKED) != 0);
    }
    ::PostMessageA(popup, WM_KEYDOWN, VK_ESCAPE, 0);
}

} // namespace

TEST_F(FileListColumns, WithoutStoredStateTheDefaultColumnsShowInOrderKeyOrder)
{
    Open();
    EXPECT_EQ(Strings({"Name", "In Folder", "Size", "Type", "Modified", "Attributes"}), Captions());
    EXPECT_FALSE(m_view->IsColumnShown(View::Created));
    EXPECT_EQ(-1, m_view->GetColIndexX(View::Rank));
    CRect client;
    m_view->GetClientRect(&client);
    const std::vector<int> arguments = m_view->InitWidthArguments();
    ASSERT_EQ(5u, arguments.size());
    // The width before the rows came, and with them the scroll bar.
    EXPECT_EQ(client.Width(), arguments[0]);
    EXPECT_TRUE(m_view->GetStyle() & WS_VSCROLL);
    EXPECT_EQ(::GetSystemMetrics(SM_CXSMICON), arguments[3]);
    EXPECT_EQ(14, arguments[4]);
    EXPECT_EQ(14 + 9 * arguments[1], List().GetColumnWidth(m_view->GetColIndexX(View::Type)));
}

TEST_F(FileListColumns, SavedStateIsShownOrderAndWidthOfEveryColumn)
{
    Open();
    List().SetColumnWidth(m_view->GetColIndexX(View::Size), 77);
    const int hiddenWidth = List().GetColumnWidth(m_view->GetColIndexX(View::Attributes));
    Command(ID_TEST_LIST_COLUMN_FIRST + View::Attributes);
    // Type dragged to the front.
    std::vector<int> order = {3, 0, 1, 2, 4};
    List().SendMessage(LVM_SETCOLUMNORDERARRAY, order.size(),
                       reinterpret_cast<LPARAM>(order.data()));
    m_view->SaveState(m_key);

    EXPECT_EQ("1,3,77", StoredText(m_key, "WSize"));
    EXPECT_EQ("1,0," + std::to_string(List().GetColumnWidth(3)), StoredText(m_key, "WType"));
    EXPECT_EQ("0,-1," + std::to_string(hiddenWidth), StoredText(m_key, "WAttributes"));
    EXPECT_EQ("0,-1," + std::to_string(List().GetColumnWidth(3)), StoredText(m_key, "WCreated"));

    // Read back by a new view.
    Open();
    EXPECT_EQ(Strings({"Type", "Name", "In Folder", "Size", "Modified"}), Captions());
    EXPECT_EQ(77, List().GetColumnWidth(m_view->GetColIndexX(View::Size)));
}

TEST_F(FileListColumns, RestoreTakesWellFormedValuesAndTheDefaultsForTheRest)
{
    const struct {
        const char* name;
        const char* text; // null: the DWORD 55
    } stored[] = {
        {"WSize", "1,2"},    {"WType", "1,2,3,4"},   {"WTime", nullptr},
        {"WName", "0,5,90"}, {"WCreated", "1,0,70"}, {"WAttributes", "0,-1,40"},
        {"WRank", "1,x,30"},
    };
    for (const auto& s : stored) {
        if (s.text != nullptr)
            Kyvant::WriteRegistryString(m_key.get(), s.name, Kyvant::ky_S(s.text));
        else
            Kyvant::WriteRegistryDWORD(m_key.get(), s.name, 55);
    }
    Open();
    // Orders: Created 0, In Folder 1, Size 3, Type 4, Name 5, Modified 5 (table order kept).
    EXPECT_EQ(Strings({"Created", "In Folder", "Size", "Type", "Name", "Modified"}), Captions());
    EXPECT_EQ(90, List().GetColumnWidth(m_view->GetColIndexX(View::Name)));
    EXPECT_EQ(70, List().GetColumnWidth(m_view->GetColIndexX(View::Created)));
    EXPECT_EQ(55, List().GetColumnWidth(m_view->GetColIndexX(View::Modified)));
    EXPECT_FALSE(m_view->IsColumnShown(View::Attributes));
    EXPECT_FALSE(m_view->IsColumnShown(View::Rank));
}

TEST_F(FileListColumns, TheHeaderPopupChecksShownColumnsAndKeepsTheFixedOnesDisabled)
{
    Open();
    Popup() = PopupSeen();
    HWND header = Header();
    RECT item = {};
    ::SendMessageA(header, HDM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, &ReadPopup);
    ::SendMessageA(header, WM_RBUTTONDOWN, MK_RBUTTON, at);
    ::SendMessageA(header, WM_RBUTTONUP, 0, at);
    ::KillTimer(nullptr, timer);
    PumpPending();

    ASSERT_EQ(
        Strings({"Name", "In Folder", "Size", "Type", "Modified", "Created", "Attributes", "Rank"}),
        Popup().items);
    EXPECT_EQ(std::vector<bool>({false, false, true, true, true, true, true, true}),
              Popup().enabled);
    EXPECT_EQ(std::vector<bool>({true, true, true, true, true, false, true, false}),
              Popup().checked);

    // A fixed column cannot be hidden even by a command sent straight.
    Command(ID_TEST_LIST_COLUMN_FIRST + View::Folder);
    EXPECT_TRUE(m_view->IsColumnShown(View::Folder));
}

TEST_F(FileListColumns, AReShownColumnGoesNextToTheShownColumnOfTheNearestOrderKey)
{
    Open();
    const int first = ID_TEST_LIST_COLUMN_FIRST;
    Command(first + View::Created); // key 6: after Modified (5)
    EXPECT_EQ(Strings({"Name", "In Folder", "Size", "Type", "Modified", "Created", "Attributes"}),
              Captions());

    // Key 3 after In Folder (1) wherever the user dragged the columns.
    Command(first + View::Size);
    std::vector<int> order(6);
    List().SendMessage(LVM_GETCOLUMNORDERARRAY, 6, reinterpret_cast<LPARAM>(order.data()));
    std::rotate(order.begin(), order.begin() + 2, order.begin() + 3); // Type to the front
    List().SendMessage(LVM_SETCOLUMNORDERARRAY, 6, reinterpret_cast<LPARAM>(order.data()));
    Command(first + View::Size);
    EXPECT_EQ(Strings({"Type", "Name", "In Folder", "Size", "Modified", "Created", "Attributes"}),
              Captions());

    // A negative key goes before the nearest larger one: here in front, as
    // the last column moved there.
    Open();
    Command(first + View::Rank);
    EXPECT_EQ(Strings({"Rank", "Name", "In Folder", "Size", "Type", "Modified", "Attributes"}),
              Captions());
    EXPECT_EQ(6, m_view->GetColIndexX(View::Rank));
    EXPECT_EQ(View::Rank, m_view->GetColIDX(0, true));
    EXPECT_EQ(View::Name, m_view->GetColIDX(0, false));
    EXPECT_EQ(-1, m_view->GetColIDX(-1, true));
    EXPECT_EQ("7", CellText(7, View::Rank));
}

TEST_F(FileListColumns, OlderCommonControlsMarkTheSortedColumnWithABitmap)
{
    Open(ComCtl581);
    HDITEMA item = {};
    const auto read = [&](int column) {
        item = HDITEMA();
        item.mask = HDI_FORMAT | HDI_BITMAP;
        ::SendMessageA(Header(), HDM_GETITEMA, m_view->GetColIndexX(column),
                       reinterpret_cast<LPARAM>(&item));
        return item.fmt & (HDF_BITMAP | HDF_BITMAP_ON_RIGHT | HDF_SORTUP | HDF_SORTDOWN);
    };
    m_view->SetSortStateX(View::Size, View::SortAscending);
    EXPECT_EQ(HDF_BITMAP, read(View::Size)); // right-aligned: bitmap on the left
    const HBITMAP ascending = item.hbm;
    EXPECT_NE(nullptr, ascending);
    m_view->SetSortStateX(View::Name, View::SortDescending);
    EXPECT_EQ(HDF_BITMAP | HDF_BITMAP_ON_RIGHT, read(View::Name));
    EXPECT_NE(ascending, item.hbm);
    EXPECT_EQ(0, read(View::Size));
    EXPECT_EQ(View::Name, m_view->GetSortedColumn());
    EXPECT_EQ(View::SortNone, m_view->GetSortState(View::Size));
    Snapshot("result-list-sort-bitmap");

    // A later initial update only clears the mark.
    m_view->OnInitialUpdate();
    EXPECT_EQ(0, read(View::Name));
    EXPECT_EQ(-1, m_view->GetSortedColumn());
}

TEST_F(FileListColumns, CommonControlsSixMarkTheHeaderAndShadeTheSortedColumn)
{
    Open(ComCtl600);
    const auto format = [&](int column) {
        HDITEMA item = {};
        item.mask = HDI_FORMAT;
        ::SendMessageA(Header(), HDM_GETITEMA, m_view->GetColIndexX(column),
                       reinterpret_cast<LPARAM>(&item));
        return item.fmt & (HDF_BITMAP | HDF_SORTUP | HDF_SORTDOWN);
    };
    const auto shaded = [&] { return static_cast<int>(List().SendMessage(LVM_GETSELECTEDCOLUMN)); };
    m_view->SetSortStateX(View::Type, View::SortAscending);
    EXPECT_EQ(HDF_SORTUP, format(View::Type));
    EXPECT_EQ(m_view->GetColIndexX(View::Type), shaded());
    m_view->SetSortStateX(View::Type, View::SortDescending);
    EXPECT_EQ(HDF_SORTDOWN, format(View::Type));

    // The shading follows the column when one before it goes.
    Command(ID_TEST_LIST_COLUMN_FIRST + View::Size);
    EXPECT_EQ(m_view->GetColIndexX(View::Type), shaded());
    Snapshot("result-list-sort-header");

    m_view->SetSortStateX(View::Modified, View::SortAscending);
    EXPECT_EQ(0, format(View::Type));
    EXPECT_EQ(HDF_SORTUP, format(View::Modified));
    m_view->SetSortStateX(View::Modified, View::SortNone);
    EXPECT_EQ(0, format(View::Modified));
    EXPECT_EQ(-1, shaded());
}
