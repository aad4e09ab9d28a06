// The Find frame's creation: window class, bars, status panes, splitter, title, and its message
// map.
#include "KyFind/Gui/Frame/MainFrame.h"

#include "FinderLink/Frame/FrameBars.h"
#include "FinderLink/Frame/FrameWindow.h"
#include "FinderLink/Frame/StatusPanes.h"
#include "FinderLink/Frame/TabSizeBox.h"
#include "FinderLink/Task/TaskWords.h"
#include "KyFind/Gui/Coordinator/ViewCoordinator.h"
#include "KyFind/Gui/Editor/IdePresence.h"
#include "KyFind/Gui/FileList/FileListView.h"
#include "KyFind/Gui/Finder/Finder.h"
#include "KyFind/Gui/MatchList/FileMatchListView.h"
#include "KyFind/Gui/TextView/FileTextView.h"
#include "KyFind/Gui/Frame/FrameResource.h"
#include "KyFind/Gui/Task/TaskLink.h"
#include "KyGui/Helpers/UserEx.h"
#include "KyGuiTool/App/KyGuiApp.h"

#include <afxpriv.h>

namespace FindTask = Kyvant::FindTask;

namespace {

const UINT kIndicators[] = {ID_SEPARATOR, 54025, ID_KYFINDG_CARET_PANE, ID_KYFINDG_MATCH_PANE};
const int kMatchPaneIndex = 3;
const UINT kDialogBarId = 0xE805;
const int kPaneCount = 3;
const CSize kInitialPaneSize(100, 100);
const int kMinTabSize = 1;
const int kMaxTabSize = 20;
const int kDefaultTabSize = 8;

} // namespace

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_CLOSE()
ON_WM_QUERYENDSESSION()
ON_MESSAGE(WM_ENDSESSION, OnEndSession)
ON_WM_SIZE()
ON_WM_TIMER()
ON_WM_SETCURSOR()
ON_MESSAGE(WM_WINDOWPOSCHANGING, OnWindowPosChanging)
ON_MESSAGE(FindTask::kFinderMessage, OnFinderMessage)
ON_MESSAGE(FindTask::kFocusViewMessage, OnFocusActiveView)
ON_MESSAGE(FindTask::kTaskEndMessage, OnTaskEnd)
ON_MESSAGE(WM_APP + 3, OnShowTabSize)
ON_MESSAGE(Kyvant::FinderLink::kTextMessage, OnText)
ON_COMMAND(ID_KYFINDG_STOP, OnStop)
ON_UPDATE_COMMAND_UI(ID_KYFINDG_STOP, OnUpdateStop)
ON_COMMAND(ID_KYFINDG_FIND_IN_RESULTS, OnFindInResults)
ON_UPDATE_COMMAND_UI(ID_KYFINDG_FIND_IN_RESULTS, OnUpdateResultsIdle)
ON_COMMAND(ID_KYFINDG_DISCARD, OnDiscard)
ON_UPDATE_COMMAND_UI(ID_KYFINDG_DISCARD, OnUpdateResultsIdle)
ON_UPDATE_COMMAND_UI(ID_FILE_NEW, OnUpdateAlways)
ON_COMMAND_RANGE(ID_KYFINDG_FILE_LIST_PANE, ID_KYFINDG_FILE_VIEW_PANE, OnActivatePane)
ON_UPDATE_COMMAND_UI_RANGE(ID_KYFINDG_FILE_LIST_PANE, ID_KYFINDG_FILE_VIEW_PANE, OnUpdateAlways)
ON_COMMAND(ID_KYFINDG_CONFIGURE_EDITOR, OnConfigureEditor)
ON_UPDATE_COMMAND_UI(ID_KYFINDG_CONFIGURE_EDITOR, OnUpdateAlways)
ON_COMMAND(ID_KYFINDG_OPEN_IN_EDITOR, OnOpenInEditor)
ON_UPDATE_COMMAND_UI(ID_KYFINDG_OPEN_IN_EDITOR, OnUpdateOpenInEditor)
ON_COMMAND(ID_KYFINDG_OPEN_IN_IDE, OnOpenInIde)
ON_UPDATE_COMMAND_UI(ID_KYFINDG_OPEN_IN_IDE, OnUpdateOpenInIde)
ON_COMMAND(ID_KYFINDG_OPEN_WITH_VC, OnOpenWithVc)
ON_UPDATE_COMMAND_UI(ID_KYFINDG_OPEN_WITH_VC, OnUpdateOpenWithVc)
ON_COMMAND(ID_KYFINDG_OPEN_WITH_VSNET, OnOpenWithVsNet)
ON_UPDATE_COMMAND_UI(ID_KYFINDG_OPEN_WITH_VSNET, OnUpdateOpenWithVsNet)
ON_UPDATE_COMMAND_UI(ID_KYFINDG_MATCH_PANE, OnUpdateMatchPane)
ON_UPDATE_COMMAND_UI(ID_KYFINDG_CARET_PANE, OnUpdateCaretPane)
ON_UPDATE_COMMAND_UI(IDC_KYFINDG_TAB_SIZE, OnUpdateAlways)
ON_NOTIFY(TBN_DROPDOWN, AFX_IDW_TOOLBAR, OnIdeDropDown)
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnToolTipText)
KYVANT_TAB_SIZE_BOX_MESSAGES(IDC_KYFINDG_TAB_SIZE)
ON_COMMAND(54025, OnIndexingServicePane)
ON_COMMAND_RANGE(ID_KYFINDG_NEXT_MATCH, ID_KYFINDG_SINGLE_KEY_BROWSE, OnNavigate)
ON_UPDATE_COMMAND_UI_RANGE(ID_KYFINDG_NEXT_MATCH, ID_KYFINDG_SINGLE_KEY_BROWSE, OnUpdateNavigate)
ON_COMMAND_RANGE(ID_KYFINDG_PREVIOUS_FILE, ID_KYFINDG_NEXT_FILE, OnNavigate)
ON_UPDATE_COMMAND_UI_RANGE(ID_KYFINDG_PREVIOUS_FILE, ID_KYFINDG_NEXT_FILE, OnUpdateNavigate)
ON_COMMAND(ID_KYFINDG_WORD_WRAP, OnWordWrap)
ON_UPDATE_COMMAND_UI(ID_KYFINDG_WORD_WRAP, OnUpdateWordWrap)
ON_COMMAND(ID_KYFINDG_SELECT_MATCH, OnSelectMatchedText)
ON_UPDATE_COMMAND_UI(ID_KYFINDG_SELECT_MATCH, OnUpdateSelectMatchedText)
ON_COMMAND(ID_KYFINDG_TEXT_OPTIONS, OnTextOptions)
ON_UPDATE_COMMAND_UI(ID_KYFINDG_TEXT_OPTIONS, OnUpdateAlways)
END_MESSAGE_MAP()

