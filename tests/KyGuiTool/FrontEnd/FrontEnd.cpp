// The windowed test front-end on KyGuiApp: runs the script that
// KYTEST_FRONTEND_SCRIPT names (FrontEndScript.h). Started by a console tool
// it plays a tool's front-end: it writes the arguments as the settings
// dialog does on OK and releases the tool; file questions are answered in
// the layer's modal-loop hook and message boxes in the box seam, each logged
// with what the window showed.
#include "FrontEndScript.h"
#include "FrontEndSettings.h"

#include "KyConTool/App/ConGuiHandoff.h"
#include "KyConTool/App/ProtocolPrefix.h"
#include "KyGuiTool/App/AppResource.h"
#include "KyGuiTool/App/KyGuiApp.h"
#include "KyGuiTool/Handoff/ConGuiBridge.h"
#include "KyGuiTool/Handoff/HandoffResource.h"
#include "KyStd/Registry/RegKey.h"
#include "KyStd/Shell/ShellLaunch.h"
#include "KyStd/Win32/SharedMemory.h"

#include <afxext.h>
#include <afxwin.h>
#include <process.h>

#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

using frontend::Log;
using namespace Kyvant;

namespace {

const char kDefaultKey[] = "Software\\Kyvant\\Tools\\KyGuiToolFrontEnd";

const char* AppKeyName()
{
    const char* named = std::getenv("KYTEST_FRONTEND_KEY");
    return named ? named : kDefaultKey;
}

std::string Window(HWND hWnd)
{
    return std::to_string(reinterpret_cast<UINT_PTR>(hWnd));
}

std::string Text(HWND hWnd)
{
    char text[8192] = "";
    ::GetWindowTextA(hWnd, text, sizeof text);
    return text;
}

class FrontEndApp : public KyGuiApp {
public:
    FrontEndApp() : KyGuiApp(RegKey(HKEY_CURRENT_USER, AppKeyName()), "Kyvant Test Front-End") {}

    BOOL InitInstance() override;
    int ExitInstance() override;
    int DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt) override;

    frontend::Script m_script;
    size_t m_queries = 0;
    size_t m_boxes = 0;
    size_t m_stages = 0;

private:
    void Act(const std::string& key, const std::string& value);
    void Probe();
    void Second();
    void Child(const std::string& script);
    void ShellEx(const std::string& paths);
    void WriteArguments();
    void Release(const std::string& how);
    void StatusBar();
    void Settings(const std::string& pages);

    std::vector<std::string> m_args{"tool.exe"};
};

FrontEndApp theApp;

// The last line of a run that returned from WinMain.
struct EndLine {
    ~EndLine() { Log("process end"); }
} g_endLine;

// Where the progress dialog stands when a question or box comes.
std::string ProgressState()
{
    CWnd* main = theApp.m_pMainWnd;
    const std::string mainState = !main ? "none" : main->GetSafeHwnd() ? "window" : "unmade";
    HWND progress = ::FindWindowExA(nullptr, nullptr, "#32770", nullptr);
    for (; progress; progress = ::FindWindowExA(nullptr, progress, "#32770", nullptr)) {
        DWORD pid = 0;
        ::GetWindowThreadProcessId(progress, &pid);
        if (pid == ::GetCurrentProcessId() && ::GetDlgItem(progress, IDC_KY_PROGRESS_FOLDER))
            break;
    }
    std::string state = "main=" + mainState;
    if (progress)
        state += std::string(" progress=") + (::IsWindowVisible(progress) ? "shown" : "hidden") +
                 (main && main->GetSafeHwnd() == progress ? " progressmain=1" : "");
    return state;
}

std::string VisibleButtons(HWND dialog)
{
    std::string list;
    for (int id : {IDC_KY_QUERY_YES, IDC_KY_QUERY_YES_TO_ALL, IDC_KY_QUERY_NO,
                   IDC_KY_QUERY_NO_TO_ALL, IDCANCEL}) {
        HWND button = ::GetDlgItem(dialog, id);
        if (button && ::IsWindowVisible(button) && ::IsWindowEnabled(button))
            list += (list.empty() ? "" : ",") + std::to_string(id);
    }
    return list;
}

