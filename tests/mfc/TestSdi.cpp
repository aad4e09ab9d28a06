// The test single-document program's classes: each records what it was asked in g_sdi.
#include "TestSdi.h"

#include "SdiIds.h"
#include "TestApp.h"

#include <afxpriv.h>

#include <cstdio>

SdiLog g_sdi;

IMPLEMENT_DYNCREATE(CSdiDoc, CDocument)
IMPLEMENT_DYNCREATE(CSdiListView, CListView)
IMPLEMENT_DYNCREATE(CSdiTextView, CView)
IMPLEMENT_DYNCREATE(CSdiFormView, CFormView)
IMPLEMENT_DYNCREATE(CSdiFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CSdiDoc, CDocument)
    ON_COMMAND_EX(ID_SDI_ROUTE, OnRoute)
END_MESSAGE_MAP()

CSdiDoc::CSdiDoc() = default;
CSdiDoc::~CSdiDoc() { g_sdi.documentDeleted = true; }

BOOL CSdiDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return FALSE;
    ++g_sdi.newDocuments;
    return g_sdi.newDocumentAnswer;
}

void CSdiDoc::DeleteContents() { ++g_sdi.deleteContents; }

BOOL CSdiDoc::SaveModified()
{
    ++g_sdi.saveModified;
    return g_sdi.saveAnswer;
}

void CSdiDoc::OnCloseDocument()
{
    ++g_sdi.closeDocuments;
    CDocument::OnCloseDocument();
}

BOOL CSdiDoc::OnRoute(UINT)
{
    g_sdi.route.push_back("doc");
    return g_sdi.routeTaker == "doc";
}

BEGIN_MESSAGE_MAP(CSdiListView, CListView)
    ON_COMMAND_EX(ID_SDI_ROUTE, OnRoute)
    ON_COMMAND(ID_SDI_ACCEL, OnAccel)
    ON_NOTIFY_REFLECT(LVN_GETDISPINFOA, OnGetDispInfo)
    ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, OnColumnClick)
END_MESSAGE_MAP()

BOOL CSdiListView::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL;
    return CListView::PreCreateWindow(cs);
}

void CSdiListView::OnInitialUpdate()
{
    ++g_sdi.initialUpdates;
    if (SendMessage(LVM_GETHEADER) != 0 &&
        ::SendMessageA(reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER)), HDM_GETITEMCOUNT, 0, 0) == 0) {
        static const char* const kTitles[] = { "Name", "Size" };
        for (int i = 0; i < 2; ++i) {
            LVCOLUMNA column = {};
            column.mask = LVCF_TEXT | LVCF_WIDTH;
            column.cx = 120;
            column.pszText = const_cast<char*>(kTitles[i]);
            SendMessage(LVM_INSERTCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
        }
    }
    SendMessage(LVM_SETITEMCOUNT, 10);
}

BOOL CSdiListView::OnRoute(UINT)
{
    g_sdi.route.push_back("view");
    return g_sdi.routeTaker == "view";
}

void CSdiListView::OnAccel() { ++g_sdi.accelerated; }

void CSdiListView::OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMLVDISPINFOA* pInfo = reinterpret_cast<NMLVDISPINFOA*>(pNMHDR);
    ++g_sdi.dispInfos;
    if (pInfo->item.mask & LVIF_TEXT) {
        std::snprintf(m_text, sizeof m_text, "Row %d.%d", pInfo->item.iItem, pInfo->item.iSubItem);
        pInfo->item.pszText = m_text;
    }
    *pResult = 0;
}

void CSdiListView::OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    g_sdi.columnClicked = reinterpret_cast<NMLISTVIEW*>(pNMHDR)->iSubItem;
    *pResult = 0;
}

