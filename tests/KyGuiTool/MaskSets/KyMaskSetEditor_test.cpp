// Tests of the Mask Set Editor: what it shows for a list of masks or a stored
// set, what OK and Cancel hand back, refused names and cycles, the question
// before a dirty set is left, and its layout and remembered placement.
#include "KyGuiTool/MaskSets/KyMaskSetEditor.h"

#include "MaskSetTestSupport.h"

using namespace StorageTest;
using Kyvant::MaskDB;
using MaskSetTest::MaskPage;

namespace {

const char kPlacementKey[] = "Software\\Kyvant\\Tools\\Shared\\MaskSetEditorWindow";

class MaskSetEditor : public StorageFixture {
protected:
    MaskSetEditor()
    {
        ::RegDeleteKeyA(HKEY_CURRENT_USER, kPlacementKey);
        EmptyMasks();
    }
    ~MaskSetEditor() override { ::RegDeleteKeyA(HKEY_CURRENT_USER, kPlacementKey); }

    // Runs the editor on the page's masks; the script sees it open.
    template <class F>
    INT_PTR RunEditor(F script)
    {
        KyMaskSetEditor editor(m_page.m_masks, &m_page);
        OnNextModalIdle([script](CWnd* dialog) { script(*dialog); });
        return editor.DoModal();
    }

    MaskPage m_page;
};

std::string Contents(const CWnd& editor)
{
    return ItemText(editor, IDC_KY_MASK_SET_CONTENTS);
}

std::string Name(const CWnd& editor)
{
    return ItemText(editor, IDC_KY_MASK_SET_NAMES);
}

std::string Stored(const char* name)
{
    const auto it = MaskDB::Instance().find(ky_I(name));
    return it == MaskDB::Instance().end() ? "<none>" : std::string(it->second.c_str());
}

} // namespace

TEST_F(MaskSetEditor, AListOfMasksIsAnUnnamedCleanItem)
{
    m_page.m_masks.SetWindowText("a.c, b.h");
    BoxAnswers boxes;
    std::string contents, name = "?";
    ASSERT_EQ(IDOK, RunEditor([&](CWnd& editor) {
                  contents = Contents(editor);
                  name = Name(editor);
                  Snapshot(editor.m_hWnd, "mask-set-editor");
                  PressButton(&editor, IDOK);
              }));
    EXPECT_EQ("a.c\r\nb.h\r\n", contents);
    EXPECT_EQ("", name);
    EXPECT_EQ("a.c, b.h", m_page.Masks());
    EXPECT_TRUE(boxes.Texts().empty()); // not dirty: nothing asked

    // Blank lines and blanks around the masks do not reach the masks.
    ASSERT_EQ(IDOK, RunEditor([&](CWnd& editor) {
                  TypeContents(editor, "\r\n  *.x  \r\n\r\n *.y\r\n   \r\n");
                  PressButton(&editor, IDOK);
              }));
    EXPECT_EQ("*.x, *.y", m_page.Masks());
}

TEST_F(MaskSetEditor, AStoredSetIsShownAndOkGivesItsNameWithoutMarks)
{
    MaskDB::Instance().Insert(ky_I("&Source"), MaskDB::mapped_type("*.c,*.h, ,*.cpp"));
    m_page.m_masks.SetWindowText("source");
    std::string contents, name;
    ASSERT_EQ(IDOK, RunEditor([&](CWnd& editor) {
                  contents = Contents(editor);
                  name = Name(editor);
                  PressButton(&editor, IDOK);
              }));
    EXPECT_EQ("*.c\r\n*.h\r\n*.cpp\r\n", contents);
    EXPECT_EQ("&Source", name);
    EXPECT_EQ("Source", m_page.Masks());
}

TEST_F(MaskSetEditor, RefusedNamesKeepTheEditorAndItsContents)
{
    m_page.m_masks.SetWindowText("*.old");
    BoxAnswers boxes({IDOK, IDOK, IDOK, IDNO});
    std::string contents;
    const INT_PTR result = RunEditor([&](CWnd& editor) {
        TypeContents(editor, "*.new");
        OnNextModalIdle([](CWnd* saveAs) {
            for (const char* name : {"a,b", "x;y", ">z"})
                EnterAndOkNow(saveAs, IDC_KY_SAVE_AS_NAME, name);
            PressButton(saveAs, IDCANCEL);
        });
        Click(editor, IDC_KY_MASK_SET_SAVE);
        contents = Contents(editor);
        PressButton(&editor, IDCANCEL); // dirty: asks, No closes
    });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ(Strings({"The , and ; characters are not allowed in Mask Set names",
                       "The , and ; characters are not allowed in Mask Set names",
                       "The > character cannot be the first character in a Mask Set name",
                       "Save this Mask Set?"}),
              boxes.Texts());
    EXPECT_EQ("*.new", contents);
    EXPECT_EQ("*.old", m_page.Masks());
    EXPECT_TRUE(MaskDB::Instance().empty());
}