// A file question: what it shows, then the scripted button clicked.
void AnswerQuestion(CWnd* dialog)
{
    HWND hWnd = dialog->GetSafeHwnd();
    HWND shellIcon = ::GetDlgItem(hWnd, IDC_KY_QUERY_SHELL_ICON);
    HWND owner = ::GetWindow(hWnd, GW_OWNER);
    Log("query caption=" + Text(hWnd) + " label=" + Text(::GetDlgItem(hWnd, IDC_KY_QUERY_LABEL)) +
        " path=" + Text(::GetDlgItem(hWnd, IDC_KY_QUERY_PATH)) + " text=" +
        Text(::GetDlgItem(hWnd, IDC_KY_QUERY_TEXT)) + " buttons=" + VisibleButtons(hWnd) +
        " shellicon=" + (::IsWindowVisible(shellIcon) ? "1" : "0") + " owner=" +
        (owner ? "yes" : "none") + " ismain=" + (theApp.m_pMainWnd == dialog ? "1" : "0") + " " +
        ProgressState() + " hwnd=" + Window(hWnd));
    frontend::Hold("query");
    const int button =
        frontend::NextAnswer(theApp.m_script.queryAnswers, theApp.m_queries, IDCANCEL);
    ::PostMessageA(::GetDlgItem(hWnd, button), BM_CLICK, 0, 0);
}

void OnModalIdle(CWnd* dialog)
{
    if (::GetDlgItem(dialog->GetSafeHwnd(), IDC_KY_QUERY_TEXT))
        AnswerQuestion(dialog);
    else
        frontend::RunNextStage(theApp.m_script, theApp.m_stages, *dialog);
}

bool g_shellFails = false;

BOOL WINAPI RecordShellExecute(SHELLEXECUTEINFOA* info)
{
    Log(std::string("shellexecute verb=") + (info->lpVerb ? info->lpVerb : "") +
        " file=" + (info->lpFile ? info->lpFile : "") + " show=" + std::to_string(info->nShow) +
        " owner=" + (info->hwnd ? "main" : "none"));
    if (g_shellFails) {
        ::SetLastError(ERROR_NO_ASSOCIATION);
        return FALSE;
    }
    return TRUE;
}

BOOL RecordWinHelp(HWND, LPCSTR file, UINT command, ULONG_PTR data)
{
    Log(std::string("winhelp file=") + (file ? file : "") + " command=" + std::to_string(command) +
        " data=" + std::to_string(data));
    return TRUE;
}

BOOL FrontEndApp::InitInstance()
{
    m_script = frontend::ReadScript(std::getenv("KYTEST_FRONTEND_SCRIPT"));
    frontend::SetLogFile(m_script.log);
    frontend::SetHoldEvent(m_script.holdEvent);
    Log("start pid=" + std::to_string(::GetCurrentProcessId()));
    AfxSetModalIdleHook(&OnModalIdle);
    Shell::SetShellExecuteFunction(&RecordShellExecute);
    AfxSetWinHelpProc(&RecordWinHelp);
    for (const auto& action : m_script.actions) {
        try {
            Act(action.first, action.second);
        } catch (const std::exception& e) {
            Log(action.first + " threw " + e.what());
        } catch (CException* e) {
            char text[512] = "";
            e->GetErrorMessage(text, sizeof text);
            Log(action.first + " threw " + text);
            e->Delete();
        }
    }
    return FALSE;
}

// The program's exit code is what ExitInstance returns last.
int FrontEndApp::ExitInstance()
{
    const int code = KyGuiApp::ExitInstance();
    Log("exitinstance code=" + std::to_string(code) +
        " file=" + std::string(GetShellExToolArgsTempFileName().c_str()));
    return code;
}

