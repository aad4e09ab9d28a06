// Tests of KyShellObjListEditCtrl's insert menu: how it opens, which items
// each mode and setting enables, the shell-folder and mask-set submenus, the
// path-plan chooser, the local-drives token and the edit commands.
#include "KyGuiTool/Storage/StorageResource.h"
#include "KyDB/Named/PathPlanDB.h"
#include "ShellObjEdit/ShellObjEditFixture.h"

#include <algorithm>

using namespace ShellObjTest;
using Kyvant::ky_I;
using Mode = KyShellObjListEditCtrl::EditMode;

namespace {

using ShellObjEditMenu = ShellObjEditFixture;

const Strings kTopItems = {
    "&Folder...", "F&ile...", "Local Hard &Drives", "&Shell Folder", "&Path Plan...",
    "&Mask Set",  "-",        "&Edit Commands"};
// Positions in the top menu.
const int kFolderItem = 0;
const int kFileItem = 1;
const int kLocalDrivesItem = 2;
const int kShellFolderItem = 3;
const int kPathPlanItem = 4;
const int kMaskSetItem = 5;
const int kEditItem = 7;

// Down presses that select the item at a position of a menu without separators before it.
int DownsTo(int position)
{
    return position + 1;
}

struct EnableCase {
    const char* name;
    Mode mode;
    bool pathSets;
    bool maskSets;
    bool shellFolders;
    bool plansStored;
    std::vector<bool> enabled; // Folder, File, Drives, Shell, Plan, Masks, -, Edit
};

const EnableCase kEnableCases[] = {
    {"files and folders",
     Mode::FilesAndFolders,
     true,
     true,
     true,
     false,
     {true, true, true, true, false, true, false, true}},
    {"plans stored",
     Mode::FilesAndFolders,
     true,
     true,
     true,
     true,
     {true, true, true, true, true, true, false, true}},
    {"folders only",
     Mode::FoldersOnly,
     true,
     true,
     true,
     true,
     {true, false, true, true, true, true, false, true}},
    {"files only",
     Mode::FilesOnly,
     true,
     true,
     true,
     true,
     {false, true, false, true, true, true, false, true}},
    {"no path sets",
     Mode::FilesAndFolders,
     false,
     true,
     true,
     true,
     {true, true, false, true, false, true, false, true}},
    {"no mask or shell sets",
     Mode::FilesAndFolders,
     true,
     false,
     false,
     false,
     {true, true, true, false, false, false, false, true}},
};

void StorePlans(const Strings& names)
{
    Kyvant::PathPlanDB& db = Kyvant::PathPlanDB::Instance();
    while (!db.empty())
        db.Erase(db.begin()->first, true);
    StorageTest::Store(db, names);
}

} // namespace

TEST_F(ShellObjEditMenu, ARightClickFocusesTheControlAndEnablesItemsByModeAndSettings)
{
    for (const EnableCase& c : kEnableCases) {
        StorePlans(c.plansStored ? Strings{"Sources"} : Strings{});
        m_single.SetMode(c.mode);
        m_single.EnablePathSetAddition(c.pathSets);
        m_single.EnableMaskSetAddition(c.maskSets);
        m_single.EnableShellFolderAddition(c.shellFolders);
        m_multi.SetFocus();
        const std::vector<MenuShown> shown = RightClickMenu(m_single, {{1, {VK_ESCAPE}}});
        ASSERT_EQ(1u, shown.size()) << c.name;
        EXPECT_EQ(kTopItems, shown[0].items) << c.name;
        EXPECT_EQ(c.enabled, shown[0].enabled) << c.name;
        EXPECT_EQ(m_single.m_hWnd, ::GetFocus()) << c.name;
        CPoint click(kClickX, kClickY);
        m_single.ClientToScreen(&click);
        EXPECT_EQ(click.x, shown[0].rect.left) << c.name;
        EXPECT_EQ(click.y, shown[0].rect.top) << c.name;
    }
}

TEST_F(ShellObjEditMenu, ShiftF10OpensItAtTheClientCorner)
{
    m_single.SetFocus();
    std::vector<MenuShown> shown;
    {
        StorageTest::HeldKeys shift(true, false);
        shown = WalkMenu(
            [this] {
                m_single.PostMessage(WM_KEYDOWN, VK_F10, 0);
                PumpPending();
            },
            {{1, {VK_ESCAPE}}}, "shell-object-menu");
    }
    ASSERT_EQ(1u, shown.size());
    CPoint corner(5, 5);
    m_single.ClientToScreen(&corner);
    EXPECT_EQ(corner.x, shown[0].rect.left);
    EXPECT_EQ(corner.y, shown[0].rect.top);
}

