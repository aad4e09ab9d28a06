// CMainFrame: creation with its bars, the task link's messages, the task
// dialog with the databases kept fresh around it, placement, closing and
// the end of the session, cursors.
#include "KyDir/Gui/Frame/MainFrame.h"

#include "KyDir/Gui/App/KyDirGApp.h"
#include "KyDir/Gui/Dialog/KyDirGDlg.h"
#include "KyDir/Gui/Document/KyDirGDoc.h"
#include "KyDir/Gui/FileList/FileListView.h"
#include "KyDir/Gui/Frame/FrameResource.h"
#include "KyDir/Gui/Task/DirJob.h"
#include "KyDir/Gui/Task/TaskLink.h"
#include "FinderLink/Frame/FrameBars.h"
#include "FinderLink/Frame/FrameWindow.h"
#include "FinderLink/Frame/StatusPanes.h"
#include "FinderLink/Task/TaskWords.h"
#include "FinderLink/Texts/ToolTextBoxes.h"
#include "KyGui/Helpers/UserEx.h"
#include "KyGui/Helpers/WndEx.h"
#include "KyGuiTool/App/AppResource.h"
#include "KyGuiTool/App/KyGuiApp.h"
#include "KyGuiTool/Settings/SettingsResource.h"
#include "KyStd/Strings/String.h"

#include <afxole.h>
#include <afxpriv.h>

namespace DirTask = Kyvant::DirTask;

namespace {

const char kPlacementSubkey[] = "Window";
const char kColumnsSubkey[] = "Window\\FileListPane";
const UINT kIndicators[] = {ID_SEPARATOR, ID_KY_INDEXING_SERVICE_MESSAGE, ID_INDICATOR_COUNT};

} // namespace

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
ON_WM_CREATE()
ON_MESSAGE(DirTask::kToolMessage, OnToolMessage)
ON_MESSAGE(DirTask::kTaskEndMessage, OnTaskEnd)
ON_MESSAGE(DirTask::kFocusViewMessage, OnFocusView)
ON_MESSAGE(Kyvant::FinderLink::kTextMessage, OnText)
ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
ON_WM_TIMER()
ON_WM_CLOSE()
ON_WM_QUERYENDSESSION()
ON_MESSAGE(WM_ENDSESSION, OnEndSession)
ON_MESSAGE(WM_WINDOWPOSCHANGING, OnWindowPosChanging)
ON_WM_SETCURSOR()
ON_NOTIFY(NM_CLICK, AFX_IDW_STATUS_BAR, OnStatusBarClick)
ON_UPDATE_COMMAND_UI(ID_FILE_NEW, OnUpdateAlways)
ON_COMMAND(ID_TASK_STOP, OnStop)
ON_UPDATE_COMMAND_UI(ID_TASK_STOP, OnUpdateStop)
ON_COMMAND(ID_TASK_DISCARD, OnDiscard)
ON_UPDATE_COMMAND_UI(ID_TASK_DISCARD, OnUpdateResultCommand)
ON_COMMAND(ID_TASK_FIND_IN_RESULTS, OnFindInResults)
ON_UPDATE_COMMAND_UI(ID_TASK_FIND_IN_RESULTS, OnUpdateResultCommand)
ON_COMMAND(ID_TASK_SAVE_AS, OnSaveAs)
ON_UPDATE_COMMAND_UI(ID_TASK_SAVE_AS, OnUpdateResultCommand)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_COUNT, OnUpdateCountPane)
END_MESSAGE_MAP()

CMainFrame::CMainFrame()
    : m_statusId(AFX_IDS_IDLEMESSAGE), m_statusTimer(false), m_workingCursor(false),
      m_placementRestored(false), m_messagePending(false), m_shownCount(-1), m_shownSelected(-1),
      m_databases({Kyvant::DatabaseFreshness::PathPlans(), Kyvant::DatabaseFreshness::MaskSets()}),
      m_appStarting(::LoadCursor(nullptr, IDC_APPSTARTING))
{
}

CMainFrame::~CMainFrame() {}

CKyDirGDoc* CMainFrame::GetDirDocument() const
{
    return dynamic_cast<CKyDirGDoc*>(const_cast<CMainFrame*>(this)->GetActiveDocument());
}

Finder* CMainFrame::GetFinder() const
{
    CKyDirGDoc* document = GetDirDocument();
    return document != nullptr ? document->GetFinder() : nullptr;
}

FileListView* CMainFrame::GetListView() const
{
    CKyDirGDoc* document = GetDirDocument();
    return document != nullptr ? document->GetListView() : nullptr;
}

// The title is the frame's own; themed windows draw no client edge.
BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    return Kyvant::FinderLink::PrepareFrameWindow(*this, cs, 0, IDR_MAINFRAME);
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!CreateBars())
        return -1;
    Kyvant::FinderLink::StartModalPanesTimer(*this);
    return 0;
}

bool CMainFrame::CreateBars()
{
    if (!Kyvant::FinderLink::CreateToolBar(*this, m_toolBar, IDR_MAINFRAME) ||
        !Kyvant::FinderLink::CreateReBar(*this, m_reBar, m_toolBar))
        return false;
    if (!m_statusBar.Create(this) ||
        !m_statusBar.SetIndicators(kIndicators, sizeof kIndicators / sizeof kIndicators[0]))
        return false;
    const int countPane = m_statusBar.CommandToIndex(ID_INDICATOR_COUNT);
    // The pane's string only sizes it: the pane shows what its update
    // handler gives, nothing before.
    m_statusBar.SetPaneText(countPane, "");
    if (Kyvant::UserEx::IsAppThemed())
        m_statusBar.SetPaneStyle(countPane, m_statusBar.GetPaneStyle(countPane) | SBPS_NOBORDERS);
    KyGuiApp::Instance().SetUpIndexingServiceMessageIcon(m_statusBar);
    return true;
}