int FrontEndApp::DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT)
{
    Log("box caption=" + std::string(m_pszAppName ? m_pszAppName : "") + " type=" +
        std::to_string(nType) + " text=" + (lpszPrompt ? lpszPrompt : "") + " " + ProgressState());
    frontend::Hold("box");
    return frontend::NextAnswer(m_script.boxAnswers, m_boxes, IDOK);
}

void FrontEndApp::Act(const std::string& key, const std::string& value)
{
    if (key == "probe") {
        Probe();
    } else if (key == "second") {
        Second();
    } else if (key == "child") {
        Child(value);
    } else if (key == "shellex") {
        ShellEx(value);
    } else if (key == "arg0") {
        m_args[0] = value;
    } else if (key == "arg") {
        m_args.push_back(value);
    } else if (key == "write") {
        WriteArguments();
    } else if (key == "terminated") {
        ConProcessTerminated();
        Log("terminated");
    } else if (key == "release") {
        Release(value);
    } else if (key == "setmessage") {
        SetIndexingServiceMessage(value.c_str());
    } else if (key == "statusbar") {
        StatusBar();
    } else if (key == "command") {
        OnCmdMsg(static_cast<UINT>(std::atoi(value.c_str())), CN_COMMAND, nullptr, nullptr);
    } else if (key == "shellfails") {
        g_shellFails = true;
    } else if (key == "pause") {
        frontend::Hold("pause");
    } else if (key == "sleep") {
        ::Sleep(static_cast<DWORD>(std::atoi(value.c_str())));
    } else if (key == "settings") {
        Settings(value);
    } else if (key == "exit") {
        Log("exit");
        ::ExitProcess(static_cast<UINT>(std::atoi(value.c_str())));
    } else {
        Log("unknown action " + key);
    }
}

void FrontEndApp::Probe()
{
    const bool will = WillAppStartLoadFile();
    const std::string first = GetAppStartLoadFile().c_str();
    const std::string second = GetAppStartLoadFile().c_str();
    std::string line = std::string("probe handle=") + (GetConProcess().empty() ? "none" : "yes") +
                       " started=" + (KyStarted() ? "1" : "0") + " will=" + (will ? "1" : "0") +
                       " load1=" + first + " load2=" + second;
    for (const char* name : {"KYVANT_CON_APP_HANDLE", "KYVANT_KYSTARTED", "KYVANT_LOAD_FILE"}) {
        char value[64];
        const bool set = ::GetEnvironmentVariableA(name, value, sizeof value) != 0 ||
                         std::getenv(name) != nullptr;
        line += std::string(" ") + name + "=" + (set ? "set" : "unset");
    }
    line += std::string(" help=") + (m_pszHelpFilePath ? m_pszHelpFilePath : "");
    Log(line);
}

class SecondApp : public KyGuiApp {
public:
    SecondApp() : KyGuiApp(RegKey(HKEY_CURRENT_USER, AppKeyName()), "Second") {}
};

void FrontEndApp::Second()
{
    try {
        SecondApp second;
        Log("second made");
    } catch (const std::exception& e) {
        Log(std::string("second threw ") + e.what());
    }
    Log(std::string("app intact=") +
        (AfxGetApp() == this && KyGuiApp::s_pApp == this && &KyGuiApp::Instance() == this ? "1"
                                                                                          : "0"));
}

void FrontEndApp::Child(const std::string& script)
{
    char self[MAX_PATH];
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    ::SetEnvironmentVariableA("KYTEST_FRONTEND_SCRIPT", script.c_str());
    _putenv(("KYTEST_FRONTEND_SCRIPT=" + script).c_str());
    const intptr_t code = _spawnl(_P_WAIT, self, "KyGuiTool_frontend", nullptr);
    Log("child exit=" + std::to_string(code));
}

