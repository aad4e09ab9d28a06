// The "Kyvant Tools" submenu: its entries, ids and result for the stored tool list and menu kinds.
#include "ShellXTestSupport.h"

#include <string>
#include <vector>

namespace {

using shellxtest::ShellXSuite;

class ToolMenu : public ShellXSuite {};

std::string ItemText(HMENU menu, UINT position)
{
    char text[128] = {};
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

TEST_F(ToolMenu, DefaultListGivesOneSubmenuOfNineEntries)
{
    kytest::ExplorerHost host;
    ASSERT_EQ(S_OK, host.created);
    ASSERT_EQ(S_OK, host.Initialize({"C:\\"}));
    EXPECT_EQ(MAKE_HRESULT(SEVERITY_SUCCESS, 0, 10), host.Query());

    ASSERT_EQ(1, GetMenuItemCount(host.Popup()));
    EXPECT_EQ("Kyvant Tools", ItemText(host.Popup(), 0));
    MENUITEMINFOA submenu = {};
    submenu.cbSize = sizeof submenu;
    submenu.fMask = MIIM_ID;
    ASSERT_TRUE(GetMenuItemInfoA(host.Popup(), 0, TRUE, &submenu));
    EXPECT_EQ(kytest::kFirstId + 9, submenu.wID) << "the id after the last entry";
    HMENU sub = GetSubMenu(host.Popup(), 0);
    ASSERT_NE(nullptr, sub);
    ASSERT_EQ(9, GetMenuItemCount(sub));
    const std::vector<std::string> captions = {"&Find", "&Replace", "&Dir", "", "&Attrib",
                                               "&Touch", "", "&EOL", "Ta&b"};
    for (UINT i = 0; i < captions.size(); ++i) {
        MENUITEMINFOA item = {};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_ID;
        ASSERT_TRUE(GetMenuItemInfoA(sub, i, TRUE, &item));
        if (captions[i].empty()) {
            EXPECT_TRUE(item.fType & MFT_SEPARATOR) << i;
        } else {
            EXPECT_EQ(captions[i], ItemText(sub, i));
            EXPECT_EQ(kytest::kFirstId + i, item.wID) << "separators take an id too";
        }
    }
}

struct FlagCase {
    UINT flags;
    bool acts;
};

class MenuKinds : public ShellXSuite, public ::testing::WithParamInterface<FlagCase> {};

TEST_P(MenuKinds, OnlyNormalVerbsOnlyAndExploreMenusGetTheSubmenu)
{
    kytest::ExplorerHost host;
    ASSERT_EQ(S_OK, host.Initialize({"C:\\"}));
    const HRESULT hr = host.Query(GetParam().flags);
    EXPECT_EQ(GetParam().acts ? MAKE_HRESULT(SEVERITY_SUCCESS, 0, 10) : E_FAIL, hr);
    EXPECT_EQ(GetParam().acts ? 1 : 0, GetMenuItemCount(host.Popup()));
}

INSTANTIATE_TEST_SUITE_P(Flags, MenuKinds,
                         ::testing::Values(FlagCase{CMF_NORMAL, true},
                                           FlagCase{CMF_VERBSONLY, true},
                                           FlagCase{CMF_EXPLORE, true},
                                           FlagCase{CMF_EXPLORE | CMF_CANRENAME, true},
                                           FlagCase{CMF_NORMAL | CMF_EXTENDEDVERBS, true},
                                           FlagCase{CMF_DEFAULTONLY, false},
                                           FlagCase{CMF_NOVERBS, false}));

struct CountCase {
    unsigned entries;
    HRESULT expected;
};

class ListSizes : public ShellXSuite, public ::testing::WithParamInterface<CountCase> {};

TEST_P(ListSizes, OneToAHundredEntriesAreShown)
{
    std::vector<std::string> list;
    for (unsigned i = 0; i < GetParam().entries; ++i)
        list.push_back("Item " + std::to_string(i) + "|:KyFindG.exe");
    kytest::WriteToolList(list);
    kytest::ExplorerHost host;
    ASSERT_EQ(S_OK, host.Initialize({"C:\\"}));
    EXPECT_EQ(GetParam().expected, host.Query());
    EXPECT_EQ(SUCCEEDED(GetParam().expected) ? 1 : 0, GetMenuItemCount(host.Popup()));
}

INSTANTIATE_TEST_SUITE_P(Counts, ListSizes,
                         ::testing::Values(CountCase{0, E_FAIL},
                                           CountCase{1, MAKE_HRESULT(SEVERITY_SUCCESS, 0, 2)},
                                           CountCase{100, MAKE_HRESULT(SEVERITY_SUCCESS, 0, 101)},
                                           CountCase{101, E_FAIL}));

TEST_F(ToolMenu, MissingListAddsNothingAndLeavesAnEmptyListKey)
{
    kytest::RemoveToolList();
    kytest::ExplorerHost host;
    ASSERT_EQ(S_OK, host.Initialize({"C:\\"}));
    EXPECT_EQ(E_FAIL, host.Query());
    HKEY key = nullptr;
    EXPECT_EQ(ERROR_SUCCESS,
              RegOpenKeyExA(HKEY_CURRENT_USER, kytest::kMenuListKey, 0, KEY_READ, &key));
    RegCloseKey(key);
}

TEST_F(ToolMenu, IdRangeTooSmallForTheListAddsNothing)
{
    kytest::ExplorerHost host;
    ASSERT_EQ(S_OK, host.Initialize({"C:\\"}));
    EXPECT_EQ(E_FAIL, host.Query(CMF_NORMAL, kytest::kFirstId, kytest::kFirstId + 10));
    EXPECT_EQ(MAKE_HRESULT(SEVERITY_SUCCESS, 0, 10),
              host.Query(CMF_NORMAL, kytest::kFirstId, kytest::kFirstId + 11));
}

TEST_F(ToolMenu, ValueNamesThatAreNoNumbersGiveNoMenu)
{
    kytest::WriteToolValues({{"0", "Find|:KyFindG.exe"}, {"first", "Tab|:KyTab.exe"}});
    kytest::ExplorerHost host;
    ASSERT_EQ(S_OK, host.Initialize({"C:\\"}));
    EXPECT_EQ(E_FAIL, host.Query());
    EXPECT_EQ(0, GetMenuItemCount(host.Popup()));
}

TEST_F(ToolMenu, NoSelectionNoMenu)
{
    kytest::ExplorerHost host;
    EXPECT_EQ(E_FAIL, host.Query());
    EXPECT_EQ(E_NOTIMPL, host.Initialize({})) << "a data object without CF_HDROP";
    EXPECT_EQ(E_FAIL, host.Query());
}

} // namespace
