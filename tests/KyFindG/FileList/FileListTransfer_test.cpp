// The selection on the clipboard and in a drag: Copy's file list, ID lists
// and preferred effect; Cut's; a move written back, or reported by a drop,
// removing exactly the rows whose files are gone; and the properties of one
// row or of several.
#include "FileList/DropWindow.h"
#include "FileList/FileListTestSupport.h"

#include "KyGui/Shell/ShellIds.h"
#include "KyGuiTool/ResultList/FileDataSource.h"
#include "KyGuiTool/ResultList/ResultListResource.h"
#include "KyStd/Shell/ItemIdList.h"
#include "KyStd/Shell/ShellLaunch.h"

#include <afxdlgs.h>

#include <cstring>

using namespace findgtest;
using Kyvant::FileDataSource;

namespace {

using FileListTransfer = FileListTest;

// A format's bytes from the clipboard's data object; false when it has none.
bool ClipboardBytes(CLIPFORMAT format, std::string& bytes)
{
    IDataObject* data = nullptr;
    if (FAILED(OleGetClipboard(&data)))
        return false;
    FORMATETC asked = {format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium = {};
    const bool got = SUCCEEDED(data->GetData(&asked, &medium));
    if (got) {
        const char* block = static_cast<const char*>(GlobalLock(medium.hGlobal));
        bytes.assign(block, GlobalSize(medium.hGlobal));
        GlobalUnlock(medium.hGlobal);
        ReleaseStgMedium(&medium);
    }
    data->Release();
    return got;
}

DWORD ClipboardDword(CLIPFORMAT format)
{
    std::string bytes;
    DWORD value = 0;
    if (ClipboardBytes(format, bytes) && bytes.size() >= sizeof value)
        std::memcpy(&value, bytes.data(), sizeof value);
    return value;
}

// The names of a CF_HDROP block after its 20-byte ANSI header, checked.
Strings DropNames(const std::string& block)
{
    const DROPFILES* header = reinterpret_cast<const DROPFILES*>(block.data());
    EXPECT_EQ(20u, header->pFiles);
    EXPECT_FALSE(header->fWide);
    Strings names;
    std::size_t at = 20;
    while (at < block.size() && block[at] != '\0') {
        names.push_back(block.c_str() + at);
        at += names.back().size() + 1;
    }
    EXPECT_EQ(at + 1, block.size()) << "one NUL ends the list";
    return names;
}

// The paths of a "Shell IDList Array" block.
Strings IdListPaths(const std::string& block)
{
    const UINT* words = reinterpret_cast<const UINT*>(block.data());
    const auto list = [&](UINT offset) {
        return reinterpret_cast<LPCITEMIDLIST>(block.data() + offset);
    };
    Strings paths;
    for (UINT i = 0; i < words[0]; ++i) {
        LPITEMIDLIST full = Kyvant::Shell::Join(list(words[1]), list(words[2 + i]));
        char path[MAX_PATH] = "";
        SHGetPathFromIDListA(full, path);
        Kyvant::Shell::MallocDeleter()(full);
        paths.push_back(path);
    }
    return paths;
}

// What a paste target writes back into the data on the clipboard.
HRESULT WriteBackMove()
{
    COleDataSource* owner = COleDataSource::GetClipboardOwner();
    if (owner == nullptr)
        return E_FAIL;
    FORMATETC format = {FileDataSource::GetCfPerformedDropEffect(), nullptr, DVASPECT_CONTENT, -1,
                        TYMED_HGLOBAL};
    STGMEDIUM medium = {};
    medium.tymed = TYMED_HGLOBAL;
    medium.hGlobal = GlobalAlloc(GMEM_MOVEABLE, sizeof(DWORD));
    *static_cast<DWORD*>(GlobalLock(medium.hGlobal)) = DROPEFFECT_MOVE;
    GlobalUnlock(medium.hGlobal);
    const HRESULT result = owner->GetIDataObject()->SetData(&format, &medium, TRUE);
    if (FAILED(result))
        ReleaseStgMedium(&medium);
    return result;
}

std::vector<SHELLEXECUTEINFOA>& Launches()
{
    static std::vector<SHELLEXECUTEINFOA> launches;
    return launches;
}

std::string& LaunchedFile()
{
    static std::string file;
    return file;
}

BOOL WINAPI RecordLaunch(SHELLEXECUTEINFOA* info)
{
    Launches().push_back(*info);
    LaunchedFile() = info->lpFile != nullptr ? info->lpFile : "";
    return TRUE;
}

std::string& SheetTitle()
{
    static std::string title;
    return title;
}

void CloseSheet(CWnd* sheet)
{
    char title[128] = "";
    ::GetWindowTextA(sheet->m_hWnd, title, sizeof title);
    SheetTitle() = title;
    sheet->PostMessage(WM_COMMAND, IDCANCEL);
}

} // namespace

TEST_F(FileListTransfer, CopyPutsTheFileItsIdListAndCopyOrLink)
{
    MakeFiles({{"one.txt", "alpha\n"}, {"two.txt", "alpha\n"}});
    RunTask({"one.txt", "two.txt"});
    Select({1});
    Command(ID_EDIT_COPY);

    std::string block;
    ASSERT_TRUE(ClipboardBytes(CF_HDROP, block));
    EXPECT_EQ(Strings{folder + "two.txt"}, DropNames(block));
    EXPECT_EQ(20u + (folder + "two.txt").size() + 2, block.size());
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_COPY | DROPEFFECT_LINK),
              ClipboardDword(FileDataSource::GetCfPreferredDropEffect()));
    ASSERT_TRUE(ClipboardBytes(FileDataSource::GetCfShellIdList(), block));
    EXPECT_EQ(Strings{folder + "two.txt"}, IdListPaths(block));

    // A copy takes no written-back effect: its rows stay.
    EXPECT_TRUE(FAILED(WriteBackMove()));
    EXPECT_EQ(2, Rows());
}

