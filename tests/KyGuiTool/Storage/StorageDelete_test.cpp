// Tests of Delete and Delete Some, of the storage controls' enabled states,
// and of the names combo matching the database through many operations, one
// of them failing in the database.
#include "StorageTestSupport.h"

#include "KyDB/KyDBTestSupport.h"

#include <random>

using namespace StorageTest;
using Kyvant::PathPlanDB;
using Kyvant::ReplacePlanDB;

namespace {

using StorageDelete = StorageFixture;

// The storage menu's items and whether each is enabled, as the menu shows them.
MenuSeen StorageMenu(CWnd& host)
{
    auto* button = static_cast<KyButtonMenuInvoker*>(host.GetDlgItem(IDC_KY_MASK_SET_MENU));
    return DuringMenu([button] { button->InvokeEditor(); }, 0);
}

bool MenuItemEnabled(const MenuSeen& menu, const std::string& prefix)
{
    for (size_t i = 0; i < menu.items.size(); ++i)
        if (menu.items[i].compare(0, prefix.size(), prefix) == 0)
            return menu.enabled[i];
    ADD_FAILURE() << "no menu item " << prefix;
    return false;
}

} // namespace

TEST_F(StorageDelete, DeleteAsksForTheCurrentItemAndKeepsItsContents)
{
    ReplacePlanDB& db = ReplacePlanDB::Instance();
    Store(db, {"Alpha", "Beta"}, "alpha text");
    Host<ReplacePlanDB> host(db, "Replace Plan", "[Replace Plans]");
    BoxAnswers boxes({IDNO, IDYES});
    // Without a name: a beep, no question.
    Click(host, IDC_KY_MASK_SET_DELETE);
    EXPECT_TRUE(boxes.Texts().empty());

    ChooseEntry(host, 0);
    EXPECT_EQ("alpha text", host.Contents());
    Click(host, IDC_KY_MASK_SET_DELETE);
    EXPECT_EQ(Strings({"Alpha", "Beta"}), DbNames(db));
    Click(host, IDC_KY_MASK_SET_DELETE);
    EXPECT_EQ(Strings({"Delete Replace Plan \"Alpha\"?", "Delete Replace Plan \"Alpha\"?"}),
              boxes.Texts());
    EXPECT_EQ(UINT(MB_YESNO | MB_ICONQUESTION), boxes.TypeOf(0));
    EXPECT_EQ(Strings({"Beta"}), DbNames(db));
    host.ExpectEntriesMatchDb();
    EXPECT_EQ("", host.ComboText());
    EXPECT_EQ("alpha text", host.Contents());
    EXPECT_EQ(Strings({"deleted Alpha current"}), host.UI().m_hooks);
    // Unnamed and clean: New clears without a question.
    Click(host, IDC_KY_MASK_SET_NEW);
    EXPECT_EQ(2u, boxes.Texts().size());
    EXPECT_EQ("", host.Contents());
}

TEST_F(StorageDelete, DeleteSomeDeletesTheChosenItemsInListOrder)
{
    PathPlanDB& db = PathPlanDB::Instance();
    Store(db, {"Alpha", "Beta", "Gamma"});
    Host<PathPlanDB> host(db, "Path Plan", "[Path Plans]");
    ChooseEntry(host, 1);
    std::string caption, label;
    OnNextModalIdle([&](CWnd* dialog) {
        caption = Text(dialog->m_hWnd);
        label = ItemText(*dialog, IDC_KY_PICKER_LABEL);
        HWND list = ::GetDlgItem(dialog->m_hWnd, IDC_KY_PICKER_LIST);
        ::SendMessageA(list, LB_SETSEL, TRUE, 2);
        PressButton(dialog, IDOK);
    });
    {
        HeldKeys shift(true, false);
        Click(host, IDC_KY_MASK_SET_DELETE);
    }
    EXPECT_EQ("Delete", caption);
    EXPECT_EQ("&Path Plans (1 / 3):", label); // the current item is preselected
    EXPECT_EQ(Strings({"Alpha"}), DbNames(db));
    host.ExpectEntriesMatchDb();
    EXPECT_EQ(Strings({"deleted Beta current", "deleted Gamma other"}), host.UI().m_hooks);

    // Cancel deletes nothing.
    OnNextModalIdle([](CWnd* dialog) { PressButton(dialog, IDCANCEL); });
    MenuCommand(host, ID_KY_STORAGE_DELETE_SOME);
    EXPECT_EQ(Strings({"Alpha"}), DbNames(db));
}

TEST_F(StorageDelete, CommandsNeedAStoredCurrentItemOrAnyItem)
{
    PathPlanDB& db = PathPlanDB::Instance();
    Host<PathPlanDB> host(db, "Path Plan", "[Path Plans]");
    const MenuSeen empty = StorageMenu(host);
    ASSERT_TRUE(empty.opened);
    Snapshot(host.m_hWnd, "storage-host-empty");
    EXPECT_EQ(Strings({"&New", "&Clear Name\t[Shift+New]", "-", "&Save",
                       "Save &As...\t[Shift+Save]", "&Rename...\t[Ctrl+Save]", "-", "&Delete...",
                       "Delete So&me...\t[Shift+Delete]", "-", "&Import...", "&Export..."}),
              empty.items);
    EXPECT_EQ(std::vector<bool>(
                  {true, false, false, true, true, false, false, false, false, false, true, false}),
              empty.enabled);
    EXPECT_FALSE(Enabled(host, IDC_KY_MASK_SET_DELETE));
    EXPECT_TRUE(Enabled(host, IDC_KY_MASK_SET_SAVE));
    EXPECT_TRUE(Enabled(host, IDC_KY_MASK_SET_NEW));
}