TEST_F(ShellObjEditMenu, PlainTextShowsTheEditsOwnMenuAndRefusesDrops)
{
    Scratch scratch;
    m_single.SetMode(Mode::PlainText);
    Show(m_single, "typed");
    const std::vector<MenuShown> shown = RightClickMenu(m_single, {{1, {VK_ESCAPE}}});
    ASSERT_EQ(1u, shown.size());
    EXPECT_NE(kTopItems, shown[0].items);
    EXPECT_EQ(shown[0].items.end(),
              std::find(shown[0].items.begin(), shown[0].items.end(), "&Folder..."));
    DropFiles(m_single.m_hWnd, {scratch.File("a.txt")});
    EXPECT_EQ("typed", Text(m_single.m_hWnd));
}

TEST_F(ShellObjEditMenu, ShellFoldersAreListedWithSystemMarksAndTheCommonOnesApart)
{
    const std::vector<MenuShown> shown =
        RightClickMenu(m_single,
                       {{1, Downs(DownsTo(kShellFolderItem), {VK_RIGHT})},
                        {2, {VK_UP, VK_RIGHT}}, // "Common" is the last item
                        {3, {VK_ESCAPE, VK_ESCAPE, VK_ESCAPE}}},
                       "shell-object-shell-folders");
    ASSERT_EQ(3u, shown.size());
    const Strings& folders = shown[1].items;
    ASSERT_EQ(28u, folders.size()); // 26 folders, a separator and "Common"
    EXPECT_EQ("AdminTools (Win2K)", folders[0]);
    EXPECT_EQ("AltStartup (WinNT)", folders[1]);
    EXPECT_EQ("AppData", folders[2]);
    EXPECT_EQ("CDBurning (WinXP)", folders[3]);
    EXPECT_EQ("Windows (Win2K)", folders[25]);
    EXPECT_EQ("-", folders[26]);
    EXPECT_EQ("Common", folders[27]);
    EXPECT_EQ(
        (Strings{"Common_AdminTools (Win2K)", "Common_AltStartup (WinNT)", "Common_AppData (Win2K)",
                 "Common_Desktop (WinNT)", "Common_Documents (WinNT)", "Common_Favorites (WinNT)",
                 "Common_Music (WinXP)", "Common_Pictures (WinXP)", "Common_ProgramFiles (Win2K)",
                 "Common_Programs (WinNT)", "Common_StartMenu (WinNT)", "Common_Startup (WinNT)",
                 "Common_Templates (WinNT)", "Common_Video (WinXP)"}),
        shown[2].items);
}

TEST_F(ShellObjEditMenu, AChosenShellFolderIsAddedAsAFolder)
{
    m_multi.SetTrailingDirSep(true);
    Show(m_multi, "C:\\src");
    // Row 4 of the submenu is "Cookies"; in "Common", row 1 is "Common_AltStartup".
    RightClickMenu(m_multi,
                   {{1, Downs(DownsTo(kShellFolderItem), {VK_RIGHT})}, {2, Downs(4, {VK_RETURN})}});
    EXPECT_EQ("C:\\src\r\n<Cookies>\\", Text(m_multi.m_hWnd));
    RightClickMenu(m_multi, {{1, Downs(DownsTo(kShellFolderItem), {VK_RIGHT})},
                             {2, {VK_UP, VK_RIGHT}},
                             {3, Downs(1, {VK_RETURN})}});
    EXPECT_EQ("C:\\src\r\n<Cookies>\\\r\n<Common_AltStartup>\\", Text(m_multi.m_hWnd));
}

