// The application tests' object and its one start-up, the scripted task dialog, waits, commands
// and their update states, read-backs, scratch files.
#include "App/AppUnderTest.h"

#include "common/TempFolder.h"
#include "common/WholeFile.h"
#include "common/WindowPng.h"

#include "KyConTool/App/ConGuiHandoff.h"
#include "KyConTool/App/ProtocolPrefix.h"
#include "KyDB/Named/ReplacePlan.h"
#include "KyGui/Helpers/WndEx.h"
#include "KyReplace/Gui/Dialogs/KyReplaceJobDlg.h"
#include "KyReplace/Gui/View/ReplaceViewSeams.h"
#include "KyStd/Registry/RegValues.h"
#include "KyStd/Win32/SharedMemory.h"

#include <gtest/gtest.h>

#include <afxpriv.h>

#include <cstddef>
#include <cstring>

namespace apptest {

namespace {

AppUnderTest theApp;

const int kPlacedLeft = 40, kPlacedTop = 30, kPlacedRight = 860, kPlacedBottom = 700;
const char kHandoffSubkey[] = "ShellExArgs";

class LayerEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        // The program's own start gets no arguments: the shell command is New.
        static char noArguments[] = "";
        AfxWinInit(::GetModuleHandleA(nullptr), nullptr, noArguments, SW_SHOWNORMAL);
        theApp.InitApplication();
    }
};

const ::testing::Environment* const g_environment =
    ::testing::AddGlobalTestEnvironment(new LayerEnvironment);

struct Scripted {
    bool accept = true;
    std::vector<std::string> args;
    int dialogs = 0;
};

Scripted& Script()
{
    static Scripted script;
    return script;
}

// As the settings dialog's OK writes the command line into the hand-off block.
void WriteHandoff(const std::vector<std::string>& words)
{
    std::string strings;
    for (const std::string& word : words)
        strings.append(word).append(1, '\0');
    strings += '\0';
    Kyvant::Win32::SharedMemory block(
        (Kyvant::GetProtocolPrefix() + Kyvant::ToolHandoffBlock::kName).c_str());
    char* bytes = static_cast<char*>(block.GetBegin());
    const DWORD argc = static_cast<DWORD>(words.size());
    std::memcpy(bytes + offsetof(Kyvant::ToolHandoffBlock, argc), &argc, sizeof argc);
    std::memcpy(bytes + offsetof(Kyvant::ToolHandoffBlock, args), strings.data(), strings.size());
}

INT_PTR ScriptedDialog(CWnd&)
{
    ++Script().dialogs;
    if (!Script().accept)
        return IDCANCEL;
    std::vector<std::string> words{"KyReplace.exe"};
    words.insert(words.end(), Script().args.begin(), Script().args.end());
    WriteHandoff(words);
    return IDOK;
}

// The program starts from the built-in text options.
void ForgetTextOptions()
{
    HKEY key = theApp.GetRegKey().get();
    for (const char* value :
         {"TabSize", "WordWrap", "MatchColor", "ReplColor", "SkipColor", "UseColors"})
        RegDeleteValueA(key, value);
    for (const char* font : {"MainFont", "LogWindowFont"})
        RegDeleteKeyA(key, font);
}

// The stored plan: "cat" into "dog", asking each time, with backups.
void StorePlan()
{
    Kyvant::ReplaceRuleVector rules;
    rules.push_back(Kyvant::ReplaceRule(true, Kyvant::ky_S("cat"), Kyvant::ky_S("dog"), false,
                                        false, false, false, false, true, false, false));
    const Kyvant::ReplacePlan plan(rules, true, false, false, false, false, false, Kyvant::ky_F(""),
                                   Kyvant::ky_S(""), false);
    Kyvant::ky_S stored;
    plan.StoreContents(stored);
    HKEY key = theApp.GetRegKey().get();
    RegDeleteValueA(key, "ConfigName");
    Kyvant::WriteRegistryString(key, "Config", stored);
}

