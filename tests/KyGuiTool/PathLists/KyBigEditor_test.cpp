// Tests of KyBigEditor: what it loads and shows, what it stores back into
// sequences, strings and windows, the modified flag, its layout and the
// placement kept under the application's key, and the focus it gives back.
#include "KyGuiTool/PathLists/KyBigEditor.h"

#include "KyGuiTool/PathLists/PathListsResource.h"
#include "PathLists/PathListsFixture.h"

using namespace PathListsTest;
using ShellObjTest::Text;

namespace {

const char kPlacementSubkey[] = "BigEditorWindow";

std::string AppPlacementKey()
{
    return std::string("Software\\Kyvant\\Tools\\") + AfxGetAppName() + "\\" + kPlacementSubkey;
}

bool KeyExists(const std::string& path)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(key);
    return true;
}

class BigEditor : public PathListsFixture {
protected:
    BigEditor() { ::RegDeleteKeyA(HKEY_CURRENT_USER, AppPlacementKey().c_str()); }
    ~BigEditor() override { ::RegDeleteKeyA(HKEY_CURRENT_USER, AppPlacementKey().c_str()); }

    // Opens the editor; the script sees the dialog and ends it.
    template <class F>
    INT_PTR Run(KyBigEditor& editor, F script)
    {
        OnNextModalIdle([script](CWnd* dialog) { script(*dialog); });
        return editor.DoModal();
    }

    // A plain child edit of the host, the editor's target in most tests.
    CEdit& Target()
    {
        if (m_target.GetSafeHwnd() == nullptr)
            m_host.AddEdit(m_target, ES_AUTOHSCROLL, CRect(10, 10, 300, 30), 200);
        return m_target;
    }

    static HWND EditOf(const CWnd& dialog)
    {
        return ::GetDlgItem(dialog.m_hWnd, IDC_KY_BIG_EDITOR_EDIT);
    }

    CEdit m_target;
};

std::vector<std::string> Strs(const std::vector<KyBigEditor::Text>& texts)
{
    std::vector<std::string> out;
    for (const KyBigEditor::Text& t : texts)
        out.push_back(t.c_str());
    return out;
}

} // namespace

TEST_F(BigEditor, ShowsASequenceAListsRowsOrAWindowsTextOnePerLine)
{
    KyEditableListBox rows;
    ASSERT_TRUE(AddList(rows));
    Load(rows, {"C:\\a", "C:\\b"});
    Target().SetWindowText("C:\\only");
    const std::vector<KyBigEditor::Text> items = {KyBigEditor::Text("x"), KyBigEditor::Text("y")};
    struct Case {
        const char* name;
        std::function<void(KyBigEditor&)> load;
        const char* shown;
    } cases[] = {
        {"sequence",
         [&](KyBigEditor& e) {
             e.LoadContents(Kyvant::forward_input_sequencer<std::vector<KyBigEditor::Text>>(items),
                            0);
         },
         "x\r\ny"},
        {"editable list", [&](KyBigEditor& e) { e.LoadContents(rows, 0); }, "C:\\a\r\nC:\\b"},
        {"other window", [&](KyBigEditor& e) { e.LoadContents(Target(), 0); }, "C:\\only"},
    };
    for (const Case& c : cases) {
        KyBigEditor editor(Target(), Kyvant::ky_S("Paths Editor"), &m_host);
        c.load(editor);
        std::string shown, caption;
        bool focusOnEdit = false;
        std::pair<int, int> caret;
        Run(editor, [&](CWnd& dialog) {
            shown = Text(EditOf(dialog));
            caption = Text(dialog.m_hWnd);
            focusOnEdit = ::GetFocus() == EditOf(dialog);
            caret = ShellObjTest::Selection(EditOf(dialog));
            StorageTest::PressButton(&dialog, IDCANCEL);
        });
        EXPECT_EQ(c.shown, shown) << c.name;
        EXPECT_EQ("Paths Editor", caption) << c.name;
        EXPECT_FALSE(editor.IsModified()) << c.name;
        EXPECT_EQ(std::make_pair(0, 0), caret) << c.name;
        EXPECT_TRUE(focusOnEdit) << c.name;
    }
}

