// Tests of Save, Save As and Rename through the storage controls: the dialogs
// they open, what the database and the names combo hold afterwards, and the
// buttons' second actions with Shift and Ctrl.
#include "StorageTestSupport.h"

#include "KyGuiTool/Storage/StorageResource.h"

using namespace StorageTest;
using Kyvant::PathPlanDB;
using Kyvant::ReplacePlanDB;

namespace {

using StorageSave = StorageFixture;

struct SaveAsSeen {
    std::string caption;
    std::string label;
    Strings entries;
    int selected = -2;
};

SaveAsSeen ReadSaveAs(CWnd* dialog)
{
    SaveAsSeen seen;
    HWND combo = ::GetDlgItem(dialog->m_hWnd, IDC_KY_SAVE_AS_NAME);
    seen.caption = Text(dialog->m_hWnd);
    seen.label = ItemText(*dialog, IDC_KY_SAVE_AS_LABEL);
    seen.entries = ComboEntries(combo);
    seen.selected = static_cast<int>(::SendMessageA(combo, CB_GETCURSEL, 0, 0));
    return seen;
}

std::string StoredPaths(const ky_I& name)
{
    const auto it = PathPlanDB::Instance().find(name);
    return it == PathPlanDB::Instance().end() ? "<none>"
                                              : EditItem<PathPlanDB>::To(it->second).c_str();
}

} // namespace

TEST_F(StorageSave, UnnamedItemIsSavedUnderANameTheDatabaseAccepts)
{
    PathPlanDB& db = PathPlanDB::Instance();
    Store(db, {"Beta"});
    Host<PathPlanDB> host(db, "Path Plan", "[Path Plans]");
    TypeContents(host, "C:\\src\r\nD:\\doc");
    BoxAnswers boxes;
    SaveAsSeen seen;
    OnNextModalIdle([&](CWnd* dialog) {
        seen = ReadSaveAs(dialog);
        Snapshot(dialog->m_hWnd, "storage-save-as");
        EnterAndOkNow(dialog, IDC_KY_SAVE_AS_NAME, "");
        EnterAndOkNow(dialog, IDC_KY_SAVE_AS_NAME, "   ");
        EnterAndOkNow(dialog, IDC_KY_SAVE_AS_NAME, std::string(129, 'n').c_str());
        EnterAndOk(dialog, IDC_KY_SAVE_AS_NAME, "  Alpha ");
    });
    Click(host, IDC_KY_MASK_SET_SAVE);

    EXPECT_EQ("Save As", seen.caption);
    EXPECT_EQ("&Path Plans:", seen.label);
    EXPECT_EQ(Strings({"Beta"}), seen.entries);
    EXPECT_EQ(-1, seen.selected);
    const Strings texts = boxes.Texts();
    ASSERT_EQ(3u, texts.size());
    EXPECT_EQ("You must enter a value for this field.", texts[0]);
    EXPECT_EQ("The name must contain at least one character that is not a space", texts[1]);
    EXPECT_NE(std::string::npos, texts[2].find("128")) << texts[2];
    EXPECT_EQ(Strings({"Alpha", "Beta"}), host.Entries());
    EXPECT_EQ("Alpha", host.ComboText());
    EXPECT_EQ("C:\\src\r\nD:\\doc", StoredPaths(ky_I("Alpha")));
    EXPECT_EQ(Strings({"saved  Alpha"}), host.UI().m_hooks);
    // Clean again: New asks nothing.
    Click(host, IDC_KY_MASK_SET_NEW);
    EXPECT_EQ(3u, boxes.Texts().size());
    EXPECT_EQ("", host.Contents());
}

TEST_F(StorageSave, SaveAsOntoAStoredNameAsksBeforeReplacingIt)
{
    PathPlanDB& db = PathPlanDB::Instance();
    Store(db, {"Alpha", "Beta"}, "old");
    Host<PathPlanDB> host(db, "Path Plan", "[Path Plans]");
    ChooseEntry(host, 0);
    TypeContents(host, "new");
    BoxAnswers boxes({IDNO, IDYES});
    SaveAsSeen seen;
    OnNextModalIdle([&](CWnd* dialog) {
        seen = ReadSaveAs(dialog);
        EnterAndOkNow(dialog, IDC_KY_SAVE_AS_NAME, "beta");
        EnterAndOk(dialog, IDC_KY_SAVE_AS_NAME, "beta");
    });
    {
        HeldKeys shift(true, false);
        Click(host, IDC_KY_MASK_SET_SAVE);
    }
    EXPECT_EQ(0, seen.selected); // the current name, found without regard to case
    EXPECT_EQ(Strings({"Overwrite \"beta\"?", "Overwrite \"beta\"?"}), boxes.Texts());
    EXPECT_EQ(UINT(MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2), boxes.TypeOf(0));
    EXPECT_EQ(Strings({"Alpha", "beta"}), host.Entries());
    EXPECT_EQ("beta", host.ComboText());
    EXPECT_EQ("new", StoredPaths(ky_I("Beta")));
    EXPECT_EQ("old", StoredPaths(ky_I("Alpha")));

    // Save of a named item writes at once, without a dialog.
    TypeContents(host, "newer");
    Click(host, IDC_KY_MASK_SET_SAVE);
    EXPECT_EQ("newer", StoredPaths(ky_I("beta")));
    EXPECT_EQ(2u, boxes.Texts().size());
    host.ExpectEntriesMatchDb();
}

