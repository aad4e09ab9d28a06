// What the Dir list tests share: the list in its frame over a finder whose
// listing the tests fill with made-up items (or a Dir task fills, the
// frame's double answering the task dialog), readers of what the list
// shows, and a recording of what the shell was asked to open.
#pragma once

#include "DirGTestApp.h"
#include "FileList/ListFrame.h"
#include "TaskFrame.h"

#include "KyDir/Gui/FileList/FileListView.h"
#include "KyDir/Gui/Finder/Finder.h"
#include "KyDir/Gui/Model/DirModel.h"
#include "KyDir/Gui/Task/DirJob.h"
#include "KyStd/Shell/ShellLaunch.h"
#include "common/TempFolder.h"
#include "common/WholeFile.h"
#include "common/WindowPng.h"

#include <gtest/gtest.h>

#include <afxole.h>

#include <memory>
#include <string>
#include <vector>

namespace dirgtest {

using Strings = std::vector<std::string>;

// One made-up item of a listing.
struct Made {
    std::string name;
    unsigned long long size = 0;
    DWORD attributes = FILE_ATTRIBUTE_ARCHIVE;
    DWORD rank = 0;
    int day = 1; // of January 2024, the item's times
};

class DirListTest : public ::testing::Test {
protected:
    static constexpr const char* kColumnStateKey = "Software\\Kyvant\\Tests\\DirFileList";
    static const unsigned kTimeoutMs = 30000;

    static void SetUpTestSuite()
    {
        ASSERT_TRUE(AfxOleInit());
        s_root = kytest::NewFolder(kytest::ScratchBase(), "kydirlist_");
    }
    static void TearDownTestSuite() { kytest::RemoveTree(s_root); }

    void SetUp() override
    {
        theApp.m_boxes.clear();
        theApp.SetListFileNamed(false);
        folder = kytest::NewFolder(s_root, "t");
        frame = ListFrame::Create(RUNTIME_CLASS(FileListView));
        ASSERT_NE(nullptr, frame);
        view = &frame->View();
        finder.reset(new Finder(view));
        view->SetFinder(finder.get());
        ::RegDeleteKeyA(HKEY_CURRENT_USER, kColumnStateKey);
        Kyvant::RegKey columns(HKEY_CURRENT_USER, kColumnStateKey);
        frame->InitialUpdate(columns);
        task = TaskFrame::Create(*finder);
        ASSERT_NE(nullptr, task);
        task->MoveWindow(20, 600, 520, 300); // clear of the list in screenshots
    }

    void TearDown() override
    {
        Kyvant::Shell::SetShellExecuteFunction(nullptr);
        if (Finder::Job* job = finder->GetCurrentJob()) {
            TerminateProcess(job->GetProcess().get(), 1);
            PumpUntil([this] { return finder->GetCurrentJob() == nullptr; }, kTimeoutMs);
        }
        finder->Discard();
        COleDataSource::FlushClipboard();
        task->DestroyWindow();
        frame->DestroyWindow();
        finder.reset();
        SetVariable("KYTEST_TASK_LINK", "");
    }

    // Items in the folder (made up: their files need not exist), then the
    // monitor's tick that shows them.
    void Add(const std::string& itemFolder, const std::vector<Made>& items)
    {
        for (const Made& made : items) {
            Kyvant::DirResults::FileDetails details = {};
            details.attributes = made.attributes;
            details.size = made.size;
            details.reserved = made.rank;
            const SYSTEMTIME time = {2024, 1, 0, static_cast<WORD>(made.day), 12, 0, 0, 0};
            SystemTimeToFileTime(&time, &details.lastWriteTime);
            details.creationTime = details.lastWriteTime;
            finder->GetModel().OnItem(Kyvant::ky_F(itemFolder.c_str()), made.name.c_str(),
                                      static_cast<unsigned>(made.name.size()), &details);
        }
        Tick();
    }
    void Tick()
    {
        view->EnableMonitorTimer(true);
        view->SendMessage(WM_TIMER, 1);
        PumpPending();
    }

