// CMainFrame: creation with its bars, placement and minimum size, closing and the end of the
// session, cursors, the swallowing of commands while a stop runs.
#include "KyReplace/Gui/Frame/MainFrame.h"

#include "FinderLink/Frame/FrameBars.h"
#include "FinderLink/Frame/FrameWindow.h"
#include "FinderLink/Frame/StatusPanes.h"
#include "FinderLink/Frame/TabSizeBox.h"
#include "KyGui/Helpers/UserEx.h"
#include "KyGui/Helpers/WndEx.h"
#include "KyGuiTool/App/AppResource.h"
#include "KyGuiTool/App/KyGuiApp.h"
#include "KyGuiTool/Settings/SettingsResource.h"
#include "KyGuiTool/Watchdog/ProcessKiller.h"
#include "KyReplace/Gui/Frame/FrameResource.h"
#include "KyReplace/Gui/View/KyReplaceGView.h"

#include <afxpriv.h>

namespace {

const UINT kIndicators[] = {ID_SEPARATOR, ID_KY_INDEXING_SERVICE_MESSAGE};
const int kMessagePane = 0;

} // namespace

const char CMainFrame::kPlacementValue[] = "Window";

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
ON_WM_CREATE()
ON_MESSAGE(WM_GETMINMAXINFO, OnGetMinMaxInfo)
ON_WM_CLOSE()
ON_MESSAGE(WM_WINDOWPOSCHANGING, OnWindowPosChanging)
ON_WM_SETCURSOR()
ON_WM_TIMER()
ON_WM_DESTROY()
ON_WM_QUERYENDSESSION()
ON_MESSAGE(WM_ENDSESSION, OnEndSession)
KYVANT_TAB_SIZE_BOX_MESSAGES(IDC_TAB_SIZE_COMBO)
ON_MESSAGE(kResyncTabSizeMessage, OnResyncTabSize)
ON_NOTIFY(NM_CLICK, AFX_IDW_STATUS_BAR, OnStatusBarClick)
END_MESSAGE_MAP()

CMainFrame::CMainFrame()
    : m_statusId(AFX_IDS_IDLEMESSAGE), m_statusTimer(false), m_animating(false),
      m_appStarting(::LoadCursor(nullptr, IDC_APPSTARTING)), m_minTrackSize(0, 0),
      m_placementRestored(false)
{
}

CMainFrame::~CMainFrame() {}

CKyReplaceGView* CMainFrame::GetReplaceView() const
{
    CWnd* pane = GetDlgItem(AFX_IDW_PANE_FIRST);
    return pane != nullptr ? dynamic_cast<CKyReplaceGView*>(pane) : nullptr;
}

bool CMainFrame::WatchdogActive() const
{
    const CKyReplaceGView* view = GetReplaceView();
    return view != nullptr && view->GetState() != Kyvant::ProcessKiller::User::kIdle;
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
    return CreateBars() && CreateStatusBar() ? 0 : -1;
}

bool CMainFrame::CreateBars()
{
    return Kyvant::FinderLink::CreateToolBar(*this, m_toolBar, IDR_MAINFRAME) &&
           CreateTabSizeBar() &&
           Kyvant::FinderLink::CreateReBar(*this, m_reBar, m_toolBar, &m_tabSizeBar,
                                           IDS_TAB_SIZE_LABEL);
}

bool CMainFrame::CreateTabSizeBar()
{
    if (!m_tabSizeBar.Create(this, IDR_MAINFRAME, CBRS_TOP | WS_VISIBLE, IDW_TAB_SIZE_BAR) ||
        !m_tabSize.SubclassDlgItem(IDC_TAB_SIZE_COMBO, &m_tabSizeBar))
        return false;
    FillTabSizeCombo();
    return true;
}