TEST_F(BigEditor, TypingSetsTheModifiedFlagAndOkKeepsTheText)
{
    KyBigEditor editor(Target(), Kyvant::ky_S("Editor"), &m_host);
    editor.LoadContents(KyBigEditor::Text("old"), 0);
    EXPECT_EQ(IDOK, Run(editor, [](CWnd& dialog) {
                  ::SendMessageA(EditOf(dialog), EM_SETSEL, 0, -1);
                  ::SendMessageA(EditOf(dialog), EM_REPLACESEL, TRUE,
                                 reinterpret_cast<LPARAM>("a\r\n\r\nb"));
                  StorageTest::PressButton(&dialog, IDOK);
              }));
    EXPECT_TRUE(editor.IsModified());
    std::vector<KyBigEditor::Text> lines;
    editor.StoreContents(Kyvant::back_insert_sequencer<std::vector<KyBigEditor::Text>>(lines),
                         false, 0);
    EXPECT_EQ((std::vector<std::string>{"a", "b"}), Strs(lines));
    editor.StoreContents(Kyvant::back_insert_sequencer<std::vector<KyBigEditor::Text>>(lines), true,
                         0);
    EXPECT_EQ((std::vector<std::string>{"a", "", "b"}), Strs(lines));
}

TEST_F(BigEditor, StoresItsLinesIntoStringsListsCombosAndOtherWindows)
{
    KyBigEditor editor(Target(), Kyvant::ky_S("Editor"), &m_host);
    editor.SetReturnFocusToTarget(false);
    editor.LoadContents(KyBigEditor::Text("a\r\n\r\nb"), 0);

    KyBigEditor::Text out("untouched");
    editor.StoreContents(out, false, ";", 1, 0);
    EXPECT_STREQ("a\r\n\r\nb", out.c_str());
    editor.StoreContents(out, true, "; ", 2, 0);
    EXPECT_STREQ("a; ; b", out.c_str());

    KyEditableListBox rows;
    ASSERT_TRUE(AddList(rows));
    Load(rows, {"old"});
    editor.StoreContents(rows, false, ";", 1, 0);
    EXPECT_EQ((Strings{"a", "b", "<new>"}), Rows(rows));

    CComboBox combo;
    ASSERT_TRUE(
        combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(10, 200, 200, 300), &m_host, 300));
    combo.AddString("x");
    combo.AddString("a;b");
    editor.StoreContents(combo, false, ";", 1, 0);
    EXPECT_EQ(1, combo.GetCurSel());
    EXPECT_EQ("a;b", Text(combo.m_hWnd));
    editor.StoreContents(combo, true, ";", 1, 0);
    EXPECT_EQ("a;;b", Text(combo.m_hWnd));

    editor.StoreContents(Target(), true, ", ", 2, 0);
    EXPECT_EQ("a, , b", Text(Target().m_hWnd));
    editor.StoreContents(Target(), 0);
    EXPECT_EQ("ab", Text(Target().m_hWnd));
}

