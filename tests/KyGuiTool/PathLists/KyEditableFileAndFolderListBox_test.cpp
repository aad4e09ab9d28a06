// Tests of KyEditableFileAndFolderListBox: row heights, long paths drawn with
// an ellipsis in their middle, dropped files, and the row editor's toolbar
// with its browsing and closing buttons.
#include "KyGuiTool/PathLists/FileAndFolderEditorBase.h"
#include "KyGuiTool/PathLists/PathListsResource.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Strings/TextMeasure.h"
#include "PathLists/PathListsFixture.h"

#include <algorithm>

using namespace PathListsTest;
using ShellObjTest::DropFiles;
using ShellObjTest::FolderBrowserScript;
using ShellObjTest::Text;

namespace {

using FileAndFolderList = PathListsFixture;

const int kMinRowHeight = 21;
const int kRowPadding = 4; // the editable list's rows are the font's height and this
const int kTextIndent = 4;
const int kCharWidth = 7;

// Every character kCharWidth pixels wide, for the ellipsis while installed.
class FixedWidthText {
public:
    FixedWidthText() : m_old(Kyvant::SetTextMeasurer(&Measure)) {}
    ~FixedWidthText() { Kyvant::SetTextMeasurer(m_old); }
    FixedWidthText(const FixedWidthText&) = delete;
    FixedWidthText& operator=(const FixedWidthText&) = delete;

private:
    static bool Measure(HDC, const char*, int count, int* width, int* extents)
    {
        *width = count * kCharWidth;
        for (int i = 0; extents != nullptr && i < count; ++i)
            extents[i] = (i + 1) * kCharWidth;
        return true;
    }
    Kyvant::TextMeasurer m_old;
};

// The pixels of a picture made in a memory DC of w x h in the font.
template <class Paint>
std::vector<DWORD> Picture(HFONT font, int width, int height, Paint paint)
{
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ oldBitmap = ::SelectObject(dc, bitmap);
    HGDIOBJ oldFont = ::SelectObject(dc, font);
    paint(dc, RECT{0, 0, width, height});
    ::GdiFlush();
    const DWORD* pixels = static_cast<const DWORD*>(bits);
    std::vector<DWORD> copy(pixels, pixels + width * height);
    ::SelectObject(dc, oldFont);
    ::SelectObject(dc, oldBitmap);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
    ::ReleaseDC(nullptr, screen);
    return copy;
}

} // namespace

