// The frame made in this process, the fixture and its hand-off, tasks run with a scripted dialog.
#include "Frame/FrameTestSupport.h"

#include "KyFind/Gui/Finder/Finder.h"

namespace frametest {

std::function<void(CWnd*)> ModalScript::s_step;

namespace {

const char kHandoffKey[] = "Software\\Kyvant\\Tools\\KyFindG\\ShellExArgs";

void AddTemplateOnce()
{
    static bool added = false;
    if (added)
        return;
    theApp.AddDocTemplate(new CSingleDocTemplate(IDR_KYFINDG_MAINFRAME, RUNTIME_CLASS(CKyFindGDoc),
                                                 RUNTIME_CLASS(CMainFrame),
                                                 RUNTIME_CLASS(FileListView)));
    added = true;
}

BOOL CALLBACK FindPattern(HWND child, LPARAM found)
{
    if (GetDlgCtrlID(child) != kPatternId)
        return TRUE;
    *reinterpret_cast<HWND*>(found) = child;
    return FALSE;
}

} // namespace

void FrameTest::SetUp()
{
    AddTemplateOnce();
    CCommandLineInfo commandLine;
    ASSERT_TRUE(theApp.ProcessShellCommand(commandLine));
    frame = dynamic_cast<CMainFrame*>(theApp.m_pMainWnd);
    ASSERT_NE(nullptr, frame);
    list = frame->GetFileListView();
    ASSERT_NE(nullptr, list);
    doc = dynamic_cast<CKyFindGDoc*>(list->GetDocument());
    ASSERT_NE(nullptr, doc);
    finder = doc->GetFinder();
    ASSERT_NE(nullptr, finder);
    frame->RestoreLayout();
    frame->ShowWindow(SW_SHOW);
    frame->UpdateWindow();
    theApp.m_boxes.clear();
}

void FrameTest::TearDown()
{
    if (frame && IsWindow(frame->m_hWnd))
        frame->SendMessage(WM_CLOSE);
    findgtest::PumpPending();
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    if (!folder.empty())
        kytest::RemoveTree(folder);
}

void FrameTest::HandOverFixture()
{
    folder = kytest::NewFolder(kytest::ScratchBase(), "kyfindg_frame");
    kytest::WriteFile(folder + "crlf.txt", "first alpha line\r\nno match\r\nalpha and alpha\r\n");
    kytest::WriteFile(folder + "lf.txt", "nothing here\nthe alpha line\n");
    CreateDirectoryA((folder + "sub").c_str(), nullptr);
    kytest::WriteFile(folder + "sub\\deep.txt", "deep alpha\n");
    const std::string paths = kytest::TempFolder() + "kyfindg_frame_paths.txt";
    kytest::WriteFile(paths, folder + "\n");
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, kHandoffKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                    nullptr);
    RegSetValueExA(key, "PathsFile", 0, REG_SZ, reinterpret_cast<const BYTE*>(paths.c_str()),
                   static_cast<DWORD>(paths.size() + 1));
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    RegSetValueExA(key, "TimeLo", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&now.dwLowDateTime),
                   sizeof(DWORD));
    RegSetValueExA(key, "TimeHi", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&now.dwHighDateTime),
                   sizeof(DWORD));
    RegCloseKey(key);
}

bool FrameTest::TaskEnded()
{
    return finder->GetCurrentJob() == nullptr;
}

bool FrameTest::StartTask(const std::string& pattern)
{
    ModalScript answer([pattern](CWnd* dialog) {
        char title[64] = "";
        GetWindowTextA(dialog->m_hWnd, title, sizeof title);
        if (std::string(title) != "Find Task")
            return;
        HWND edit = nullptr;
        EnumChildWindows(dialog->m_hWnd, &FindPattern, reinterpret_cast<LPARAM>(&edit));
        if (edit)
            SetWindowTextA(edit, pattern.c_str());
        dialog->PostMessage(WM_COMMAND, IDOK);
    });
    if (!finder->Start())
        return false;
    frame->OnTaskStarted(true);
    return true;
}

bool FrameTest::RunTask(const std::string& pattern)
{
    return StartTask(pattern) &&
           findgtest::PumpUntil([this] { return TaskEnded(); }, kTaskTimeoutMs);
}

} // namespace frametest