TEST_F(StorageSave, RenameKeepsTheNameFreeAndShowsItAsTyped)
{
    ReplacePlanDB& db = ReplacePlanDB::Instance();
    Store(db, {"Alpha", "Beta"});
    Host<ReplacePlanDB> host(db, "Replace Plan", "[Replace Plans]");
    ChooseEntry(host, 0);
    BoxAnswers boxes;
    std::string caption, current, typed = "?";
    OnNextModalIdle([&](CWnd* dialog) {
        caption = Text(dialog->m_hWnd);
        current = ItemText(*dialog, IDC_KY_RENAME_CURRENT);
        typed = ItemText(*dialog, IDC_KY_RENAME_NEW);
        Snapshot(dialog->m_hWnd, "storage-rename");
        EnterAndOkNow(dialog, IDC_KY_RENAME_NEW, "beta");
        EnterAndOk(dialog, IDC_KY_RENAME_NEW, "ALPHA");
    });
    {
        HeldKeys control(false, true);
        Click(host, IDC_KY_MASK_SET_SAVE);
    }
    EXPECT_EQ("Rename Replace Plan", caption);
    EXPECT_EQ("Alpha", current);
    EXPECT_EQ("", typed);
    EXPECT_EQ(Strings({"Rename cannot overwrite an existing item."}), boxes.Texts());
    EXPECT_EQ(Strings({"ALPHA", "Beta"}), host.Entries());
    EXPECT_EQ("ALPHA", host.ComboText());
    EXPECT_EQ(Strings({"ALPHA", "Beta"}), DbNames(db));

    // To a free name: the entry moves to the name's place in key order.
    OnNextModalIdle([](CWnd* dialog) { EnterAndOk(dialog, IDC_KY_RENAME_NEW, "Gamma"); });
    MenuCommand(host, ID_KY_STORAGE_RENAME);
    EXPECT_EQ(Strings({"Beta", "Gamma"}), host.Entries());
    EXPECT_EQ("Gamma", host.ComboText());
    EXPECT_EQ(Strings({"renamed Alpha ALPHA", "renamed ALPHA Gamma"}), host.UI().m_hooks);
    host.ExpectEntriesMatchDb();
}

TEST_F(StorageSave, RenameOfAnUnnamedItemIsSaveAs)
{
    PathPlanDB& db = PathPlanDB::Instance();
    Host<PathPlanDB> host(db, "Path Plan", "[Path Plans]");
    TypeContents(host, "X:\\");
    BoxAnswers boxes({IDNO});
    std::string caption;
    OnNextModalIdle([&](CWnd* dialog) {
        caption = Text(dialog->m_hWnd);
        EnterAndOk(dialog, IDC_KY_SAVE_AS_NAME, "Fresh");
    });
    {
        HeldKeys control(false, true);
        Click(host, IDC_KY_MASK_SET_SAVE);
    }
    // The dirty unnamed item is offered for saving first; No keeps its contents.
    EXPECT_EQ(Strings({"Save this Path Plan?"}), boxes.Texts());
    EXPECT_EQ("Save As", caption);
    EXPECT_EQ(Strings({"Fresh"}), host.Entries());
    EXPECT_EQ("X:\\", StoredPaths(ky_I("Fresh")));
}

TEST_F(StorageSave, ANameTypedIntoTheComboKeepsToTheDatabasesRules)
{
    PathPlanDB& db = PathPlanDB::Instance();
    Store(db, {"Alpha"});
    Host<PathPlanDB> host(db, "Path Plan", "[Path Plans]");
    ChooseEntry(host, 0);
    BoxAnswers boxes;
    // Typed with blanks around it: stored trimmed, as a new item.
    host.m_names.SetWindowText("  Typed  ");
    Click(host, IDC_KY_MASK_SET_SAVE);
    EXPECT_EQ(Strings({"Alpha", "Typed"}), host.Entries());
    EXPECT_EQ("Typed", host.ComboText());
    // Blanks only: refused, the contents kept as an unnamed item.
    TypeContents(host, "kept");
    host.m_names.SetWindowText("   ");
    Click(host, IDC_KY_MASK_SET_SAVE);
    EXPECT_EQ(Strings({"The name must contain at least one character that is not a space"}),
              boxes.Texts());
    EXPECT_EQ("", host.ComboText());
    EXPECT_EQ("kept", host.Contents());
    host.ExpectEntriesMatchDb();
}

TEST_F(StorageSave, AChoiceMadeWhileTheQuestionIsUpIsUndone)
{
    PathPlanDB& db = PathPlanDB::Instance();
    Store(db, {"Alpha", "Beta", "Gamma"});
    Host<PathPlanDB> host(db, "Path Plan", "[Path Plans]");
    ChooseEntry(host, 0);
    TypeContents(host, "changed");
    BoxAnswers boxes({IDCANCEL});
    // Another entry is chosen just before the question shows.
    const std::function<void()> answer = theApp.m_onBox;
    std::string shownDuring;
    theApp.m_onBox = [&] {
        ChooseEntry(host, 2);
        shownDuring = host.ComboText();
        answer();
    };
    ChooseEntry(host, 1);
    EXPECT_EQ(Strings({"Save changes to Path Plan \"Alpha\"?"}), boxes.Texts());
    EXPECT_EQ("Alpha", shownDuring);
    EXPECT_EQ("Alpha", host.ComboText());
    EXPECT_EQ("changed", host.Contents());
    EXPECT_TRUE(host.UI().IsDirty());
}