// The files as an Explorer selection for this tool, as the shell extension
// leaves it.
void LeaveExplorerSelection(const StartUp& start)
{
    std::string list;
    for (const std::string& file : start.files)
        list += file + "\n";
    const std::string listFile = start.folder + "selection.txt";
    WriteFileText(listFile, list);
    Kyvant::RegKey key(theApp.GetRegKey(), kHandoffSubkey);
    FILETIME now;
    ::GetSystemTimeAsFileTime(&now);
    Kyvant::WriteRegistryString(key.get(), "PathsFile", Kyvant::ky_S(listFile.c_str()));
    Kyvant::WriteRegistryDWORD(key.get(), "TimeLo", now.dwLowDateTime);
    Kyvant::WriteRegistryDWORD(key.get(), "TimeHi", now.dwHighDateTime);
}

void SavePlacement(StartUp& start)
{
    CWnd window;
    start.savedPlacement = CRect(kPlacedLeft, kPlacedTop, kPlacedRight, kPlacedBottom);
    window.CreateEx(0, AfxRegisterWndClass(0), "placement", WS_OVERLAPPEDWINDOW,
                    start.savedPlacement, nullptr, 0);
    Kyvant::WndEx::SaveWindowState(window, theApp.GetRegKey().get(), CMainFrame::kPlacementValue);
    window.DestroyWindow();
}

struct VisibleSearch {
    HWND dialog;
    bool found;
};

BOOL CALLBACK NoteVisible(HWND window, LPARAM param)
{
    VisibleSearch& search = *reinterpret_cast<VisibleSearch*>(param);
    if (window != search.dialog && ::IsWindowVisible(window))
        search.found = true;
    return TRUE;
}