TEST_F(ShellObjEditMenu, MaskSetsAreListedOnceAndAppendedWithoutTheirMarks)
{
    StorageTest::EmptyMasks();
    Kyvant::MaskDB& db = Kyvant::MaskDB::Instance();
    for (const char* name : {"&Source", "Docs", "C&&Cpp"})
        db.Insert(ky_I(name), Kyvant::MaskDB::mapped_type("*.x"));
    Show(m_single, "C:\\src\\");
    const std::vector<MenuShown> shown =
        RightClickMenu(m_single, {{1, Downs(DownsTo(kMaskSetItem), {VK_RIGHT})},
                                  {2, {VK_LEFT}},
                                  {1, {VK_RIGHT}},
                                  {2, Downs(3, {VK_RETURN})}});
    ASSERT_EQ(4u, shown.size());
    const Strings expected = {"&All Files", "-", "C&&Cpp", "Docs", "&Source"};
    EXPECT_EQ(expected, shown[1].items);
    EXPECT_EQ(expected, shown[3].items);
    EXPECT_EQ("C:\\src\\Source", Text(m_single.m_hWnd));
    // "All Files" appends "*" after the list separator.
    RightClickMenu(m_single, {{1, Downs(DownsTo(kMaskSetItem), {VK_RIGHT})}, {2, {VK_RETURN}}});
    EXPECT_EQ("C:\\src\\Source, *", Text(m_single.m_hWnd));
}

TEST_F(ShellObjEditMenu, ChosenPathPlansAreAddedOnePerLineInAMultiLineControl)
{
    StorePlans({"Alpha", "Beta", "Gamma"});
    Strings listed;
    const auto choose = [&listed](std::vector<int> rows) {
        OnNextModalIdle([&listed, rows](CWnd* picker) {
            HWND list = ::GetDlgItem(picker->m_hWnd, IDC_KY_PICKER_LIST);
            listed = StorageTest::ListEntries(list);
            for (int row : rows)
                if (::SendMessageA(list, LB_SETSEL, TRUE, row) == LB_ERR)
                    ::SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
            StorageTest::PressButton(picker, IDOK);
        });
    };
    Show(m_multi, "C:\\a");
    choose({0, 2});
    RightClickMenu(m_multi, {{1, Downs(DownsTo(kPathPlanItem), {VK_RETURN})}});
    EXPECT_EQ((Strings{"Alpha", "Beta", "Gamma"}), listed);
    EXPECT_EQ("C:\\a\r\n@P Alpha\r\n@P Gamma\r\n", Text(m_multi.m_hWnd));
    EXPECT_EQ("@P Alpha\r\n@P Gamma\r\n", SelectedText(m_multi.m_hWnd));
    // A single-line control offers one choice and replaces with replace semantics.
    m_single.SetReplaceSemantics(true);
    Show(m_single, "C:\\old");
    choose({1});
    RightClickMenu(m_single, {{1, Downs(DownsTo(kPathPlanItem), {VK_RETURN})}});
    EXPECT_EQ("@P Beta", Text(m_single.m_hWnd));
}

TEST_F(ShellObjEditMenu, LocalDrivesAddTheTokenAsAFolder)
{
    m_single.SetTrailingDirSep(true);
    m_single.SetReplaceSemantics(true);
    Show(m_single, "C:\\old");
    RightClickMenu(m_single, {{1, Downs(DownsTo(kLocalDrivesItem), {VK_RETURN})}});
    EXPECT_EQ("<LocalDrives>\\", Text(m_single.m_hWnd));
}

TEST_F(ShellObjEditMenu, EditCommandsFollowTheSelectionAndTheClipboard)
{
    Show(m_single, "abc");
    m_single.SetSel(1, 2);
    if (::OpenClipboard(m_single.m_hWnd)) {
        ::EmptyClipboard();
        ::CloseClipboard();
    }
    const std::vector<MenuShown> shown =
        RightClickMenu(m_single, {{1, Downs(DownsTo(kEditItem) - 1, {VK_RIGHT})},
                                  {2, Downs(4, {VK_RETURN})}}); // Delete
    ASSERT_EQ(2u, shown.size());
    EXPECT_EQ((Strings{"&Undo", "-", "Cu&t", "&Copy", "&Paste", "&Delete", "-", "Select &All"}),
              shown[1].items);
    EXPECT_EQ((std::vector<bool>{false, false, true, true, false, true, false, true}),
              shown[1].enabled);
    EXPECT_EQ("ac", Text(m_single.m_hWnd));
    // Now Undo can bring it back; with everything selected, Select All cannot.
    m_single.SetSel(0, -1);
    const std::vector<MenuShown> again = RightClickMenu(
        m_single, {{1, Downs(DownsTo(kEditItem) - 1, {VK_RIGHT})}, {2, {VK_RETURN}}}); // Undo
    ASSERT_EQ(2u, again.size());
    EXPECT_TRUE(again[1].enabled[0]);
    EXPECT_FALSE(again[1].enabled[7]);
    EXPECT_EQ("abc", Text(m_single.m_hWnd));
}