TEST_F(BigEditor, LaysOutWhenResizedAndKeepsItsPlacementUnderTheApplicationsKey)
{
    const std::string sharedKey = std::string(Kyvant::kSharedSettingsKey) + "\\" + kPlacementSubkey;
    CRect initial, grown, restored;
    CRect clientBefore, editBefore, okBefore, clientAfter, editAfter, okAfter;
    MINMAXINFO limits = {};
    const auto measure = [](CWnd& dialog, CRect& client, CRect& edit, CRect& ok) {
        dialog.GetClientRect(&client);
        edit = RectIn(*CWnd::FromHandle(EditOf(dialog)), dialog);
        ok = RectIn(*dialog.GetDlgItem(IDOK), dialog);
    };
    {
        KyBigEditor editor(Target(), Kyvant::ky_S("Editor"), &m_host);
        Run(editor, [&](CWnd& dialog) {
            dialog.GetWindowRect(&initial);
            measure(dialog, clientBefore, editBefore, okBefore);
            dialog.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
            dialog.MoveWindow(40, 50, initial.Width() + 100, initial.Height() + 60);
            dialog.GetWindowRect(&grown);
            measure(dialog, clientAfter, editAfter, okAfter);
            StorageTest::Snapshot(dialog.m_hWnd, "big-editor-grown");
            StorageTest::PressButton(&dialog, IDCANCEL);
        });
    }
    EXPECT_EQ(initial.Width(), limits.ptMinTrackSize.x);
    EXPECT_EQ(initial.Height(), limits.ptMinTrackSize.y);
    // The edit stretches; OK keeps its distance to the right and bottom edges.
    EXPECT_EQ(editBefore.TopLeft(), editAfter.TopLeft());
    EXPECT_EQ(clientBefore.right - editBefore.right, clientAfter.right - editAfter.right);
    EXPECT_EQ(clientBefore.bottom - editBefore.bottom, clientAfter.bottom - editAfter.bottom);
    EXPECT_EQ(okBefore.Size(), okAfter.Size());
    EXPECT_EQ(clientBefore.right - okBefore.right, clientAfter.right - okAfter.right);
    EXPECT_EQ(clientBefore.bottom - okBefore.bottom, clientAfter.bottom - okAfter.bottom);
    EXPECT_TRUE(KeyExists(AppPlacementKey()));
    EXPECT_FALSE(KeyExists(sharedKey));
    KyBigEditor again(Target(), Kyvant::ky_S("Editor"), &m_host);
    Run(again, [&](CWnd& dialog) {
        dialog.GetWindowRect(&restored);
        StorageTest::PressButton(&dialog, IDCANCEL);
    });
    EXPECT_EQ(grown, restored);
}

TEST_F(BigEditor, GivesTheFocusBackToItsTargetWhenItGoes)
{
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWN,
                             CRect(10, 200, 200, 300), &m_host, 300));
    combo.SetWindowText("combo text");
    KyEditableListBox list;
    ASSERT_TRUE(AddList(list));
    Load(list, {"C:\\a"});
    list.SetCurSel(-1);
    CEdit other;
    ASSERT_TRUE(m_host.AddEdit(other, 0, CRect(220, 10, 300, 30), 400));
    Target().SetWindowText("some edit text");
    Target().SetSel(2, 2);
    struct Case {
        const char* name;
        CWnd& target;
        bool returnFocus;
    } cases[] = {{"combo", combo, true},
                 {"edit", Target(), true},
                 {"list", list, true},
                 {"kept away", Target(), false}};
    for (const Case& c : cases) {
        {
            KyBigEditor editor(c.target, Kyvant::ky_S("Editor"), &m_host);
            editor.SetReturnFocusToTarget(c.returnFocus);
            Run(editor, [](CWnd& dialog) { StorageTest::PressButton(&dialog, IDCANCEL); });
            other.SetFocus();
        }
        const HWND focus = ::GetFocus();
        if (!c.returnFocus) {
            EXPECT_EQ(other.m_hWnd, focus) << c.name;
            continue;
        }
        EXPECT_TRUE(focus == c.target.m_hWnd || ::IsChild(c.target.m_hWnd, focus)) << c.name;
    }
    EXPECT_EQ(MAKELONG(0, 10), static_cast<LONG>(combo.GetEditSel()));
    EXPECT_EQ(std::make_pair(0, 14), ShellObjTest::Selection(Target().m_hWnd));
    EXPECT_EQ(0, list.GetCurSel());
}
