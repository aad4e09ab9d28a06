// A Dir task over a tree of 100,000 files in 1,000 folders: the Dir
// stand-in walks it and sends the records through the task link, the
// results reader fills the listing and the Dir list, hosted in a frame,
// grows on its monitor timer; timed from the task's start (the stand-in's
// process start included) to the end of the results reader and to the tick
// that lists every row (the timer ticks once a second). Baseline, in the
// same run: a bare FindFirstFileA/FindNextFileA walk of the same tree. For
// where the time goes, also the file-name iterator alone over the task's
// item and the stand-in writing the same records to a pipe whose reader
// discards them. Prints each round, the medians of the rounds' ratios to
// the bare walk (goal: reader done within 1.5 times) and the memory each
// listed item takes. The tree is made once below the temporary folder and
// kept. Needs a display. Usage: KyDirG_listing_load_bench
#include "BenchSupport.h"
#include "PipeFeed.h"
#include "FinderLink/Task/TaskWords.h"
#include "KyConTool/App/ConGuiHandoff.h"
#include "KyConTool/App/ProtocolPrefix.h"
#include "KyConTool/Args/FileNameIterator.h"
#include "KyDir/Gui/App/KyDirGApp.h"
#include "KyDir/Gui/FileList/FileListView.h"
#include "KyDir/Gui/Finder/Finder.h"
#include "KyDir/Gui/Model/DirModel.h"
#include "KyDir/Gui/Task/DirJob.h"
#include "KyDir/Gui/Task/TaskLink.h"
#include "KyStd/Strings/String.h"
#include "KyStd/Win32/SharedMemory.h"

#include <afxext.h>
#include <afxwin.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

using namespace KyBench;

namespace {

const int kFolders = 1000;
const int kFilesPerFolder = 100;
const int kFiles = kFolders * kFilesPerFolder;
const int kRounds = 5;
const double kGoalRatio = 1.5;
const double kTimeoutSeconds = 300;
const DWORD kPipeSize = 65536;
const char kRecordsVariable[] = "KYBENCH_DIR_RECORDS";

// Boxes are printed, not shown.
class DirBenchApp : public CKyDirGApp {
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

DirBenchApp theApp;

void PumpPending()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// The Dir frame's part of the task link: accepts the task dialog with the
// arguments and ends the task on the results reader's end message.
class TaskWindow : public CWnd {
public:
    TaskWindow(Finder& finder, const std::vector<std::string>& args)
        : m_finder(finder), m_args(args)
    {
        CreateEx(0, AfxRegisterWndClass(0), "Dir task", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
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
        namespace DirTask = Kyvant::DirTask;
        if (message == DirTask::kToolMessage && wParam == DirTask::kAskForDialog) {
            AnswerDialog();
            return 0;
        }
        if (message == DirTask::kTaskEndMessage) {
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

// The tree, made when it is not complete yet.
std::string MakeTree()
{
    const std::string root = TempFolder() + "KyDirG_listing_bench\\";
    CreateDirectoryA(root.c_str(), nullptr);
    char name[MAX_PATH];
    std::snprintf(name, sizeof name, "%sfolder%04d\\file%03d.txt", root.c_str(), kFolders - 1,
                  kFilesPerFolder - 1);
    if (GetFileAttributesA(name) != INVALID_FILE_ATTRIBUTES)
        return root;
    for (int folder = 0; folder < kFolders; ++folder) {
        std::snprintf(name, sizeof name, "%sfolder%04d", root.c_str(), folder);
        CreateDirectoryA(name, nullptr);
        for (int file = 0; file < kFilesPerFolder; ++file) {
            std::snprintf(name, sizeof name, "%sfolder%04d\\file%03d.txt", root.c_str(), folder,
                          file);
            HANDLE h = CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
            DWORD written = 0;
            WriteFile(h, name, static_cast<DWORD>(file), &written, nullptr);
            CloseHandle(h);
        }
    }
    return root;
}

// The stand-in writing the records to a pipe that a thread reads and
// discards; the seconds from its start to the pipe's end.
double RecordsToDiscardingReader(const std::string& commandLine, unsigned long long& bytes)
{
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, kPipeSize))
        return -1;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process = {};
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    const double t0 = Now();
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &process))
        return -1;
    CloseHandle(writeEnd);
    bytes = 0;
    std::vector<char> chunk(kPipeSize);
    DWORD got = 0;
    while (ReadFile(readEnd, chunk.data(), kPipeSize, &got, nullptr) && got > 0)
        bytes += got;
    const double elapsed = Now() - t0;
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    CloseHandle(readEnd);
    return elapsed;
}

// The file-name iterator alone over the task's item, with the order the
// stand-in asks for; the items it gives.
unsigned long IteratorWalk(const std::string& item)
{
    const char* argv[] = {item.c_str(), nullptr};
    const unsigned flags = Kyvant::ky_filename_argv_iterator::ExpandVariables |
                           Kyvant::ky_filename_argv_iterator::FolderPreOrder;
    unsigned long items = 0;
    for (Kyvant::ky_filename_argv_iterator it(1, argv, 0, nullptr, flags), end; it != end; ++it)
        ++items;
    return items;
}

struct TaskTimes {
    double go = -1;         // the start to Go (the task dialog answered)
    double readerDone = -1; // the start to the end of the results reader
    double listed = -1;     // the start to the tick that listed every row
};

// One task, the list growing on its timer.
TaskTimes RunTask(Finder& finder, FileListView& view, int expectedRows)
{
    TaskTimes times;
    const double t0 = Now();
    if (!finder.Start())
        return times;
    times.go = Now() - t0;
    while (Now() - t0 < kTimeoutSeconds) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        PumpPending();
        if (times.readerDone < 0 && !finder.IsRunning())
            times.readerDone = Now() - t0;
        if (!view.IsMonitorTimerRunning() && finder.GetCurrentJob() == nullptr) {
            if (view.GetListCtrl().GetItemCount() == expectedRows)
                times.listed = Now() - t0;
            break;
        }
    }
    return times;
}

} // namespace