bool CMainFrame::CreateStatusBar()
{
    if (!m_statusBar.Create(this) ||
        !m_statusBar.SetIndicators(kIndicators, sizeof kIndicators / sizeof kIndicators[0]))
        return false;
    if (Kyvant::UserEx::IsAppThemed())
        m_statusBar.SetPaneStyle(kMessagePane,
                                 m_statusBar.GetPaneStyle(kMessagePane) & ~SBPS_NOBORDERS);
    KyGuiApp::Instance().SetUpIndexingServiceMessageIcon(m_statusBar);
    return true;
}

void CMainFrame::RestorePlacement()
{
    if (m_placementRestored)
        return;
    m_placementRestored = true;
    Kyvant::WndEx::RestoreWindowState(*this, KyGuiApp::Instance().GetRegKey().get(),
                                      kPlacementValue, true, CSize(0, 0));
    CRect window;
    GetWindowRect(&window);
    m_minTrackSize = window.Size();
    ShowTabSize();
}

void CMainFrame::SavePlacement()
{
    if (m_placementRestored)
        Kyvant::WndEx::SaveWindowState(*this, KyGuiApp::Instance().GetRegKey().get(),
                                       kPlacementValue);
}

LRESULT CMainFrame::OnGetMinMaxInfo(WPARAM, LPARAM lParam)
{
    const LRESULT result = Default();
    MINMAXINFO& info = *reinterpret_cast<MINMAXINFO*>(lParam);
    if (m_minTrackSize.cx > 0 && m_minTrackSize.cy > 0) {
        info.ptMinTrackSize.x = m_minTrackSize.cx;
        info.ptMinTrackSize.y = m_minTrackSize.cy;
    }
    return result;
}

// Until it has its saved place the frame stays hidden and undrawn.
LRESULT CMainFrame::OnWindowPosChanging(WPARAM, LPARAM lParam)
{
    if (!m_placementRestored)
        Kyvant::FinderLink::KeepHidden(*reinterpret_cast<WINDOWPOS*>(lParam));
    return Default();
}

// A stop waiting for the engine keeps the window: closing only beeps. A
// task still starting closes the window once its start is through.
void CMainFrame::OnClose()
{
    if (WatchdogActive()) {
        ::MessageBeep(0);
        return;
    }
    CKyReplaceGView* view = GetReplaceView();
    if (view != nullptr && view->PutOffCloseWhileStarting())
        return;
    SavePlacement();
    CFrameWnd::OnClose();
}

BOOL CMainFrame::OnQueryEndSession()
{
    if (InModalState()) {
        AfxMessageBox(IDS_KY_CLOSE_BEFORE_SHUTDOWN);
        return FALSE;
    }
    const CKyReplaceGView* view = GetReplaceView();
    if (view != nullptr && view->StartingTask())
        return FALSE;
    return AfxGetApp()->SaveAllModified();
}

LRESULT CMainFrame::OnEndSession(WPARAM wParam, LPARAM)
{
    if (wParam)
        SavePlacement();
    return Default();
}

// After the watchdog's first tick the wait cursor, over the disabled view or
// the client area; while a task works the working cursor.
BOOL CMainFrame::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    const CKyReplaceGView* view = GetReplaceView();
    if (view != nullptr && view->GetState() == Kyvant::ProcessKiller::User::kFirstTickPassed &&
        (!view->IsWindowEnabled() || nHitTest == HTCLIENT)) {
        ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
        return TRUE;
    }
    if (m_animating) {
        ::SetCursor(m_appStarting);
        return TRUE;
    }
    return CFrameWnd::OnSetCursor(pWnd, nHitTest, message);
}

void CMainFrame::OnDestroy()
{
    if (m_statusTimer) {
        KillTimer(kStatusTimer);
        m_statusTimer = false;
    }
    CFrameWnd::OnDestroy();
}

BOOL CMainFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (nCode == CN_COMMAND) {
        const CKyReplaceGView* view = GetReplaceView();
        if (view != nullptr && (WatchdogActive() || view->StoppingOrEnding()))
            return TRUE;
    }
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// A click on the Indexing Service pane shows its message.
void CMainFrame::OnStatusBarClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    Kyvant::FinderLink::ForwardIndexingServiceClick(*this, m_statusBar, *pNMHDR);
}