TEST_F(FileAndFolderList, RowsAreAtLeast21PixelsHighWhateverTheFont)
{
    for (int fontHeight : {-8, -13, -30}) {
        CFont font;
        font.CreateFont(fontHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
        KyEditableFileAndFolderListBox list;
        ASSERT_TRUE(AddList(list, static_cast<HFONT>(font.m_hObject)));
        Load(list, {"C:\\a"});
        CClientDC dc(&list);
        CFont* old = dc.SelectObject(&font);
        TEXTMETRICA metrics = {};
        dc.GetTextMetrics(&metrics);
        dc.SelectObject(old);
        const int expected =
            std::max(kMinRowHeight, static_cast<int>(metrics.tmHeight) + kRowPadding);
        EXPECT_EQ(expected, list.GetItemHeight(0)) << fontHeight;
        EXPECT_GE(list.GetItemHeight(0), kMinRowHeight) << fontHeight;
    }
}

TEST_F(FileAndFolderList, APathWiderThanItsRowIsDrawnAsItsStartAnEllipsisAndItsName)
{
    FixedWidthText fixed;
    const std::string shortPath = "C:\\a.txt";
    const std::string longPath =
        "C:\\Program Files\\Kyvant\\Tools\\A Rather Long Folder Name\\Another One\\readme.txt";
    KyEditableFileAndFolderListBox list;
    ASSERT_TRUE(AddList(list));
    Load(list, {shortPath, longPath});
    list.SetCurSel(-1);
    CRect row;
    list.GetItemRect(1, &row);
    const HFONT font = list.GetFont();

    Kyvant::ky_F expected(longPath.c_str());
    {
        CClientDC dc(&list);
        expected.ToPathEllipsis(dc.GetSafeHdc(), row.Width() - 8, font);
    }
    const std::string shown = expected.c_str();
    EXPECT_EQ(0u, shown.find("C:\\"));
    EXPECT_NE(std::string::npos, shown.find("..."));
    EXPECT_EQ(shown.size() - 11, shown.rfind("\\readme.txt"));
    EXPECT_LE(static_cast<int>(shown.size()) * kCharWidth, row.Width() - 8);

    const auto drawn = [&](int item) {
        return Picture(font, row.Width(), row.Height(), [&](HDC dc, RECT rect) {
            DRAWITEMSTRUCT dis = {
                ODT_LISTBOX, kListId, static_cast<UINT>(item), ODA_DRAWENTIRE, 0, list.m_hWnd,
                dc,          rect,    list.GetItemData(item)};
            m_host.SendMessage(WM_DRAWITEM, kListId, reinterpret_cast<LPARAM>(&dis));
        });
    };
    const auto text = [&](const std::string& what) {
        return Picture(font, row.Width(), row.Height(), [&](HDC dc, RECT rect) {
            ::FillRect(dc, &rect, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
            rect.left += kTextIndent;
            ::DrawTextA(dc, what.c_str(), -1, &rect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        });
    };
    EXPECT_TRUE(drawn(1) == text(shown));
    EXPECT_FALSE(drawn(1) == text(longPath));
    EXPECT_TRUE(drawn(0) == text(shortPath));
    StorageTest::Snapshot(m_host.m_hWnd, "file-folder-list-ellipsis");
}

TEST_F(FileAndFolderList, DroppedFilesGoAboveTheNewRowInDropOrderAndTheParentIsTold)
{
    const std::string file = m_scratch.File("a.txt");
    const std::string folder = m_scratch.Folder("dir");
    const std::string link = m_scratch.Shortcut("dir.lnk", folder);
    KyEditableFileAndFolderListBox list;
    ASSERT_TRUE(AddList(list));
    Load(list, {"C:\\x"});
    // An open edit is kept first.
    EditRow(list, 0);
    ::SetWindowTextA(EditorEdit(list), "C:\\y");
    m_host.m_notes.clear();
    DropFiles(list.m_hWnd, {file, folder, link});
    EXPECT_FALSE(list.Editing());
    EXPECT_EQ((Strings{"C:\\y", file, folder + "\\", folder + "\\", "<new>"}), Rows(list));
    EXPECT_EQ(3, list.GetCurSel());
    ASSERT_FALSE(m_host.m_notes.empty());
    const ShellObjTest::HostDialog::Note& told = m_host.m_notes.back();
    EXPECT_EQ(WM_KY_FILES_DROPPED, told.message);
    EXPECT_EQ(3u, told.wParam);
    EXPECT_EQ(reinterpret_cast<LPARAM>(&list), told.lParam);
    // Without a new row the files go at the end.
    Load(list, {"C:\\x"}, false);
    DropFiles(list.m_hWnd, {file});
    EXPECT_EQ((Strings{"C:\\x", file}), Rows(list));
    EXPECT_EQ(1, list.GetCurSel());
}

TEST_F(FileAndFolderList, TheRowEditorHasItsFourButtonsAtTheRowsRightEnd)
{
    KyEditableFileAndFolderListBox list;
    ASSERT_TRUE(AddList(list));
    Load(list, {"C:\\a", "C:\\b"});
    EditRow(list, 1);
    ASSERT_TRUE(list.Editing());
    auto& editor = *dynamic_cast<KYB_FileAndFolderEditorBase*>(list.GetEditorPtr());
    CWnd& container = *CWnd::FromHandle(::GetParent(EditorEdit(list)));
    CRect row;
    list.GetItemRect(1, &row);
    EXPECT_EQ(row, RectIn(container, list));
    CToolBarCtrl& bar = *static_cast<CToolBarCtrl*>(
        CWnd::FromHandle(::FindWindowExA(container.m_hWnd, nullptr, TOOLBARCLASSNAMEA, nullptr)));
    const std::vector<UINT> commands = {ID_KY_INSERT_FOLDER_NAME, ID_KY_INSERT_FILENAME,
                                        ID_KY_CANCEL_EDIT, ID_KY_ACCEPT_CHANGES};
    EXPECT_EQ(commands, Commands(bar));
    const Strings tips = {"Insert Folder Name", "Insert Filename", "Cancel Edit", "Accept Changes"};
    for (size_t i = 0; i < commands.size(); ++i)
        EXPECT_EQ(tips[i], TipOf(bar, commands[i]));
    const CRect barRect = RectIn(bar, container);
    CRect client;
    container.GetClientRect(&client);
    EXPECT_EQ(client.right, barRect.right);
    EXPECT_EQ(Kyvant::ListEditorStyles::Themed() ? 94 : 92, barRect.Width());
    EXPECT_EQ(barRect.left, RectIn(*CWnd::FromHandle(EditorEdit(list)), container).right);
    EXPECT_EQ(&list, &editor.GetListBox());
    EXPECT_EQ("C:\\b", Text(EditorEdit(list)));
    StorageTest::Snapshot(m_host.m_hWnd, "file-folder-list-editor");
}

TEST_F(FileAndFolderList, InsertedFoldersAndFilesReplaceTheEditsTextAndTheButtonsEndTheEdit)
{
    const std::string start = m_scratch.Folder("start");
    const std::string chosen = m_scratch.Folder("chosen");
    const std::string file = m_scratch.File("chosen\\f.txt"); // where the folder browser left off
    NamedDbTest::RegValue::String(start).Write(Kyvant::kSharedSettingsKey, "BrowseFolderPath");
    KyEditableFileAndFolderListBox list;
    ASSERT_TRUE(AddList(list));
    Load(list, {"C:\\a"});
    const auto toolbar = [&list]() -> CToolBarCtrl& {
        HWND container = ::GetParent(EditorEdit(list));
        return *static_cast<CToolBarCtrl*>(
            CWnd::FromHandle(::FindWindowExA(container, nullptr, TOOLBARCLASSNAMEA, nullptr)));
    };
    EditRow(list, 0);
    {
        FolderBrowserScript browser(chosen);
        ClickButton(toolbar(), ID_KY_INSERT_FOLDER_NAME);
        EXPECT_EQ(start, browser.StartedAt());
    }
    // This list's folders need no trailing separator.
    EXPECT_EQ(chosen, Text(EditorEdit(list)));
    EXPECT_EQ(chosen, ShellObjTest::SelectedText(EditorEdit(list)));
    EXPECT_EQ(EditorEdit(list), ::GetFocus());
    ClickButton(toolbar(), ID_KY_CANCEL_EDIT);
    EXPECT_FALSE(list.Editing());
    EXPECT_EQ((Strings{"C:\\a", "<new>"}), Rows(list));

    EditRow(list, 0);
    ShellObjTest::AnswerNextFileDialog("f.txt", true);
    ClickButton(toolbar(), ID_KY_INSERT_FILENAME);
    EXPECT_EQ(Kyvant::ky_F(file.c_str()), Kyvant::ky_F(Text(EditorEdit(list)).c_str()));
    ClickButton(toolbar(), ID_KY_ACCEPT_CHANGES);
    EXPECT_FALSE(list.Editing());
    ASSERT_EQ(2, list.GetCount());
    EXPECT_EQ(Kyvant::ky_F(file.c_str()), Kyvant::ky_F(list.ItemText(0)));
}