TEST_F(StorageDelete, CommandsOfAStoredCurrentItem)
{
    PathPlanDB& db = PathPlanDB::Instance();
    Store(db, {"Alpha"});
    Host<PathPlanDB> host(db, "Path Plan", "[Path Plans]");
    // Items but no current one: Delete, Delete Some and Export.
    EXPECT_TRUE(Enabled(host, IDC_KY_MASK_SET_DELETE));
    const MenuSeen other = StorageMenu(host);
    EXPECT_FALSE(MenuItemEnabled(other, "&Clear Name"));
    EXPECT_FALSE(MenuItemEnabled(other, "&Rename"));
    EXPECT_FALSE(MenuItemEnabled(other, "&Delete..."));
    EXPECT_TRUE(MenuItemEnabled(other, "Delete So&me"));
    EXPECT_TRUE(MenuItemEnabled(other, "&Export"));
    // A disabled command sent anyway does nothing.
    BoxAnswers boxes;
    MenuCommand(host, ID_KY_STORAGE_RENAME);
    EXPECT_TRUE(boxes.Texts().empty());

    ChooseEntry(host, 0);
    const MenuSeen current = StorageMenu(host);
    EXPECT_TRUE(MenuItemEnabled(current, "&Clear Name"));
    EXPECT_TRUE(MenuItemEnabled(current, "&Rename"));
    EXPECT_TRUE(MenuItemEnabled(current, "&Delete..."));
    // Clear Name (Shift+New) keeps the contents without the name.
    {
        HeldKeys shift(true, false);
        Click(host, IDC_KY_MASK_SET_NEW);
    }
    EXPECT_EQ("", host.ComboText());
    EXPECT_EQ("x", host.Contents());
    EXPECT_EQ(Strings({"cleared Alpha name"}), host.UI().m_hooks);
}

// Random saves, selections, renames, deletions and edits, one deletion failing
// in the database: every combo entry stays at its item's database position.
TEST_F(StorageDelete, ComboPositionsFollowTheDatabaseThroughRandomOperations)
{
    PathPlanDB& db = PathPlanDB::Instance();
    Store(db, {"m", "c", "x"});
    Host<PathPlanDB> host(db, "Path Plan", "[Path Plans]");
    BoxAnswers boxes;
    std::mt19937 random(32);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    auto saveAs = [&](const std::string& name) {
        OnNextModalIdle(
            [name](CWnd* dialog) { EnterAndOk(dialog, IDC_KY_SAVE_AS_NAME, name.c_str()); });
        BoxAnswers overwrite({IDYES});
        HeldKeys shift(true, false);
        Click(host, IDC_KY_MASK_SET_SAVE);
    };
    auto choose = [&](int index) {
        BoxAnswers discard({IDNO});
        ChooseEntry(host, index);
    };
    auto rename = [&](const std::string& name) {
        OnNextModalIdle([name](CWnd* dialog) {
            EnterAndOkNow(dialog, IDC_KY_RENAME_NEW, name.c_str());
            PressButton(dialog, IDCANCEL); // when the name was refused
        });
        MenuCommand(host, ID_KY_STORAGE_RENAME);
    };
    auto deleteCurrent = [&] {
        if (host.ComboText().empty())
            choose(pick(static_cast<int>(db.size())));
        BoxAnswers yes({IDYES});
        Click(host, IDC_KY_MASK_SET_DELETE);
    };
    auto letter = [&](char first) { return std::string(1, static_cast<char>(first + pick(26))); };

    const int kOperations = 50;
    const int kFailingOperation = 25;
    for (int op = 0; op < kOperations; ++op) {
        SCOPED_TRACE("operation " + std::to_string(op));
        const int count = static_cast<int>(db.size());
        if (op == kFailingOperation) {
            if (count == 0)
                saveAs("f");
            const size_t before = boxes.Texts().size();
            {
                KyDBTest::Fault fault(KyDBTest::Fault::Write, 1);
                deleteCurrent();
                EXPECT_TRUE(fault.Fired());
            }
            // The question, then the database's error.
            const Strings texts = boxes.Texts();
            ASSERT_LE(before + 2, texts.size());
            EXPECT_EQ(0u, texts[texts.size() - 2].find("Delete Path Plan \""))
                << texts[texts.size() - 2];
            EXPECT_EQ(0u, texts.back().find("Database error")) << texts.back();
        } else {
            switch (pick(5)) {
            case 0:
                saveAs(letter('a'));
                break;
            case 1:
                if (count > 0)
                    choose(pick(count));
                break;
            case 2: // a new name, or the same in other letters
                if (!host.ComboText().empty() && !host.UI().IsDirty())
                    rename(pick(2) ? letter('A') : letter('a') + letter('a'));
                break;
            case 3:
                TypeContents(host, std::to_string(op).c_str());
                break;
            default:
                if (count > 0)
                    deleteCurrent();
                break;
            }
        }
        PumpPending();
        host.ExpectEntriesMatchDb();
    }
}