TEST_F(MaskSetEditor, ASetThatReachesItselfIsRefusedAndKeptUnnamed)
{
    MaskDB& db = MaskDB::Instance();
    db.Insert(ky_I("Inner"), MaskDB::mapped_type("*.y"));
    db.Insert(ky_I("Outer"), MaskDB::mapped_type("Inner, *.x"));
    m_page.m_masks.SetWindowText("Inner");
    BoxAnswers boxes({IDOK, IDCANCEL, IDNO});
    std::string name = "?", contents;
    bool stayed = false;
    const INT_PTR result = RunEditor([&](CWnd& editor) {
        TypeContents(editor, "Outer");
        Click(editor, IDC_KY_MASK_SET_SAVE);
        name = Name(editor);
        contents = Contents(editor);
        // Dirty and unnamed: Cancel asks; Cancel in the question stays.
        ::SendMessageA(editor.m_hWnd, WM_COMMAND, IDCANCEL, 0);
        stayed = ::IsWindowVisible(editor.m_hWnd) != FALSE;
        PressButton(&editor, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ(Strings({"Detected cycle in Mask Set: Inner", "Save this Mask Set?",
                       "Save this Mask Set?"}),
              boxes.Texts());
    EXPECT_EQ("", name);
    EXPECT_EQ("Outer", contents);
    EXPECT_TRUE(stayed);
    EXPECT_EQ("*.y", Stored("Inner"));
    MaskDB::Reset();
    EXPECT_EQ("*.y", Stored("Inner"));
}

TEST_F(MaskSetEditor, ChoosingAnotherSetWhileDirtyAsksFirst)
{
    MaskDB& db = MaskDB::Instance();
    db.Insert(ky_I("A"), MaskDB::mapped_type("*.a"));
    db.Insert(ky_I("B"), MaskDB::mapped_type("*.b"));
    m_page.m_masks.SetWindowText("A");
    BoxAnswers boxes({IDCANCEL, IDNO, IDYES});
    struct Step {
        std::string name, contents;
        int selected;
    };
    std::vector<Step> steps;
    auto note = [&](const CWnd& editor) {
        steps.push_back({Name(editor), Contents(editor),
                         static_cast<int>(::SendDlgItemMessageA(
                             editor.m_hWnd, IDC_KY_MASK_SET_NAMES, CB_GETCURSEL, 0, 0))});
    };
    ASSERT_EQ(IDOK, RunEditor([&](CWnd& editor) {
                  TypeContents(editor, "*.changed");
                  ChooseEntry(editor, 1); // Cancel: A stays, with its changes
                  note(editor);
                  ChooseEntry(editor, 1); // No: B is loaded
                  note(editor);
                  TypeContents(editor, "*.b2");
                  ChooseEntry(editor, 0); // Yes: B is saved, then A loaded
                  note(editor);
                  PressButton(&editor, IDOK);
              }));
    EXPECT_EQ(Strings({"Save changes to Mask Set  \"A\"?", "Save changes to Mask Set  \"A\"?",
                       "Save changes to Mask Set  \"B\"?"}),
              boxes.Texts());
    ASSERT_EQ(3u, steps.size());
    EXPECT_EQ("A", steps[0].name);
    EXPECT_EQ(0, steps[0].selected);
    EXPECT_EQ("*.changed", steps[0].contents);
    EXPECT_EQ("B", steps[1].name);
    EXPECT_EQ("*.b\r\n", steps[1].contents);
    EXPECT_EQ("A", steps[2].name);
    EXPECT_EQ("*.a\r\n", steps[2].contents);
    EXPECT_EQ("*.a", Stored("A"));
    EXPECT_EQ("*.b2", Stored("B"));
    EXPECT_EQ("A", m_page.Masks());
}

TEST_F(MaskSetEditor, ResizesWithinItsFirstSizeAndRemembersItsPlacement)
{
    m_page.m_masks.SetWindowText("*.z");
    CRect first, grown, ok, okGrown, edit, editGrown;
    MINMAXINFO limits = {};
    ASSERT_EQ(IDOK, RunEditor([&](CWnd& editor) {
                  editor.GetWindowRect(&first);
                  editor.GetDlgItem(IDOK)->GetWindowRect(&ok);
                  editor.GetDlgItem(IDC_KY_MASK_SET_CONTENTS)->GetWindowRect(&edit);
                  editor.MoveWindow(first.left, first.top, first.Width() + 100,
                                    first.Height() + 60);
                  editor.GetWindowRect(&grown);
                  editor.GetDlgItem(IDOK)->GetWindowRect(&okGrown);
                  editor.GetDlgItem(IDC_KY_MASK_SET_CONTENTS)->GetWindowRect(&editGrown);
                  editor.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
                  PressButton(&editor, IDOK);
              }));
    EXPECT_EQ(ok.left + 100, okGrown.left);
    EXPECT_EQ(ok.top + 60, okGrown.top);
    EXPECT_EQ(ok.Width(), okGrown.Width());
    EXPECT_EQ(edit.left, editGrown.left);
    EXPECT_EQ(edit.top, editGrown.top);
    EXPECT_EQ(edit.Width() + 100, editGrown.Width());
    EXPECT_EQ(edit.Height() + 60, editGrown.Height());
    EXPECT_EQ(first.Width(), limits.ptMinTrackSize.x);
    EXPECT_EQ(first.Height(), limits.ptMinTrackSize.y);

    CRect reopened;
    ASSERT_EQ(IDOK, RunEditor([&](CWnd& editor) {
                  editor.GetWindowRect(&reopened);
                  PressButton(&editor, IDOK);
              }));
    EXPECT_EQ(grown, reopened);
}