int main()
{
    AfxWinInit(GetModuleHandleA(nullptr), nullptr, GetCommandLineA(), SW_SHOWNORMAL);
    theApp.InitApplication();
    theApp.InitInstance();
    const double made = Now();
    const std::string root = MakeTree();
    std::printf("tree of %d files in %d folders ready in %.1f s\n", kFiles, kFolders, Now() - made);
    const std::string plan = "@p" + root + "*|+";

    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(FileListView);
    HostFrame* frame = new HostFrame;
    // A failed creation has deleted the frame already.
    if (!frame->Create(nullptr, "Dir list benchmark", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                       CRect(20, 20, 1000, 700), nullptr, nullptr, 0, &context)) {
        std::printf("the frame could not be made (is there a display?)\n");
        return 1;
    }
    FileListView* view =
        DYNAMIC_DOWNCAST(FileListView, frame->GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE));
    frame->RecalcLayout();
    frame->SetActiveView(view);
    std::unique_ptr<Finder> finder(new Finder(view));
    view->SetFinder(finder.get());
    view->OnInitialUpdate();
    std::unique_ptr<TaskWindow> task(new TaskWindow(*finder, {"KyDir", "-F", plan}));
    const int rows = kFiles + kFolders; // "-F" lists the folders too

    const std::string walked = root.substr(0, root.size() - 1); // without its '\\'
    std::vector<double> walkTimes, iteratorRatios, recordsRatios, readerRatios, listedRatios;
    double perItem = 0;
    for (int round = 0; round < kRounds; ++round) {
        double t0 = Now();
        const unsigned long files = BareWalk(walked);
        const double walk = Now() - t0;
        t0 = Now();
        const unsigned long items = IteratorWalk(plan);
        const double iterator = Now() - t0;

        Kyvant::ky_S("1").PutEnv(kRecordsVariable, Kyvant::ky_S::npos, true);
        unsigned long long bytes = 0;
        const double records = RecordsToDiscardingReader("KyDir.exe -F \"" + plan + "\"", bytes);
        Kyvant::ky_S("").PutEnv(kRecordsVariable, Kyvant::ky_S::npos, true);

        finder->Discard();
        const unsigned long long before = CommittedPrivate();
        const TaskTimes task = RunTask(*finder, *view, rows);
        const unsigned long long after = CommittedPrivate();
        if (task.listed < 0) {
            std::printf("round %d: the list did not show all %d rows (%d shown)\n", round + 1, rows,
                        view->GetListCtrl().GetItemCount());
            return 1;
        }
        if (round == 0)
            perItem = (static_cast<double>(after) - static_cast<double>(before)) / rows;
        std::printf("round %d: bare walk %.3f s (%lu files); iterator %.3f s (%lu items, %.2fx); "
                    "stand-in to a discarding reader %.3f s (%llu bytes, %.2fx); task: Go %.3f s, "
                    "reader done %.3f s (%.2fx), all %d rows listed %.3f s (%.2fx)\n",
                    round + 1, walk, files, iterator, items, iterator / walk, records, bytes,
                    records / walk, task.go, task.readerDone, task.readerDone / walk, rows,
                    task.listed, task.listed / walk);
        walkTimes.push_back(walk);
        iteratorRatios.push_back(iterator / walk);
        recordsRatios.push_back(records / walk);
        readerRatios.push_back(task.readerDone / walk);
        listedRatios.push_back(task.listed / walk);
    }
    const double readerRatio = Median(readerRatios);
    std::printf("medians of %d rounds, as times the bare walk (median %.3f s): iterator %.2f, "
                "stand-in to a discarding reader %.2f, reader done %.2f, all rows listed %.2f\n",
                kRounds, Median(walkTimes), Median(iteratorRatios), Median(recordsRatios),
                readerRatio, Median(listedRatios));
    std::printf("reader done / bare walk: %.2f (goal at most %.1f: %s)\n", readerRatio, kGoalRatio,
                readerRatio <= kGoalRatio ? "met" : "missed");
    std::printf("memory per listed item: %.1f bytes\n", perItem);
    finder->Discard();
    task.reset();
    finder.reset();
    frame->DestroyWindow();
    return 0;
}