void CSdiTextView::OnDraw(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    pDC->DrawText("Text pane", -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void CSdiTextView::OnInitialUpdate()
{
    ++g_sdi.initialUpdates;
    CView::OnInitialUpdate();
}

CSdiFormView::CSdiFormView() : CFormView(IDD_SDI_FORM) {}

void CSdiSplitter::UseThemedSizes()
{
    const int kThemedBar = 6;
    m_cxSplitter = m_cySplitter = kThemedBar;
    m_cxSplitterGap = m_cySplitterGap = kThemedBar;
    m_cxBorder = m_cyBorder = 0;
    m_cxBorderShare = m_cyBorderShare = 0;
}

void CSdiSplitter::OnDrawSplitter(CDC* pDC, ESplitType nType, const CRect& rect)
{
    if (nType == splitBar && pDC != nullptr)
        ++g_sdi.barsDrawn;
    CSplitterWnd::OnDrawSplitter(pDC, nType, rect);
}

CSize CSdiReBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize size = CReBar::CalcFixedLayout(bStretch, bHorz);
    size.cy += 2;
    return size;
}

void CSdiStatusBar::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    ++g_sdi.panesDrawn;
    const char* text = reinterpret_cast<const char*>(lpDrawItemStruct->itemData);
    g_sdi.drawnText = text ? text : "";
    ::DrawTextA(lpDrawItemStruct->hDC, text, -1, &lpDrawItemStruct->rcItem, DT_SINGLELINE | DT_VCENTER);
}

BEGIN_MESSAGE_MAP(CSdiFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND_EX(ID_SDI_ROUTE, OnRoute)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleCount)
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnToolTip)
    ON_NOTIFY(TBN_DROPDOWN, AFX_IDW_TOOLBAR, OnDropDown)
    ON_CBN_SELENDOK(IDC_SDI_TABSIZE, OnTabSelEndOk)
    ON_COMMAND(IDOK, OnBarOk)
    ON_COMMAND(IDCANCEL, OnBarCancel)
    ON_COMMAND(ID_SDI_IDE, OnIde)
    ON_COMMAND(ID_SDI_TOOL_OFF, OnToolOff)
    ON_COMMAND(ID_SDI_GRAYED, OnToolOff)
    ON_UPDATE_COMMAND_UI(IDC_SDI_TABSIZE, OnUpdateEnabled)
    ON_UPDATE_COMMAND_UI(ID_FILE_NEW, OnUpdateEnabled)
    ON_UPDATE_COMMAND_UI(ID_SDI_GRAYED, OnUpdateDisabled)
    ON_UPDATE_COMMAND_UI(ID_SDI_TOOL_OFF, OnUpdateDisabled)
    ON_UPDATE_COMMAND_UI(ID_SDI_PANE_STATE, OnUpdateDisabled)
    ON_UPDATE_COMMAND_UI(ID_SDI_PANE_POS, OnUpdatePanePos)
END_MESSAGE_MAP()

namespace {
const UINT kIndicators[] = { ID_SEPARATOR, ID_SDI_PANE_POS, ID_SDI_PANE_STATE };
}

int CSdiFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT | TBSTYLE_TRANSPARENT,
                               WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_TOOLTIPS | CBRS_FLYBY, CRect(0, 0, 0, 0),
                               AFX_IDW_TOOLBAR) ||
        !m_wndToolBar.LoadToolBar(IDR_SDI))
        return -1;
    if (!m_wndDlgBar.Create(this, IDD_SDI_BAR, CBRS_TOP | WS_VISIBLE, AFX_IDW_DIALOGBAR))
        return -1;
    CString label;
    label.LoadString(IDS_SDI_TABSIZE);
    if (!m_wndReBar.Create(this, RBS_BANDBORDERS) ||
        !m_wndReBar.AddBar(&m_wndToolBar, nullptr, nullptr, RBBS_NOGRIPPER | RBBS_FIXEDBMP) ||
        !m_wndReBar.AddBar(&m_wndDlgBar, label, nullptr, RBBS_NOGRIPPER | RBBS_FIXEDBMP))
        return -1;
    if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(kIndicators, 3))
        return -1;
    return 0;
}