void FrontEndApp::ShellEx(const std::string& paths)
{
    std::vector<ky_BSB<char>> items;
    for (size_t start = 0; start <= paths.size();) {
        size_t bar = paths.find('|', start);
        if (bar == std::string::npos)
            bar = paths.size();
        if (bar > start)
            items.push_back(ky_BSB<char>(paths.substr(start, bar - start).c_str()));
        start = bar + 1;
    }
    CreateShellExToolArgs(forward_input_sequencer<std::vector<ky_BSB<char>>>(items));
    const std::string file = GetShellExToolArgsTempFileName().c_str();
    std::string content;
    if (std::FILE* f = std::fopen(file.c_str(), "rb")) {
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
            content.append(buffer, n);
        std::fclose(f);
    }
    Log("shellex file=" + file + " content=" + content);
}

// As the settings dialog's OK does: argc, then each argument with its NUL
// and one more NUL.
void FrontEndApp::WriteArguments()
{
    std::string strings;
    for (const std::string& a : m_args)
        strings += a + '\0';
    strings += '\0';
    if (strings.size() > ToolHandoffBlock::kSize - 16) {
        Log("write refused");
        return;
    }
    Win32::SharedMemory block((GetProtocolPrefix() + ToolHandoffBlock::kName).c_str());
    char* words = static_cast<char*>(block.GetBegin());
    const DWORD argc = static_cast<DWORD>(m_args.size());
    std::memcpy(words + 8, &argc, sizeof argc);
    std::memcpy(words + 16, strings.data(), strings.size());
    Log("wrote argc=" + std::to_string(argc));
}

void FrontEndApp::Release(const std::string& how)
{
    if (how == "run") {
        ConGuiBridge::Instance().Run();
        Log("run returned message=" + std::string(GetIndexingServiceMessage().c_str()));
    } else {
        const bool released = ConGuiBridge::Instance().ReleaseConApp(how == "true");
        Log(std::string("release=") + (released ? "1" : "0"));
    }
}

// The settings dialog as a tool's front-end shows it: the tool runs after OK
// and is released without running after Cancel.
void FrontEndApp::Settings(const std::string& pages)
{
    const INT_PTR result = frontend::RunSettingsDialog(*this, pages, AppKeyName());
    Log("settings result=" + std::to_string(result) +
        " docname=" + std::string(DocGetName().c_str()));
    if (result == IDOK) {
        ConGuiBridge::Instance().Run();
        Log("run returned");
    } else {
        const bool released = ConGuiBridge::Instance().ReleaseConApp(false);
        Log(std::string("release=") + (released ? "1" : "0"));
    }
}

// A frame with the Indexing Service pane, as a document window would have.
void FrontEndApp::StatusBar()
{
    CFrameWnd* frame = new CFrameWnd;
    frame->Create(nullptr, "Indexing Service pane", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                  CRect(20, 20, 420, 220));
    CStatusBar bar;
    static const UINT indicators[] = {ID_SEPARATOR, ID_KY_INDEXING_SERVICE_MESSAGE};
    bar.Create(frame);
    bar.SetIndicators(indicators, 2);
    frame->RecalcLayout();
    m_pMainWnd = frame;
    SetUpIndexingServiceMessageIcon(bar);
    OnIdle(0);
    const int pane = bar.CommandToIndex(ID_KY_INDEXING_SERVICE_MESSAGE);
    char tip[256] = "";
    bar.SendMessage(SB_GETTIPTEXTA, MAKEWPARAM(pane, sizeof tip), reinterpret_cast<LPARAM>(tip));
    int parts[4] = {};
    bar.GetStatusBarCtrl().GetParts(4, parts);
    Log("pane icon=" + std::string(bar.SendMessage(SB_GETICON, pane) ? "1" : "0") +
        " disabled=" + ((bar.GetPaneStyle(pane) & SBPS_DISABLED) ? "1" : "0") + " tip=" + tip +
        " text=" + std::string(static_cast<LPCSTR>(bar.GetPaneText(pane))) +
        " hwnd=" + Window(frame->GetSafeHwnd()));
    frontend::Hold("statusbar");
    frame->SendMessage(WM_COMMAND, ID_KY_INDEXING_SERVICE_MESSAGE);
    m_pMainWnd = nullptr;
    bar.DestroyWindow();
    frame->DestroyWindow();
}

} // namespace
