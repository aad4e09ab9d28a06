// What the frame tests share: the program's document template with the
// scripted frame, a New routed through the application as the menu does,
// readers of the status bar and of the commands' states.
#pragma once

#include "DirGTestApp.h"
#include "Frame/ScriptedFrame.h"

#include "KyDir/Gui/Document/KyDirGDoc.h"
#include "KyDir/Gui/FileList/FileListView.h"
#include "KyDir/Gui/Finder/Finder.h"
#include "KyDir/Gui/Frame/FrameResource.h"
#include "KyDir/Gui/Task/DirJob.h"
#include "KyGuiTool/App/KyGuiApp.h"
#include "common/TempFolder.h"
#include "common/WholeFile.h"
#include "common/WindowPng.h"

#include <gtest/gtest.h>

#include <afxext.h>
#include <afxpriv.h>

#include <string>
#include <vector>

namespace dirgtest {

// Records what a command's update handler decided.
class StateProbe : public CCmdUI {
public:
    explicit StateProbe(UINT id) { m_nID = id; }
    void Enable(BOOL on) override { enabled = on != FALSE; }
    void SetCheck(int) override {}
    void SetText(LPCSTR text) override { this->text = text != nullptr ? text : ""; }
    bool enabled = false;
    std::string text;
};

class FrameTest : public ::testing::Test {
protected:
    static const unsigned kTimeoutMs = 30000;

    // As the program starts: OLE, then the document template once.
    static void SetUpTestSuite()
    {
        KyGuiApp::InitOLE();
        static bool added = false;
        if (!added) {
            theApp.AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CKyDirGDoc),
                                                         RUNTIME_CLASS(ScriptedFrame),
                                                         RUNTIME_CLASS(FileListView)));
            added = true;
        }
        s_root = kytest::NewFolder(kytest::ScratchBase(), "kydirframe_");
    }
    static void TearDownTestSuite() { kytest::RemoveTree(s_root); }

    // The program's start: the document without a task, then the started
    // flag; the frame shows at its restored place.
    void SetUp() override
    {
        // The end of an earlier test's main window asked the loop to quit:
        // a modal loop would end at once on it.
        MSG quit;
        while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        // No Explorer hand-off is left for the task dialog.
        ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Kyvant\\Tools\\KyDirG\\ShellExArgs");
        theApp.m_boxes.clear();
        theApp.m_answers.clear();
        theApp.SetListFileNamed(false);
        ScriptedFrame::Answers().clear();
        ScriptedFrame::Asks() = 0;
        SetVariable("KYTEST_TASK_LINK", "");
        folder = kytest::NewFolder(s_root, "t");
        theApp.SetStarted(false);
        New();
        frame = dynamic_cast<ScriptedFrame*>(theApp.m_pMainWnd);
        ASSERT_NE(nullptr, frame);
        theApp.SetStarted(true);
        frame->RestorePlacement();
        frame->ShowWindow(SW_SHOW);
        frame->MoveWindow(20, 20, 900, 500);
        ASSERT_NE(nullptr, Document().GetFinder());
    }

    void TearDown() override
    {
        SetVariable("KYTEST_TASK_LINK", "");
        Close();
    }

    // Closes the frame as its close box does, as no main window: the end of
    // the main window would end the tests' message loop.
    void Close()
    {
        if (theApp.m_pMainWnd == frame)
            theApp.m_pMainWnd = nullptr;
        if (::IsWindow(frameWindow()))
            frame->SendMessage(WM_CLOSE);
        PumpPending();
    }

    HWND frameWindow() const { return frame != nullptr ? frame->m_hWnd : nullptr; }
    CKyDirGDoc& Document() const { return *frame->GetDirDocument(); }
    Finder& GetFinder() const { return *Document().GetFinder(); }
    FileListView& View() const { return *Document().GetListView(); }
    CListCtrl& List() const { return View().GetListCtrl(); }

    // New as the menu gives it.
    static void New() { theApp.OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr, nullptr); }

    static ScriptedFrame::Answer Accept(const std::vector<std::string>& words)
    {
        ScriptedFrame::Answer answer;
        answer.args = {"KyDir"};
        answer.args.insert(answer.args.end(), words.begin(), words.end());
        return answer;
    }

    // Waits for the task's end and the list's last tick.
    void WaitForListing()
    {
        ASSERT_TRUE(
            PumpUntil([this] { return GetFinder().GetCurrentJob() == nullptr; }, kTimeoutMs));
        ASSERT_TRUE(PumpUntil(
            [this] {
                if (View().IsMonitorTimerRunning())
                    View().SendMessage(WM_TIMER, 1);
                return !View().IsMonitorTimerRunning();
            },
            kTimeoutMs));
        Idle();
    }
    // A New whose task lists the words' files to the end.
    void RunTask(const std::vector<std::string>& words)
    {
        ScriptedFrame::Answers().push_back(Accept(words));
        New();
        WaitForListing();
    }

    // The idle updates of the bars, then what they posted.
    void Idle()
    {
        PumpPending();
        frame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
        PumpPending();
    }

    std::string Pane(UINT id) const
    {
        CStatusBar* bar = dynamic_cast<CStatusBar*>(frame->GetMessageBar());
        if (bar == nullptr)
            return "?";
        return static_cast<const char*>(bar->GetPaneText(id == 0 ? 0 : bar->CommandToIndex(id)));
    }
    bool Enabled(UINT id) const
    {
        StateProbe probe(id);
        frame->OnCmdMsg(id, static_cast<int>(CN_UPDATE_COMMAND_UI), &probe, nullptr);
        return probe.enabled;
    }
    void Command(UINT id) { frame->SendMessage(WM_COMMAND, id); }

    void Select(const std::vector<int>& rows)
    {
        List().SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        for (int row : rows)
            List().SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
    }

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
    ScriptedFrame* frame = nullptr;
};

} // namespace dirgtest
