// CKyReplaceGApp: its key and locale, the start-up that runs the first task, the routing of
// commands while a stop waits for the engine.
#include "KyReplace/Gui/App/KyReplaceGApp.h"

#include "KyGui/Exceptions/MfcStdException.h"
#include "KyGui/RichEdit/KyRichEditCtrl.h"
#include "KyGuiTool/Watchdog/ProcessKiller.h"
#include "KyReplace/Gui/Dialogs/KyReplaceJobDlg.h"
#include "KyReplace/Gui/Document/KyReplaceGDoc.h"
#include "KyReplace/Gui/Frame/FrameResource.h"
#include "KyReplace/Gui/Frame/MainFrame.h"
#include "KyReplace/Gui/Task/FrontEndProcessVariable.h"
#include "KyReplace/Gui/Task/ReplaceJob.h"
#include "KyReplace/Gui/View/KyReplaceGView.h"
#include "KyReplace/Gui/View/ReplaceViewSeams.h"
#include "KyStd/Registry/RegKey.h"

#include <afxole.h>
#include <comdef.h>

#include <clocale>
#include <exception>
#include <stdexcept>

namespace {

Kyvant::RegKey OpenAppKey()
{
    return Kyvant::RegKey(HKEY_CURRENT_USER, CKyReplaceGApp::kAppKey, KEY_ALL_ACCESS);
}

} // namespace

const char CKyReplaceGApp::kAppKey[] = "Software\\Kyvant\\Tools\\KyReplaceG";
const char CKyReplaceGApp::kLastLogDirValue[] = "LastLogDir";

CKyReplaceGApp::CKyReplaceGApp()
    : KyGuiApp(OpenAppKey(), nullptr), m_inCommand(false), m_exited(false)
{
    std::setlocale(LC_ALL, "");
}

CKyReplaceGApp::~CKyReplaceGApp() {}

CKyReplaceGApp& CKyReplaceGApp::Instance()
{
    CKyReplaceGApp* app = dynamic_cast<CKyReplaceGApp*>(&KyGuiApp::Instance());
    if (!app)
        throw std::logic_error(
            "CKyReplaceGApp::Instance: the application object is no CKyReplaceGApp");
    return *app;
}

CMainFrame* CKyReplaceGApp::GetMainFrame() const
{
    return dynamic_cast<CMainFrame*>(m_pMainWnd);
}

CKyReplaceGView* CKyReplaceGApp::GetReplaceView() const
{
    CMainFrame* frame = GetMainFrame();
    return frame != nullptr ? frame->GetReplaceView() : nullptr;
}

INT_PTR CKyReplaceGApp::RunJobDialog(CWnd&)
{
    CKyReplaceJobDlg dialog;
    return dialog.DoModal();
}

BOOL CKyReplaceGApp::InitInstance()
{
    try {
        return StartUp() ? TRUE : FALSE;
    } catch (CException* e) {
        e->ReportError();
        e->Delete();
    } catch (const _com_error& e) {
        AfxMessageBox(e.ErrorMessage(), MB_OK | MB_ICONSTOP);
    } catch (const std::exception& e) {
        AfxMessageBox(e.what(), MB_OK | MB_ICONSTOP);
    }
    return FALSE;
}

// New runs the first task at once (the view's first update posts its
// start, which the New handler dispatches); the frame is shown only when
// that task's dialog was accepted.
bool CKyReplaceGApp::StartUp()
{
    InitOLE();
    InitRichEdit();
    Kyvant::PublishFrontEndProcess();
    Enable3dControls();
    Kyvant::ReplaceViewSeams::SetTaskDialogFunction(&CKyReplaceGApp::RunJobDialog);
    AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CKyReplaceGDoc),
                                          RUNTIME_CLASS(CMainFrame),
                                          RUNTIME_CLASS(CKyReplaceGView)));
    CCommandLineInfo commandLine;
    ParseCommandLine(commandLine);
    if (!ProcessShellCommand(commandLine))
        return false;
    CMainFrame* frame = GetMainFrame();
    if (frame == nullptr || Kyvant::ReplaceJob::DialogFailed())
        return false;
    frame->RestorePlacement();
    frame->ShowWindow(SW_SHOW);
    frame->UpdateWindow();
    return true;
}

int CKyReplaceGApp::ExitInstance()
{
    if (m_exited)
        return 0;
    m_exited = true;
    return KyGuiApp::ExitInstance();
}

bool CKyReplaceGApp::WatchdogActive() const
{
    const CKyReplaceGView* view = GetReplaceView();
    return view != nullptr && view->GetState() != Kyvant::ProcessKiller::User::kIdle;
}

bool CKyReplaceGApp::OfferToFocusedRichEdit(UINT nID, int nCode, void* pExtra,
                                            AFX_CMDHANDLERINFO* pHandlerInfo)
{
    auto* focused = dynamic_cast<KyRichEditCtrl*>(CWnd::FromHandlePermanent(::GetFocus()));
    return focused != nullptr && focused->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CKyReplaceGApp::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    try {
        const bool copyOrSelectAll = nID == ID_EDIT_COPY || nID == ID_EDIT_SELECT_ALL;
        const bool update = static_cast<UINT>(nCode) == CN_UPDATE_COMMAND_UI;
        if (WatchdogActive()) {
            if (nCode == CN_COMMAND)
                return TRUE;
            if (update && copyOrSelectAll) {
                static_cast<CCmdUI*>(pExtra)->Enable(FALSE);
                return TRUE;
            }
            if (!update)
                return KyGuiApp::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
            m_inCommand = true;
            const BOOL handled = KyGuiApp::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
            m_inCommand = false;
            return handled;
        }
        if (copyOrSelectAll && OfferToFocusedRichEdit(nID, nCode, pExtra, pHandlerInfo))
            return TRUE;
        return KyGuiApp::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    } catch (const _com_error& e) {
        m_inCommand = false;
        AfxThrowOleException(e.Error());
    } catch (const std::exception& e) {
        m_inCommand = false;
        throw Kyvant::MfcStdException::Create(e);
    }
}
