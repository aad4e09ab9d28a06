// Tests of KyPathListBox: its row editor's fifth button with its tip and the
// insert menu it opens, Enter and Esc in the path edit, and folders that end
// in a backslash.
#include "KyGuiTool/PathLists/KyPathListBox.h"

#include "KyGuiTool/PathLists/PathListsResource.h"
#include "PathLists/PathListsFixture.h"

using namespace PathListsTest;
using ShellObjTest::Text;

namespace {

class PathList : public PathListsFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(AddList(m_list));
        Load(m_list, {"C:\\a", "C:\\b"});
    }
    CToolBarCtrl& Toolbar()
    {
        HWND container = ::GetParent(EditorEdit(m_list));
        return *static_cast<CToolBarCtrl*>(
            CWnd::FromHandle(::FindWindowExA(container, nullptr, TOOLBARCLASSNAMEA, nullptr)));
    }
    // Types the text into the open path edit and presses the key.
    void TypeAndPress(const char* text, UINT key)
    {
        HWND edit = EditorEdit(m_list);
        ::SetWindowTextA(edit, text);
        ::SendMessageA(edit, WM_KEYDOWN, key, 1);
        ::SendMessageA(edit, WM_CHAR, key, 1);
    }

    KyPathListBox m_list;
};

} // namespace

TEST_F(PathList, TheEditorAddsAFifthButtonThatOpensTheInsertMenu)
{
    EditRow(m_list, 0);
    ASSERT_TRUE(m_list.Editing());
    CToolBarCtrl& bar = Toolbar();
    EXPECT_EQ((std::vector<UINT>{ID_KY_INSERT_FOLDER_NAME, ID_KY_INSERT_FILENAME, ID_KY_CANCEL_EDIT,
                                 ID_KY_ACCEPT_CHANGES, ID_KY_ADD_TO_PATH}),
              Commands(bar));
    EXPECT_EQ("Add to Path", TipOf(bar, ID_KY_ADD_TO_PATH));
    CWnd& container = *bar.GetParent();
    const CRect barRect = RectIn(bar, container);
    CRect client;
    container.GetClientRect(&client);
    EXPECT_EQ(client.right, barRect.right);
    EXPECT_EQ(Kyvant::ListEditorStyles::Themed() ? 117 : 115, barRect.Width());
    EXPECT_EQ(barRect.left, RectIn(*CWnd::FromHandle(EditorEdit(m_list)), container).right);
    StorageTest::Snapshot(m_host.m_hWnd, "path-list-editor");
    // The menu inserts with replace semantics and a trailing backslash.
    const std::vector<ShellObjTest::MenuShown> shown =
        ShellObjTest::WalkMenu([&bar] { ClickButton(bar, ID_KY_ADD_TO_PATH); },
                               {{1, ShellObjTest::Downs(3, {VK_RETURN})}}); // Local Hard Drives
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ("&Folder...", shown[0].items.at(0));
    EXPECT_EQ("<LocalDrives>\\", Text(EditorEdit(m_list)));
    EXPECT_EQ(EditorEdit(m_list), ::GetFocus());
}

TEST_F(PathList, EnterKeepsTheEditAndEscDropsIt)
{
    EditRow(m_list, 1);
    TypeAndPress("D:\\kept", VK_RETURN);
    EXPECT_FALSE(m_list.Editing());
    EXPECT_EQ((Strings{"C:\\a", "D:\\kept", "<new>"}), Rows(m_list));
    EditRow(m_list, 0);
    TypeAndPress("D:\\dropped", VK_ESCAPE);
    EXPECT_FALSE(m_list.Editing());
    EXPECT_EQ((Strings{"C:\\a", "D:\\kept", "<new>"}), Rows(m_list));
    // The path edit asks for every key, so a dialog leaves them to it.
    EditRow(m_list, 0);
    EXPECT_EQ(static_cast<LRESULT>(DLGC_WANTALLKEYS),
              ::SendMessageA(EditorEdit(m_list), WM_GETDLGCODE, 0, 0));
}

TEST_F(PathList, AnInsertedFolderGetsATrailingBackslash)
{
    const std::string chosen = m_scratch.Folder("chosen");
    EditRow(m_list, 0);
    {
        ShellObjTest::FolderBrowserScript browser(chosen);
        ClickButton(Toolbar(), ID_KY_INSERT_FOLDER_NAME);
    }
    EXPECT_EQ(chosen + "\\", Text(EditorEdit(m_list)));
    ClickButton(Toolbar(), ID_KY_ACCEPT_CHANGES);
    EXPECT_EQ((Strings{chosen + "\\", "C:\\b", "<new>"}), Rows(m_list));
}
