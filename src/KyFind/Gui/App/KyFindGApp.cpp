// The Find front-end's application object: its registry key, locale and task flags.
#include "KyFind/Gui/App/KyFindGApp.h"

#include "KyFind/Gui/App/KyFindGDlg.h"
#include "KyFind/Gui/Document/KyFindGDoc.h"
#include "KyFind/Gui/FileList/FileListView.h"
#include "KyFind/Gui/Frame/FrameResource.h"
#include "KyFind/Gui/Frame/MainFrame.h"
#include "KyFind/Gui/Task/TaskLink.h"
#include "KyGuiTool/Handoff/ConGuiBridge.h"
#include "KyStd/Core/Errors.h"
#include "KyStd/Core/HandleWords.h"
#include "KyStd/Registry/RegKey.h"
#include "KyStd/Strings/String.h"

#include <clocale>
#include <stdexcept>
#include <string>

namespace {

const char kAppKey[] = "Software\\Kyvant\\Tools\\KyFindG";
// What the program ends with: 0 only when, started by the console finder,
// the accepted task was handed to it; 1 otherwise (a cancelled dialog, a
// program that could not start, and the interactive program).
const int kExitDone = 0;
const int kExitCancelled = 1;

Kyvant::RegKey OpenAppKey()
{
    return Kyvant::RegKey(HKEY_CURRENT_USER, kAppKey, KEY_ALL_ACCESS);
}

} // namespace

BEGIN_MESSAGE_MAP(CKyFindGApp, KyGuiApp)
ON_COMMAND(ID_FILE_NEW, OnFileNew)
END_MESSAGE_MAP()

CKyFindGApp::CKyFindGApp()
    : KyGuiApp(OpenAppKey(), nullptr), m_exitCode(kExitCancelled), m_interactive(false),
      m_exited(false), m_dialogAccepted(false), m_binaryMode(false)
{
    std::setlocale(LC_ALL, "");
}

CKyFindGApp::~CKyFindGApp() {}

CKyFindGApp& CKyFindGApp::Instance()
{
    CKyFindGApp* app = dynamic_cast<CKyFindGApp*>(&KyGuiApp::Instance());
    if (!app)
        throw std::logic_error("CKyFindGApp::Instance: the application object is no CKyFindGApp");
    return *app;
}

BOOL CKyFindGApp::InitInstance()
{
    try {
        InitOLE();
        Enable3dControls();
        return GetConProcess().empty() ? RunInteractive() : RunForConsole();
    } catch (CException* e) {
        e->ReportError();
        e->Delete();
    } catch (const std::exception& e) {
        AfxMessageBox(e.what(), MB_OK | MB_ICONSTOP);
    }
    return FALSE;
}

BOOL CKyFindGApp::RunForConsole()
{
    CKyFindGDlg dialog;
    if (dialog.DoModal() == IDOK) {
        Kyvant::ConGuiBridge::Instance().Run();
        m_exitCode = kExitDone;
    }
    return FALSE;
}

// The frame stays hidden until the first task's dialog was accepted; a
// cancelled first dialog ends the program without a window ever shown.
BOOL CKyFindGApp::RunInteractive()
{
    InitRichEdit();
    PutProcessHandleIntoEnvironment();
    AddDocTemplate(new CSingleDocTemplate(IDR_KYFINDG_MAINFRAME, RUNTIME_CLASS(CKyFindGDoc),
                                          RUNTIME_CLASS(CMainFrame), RUNTIME_CLASS(FileListView)));
    CCommandLineInfo commandLine;
    ParseCommandLine(commandLine);
    if (!ProcessShellCommand(commandLine))
        return FALSE;
    m_interactive = true;
    OnFileNew();
    CMainFrame* frame = dynamic_cast<CMainFrame*>(m_pMainWnd);
    if (!m_dialogAccepted || !frame)
        return FALSE;
    frame->RestoreLayout();
    frame->ShowWindow(SW_SHOW);
    frame->UpdateWindow();
    return TRUE;
}

void CKyFindGApp::OnFileNew()
{
    CWinApp::OnFileNew();
}

int CKyFindGApp::ExitInstance()
{
    if (!m_exited) {
        m_exited = true;
        KyGuiApp::ExitInstance();
    }
    return m_exitCode;
}

void CKyFindGApp::PutProcessHandleIntoEnvironment()
{
    HANDLE self = nullptr;
    if (!DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), &self, 0,
                         TRUE, DUPLICATE_SAME_ACCESS))
        throw Kyvant::os_error();
    const std::string value = Kyvant::HandleToDecimal(self);
    Kyvant::ky_S(value.c_str())
        .PutEnv(Kyvant::FindTask::kProcessVariable, Kyvant::ky_S::npos, true);
}