LRESULT CMainFrame::OnToolMessage(WPARAM wParam, LPARAM)
{
    if (wParam == DirTask::kAskForDialog)
        AnswerDialogRequest();
    return 0;
}

// In a modal state the request is refused with a beep; so is one that no
// starting task waits for, which nothing could take the answer of.
void CMainFrame::AnswerDialogRequest()
{
    Finder* finder = GetFinder();
    Finder::Job* job = finder != nullptr ? finder->GetCurrentJob() : nullptr;
    if (job == nullptr || !finder->IsStarting()) {
        ::MessageBeep(0);
        return;
    }
    bool accepted = false;
    if (InModalState()) {
        ::MessageBeep(0);
    } else {
        m_databases.BeforeDialog();
        try {
            accepted = RunTaskDialog() == IDOK;
        } catch (...) {
            m_databases.AfterDialog();
            if (job != nullptr)
                job->HandBack(false);
            throw;
        }
        m_databases.AfterDialog();
    }
    if (job != nullptr)
        job->HandBack(accepted);
}

INT_PTR CMainFrame::RunTaskDialog()
{
    CKyDirGDlg dialog;
    return dialog.DoModal();
}

LRESULT CMainFrame::OnTaskEnd(WPARAM, LPARAM)
{
    if (Finder* finder = GetFinder())
        finder->OnTaskEnd();
    PostMessage(DirTask::kFocusViewMessage);
    SetStatus(AFX_IDS_IDLEMESSAGE, true);
    return 0;
}

LRESULT CMainFrame::OnFocusView(WPARAM, LPARAM)
{
    if (CView* view = GetActiveView())
        view->SetFocus();
    return 0;
}

// One box at a time; texts that come while it is up wait for the next.
LRESULT CMainFrame::OnText(WPARAM wParam, LPARAM)
{
    Kyvant::FinderLink::ShowToolText(reinterpret_cast<Kyvant::ky_S*>(wParam));
    return 0;
}

Kyvant::RegKey CMainFrame::ColumnKey() const
{
    return Kyvant::RegKey(KyGuiApp::Instance().GetRegKey(), kColumnsSubkey);
}

void CMainFrame::RestorePlacement()
{
    Kyvant::WndEx::RestoreWindowState(*this, KyGuiApp::Instance().GetRegKey().get(),
                                      kPlacementSubkey, true, CSize(0, 0));
    if (FileListView* view = GetListView()) {
        Kyvant::RegKey columns = ColumnKey();
        view->RestoreState(columns);
    }
    m_placementRestored = true;
}

void CMainFrame::SavePlacement()
{
    Kyvant::WndEx::SaveWindowState(*this, KyGuiApp::Instance().GetRegKey().get(), kPlacementSubkey);
    if (FileListView* view = GetListView()) {
        Kyvant::RegKey columns = ColumnKey();
        view->SaveState(columns);
    }
}

bool CMainFrame::PrepareToClose()
{
    Finder* finder = GetFinder();
    if (finder != nullptr && finder->IsStopping())
        return false;
    if (finder != nullptr)
        finder->Stop();
    if (m_placementRestored)
        SavePlacement();
    COleDataSource::FlushClipboard();
    return true;
}

// A task still starting closes the window once its start is through.
void CMainFrame::OnClose()
{
    Finder* finder = GetFinder();
    if (finder != nullptr && finder->PutOffCloseWhileStarting(m_hWnd))
        return;
    if (PrepareToClose())
        CFrameWnd::OnClose();
}

BOOL CMainFrame::OnQueryEndSession()
{
    if (InModalState()) {
        AfxMessageBox(IDS_KY_CLOSE_BEFORE_SHUTDOWN);
        return FALSE;
    }
    Finder* finder = GetFinder();
    return finder == nullptr || !(finder->IsStopping() || finder->IsStarting());
}

LRESULT CMainFrame::OnEndSession(WPARAM wParam, LPARAM)
{
    if (wParam)
        PrepareToClose();
    return Default();
}

// Until it has its saved place the frame stays hidden and undrawn.
LRESULT CMainFrame::OnWindowPosChanging(WPARAM, LPARAM lParam)
{
    if (!m_placementRestored)
        Kyvant::FinderLink::KeepHidden(*reinterpret_cast<WINDOWPOS*>(lParam));
    return Default();
}

// The watchdog's wait cursor first, then the working cursor.
BOOL CMainFrame::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (AfxGetApp()->m_nWaitCursorCount > 0) {
        RestoreWaitCursor();
        return TRUE;
    }
    if (m_workingCursor && nHitTest == HTCLIENT) {
        ::SetCursor(m_appStarting);
        return TRUE;
    }
    return CFrameWnd::OnSetCursor(pWnd, nHitTest, message);
}

// A click on the Indexing Service pane shows its message.
void CMainFrame::OnStatusBarClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    Kyvant::FinderLink::ForwardIndexingServiceClick(*this, m_statusBar, *pNMHDR);
}