    // A Dir task over the arguments, run to its end, every row shown.
    void RunTask(const std::vector<std::string>& words)
    {
        TaskFrame::Answer answer;
        answer.args = {"KyDir"};
        answer.args.insert(answer.args.end(), words.begin(), words.end());
        task->Script(answer);
        ASSERT_TRUE(finder->Start());
        ASSERT_TRUE(PumpUntil([this] { return finder->GetCurrentJob() == nullptr; }, kTimeoutMs));
        ASSERT_TRUE(PumpUntil(
            [this] {
                if (view->IsMonitorTimerRunning())
                    view->SendMessage(WM_TIMER, 1);
                return !view->IsMonitorTimerRunning();
            },
            kTimeoutMs));
        PumpPending();
    }

    CListCtrl& List() const { return view->GetListCtrl(); }
    int Rows() const { return List().GetItemCount(); }

    std::string Cell(int row, FileListView::Column column) const
    {
        char text[1024] = "";
        LVITEMA item = {};
        item.iSubItem = view->GetColIndexX(column);
        item.pszText = text;
        item.cchTextMax = sizeof text;
        List().SendMessage(LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
        return text;
    }
    Strings Column(FileListView::Column column) const
    {
        Strings texts;
        for (int row = 0; row < Rows(); ++row)
            texts.push_back(Cell(row, column));
        return texts;
    }
    // The header's captions in display order.
    Strings Captions() const
    {
        Strings captions;
        CHeaderCtrl* header = List().GetHeaderCtrl();
        for (int position = 0; position < header->GetItemCount(); ++position) {
            char text[64] = "";
            HDITEMA item = {};
            item.mask = HDI_TEXT;
            item.pszText = text;
            item.cchTextMax = sizeof text;
            header->SendMessage(HDM_GETITEMA, header->OrderToIndex(position),
                                reinterpret_cast<LPARAM>(&item));
            captions.push_back(text);
        }
        return captions;
    }
    std::vector<int> SelectedRows() const
    {
        std::vector<int> rows;
        for (int row = List().GetNextItem(-1, LVNI_SELECTED); row >= 0;
             row = List().GetNextItem(row, LVNI_SELECTED))
            rows.push_back(row);
        return rows;
    }
    int FocusedRow() const { return List().GetNextItem(-1, LVNI_FOCUSED); }
    int RowOf(const std::string& name) const
    {
        for (int row = 0; row < Rows(); ++row)
            if (Cell(row, FileListView::Name) == name)
                return row;
        return -1;
    }
    // Only these rows selected, the first of them focused.
    void Select(const std::vector<int>& rows)
    {
        List().SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        for (int row : rows)
            List().SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
        if (!rows.empty())
            List().SetItemState(rows.front(), LVIS_FOCUSED, LVIS_FOCUSED);
    }
    void Command(UINT id) { view->SendMessage(WM_COMMAND, id); }

    // A click on a column's header item.
    void ClickHeader(FileListView::Column column)
    {
        const HWND header = reinterpret_cast<HWND>(List().SendMessage(LVM_GETHEADER));
        RECT item = {};
        ::SendMessageA(header, HDM_GETITEMRECT, view->GetColIndexX(column),
                       reinterpret_cast<LPARAM>(&item));
        const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
        ::SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
        ::SendMessageA(header, WM_LBUTTONUP, 0, at);
        PumpPending();
    }
    // A key pressed in the list.
    void Key(UINT key)
    {
        List().SetFocus();
        List().SendMessage(WM_KEYDOWN, key, 1);
        List().SendMessage(WM_KEYUP, key, 0xC0000001);
        PumpPending();
    }

    // The frame's picture after it has painted.
    void Snapshot(const char* name)
    {
        frame->RedrawWindow(nullptr, nullptr,
                            RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        for (int i = 0; i < 5; ++i) {
            PumpPending();
            Sleep(20);
        }
        EXPECT_TRUE(kytest::SaveWindowPng(frame->m_hWnd, name));
    }

    // The files the shell was asked to open, with their verbs.
    static Strings& Launches()
    {
        static Strings launches;
        return launches;
    }
    static BOOL WINAPI RecordLaunch(SHELLEXECUTEINFOA* info)
    {
        Launches().push_back(std::string(info->lpFile ? info->lpFile : "") + "|" +
                             (info->lpVerb ? info->lpVerb : ""));
        info->hInstApp = reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(33));
        return TRUE;
    }

    static inline std::string s_root;
    std::string folder;
    std::unique_ptr<Finder> finder;
    ListFrame* frame = nullptr;
    FileListView* view = nullptr;
    TaskFrame* task = nullptr;
};

} // namespace dirgtest