BOOL CSdiFrame::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    const CSize paneSize(100, 100);
    return m_wndSplitter.CreateStatic(this, 3, 1) &&
           m_wndSplitter.CreateView(0, 0, RUNTIME_CLASS(CSdiListView), paneSize, pContext) &&
           m_wndSplitter.CreateView(1, 0, RUNTIME_CLASS(CSdiTextView), paneSize, pContext) &&
           m_wndSplitter.CreateView(2, 0, RUNTIME_CLASS(CSdiTextView), paneSize, pContext);
}

void CSdiFrame::GetMessageString(UINT nID, CString& rMessage) const
{
    if (nID == AFX_IDS_IDLEMESSAGE && g_sdi.statusId != 0)
        nID = g_sdi.statusId;
    CFrameWnd::GetMessageString(nID, rMessage);
}

BOOL CSdiFrame::OnRoute(UINT)
{
    g_sdi.route.push_back("frame");
    return g_sdi.routeTaker == "frame";
}

LRESULT CSdiFrame::OnIdleCount(WPARAM wParam, LPARAM lParam)
{
    ++g_sdi.idleUpdates;
    return CFrameWnd::OnIdleUpdateCmdUI(wParam, lParam);
}

BOOL CSdiFrame::OnToolTip(UINT, NMHDR* pNMHDR, LRESULT* pResult)
{
    // The IDE button's tip is the one of the IDE that would open.
    if (pNMHDR->idFrom != ID_SDI_IDE)
        return FALSE;
    TOOLTIPTEXTA* pTTT = reinterpret_cast<TOOLTIPTEXTA*>(pNMHDR);
    ::lstrcpynA(pTTT->szText, "Open with VS.NET", sizeof pTTT->szText);
    pTTT->lpszText = pTTT->szText;
    *pResult = 0;
    return TRUE;
}

void CSdiFrame::OnDropDown(NMHDR* pNMHDR, LRESULT* pResult)
{
    if (reinterpret_cast<NMTOOLBARA*>(pNMHDR)->iItem == ID_SDI_IDE)
        ++g_sdi.dropDowns;
    *pResult = TBDDRET_DEFAULT;
}

void CSdiFrame::OnTabSelEndOk() { ++g_sdi.tabSelections; }
void CSdiFrame::OnBarOk() { ++g_sdi.okCommands; }
void CSdiFrame::OnBarCancel() { ++g_sdi.cancelCommands; }
void CSdiFrame::OnIde() { ++g_sdi.ideCommands; }
void CSdiFrame::OnToolOff() {}
void CSdiFrame::OnUpdateEnabled(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }
void CSdiFrame::OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
void CSdiFrame::OnUpdatePanePos(CCmdUI* pCmdUI) { pCmdUI->SetText("Ln 5, Col 7"); }

CSdiFrame* StartSdiProgram()
{
    static bool bTemplateAdded = false;
    if (!bTemplateAdded) {
        theApp.AddDocTemplate(new CSingleDocTemplate(IDR_SDI, RUNTIME_CLASS(CSdiDoc), RUNTIME_CLASS(CSdiFrame),
                                                     RUNTIME_CLASS(CSdiListView)));
        bTemplateAdded = true;
    }
    CCommandLineInfo cmdInfo;
    if (!theApp.ProcessShellCommand(cmdInfo))
        return nullptr;
    CSdiFrame* pFrame = DYNAMIC_DOWNCAST(CSdiFrame, theApp.m_pMainWnd);
    if (pFrame != nullptr)
        ::SetWindowPos(pFrame->m_hWnd, nullptr, 0, 0, 640, 480, SWP_NOZORDER | SWP_NOACTIVATE);
    return pFrame;
}

void StopSdiProgram()
{
    if (CSdiFrame* pFrame = DYNAMIC_DOWNCAST(CSdiFrame, theApp.m_pMainWnd)) {
        g_sdi.saveAnswer = true;
        pFrame->SendMessage(WM_CLOSE);
    }
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}
