// What the file list benchmarks share: the front-end's application object
// started as the program starts, a frame hosting the file list over a
// finder, and a window playing the Find frame's part of the task link (it
// accepts the task dialog with the given arguments and ends the task on the
// results reader's end message).
#pragma once

#include "FinderLink/Task/TaskWords.h"
#include "KyConTool/App/ConGuiHandoff.h"
#include "KyConTool/App/ProtocolPrefix.h"
#include "KyFind/Gui/App/KyFindGApp.h"
#include "KyFind/Gui/FileList/FileListView.h"
#include "KyFind/Gui/Finder/Finder.h"
#include "KyFind/Gui/Task/FinderJob.h"
#include "KyFind/Gui/Task/TaskLink.h"
#include "KyStd/Strings/String.h"
#include "KyStd/Win32/SharedMemory.h"

#include <afxext.h>
#include <afxwin.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace KyBench {

// Boxes are printed, not shown.
class FindBenchApp : public CKyFindGApp {
public:
    BOOL InitInstance() override
    {
        PutProcessHandleIntoEnvironment();
        return TRUE;
    }
    int DoMessageBox(LPCSTR prompt, UINT, UINT) override
    {
        std::fprintf(stderr, "box: %s\n", prompt ? prompt : "");
        return IDOK;
    }
};

inline void StartApp(CWinApp& app)
{
    AfxWinInit(GetModuleHandleA(nullptr), nullptr, GetCommandLineA(), SW_SHOWNORMAL);
    app.InitApplication();
    app.InitInstance();
}

inline void PumpPending()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// The Find frame's part of the task link.
class TaskWindow : public CWnd {
public:
    TaskWindow(Finder& finder, const std::vector<std::string>& args)
        : m_finder(finder), m_args(args)
    {
        CreateEx(0, AfxRegisterWndClass(0), "Find task", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                 nullptr);
        AfxGetApp()->m_pMainWnd = this;
    }
    ~TaskWindow() override
    {
        AfxGetApp()->m_pMainWnd = nullptr;
        DestroyWindow();
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        namespace FindTask = Kyvant::FindTask;
        if (message == FindTask::kFinderMessage && wParam == FindTask::kAskForDialog) {
            AnswerDialog();
            return 0;
        }
        if (message == FindTask::kFinderMessage && wParam == FindTask::kFinderProcess) {
            m_finder.SetToolProcess(reinterpret_cast<HANDLE>(lParam));
            return 0;
        }
        if (message == FindTask::kTaskEndMessage) {
            m_finder.OnTaskEnd();
            return 0;
        }
        if (message == Kyvant::FinderLink::kTextMessage) {
            Kyvant::ky_S* text = reinterpret_cast<Kyvant::ky_S*>(wParam);
            std::fprintf(stderr, "text: %s\n", text->c_str());
            delete text;
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }

private:
    // As the task dialog's OK: argc, then the arguments with their NULs and
    // one more NUL, into the hand-off block.
    void AnswerDialog()
    {
        Finder::Job* job = m_finder.GetCurrentJob();
        if (job == nullptr)
            return;
        std::string strings;
        for (const std::string& arg : m_args)
            strings += arg + '\0';
        strings += '\0';
        Kyvant::Win32::SharedMemory block(
            (Kyvant::GetProtocolPrefix() + Kyvant::ToolHandoffBlock::kName).c_str());
        char* words = static_cast<char*>(block.GetBegin());
        const DWORD argc = static_cast<DWORD>(m_args.size());
        std::memcpy(words + 8, &argc, sizeof argc);
        std::memcpy(words + 16, strings.data(), strings.size());
        job->HandBack(true);
    }

    Finder& m_finder;
    std::vector<std::string> m_args;
};

class HostFrame : public CFrameWnd {
protected:
    void PostNcDestroy() override { delete this; }
};

// A frame with the file list over a finder, the view's columns in their
// defaults; the frame goes with the object.
class FileListHost {
public:
    explicit FileListHost(const std::vector<std::string>& taskArgs)
    {
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(FileListView);
        m_frame = new HostFrame;
        // A frame that fails to be made deletes itself.
        if (!m_frame->Create(nullptr, "File list benchmark", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                             CRect(20, 20, 900, 700), nullptr, nullptr, 0, &context)) {
            std::fprintf(stderr, "the frame could not be made (is there a display?)\n");
            std::exit(1);
        }
        m_view =
            DYNAMIC_DOWNCAST(FileListView, m_frame->GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE));
        m_frame->RecalcLayout();
        m_frame->SetActiveView(m_view);
        m_finder.reset(new Finder(m_view));
        m_view->SetFinder(m_finder.get());
        m_view->OnInitialUpdate();
        Kyvant::RegKey columns(HKEY_CURRENT_USER, "Software\\Kyvant\\Bench\\FindFileList");
        m_view->RestoreState(columns);
        m_task.reset(new TaskWindow(*m_finder, taskArgs));
    }
    ~FileListHost()
    {
        m_finder->Discard();
        m_task.reset();
        m_frame->DestroyWindow();
    }
    FileListHost(const FileListHost&) = delete;
    FileListHost& operator=(const FileListHost&) = delete;

    FileListView& View() { return *m_view; }
    Finder& GetFinder() { return *m_finder; }

private:
    HostFrame* m_frame = nullptr;
    FileListView* m_view = nullptr;
    std::unique_ptr<Finder> m_finder;
    std::unique_ptr<TaskWindow> m_task;
};

} // namespace KyBench