CMainFrame::CMainFrame()
    : m_finder(nullptr), m_cachedFiles(-1), m_cachedMatches(-1), m_statusTimerRunning(false),
      m_workingCursorShown(false), m_layoutRestored(false), m_statusId(AFX_IDS_IDLEMESSAGE),
      m_appStarting(LoadCursor(nullptr, IDC_APPSTARTING)), m_paneKeys(nullptr),
      m_tabSizeValue(kDefaultTabSize),
      m_databases({Kyvant::DatabaseFreshness::PathPlans(), Kyvant::DatabaseFreshness::MaskSets()})
{
}

CMainFrame::~CMainFrame() {}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    return Kyvant::FinderLink::PrepareFrameWindow(*this, cs, CS_DBLCLKS, IDR_KYFINDG_MAINFRAME);
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!CreateBars() || !CreateStatusBar())
        return -1;
    Kyvant::FinderLink::StartModalPanesTimer(*this);
    m_paneKeys = LoadAcceleratorsA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_KYFINDG_PANE_KEYS));
    m_editor.Load(KyGuiApp::Instance().GetRegKey().get());
    return 0;
}

bool CMainFrame::CreateBars()
{
    if (!Kyvant::FinderLink::CreateToolBar(*this, m_toolBar, IDR_KYFINDG_MAINFRAME))
        return false;
    const Kyvant::FindEditor::IdePresence& ide = Kyvant::FindEditor::GetIdePresence();
    if (ide.vsNetPresent() && ide.vcPresent()) {
        m_toolBar.GetToolBarCtrl().SetExtendedStyle(TBSTYLE_EX_DRAWDDARROWS);
        const int button = m_toolBar.CommandToIndex(ID_KYFINDG_OPEN_IN_IDE);
        m_toolBar.SetButtonStyle(button, m_toolBar.GetButtonStyle(button) | TBSTYLE_DROPDOWN);
    }
    if (!m_dialogBar.Create(this, IDR_KYFINDG_MAINFRAME, CBRS_TOP | WS_VISIBLE, kDialogBarId) ||
        !m_tabSize.SubclassDlgItem(IDC_KYFINDG_TAB_SIZE, &m_dialogBar))
        return false;
    FillTabSizeCombo();
    return Kyvant::FinderLink::CreateReBar(*this, m_reBar, m_toolBar, &m_dialogBar,
                                           IDS_KYFINDG_TAB_SIZE);
}

