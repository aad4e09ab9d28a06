// Save As of the listing: the three modes with their header, TABs and CR
// LF line ends, the columns in display order, long cells cut, the selected
// rows only, a failed open reported; and the dialog with its added choices,
// remembering the mode and folder.
#include "FileList/FileListTestSupport.h"

#include "KyDir/Gui/FileList/FileListResource.h"
#include "KyDir/Gui/SaveAs/ListingWriter.h"
#include "KyStd/Registry/RegValues.h"
#include "common/SplitText.h"

#include <dlgs.h>

#include <functional>

using namespace dirgtest;

namespace {

using DirListingWriter = DirListTest;

const char kAppKey[] = "Software\\Kyvant\\Tests\\DirSaveAs";

// The file's lines, each of which must end in CR LF.
Strings Lines(const std::string& path)
{
    const std::string text = kytest::ReadFile(path);
    Strings lines;
    size_t start = 0;
    for (size_t end = text.find("\r\n"); end != std::string::npos;
         start = end + 2, end = text.find("\r\n", start))
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(text.size(), start) << "the last line ends in CR LF too";
    return lines;
}

std::function<void(CWnd*)>& IdleScript()
{
    static std::function<void(CWnd*)> script;
    return script;
}

void RunIdleScript(CWnd* window)
{
    AfxSetModalIdleHook(nullptr);
    std::function<void(CWnd*)> script;
    script.swap(IdleScript());
    if (script)
        script(window);
}

void OnNextModalIdle(std::function<void(CWnd*)> script)
{
    IdleScript() = std::move(script);
    AfxSetModalIdleHook(&RunIdleScript);
}

} // namespace

TEST_F(DirListingWriter, ModesWriteHeaderCellsOrPathsWithCrLf)
{
    Add("C:\\Fix\\", {{"sub", 0, FILE_ATTRIBUTE_DIRECTORY}, {"a.txt", 1234}});
    const std::string out = folder + "out.txt";

    WriteListing(*view, out.c_str(), AsDisplayed, false);
    Strings lines = Lines(out);
    ASSERT_EQ(3u, lines.size());
    EXPECT_EQ("Name\tIn Folder\tSize\tType\tModified\tAttributes", lines[0]);
    const std::string second =
        "a.txt\tC:\\Fix\\\t" + Cell(1, FileListView::Size) + "\t" + Cell(1, FileListView::Type) +
        "\t" + Cell(1, FileListView::Modified) + "\t" + Cell(1, FileListView::Attributes);
    EXPECT_EQ(second, lines[2]);

    WriteListing(*view, out.c_str(), WithFullPaths, false);
    lines = Lines(out);
    ASSERT_EQ(3u, lines.size());
    EXPECT_EQ("Name\tSize\tType\tModified\tAttributes", lines[0]);
    EXPECT_EQ(0u, lines[1].find("C:\\Fix\\sub\t")) << lines[1];
    EXPECT_EQ(4, std::count(lines[2].begin(), lines[2].end(), '\t'));

    WriteListing(*view, out.c_str(), FullPathsOnly, false);
    EXPECT_EQ(Strings({"C:\\Fix\\sub", "C:\\Fix\\a.txt"}), Lines(out));
}

TEST_F(DirListingWriter, ColumnsFollowTheDisplayOrderAndInFolderLeavesNoEmptyCell)
{
    Add("C:\\Fix\\", {{"a.txt", 5}});
    Command(ID_DL_COLUMN_TYPE);
    Command(ID_DL_COLUMN_MODIFIED);
    Command(ID_DL_COLUMN_ATTRIBUTES);
    // Display order: Size, In Folder, Name.
    int order[] = {view->GetColIndexX(FileListView::Size),
                   view->GetColIndexX(FileListView::InFolder),
                   view->GetColIndexX(FileListView::Name)};
    ASSERT_TRUE(List().SendMessage(LVM_SETCOLUMNORDERARRAY, 3, reinterpret_cast<LPARAM>(order)));
    const std::string out = folder + "order.txt";
    const std::string size = Cell(0, FileListView::Size);

    WriteListing(*view, out.c_str(), AsDisplayed, false);
    EXPECT_EQ(Strings({"Size\tIn Folder\tName", size + "\tC:\\Fix\\\ta.txt"}), Lines(out));
    WriteListing(*view, out.c_str(), WithFullPaths, false);
    EXPECT_EQ(Strings({"Size\tName", size + "\tC:\\Fix\\a.txt"}), Lines(out))
        << "the cells around the left-out column keep one TAB between them";
}

