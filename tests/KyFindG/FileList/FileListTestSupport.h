// What the file list tests share: a folder of files per test, the file list
// in its frame over a finder that the finder stand-in feeds through the
// task link (the frame's double answering the task dialog), readers of what
// the list shows, and answers to the shell's confirmation boxes.
#pragma once

#include "FileList/ResultsFrame.h"
#include "FindGTestApp.h"
#include "TaskFrame.h"

#include "KyFind/Gui/FileList/FileListView.h"
#include "KyFind/Gui/Finder/Finder.h"
#include "KyFind/Gui/Model/FinderModel.h"
#include "KyFind/Gui/Task/FinderJob.h"
#include "common/TempFolder.h"
#include "common/WholeFile.h"
#include "common/WindowPng.h"

#include <gtest/gtest.h>

#include <afxole.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace findgtest {

using Strings = std::vector<std::string>;

// Answers the shell's boxes (visible "#32770" windows of this process) with
// a button, from a thread of its own, since each box runs its own loop on
// the UI thread.
class BoxAnswerer {
public:
    explicit BoxAnswerer(int button) : m_button(button), m_thread([this] { Run(); }) {}
    ~BoxAnswerer()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
    }
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;

    // The titles of the boxes answered.
    Strings Titles()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        return m_titles;
    }

private:
    static BOOL CALLBACK FindBox(HWND window, LPARAM found)
    {
        char className[16] = "";
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        GetClassNameA(window, className, sizeof className);
        if (process != GetCurrentProcessId() || std::string(className) != "#32770" ||
            !IsWindowVisible(window))
            return TRUE;
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }

    void Run()
    {
        while (!m_stop) {
            HWND box = nullptr;
            EnumWindows(&FindBox, reinterpret_cast<LPARAM>(&box));
            if (box != nullptr) {
                char title[256] = "";
                GetWindowTextA(box, title, sizeof title);
                m_titles.push_back(title);
                PostMessageA(box, WM_COMMAND, MAKEWPARAM(m_button, BN_CLICKED), 0);
                while (!m_stop && IsWindow(box) && IsWindowVisible(box))
                    Sleep(10);
            }
            Sleep(10);
        }
    }

    int m_button;
    std::atomic<bool> m_stop{false};
    Strings m_titles;
    std::thread m_thread;
};

// Shift held down, as GetKeyState sees it, for the object's lifetime.
class ShiftHeld {
public:
    ShiftHeld()
    {
        GetKeyboardState(m_saved);
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_SHIFT] = keys[VK_LSHIFT] = 0x80;
        SetKeyboardState(keys);
    }
    ~ShiftHeld() { SetKeyboardState(m_saved); }
    ShiftHeld(const ShiftHeld&) = delete;
    ShiftHeld& operator=(const ShiftHeld&) = delete;

private:
    BYTE m_saved[256];
};

class FileListTest : public ::testing::Test {
protected:
    static constexpr const char* kSwitches = "KYTEST_TASK_LINK";
    static const unsigned kTaskTimeoutMs = 30000;
    static const unsigned kTickMs = 1000;
    static constexpr const char* kColumnStateKey = "Software\\Kyvant\\Tests\\FindFileList";

    static void SetUpTestSuite()
    {
        ASSERT_TRUE(AfxOleInit());
        s_root = kytest::NewFolder(kytest::ScratchBase(), "kyfilelist_");
    }
    static void TearDownTestSuite() { kytest::RemoveTree(s_root); }

    void SetUp() override { Open(RUNTIME_CLASS(FileListView)); }
    void TearDown() override { Close(); }

    // A new frame with a view of the class over a new finder, and a new
    // folder for the test's files.
    void Open(CRuntimeClass* viewClass)
    {
        Close();
        SetVariable(kSwitches, "");
        theApp.m_boxes.clear();
        folder = kytest::NewFolder(s_root, "t");
        frame = ResultsFrame::Create(viewClass);
        ASSERT_NE(nullptr, frame);
        view = &frame->View();
        finder.reset(new Finder(view));
        view->SetFinder(finder.get());
        view->SetLink(&link);
        ::RegDeleteKeyA(HKEY_CURRENT_USER, kColumnStateKey);
        Kyvant::RegKey columns(HKEY_CURRENT_USER, kColumnStateKey);
        frame->InitialUpdate(columns);
        task = TaskFrame::Create(*finder);
        ASSERT_NE(nullptr, task);
        task->MoveWindow(20, 600, 520, 360); // clear of the results in screenshots
    }

    // A finder left running by a failed test is ended first.
    void Close()
    {
        if (!finder)
            return;
        if (Finder::Job* job = finder->GetCurrentJob()) {
            TerminateProcess(job->GetProcess().get(), 1);
            PumpUntil([this] { return finder->GetCurrentJob() == nullptr; }, kTaskTimeoutMs);
        }
        finder->Discard();
        COleDataSource::FlushClipboard();
        task->DestroyWindow();
        frame->DestroyWindow();
        finder.reset();
        link = RecordingLink();
        SetVariable(kSwitches, "");
    }

    // Files of the test's folder: name and content.
    void MakeFiles(const std::vector<std::pair<std::string, std::string>>& files)
    {
        for (const auto& file : files)
            kytest::WriteFile(folder + file.first, file.second);
    }

    // The finder's arguments for "alpha" in the files (names below the
    // test's folder, or whole paths).
    std::vector<std::string> Args(const Strings& files) const
    {
        std::vector<std::string> args = {"KyFind", "-nG", "--kyvant_ide_output", "-ealpha", "@!"};
        for (const std::string& file : files)
            args.push_back(file.find(':') == std::string::npos ? folder + file : file);
        return args;
    }

    // Starts a task over the files; false when it did not start.
    bool StartTask(const Strings& files)
    {
        TaskFrame::Answer answer;
        answer.args = Args(files);
        task->Script(answer);
        return finder->Start();
    }

    bool WaitForTaskEnd()
    {
        return PumpUntil([this] { return finder->GetCurrentJob() == nullptr; }, kTaskTimeoutMs);
    }

    // Runs a task to its end and lets the list show every row (the final
    // tick asked for at once, not waited for).
    void RunTask(const Strings& files)
    {
        ASSERT_TRUE(StartTask(files));
        ASSERT_TRUE(WaitForTaskEnd());
        ASSERT_TRUE(PumpUntil(
            [this] {
                if (view->IsMonitorTimerRunning())
                    view->SendMessage(WM_TIMER, 1);
                return !view->IsMonitorTimerRunning();
            },
            kTaskTimeoutMs));
        PumpPending();
    }

    CListCtrl& List() const { return view->GetListCtrl(); }
    int Rows() const { return List().GetItemCount(); }

    std::string Cell(int row, FileListView::Column column) const
    {
        char text[MAX_PATH] = "";
        LVITEMA item = {};
        item.iSubItem = view->GetColIndexX(column);
        item.pszText = text;
        item.cchTextMax = sizeof text;
        List().SendMessage(LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
        return text;
    }
    // One column's texts, row by row.
    Strings Column(FileListView::Column column) const
    {
        Strings texts;
        for (int row = 0; row < Rows(); ++row)
            texts.push_back(Cell(row, column));
        return texts;
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

    bool Exists(const std::string& name) const
    {
        return GetFileAttributesA((folder + name).c_str()) != INVALID_FILE_ATTRIBUTES;
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

    static inline std::string s_root;
    std::string folder;
    std::unique_ptr<Finder> finder;
    ResultsFrame* frame = nullptr;
    FileListView* view = nullptr;
    TaskFrame* task = nullptr;
    RecordingLink link;
};

} // namespace findgtest
