// What the pane tests share: a folder of files per test, the three panes in
// their frame over a finder and its coordinator, tasks run by the finder
// stand-in (the task frame answering the dialog), and readers of what the
// panes show.
#pragma once

#include "FindGTestApp.h"
#include "Panes/PanesFrame.h"
#include "TaskFrame.h"

#include "KyFind/Gui/Coordinator/ViewCoordinator.h"
#include "KyFind/Gui/Finder/Finder.h"
#include "KyFind/Gui/Model/FinderModel.h"
#include "KyFind/Gui/Panes/PanesResource.h"
#include "KyFind/Gui/Task/FinderJob.h"
#include "KyGui/Helpers/ListViewEx.h"
#include "KyStd/Registry/RegKey.h"
#include "common/TempFolder.h"
#include "common/WholeFile.h"
#include "common/WindowPng.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace findgtest {

using Strings = std::vector<std::string>;

// Where a row is: its file and match rows selected (-1 none).
struct Place {
    int file;
    int match;
    bool operator==(const Place& other) const { return file == other.file && match == other.match; }
};

inline std::ostream& operator<<(std::ostream& out, const Place& place)
{
    return out << "(" << place.file << ", " << place.match << ")";
}

class PanesTest : public ::testing::Test {
protected:
    static const unsigned kTaskTimeoutMs = 30000;
    static constexpr const char* kAppKey = "Software\\Kyvant\\Tools\\KyFindG";
    static constexpr const char* kTextViewKey = "Software\\Kyvant\\Tools\\KyFindG\\TextView";

    static void SetUpTestSuite() { s_root = kytest::NewFolder(kytest::ScratchBase(), "kypanes_"); }
    static void TearDownTestSuite() { kytest::RemoveTree(s_root); }

    void SetUp() override
    {
        Kyvant::RegKey(HKEY_CURRENT_USER, kAppKey).DeleteKey("TextView");
        Kyvant::RegKey(HKEY_CURRENT_USER, kAppKey).DeleteKey("MatchList");
        theApp.SetBinaryMode(false);
        Open();
    }
    void TearDown() override { Close(); }

    // A new frame, finder and task window, and a new folder for the files.
    void Open()
    {
        theApp.m_boxes.clear();
        folder = kytest::NewFolder(s_root, "t");
        frame = PanesFrame::Create();
        ASSERT_NE(nullptr, frame);
        finder.reset(new Finder(&frame->Files()));
        frame->Files().SetFinder(finder.get());
        frame->Bind(finder->GetViews());
        task = TaskFrame::Create(*finder);
        ASSERT_NE(nullptr, task);
        task->MoveWindow(840, 600, 400, 300);
    }

    // The finder goes first: its coordinator stores the text options.
    void Close()
    {
        if (!finder)
            return;
        if (Finder::Job* job = finder->GetCurrentJob()) {
            TerminateProcess(job->GetProcess().get(), 1);
            PumpUntil([this] { return finder->GetCurrentJob() == nullptr; }, kTaskTimeoutMs);
        }
        if (frame != nullptr)
            frame->Files().SetFinder(nullptr);
        finder.reset();
        task->DestroyWindow();
        if (frame != nullptr)
            frame->DestroyWindow();
        frame = nullptr;
    }

    ViewCoordinator& Views() const { return finder->GetViews(); }

    void MakeFile(const std::string& name, const std::string& content)
    {
        kytest::WriteFile(folder + name, content);
    }

    // Runs the finder stand-in over the files with the options (after
    // "-nG --kyvant_ide_output") and the pattern, and lets the file list show
    // every row.
    void RunTask(const Strings& files, const std::string& pattern = "alpha",
                 const std::string& options = "", bool binary = false)
    {
        TaskFrame::Answer answer;
        answer.args = {"KyFind", "-nG" + options, "--kyvant_ide_output", "-e" + pattern, "@!"};
        for (const std::string& file : files)
            answer.args.push_back(folder + file);
        answer.binaryMode = binary;
        task->Script(answer);
        ASSERT_TRUE(finder->Start());
        ASSERT_TRUE(
            PumpUntil([this] { return finder->GetCurrentJob() == nullptr; }, kTaskTimeoutMs));
        FileListView& list = frame->Files();
        ASSERT_TRUE(PumpUntil(
            [&list] {
                if (list.IsMonitorTimerRunning())
                    list.SendMessage(WM_TIMER, 1);
                return !list.IsMonitorTimerRunning();
            },
            kTaskTimeoutMs));
        PumpPending();
    }

    CListCtrl& FileRows() const { return frame->Files().GetListCtrl(); }
    CListCtrl& MatchRows() const { return frame->Matches().GetListCtrl(); }
    TextViewRichEditCtrl& Edit() const { return frame->Text().Edit(); }

    Place Selected() const
    {
        return {Kyvant::ListViewEx::GetCurSel(FileRows()),
                Kyvant::ListViewEx::GetCurSel(MatchRows())};
    }

    std::string MatchCell(int row, int column) const
    {
        char text[512] = "";
        LVITEMA item = {};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        MatchRows().SendMessage(LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
        return text;
    }

    std::string Title() const
    {
        char text[512] = "";
        ::GetWindowTextA(frame->m_hWnd, text, sizeof text);
        return text;
    }
    std::string StatusText() const { return std::string(frame->Status().GetPaneText(0)); }
    void Command(UINT id) { frame->SendMessage(WM_COMMAND, id); }

    CHARRANGE Selection() const
    {
        CHARRANGE range = {};
        Edit().GetSel(range);
        return range;
    }
    std::string TextAt(long first, long last) const
    {
        CString text;
        Edit().GetTextRange(first, last, text);
        return std::string(text);
    }
    // The colour of the character at the position (the selection comes back).
    COLORREF ColourAt(long position) const
    {
        const CHARRANGE saved = Selection();
        CHARRANGE one = {position, position + 1};
        Edit().CRichEditCtrl::SetSel(one);
        CHARFORMATA format = {};
        format.cbSize = sizeof format;
        Edit().SendMessage(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
        CHARRANGE back = saved;
        Edit().CRichEditCtrl::SetSel(back);
        return (format.dwEffects & CFE_AUTOCOLOR) ? ::GetSysColor(COLOR_WINDOWTEXT)
                                                  : format.crTextColor;
    }

    // A dialog's picture, taken from inside its modal loop once it painted.
    static void DialogSnapshot(CWnd* dialog, const char* name)
    {
        dialog->RedrawWindow(nullptr, nullptr,
                             RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        PumpUntil([] { return false; }, 100);
        EXPECT_TRUE(kytest::SaveWindowPng(dialog->m_hWnd, name));
    }

    // The frame's picture after it has painted, its status panes updated.
    void Snapshot(const char* name)
    {
        frame->Status().OnUpdateCmdUI(frame, FALSE);
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
    PanesFrame* frame = nullptr;
    TaskFrame* task = nullptr;
};

} // namespace findgtest