TEST_F(DirListingWriter, LongCellsAreCutAndSelectedRowsWrittenInListOrder)
{
    const std::string longName(300, 'n');
    Add("C:\\Fix\\", {{"a"}, {longName}, {"c"}});
    const std::string out = folder + "long.txt";
    WriteListing(*view, out.c_str(), AsDisplayed, false);
    Strings lines = Lines(out);
    ASSERT_EQ(4u, lines.size());
    EXPECT_EQ(std::string(255, 'n') + "\t", lines[2].substr(0, 256));

    Select({2, 0});
    WriteListing(*view, out.c_str(), FullPathsOnly, true);
    EXPECT_EQ(Strings({"C:\\Fix\\a", "C:\\Fix\\c"}), Lines(out));
}

TEST_F(DirListingWriter, AFileThatCannotBeWrittenIsReportedAndLeavesTheTarget)
{
    Add("C:\\Fix\\", {{"a"}});
    const std::string out = folder + "missing\\out.txt";
    EXPECT_ANY_THROW(WriteListing(*view, out.c_str(), AsDisplayed, false));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(out.c_str()));

    const std::string kept = folder + "kept.txt";
    kytest::WriteFile(kept, "old");
    SetFileAttributesA(kept.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_ANY_THROW(WriteListing(*view, kept.c_str(), AsDisplayed, false));
    SetFileAttributesA(kept.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ("old", kytest::ReadFile(kept));
}

TEST_F(DirListingWriter, ANewListingReplacesAnOldFileWhole)
{
    const std::string out = folder + "replaced.txt";
    kytest::WriteFile(out, std::string(5000, 'x'));
    Add("C:\\Fix\\", {{"a"}});
    WriteListing(*view, out.c_str(), FullPathsOnly, false);
    EXPECT_EQ("C:\\Fix\\a\r\n", kytest::ReadFile(out));
}

TEST_F(DirListingWriter, TheDialogOffersTheChoicesAndRemembersModeAndFolder)
{
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kAppKey);
    Kyvant::RegKey key(HKEY_CURRENT_USER, kAppKey);
    Kyvant::WriteRegistryDWORD(key.get(), kSaveAsModeValue, WithFullPaths);
    Kyvant::WriteRegistryString(key.get(), kSaveAsPathValue, folder.c_str(),
                                static_cast<DWORD>(folder.size() + 1));
    Add("C:\\Fix\\", {{"a.txt"}, {"b.txt"}});

    struct Seen {
        bool selectedEnabled = true;
        bool fullPathsChecked = false;
        bool shot = false;
    } seen;
    OnNextModalIdle([&seen](CWnd* child) {
        seen.selectedEnabled = child->GetDlgItem(IDC_DL_SELECTED_ITEMS)->IsWindowEnabled() != FALSE;
        seen.fullPathsChecked = child->IsDlgButtonChecked(IDC_DL_WITH_FULL_PATHS) == BST_CHECKED;
        const HWND dialog = ::GetParent(child->m_hWnd);
        ::RedrawWindow(dialog, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        seen.shot = kytest::SaveWindowPng(dialog, "KyDirG-save-as");
        child->CheckRadioButton(IDC_DL_AS_DISPLAYED, IDC_DL_FULL_PATHS_ONLY,
                                IDC_DL_FULL_PATHS_ONLY);
        for (int id : {cmb13, edt1})
            if (::GetDlgItem(dialog, id) != nullptr)
                ::SetDlgItemTextA(dialog, id, "saved");
        ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
    });
    ASSERT_TRUE(SaveListingAs(*view, key, frame));
    EXPECT_FALSE(seen.selectedEnabled) << "no row is selected";
    EXPECT_TRUE(seen.fullPathsChecked) << "the stored mode is chosen first";
    EXPECT_TRUE(seen.shot);
    EXPECT_EQ(Strings({"C:\\Fix\\a.txt", "C:\\Fix\\b.txt"}), Lines(folder + "saved.txt"));
    EXPECT_EQ(static_cast<DWORD>(FullPathsOnly),
              Kyvant::GetRegistryDWORD(key.get(), kSaveAsModeValue, 9));

    Select({1});
    OnNextModalIdle([](CWnd* child) {
        const HWND dialog = ::GetParent(child->m_hWnd);
        EXPECT_TRUE(child->GetDlgItem(IDC_DL_SELECTED_ITEMS)->IsWindowEnabled());
        EXPECT_EQ(BST_CHECKED, child->IsDlgButtonChecked(IDC_DL_FULL_PATHS_ONLY));
        child->CheckRadioButton(IDC_DL_ALL_ITEMS, IDC_DL_SELECTED_ITEMS, IDC_DL_SELECTED_ITEMS);
        ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_FALSE(SaveListingAs(*view, key, frame));
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kAppKey);
}