bool AnyOtherWindowVisible(HWND dialog)
{
    VisibleSearch search = {dialog, false};
    ::EnumThreadWindows(::GetCurrentThreadId(), &NoteVisible, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

StartUp* g_start = nullptr;

// The first idle of the task dialog: what shows, a picture, then OK.
void AnswerStartDialog(CWnd* window)
{
    if (g_start == nullptr || g_start->dialogSeen ||
        dynamic_cast<CKyReplaceJobDlg*>(window) == nullptr)
        return;
    g_start->dialogSeen = true;
    CString title;
    window->GetWindowText(title);
    g_start->dialogTitle = static_cast<const char*>(title);
    g_start->windowVisibleDuringDialog = AnyOtherWindowVisible(window->m_hWnd);
    ::RedrawWindow(window->m_hWnd, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    kytest::SaveWindowPng(window->m_hWnd, "KyReplaceG_task_dialog");
    window->PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                        reinterpret_cast<LPARAM>(window->GetDlgItem(IDOK)->m_hWnd));
}

} // namespace

int AppUnderTest::DoMessageBox(LPCSTR prompt, UINT, UINT)
{
    boxes.push_back(prompt ? prompt : "");
    return answerBox ? answerBox(boxes.back()) : IDOK;
}

AppUnderTest& App()
{
    return theApp;
}

const StartUp& StartOnce()
{
    static StartUp start;
    static bool started = false;
    if (started)
        return start;
    started = true;
    start.folder = Scratch("start");
    for (const char* name : {"a.txt", "b.txt", "c.txt"})
        start.files.push_back(start.folder + name);
    WriteFileText(start.files[0], "a cat\n");
    WriteFileText(start.files[1], "the cat sat\nno dogs\n");
    WriteFileText(start.files[2], "cat and cat\n");
    ForgetTextOptions();
    StorePlan();
    LeaveExplorerSelection(start);
    SavePlacement(start);
    g_start = &start;
    const AFX_MODALIDLEHOOK previous = AfxSetModalIdleHook(&AnswerStartDialog);
    start.result = theApp.InitInstance();
    AfxSetModalIdleHook(previous);
    g_start = nullptr;
    Kyvant::ReplaceViewSeams::SetTaskDialogFunction(&ScriptedDialog);
    return start;
}

CMainFrame& Frame()
{
    CMainFrame* frame = theApp.GetMainFrame();
    if (frame == nullptr)
        throw std::runtime_error("no frame");
    return *frame;
}

CKyReplaceGView& View()
{
    CKyReplaceGView* view = theApp.GetReplaceView();
    if (view == nullptr)
        throw std::runtime_error("no view");
    return *view;
}

void AcceptNext(const std::vector<std::string>& args)
{
    Script().accept = true;
    Script().args = args;
}

void CancelNext()
{
    Script().accept = false;
}

int Dialogs()
{
    return Script().dialogs;
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    while (!done()) {
        if (::GetTickCount() - start > timeoutMs)
            return false;
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!theApp.PumpMessage())
                return false;
        }
        LONG idle = 0;
        while (theApp.OnIdle(idle++)) {
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

bool PumpPosted()
{
    return PumpUntil([] {
        MSG msg;
        return !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_POSTMESSAGE);
    });
}

bool WaitForQuestion()
{
    return PumpUntil([] { return View().AnswerPending() || !View().TaskRunning(); }) &&
           View().AnswerPending();
}

bool WaitForEnd()
{
    return PumpUntil([] { return !View().TaskRunning(); });
}

void Command(UINT id)
{
    Frame().SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

namespace {

class RecordingCmdUI : public CCmdUI {
public:
    void Enable(BOOL on) override
    {
        state.enabled = on != FALSE;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int check) override { state.check = check; }
    UpdateState state;
};

} // namespace

UpdateState Update(UINT id)
{
    RecordingCmdUI ui;
    ui.m_nID = id;
    ui.state.handled = Frame().OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &ui, nullptr) != FALSE;
    return ui.state;
}

void Snapshot(const char* name)
{
    Frame().RedrawWindow(nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    // Wine puts the drawing on the screen while the thread waits.
    const DWORD settleMs = 300;
    PumpUntil([] { return false; }, settleMs);
    kytest::SaveWindowPng(Frame().m_hWnd, name);
}

void Click(UINT id)
{
    View().GetDlgItem(id)->SendMessage(BM_CLICK);
}

std::string PaneText(UINT id)
{
    CString text;
    View().GetDlgItem(id)->GetWindowText(text);
    std::string lines;
    const std::string raw(static_cast<const char*>(text));
    for (size_t i = 0; i < raw.size(); ++i)
        if (!(raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n'))
            lines += raw[i];
    return lines;
}

std::string StatusText()
{
    CString text;
    Frame().GetStatusBar().GetPaneText(0, text);
    return static_cast<const char*>(text);
}

namespace {

std::function<bool(CWnd*)> g_idleScript;

void RunIdleScript(CWnd* window)
{
    if (g_idleScript && g_idleScript(window))
        g_idleScript = nullptr;
}

} // namespace

void OnModalIdle(std::function<bool(CWnd*)> script)
{
    g_idleScript = std::move(script);
    AfxSetModalIdleHook(&RunIdleScript);
}

std::vector<std::string> StartTask(const std::vector<std::string>& texts,
                                   const std::vector<std::string>& args)
{
    const std::string folder = Scratch("task");
    std::vector<std::string> files;
    std::vector<std::string> words = args;
    words.push_back("@!");
    for (size_t i = 0; i < texts.size(); ++i) {
        files.push_back(folder + static_cast<char>('a' + i) + ".txt");
        WriteFileText(files.back(), texts[i]);
        words.push_back(files.back());
    }
    AcceptNext(words);
    Command(ID_FILE_NEW);
    return files;
}

namespace {

const char kSharedKey[] = "Software\\Kyvant\\Tools\\Shared";
const char kEngineOptionsValue[] = "PerlOptions";

} // namespace

EngineOptions::EngineOptions(const std::string& words)
{
    const Kyvant::RegKey shared(HKEY_CURRENT_USER, kSharedKey);
    Kyvant::WriteRegistryString(shared.get(), kEngineOptionsValue, Kyvant::ky_S(words.c_str()));
}

EngineOptions::~EngineOptions()
{
    const Kyvant::RegKey shared(HKEY_CURRENT_USER, kSharedKey);
    ::RegDeleteValueA(shared.get(), kEngineOptionsValue);
}

std::string Scratch(const char* name)
{
    return kytest::NewFolder(kytest::ScratchBase(), std::string("kyrgapp_") + name + "_");
}

void WriteFileText(const std::string& path, const std::string& text)
{
    kytest::WriteFile(path, text);
}

std::string ReadFileText(const std::string& path)
{
    return kytest::ReadFile(path);
}

bool Exists(const std::string& path)
{
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace apptest