bool CMainFrame::CreateStatusBar()
{
    if (!m_statusBar.Create(this) ||
        !m_statusBar.SetIndicators(kIndicators, sizeof kIndicators / sizeof kIndicators[0]))
        return false;
    m_statusBar.UseOwnerDrawnMessagePane();
    // A pane's string only sizes it: the pane shows what its update handler
    // gives, nothing before.
    m_statusBar.SetPaneText(m_statusBar.CommandToIndex(ID_KYFINDG_CARET_PANE), "");
    m_statusBar.SetPaneText(m_statusBar.CommandToIndex(ID_KYFINDG_MATCH_PANE), "");
    if (Kyvant::UserEx::IsAppThemed())
        m_statusBar.SetPaneStyle(kMatchPaneIndex,
                                 m_statusBar.GetPaneStyle(kMatchPaneIndex) | SBPS_NOBORDERS);
    KyGuiApp::Instance().SetUpIndexingServiceMessageIcon(m_statusBar);
    return true;
}

void CMainFrame::FillTabSizeCombo()
{
    Kyvant::FinderLink::FillTabSizeBox(m_tabSize, kMinTabSize, kMaxTabSize);
    ShowTabSize();
}

BOOL CMainFrame::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    CRuntimeClass* const panes[kPaneCount] = {
        RUNTIME_CLASS(FileListView), RUNTIME_CLASS(FileMatchListView), RUNTIME_CLASS(FileTextView)};
    if (!m_splitter.CreateStatic(this, kPaneCount, 1, WS_CHILD | WS_VISIBLE, AFX_IDW_PANE_FIRST))
        return FALSE;
    for (int row = 0; row < kPaneCount; ++row)
        if (!m_splitter.CreateView(row, 0, panes[row], kInitialPaneSize, pContext))
            return FALSE;
    return TRUE;
}

FileListView* CMainFrame::GetFileListView() const
{
    if (!m_splitter.GetSafeHwnd())
        return nullptr;
    return dynamic_cast<FileListView*>(m_splitter.GetPane(0, 0));
}

FileMatchListView* CMainFrame::GetMatchListView() const
{
    if (!m_splitter.GetSafeHwnd())
        return nullptr;
    return dynamic_cast<FileMatchListView*>(m_splitter.GetPane(1, 0));
}

FileTextView* CMainFrame::GetFileTextView() const
{
    if (!m_splitter.GetSafeHwnd())
        return nullptr;
    return dynamic_cast<FileTextView*>(m_splitter.GetPane(2, 0));
}

ViewCoordinator* CMainFrame::Views() const
{
    return m_finder ? &m_finder->GetViews() : nullptr;
}

void CMainFrame::BindPanes()
{
    FileListView* files = GetFileListView();
    FileMatchListView* matches = GetMatchListView();
    FileTextView* text = GetFileTextView();
    if (!m_finder || !files || !matches || !text)
        return;
    m_finder->GetViews().Bind(*files, *matches, *text, &m_splitter, *this);
    ShowTabSize();
}

// The file name of the file view's file and the program's title, or the
// title alone.
void CMainFrame::OnUpdateFrameTitle(BOOL)
{
    CString title;
    title.LoadString(AFX_IDS_APP_TITLE);
    std::string path;
    FileTextView* text = GetFileTextView();
    if (text && !text->GetLoadedName().empty()) {
        path = text->GetLoadedName().c_str();
        const size_t slash = path.find_last_of("\\/");
        title = CString((path.substr(slash == std::string::npos ? 0 : slash + 1) + " - ").c_str()) +
                title;
    }
    CString shown;
    GetWindowText(shown);
    if (shown != title)
        SetWindowText(title);
}

void CMainFrame::OnDestroy()
{
    try {
        m_editor.Store(KyGuiApp::Instance().GetRegKey().get());
    } catch (...) {
    }
    KillTimer(1);
    CFrameWnd::OnDestroy();
}

int CMainFrame::GetTabSize() const
{
    ViewCoordinator* views = Views();
    return views ? views->GetTextOptions().GetUsableTabSize() : m_tabSizeValue;
}

void CMainFrame::SetTabSize(int size)
{
    m_tabSizeValue = size < kMinTabSize ? kMinTabSize : size >= kMaxTabSize ? kMaxTabSize : size;
    if (ViewCoordinator* views = Views())
        views->SetTabSize(m_tabSizeValue);
    ShowTabSize();
}

void CMainFrame::ShowTabSize()
{
    if (!m_tabSize.GetSafeHwnd())
        return;
    const int size = GetTabSize();
    m_tabSize.SetCurSel(size - kMinTabSize);
    m_tabSize.SetWindowText(std::to_string(size).c_str());
}