TEST_F(FileListTransfer, CutOffersAMoveAndAMoveWrittenBackRemovesTheRowsWhoseFilesAreGone)
{
    Open(RUNTIME_CLASS(MultiSelectFileListView));
    CreateDirectoryA((folder + "moved").c_str(), nullptr);
    MakeFiles(
        {{"a.txt", "alpha\n"}, {"b.txt", "alpha\n"}, {"c.txt", "alpha\n"}, {"d.txt", "alpha\n"}});
    RunTask({"a.txt", "b.txt", "c.txt", "d.txt"});
    Select({0, 1, 2});
    Command(ID_EDIT_CUT);

    std::string block;
    ASSERT_TRUE(ClipboardBytes(CF_HDROP, block));
    EXPECT_EQ(Strings({folder + "a.txt", folder + "b.txt", folder + "c.txt"}), DropNames(block));
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_MOVE),
              ClipboardDword(FileDataSource::GetCfPreferredDropEffect()));
    EXPECT_FALSE(ClipboardBytes(FileDataSource::GetCfShellIdList(), block));

    // The paste moved two of the three files.
    ASSERT_TRUE(MoveFileA((folder + "a.txt").c_str(), (folder + "moved\\a.txt").c_str()));
    ASSERT_TRUE(MoveFileA((folder + "c.txt").c_str(), (folder + "moved\\c.txt").c_str()));
    EXPECT_EQ(S_OK, WriteBackMove());
    PumpPending();
    EXPECT_EQ(Strings({"b.txt", "d.txt"}), Column(FileListView::Name));
    EXPECT_EQ(2u, finder->GetModel().GetFileCount());
    EXPECT_EQ(2u, finder->GetModel().GetMatchTotal());
    EXPECT_EQ(0, FocusedRow());
    EXPECT_TRUE(theApp.m_boxes.empty());
}

TEST_F(FileListTransfer, ADropThatMovesTheFilesRemovesTheirRows)
{
    Open(RUNTIME_CLASS(MultiSelectFileListView));
    const std::string target = folder + "target\\";
    CreateDirectoryA(target.c_str(), nullptr);
    MakeFiles({{"a.txt", "alpha\n"}, {"b.txt", "alpha\n"}, {"c.txt", "alpha\n"}});
    RunTask({"a.txt", "b.txt", "c.txt"});

    // A target that reports the move as the drag's result, and one that
    // writes it back and reports none (as Explorer's optimized move does).
    for (bool writeBack : {false, true}) {
        SCOPED_TRACE(writeBack ? "written back" : "drag result");
        DropWindow drop(RECT{900, 100, 1100, 300}, target, writeBack);
        ASSERT_TRUE(drop.Registered());
        const POINT centre = drop.Centre();
        SetCursorPos(centre.x, centre.y);
        Select({0});
        NMLISTVIEW begin = {};
        begin.hdr.hwndFrom = view->m_hWnd;
        begin.hdr.idFrom = static_cast<UINT_PTR>(view->GetDlgCtrlID());
        begin.hdr.code = LVN_BEGINDRAG;
        begin.iItem = 0;
        frame->SendMessage(WM_NOTIFY, begin.hdr.idFrom, reinterpret_cast<LPARAM>(&begin));
        PumpPending();
        ASSERT_EQ(1u, drop.m_dropped.size());
        EXPECT_FALSE(Exists(drop.m_dropped[0].substr(folder.size())));
    }
    EXPECT_EQ(Strings{"c.txt"}, Column(FileListView::Name));
}

TEST_F(FileListTransfer, PropertiesOfOneRowAskTheShellAndOfSeveralShowASheet)
{
    Open(RUNTIME_CLASS(MultiSelectFileListView));
    MakeFiles({{"a.txt", "alpha\n"}, {"b.txt", "alpha\n"}});
    RunTask({"a.txt", "b.txt"});
    Kyvant::Shell::SetShellExecuteFunction(&RecordLaunch);
    Launches().clear();
    Select({1});
    Command(ID_KY_PROPERTIES);
    ASSERT_EQ(1u, Launches().size());
    EXPECT_EQ(folder + "b.txt", LaunchedFile());

    Select({0, 1});
    SheetTitle().clear();
    const AFX_MODALIDLEHOOK previous = AfxSetModalIdleHook(&CloseSheet);
    Command(ID_KY_PROPERTIES);
    AfxSetModalIdleHook(previous);
    Kyvant::Shell::SetShellExecuteFunction(nullptr);
    EXPECT_EQ(1u, Launches().size()) << "several rows are not launched one by one";
    EXPECT_NE(std::string::npos, SheetTitle().find("Properties")) << SheetTitle();
}
