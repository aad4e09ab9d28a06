// The Dir front-end's application object: its registry key and task flag.
#include "KyDir/Gui/App/KyDirGApp.h"

#include "KyDir/Gui/Dialog/KyDirGDlg.h"
#include "KyDir/Gui/Document/KyDirGDoc.h"
#include "KyDir/Gui/FileList/FileListView.h"
#include "KyDir/Gui/Frame/FrameResource.h"
#include "KyDir/Gui/Frame/MainFrame.h"
#include "KyDir/Gui/Task/TaskLink.h"
#include "KyGuiTool/Handoff/ConGuiBridge.h"
#include "KyStd/Core/Errors.h"
#include "KyStd/Core/HandleWords.h"
#include "KyStd/Registry/RegKey.h"
#include "KyStd/Strings/String.h"

#include <clocale>
#include <stdexcept>
#include <string>

namespace {

const char kAppKey[] = "Software\\Kyvant\\Tools\\KyDirG";

Kyvant::RegKey OpenAppKey()
{
    return Kyvant::RegKey(HKEY_CURRENT_USER, kAppKey, KEY_ALL_ACCESS);
}

} // namespace

// The user's locale groups the counts and sizes the program shows.
BEGIN_MESSAGE_MAP(CKyDirGApp, KyGuiApp)
ON_COMMAND(ID_FILE_NEW, CWinApp::OnFileNew)
END_MESSAGE_MAP()

// The user's locale groups the counts and sizes the program shows.
CKyDirGApp::CKyDirGApp()
    : KyGuiApp(OpenAppKey(), nullptr), m_started(false), m_dialogAccepted(false),
      m_listFileNamed(false)
{
    std::setlocale(LC_ALL, "");
}

CKyDirGApp::~CKyDirGApp() {}

CKyDirGApp& CKyDirGApp::Instance()
{
    CKyDirGApp* app = dynamic_cast<CKyDirGApp*>(&KyGuiApp::Instance());
    if (!app)
        throw std::logic_error("CKyDirGApp::Instance: the application object is no CKyDirGApp");
    return *app;
}

BOOL CKyDirGApp::InitInstance()
{
    KyGuiApp::InitOLE();
    Enable3dControls();
    if (!GetConProcess().empty()) {
        RunForConsole();
        return FALSE;
    }
    return RunInteractive();
}

void CKyDirGApp::RunForConsole()
{
    CKyDirGDlg dialog;
    if (dialog.DoModal() == IDOK)
        Kyvant::ConGuiBridge::Instance().Run();
    else
        Kyvant::ConGuiBridge::Instance().ReleaseConApp(false);
}

// The document made by the command line starts no task: the started flag
// is still clear. The frame shows only when the first task was accepted.
BOOL CKyDirGApp::RunInteractive()
{
    PutProcessHandleIntoEnvironment();
    AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CKyDirGDoc),
                                          RUNTIME_CLASS(CMainFrame), RUNTIME_CLASS(FileListView)));
    CCommandLineInfo commandLine;
    ParseCommandLine(commandLine);
    if (!ProcessShellCommand(commandLine))
        return FALSE;
    m_started = true;
    const BOOL routed = OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr, nullptr);
    CMainFrame* frame = dynamic_cast<CMainFrame*>(m_pMainWnd);
    if (!routed || !m_dialogAccepted || frame == nullptr)
        return FALSE;
    frame->RestorePlacement();
    frame->ShowWindow(SW_SHOW);
    frame->UpdateWindow();
    return TRUE;
}

void CKyDirGApp::PutProcessHandleIntoEnvironment()
{
    HANDLE self = nullptr;
    if (!DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), &self, 0,
                         TRUE, DUPLICATE_SAME_ACCESS))
        throw Kyvant::os_error();
    const std::string value = Kyvant::HandleToDecimal(self);
    Kyvant::ky_S(value.c_str()).PutEnv(Kyvant::DirTask::kProcessVariable, Kyvant::ky_S::npos, true);
}
