// CFrameWnd: creation from a resource, client views, layout, the active view, routing and closing.
#include "AfxFrameWnd.h"

#include "AfxApp.h"
#include "AfxControlBar.h"
#include "AfxDocTemplate.h"
#include "AfxDocument.h"
#include "AfxMsgMacros.h"
#include "AfxResources.h"
#include "AfxView.h"
#include "afxpriv.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_CLOSE()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_ERASEBKGND()
    ON_WM_INITMENUPOPUP()
    ON_MESSAGE(WM_MENUSELECT, OnMenuSelectMsg)
    ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
    ON_MESSAGE(WM_POPMESSAGESTRING, OnPopMessageString)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_MESSAGE(WM_ENTERIDLE, OnEnterIdleMsg)
    ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, OnUpdateControlBarMenu)
    ON_COMMAND_EX(ID_VIEW_STATUS_BAR, OnBarCheck)
    ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, OnUpdateControlBarMenu)
    ON_COMMAND_EX(ID_VIEW_TOOLBAR, OnBarCheck)
END_MESSAGE_MAP()

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

CFrameWnd::CFrameWnd()
    : m_hAccelTable(nullptr), m_hMenuDefault(nullptr), m_bAutoMenuEnable(TRUE), m_nIDHelp(0),
      m_nIDTracking(0), m_nIDLastMessage(0), m_pViewActive(nullptr), m_nIdleFlags(0), m_cModalStack(0)
{
}

CFrameWnd::~CFrameWnd()
{
    if (m_hAccelTable != nullptr)
        ::DestroyAcceleratorTable(m_hAccelTable);
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    if (cs.style & FWS_ADDTOTITLE)
        cs.style |= FWS_PREFIXTITLE;  // "document - application", as shells since Windows 95 show it
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    return TRUE;
}

BOOL CFrameWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCSTR lpszMenuName, DWORD dwExStyle, CCreateContext* pContext)
{
    HMENU hMenu = nullptr;
    if (lpszMenuName != nullptr) {
        HINSTANCE hInst = AfxFindResourceHandle(lpszMenuName, RT_MENU);
        hMenu = ::LoadMenuA(hInst, lpszMenuName);
        if (hMenu == nullptr)
            return FALSE;
    }
    m_strTitle = lpszWindowName ? lpszWindowName : "";
    // The default rectangle leaves place and size to the system.
    bool bDefault = ::EqualRect(&rect, &rectDefault) != FALSE;
    int cx = bDefault ? CW_USEDEFAULT : rect.right - rect.left;
    int cy = bDefault ? CW_USEDEFAULT : rect.bottom - rect.top;
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, cx, cy,
                  pParentWnd->GetSafeHwnd(), hMenu, pContext)) {
        if (hMenu != nullptr)
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    CString strFullString;
    if (strFullString.LoadString(nIDResource)) {
        int newline = strFullString.Find('\n');
        m_strTitle = newline < 0 ? strFullString : strFullString.Left(newline);
    }
    LPCSTR lpszResource = MAKEINTRESOURCEA(nIDResource);
    HICON hIcon = ::LoadIconA(AfxFindResourceHandle(lpszResource, RT_GROUP_ICON), lpszResource);
    LPCSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), hIcon);
    CString title = m_strTitle;
    HMENU hMenu = ::LoadMenuA(AfxFindResourceHandle(lpszResource, RT_MENU), lpszResource);
    if (!CreateEx(0, lpszClass, title, dwDefaultStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                  pParentWnd->GetSafeHwnd(), hMenu, pContext)) {
        if (hMenu != nullptr)
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    m_hMenuDefault = ::GetMenu(m_hWnd);
    HINSTANCE hAccel = AfxFindResourceHandle(lpszResource, RT_ACCELERATOR);
    if (m_hAccelTable == nullptr)
        m_hAccelTable = ::LoadAcceleratorsA(hAccel, lpszResource);
    if (pContext == nullptr)
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    return CreateClientAndBars(lpcs) ? 0 : -1;
}

BOOL CFrameWnd::CreateClientAndBars(LPCREATESTRUCT lpcs)
{
    CCreateContext* pContext = static_cast<CCreateContext*>(lpcs->lpCreateParams);
    if (!OnCreateClient(lpcs, pContext))
        return FALSE;
    // Bars made by a derived OnCreate come later; the first layout waits for the first WM_SIZE.
    DelayUpdateFrameTitle();
    m_nIdleFlags |= idleLayout;
    return TRUE;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    if (pContext != nullptr && pContext->m_pNewViewClass != nullptr)
        return CreateView(pContext, AFX_IDW_PANE_FIRST) != nullptr;
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID)
{
    if (pContext == nullptr || pContext->m_pNewViewClass == nullptr)
        return nullptr;
    CWnd* pView = static_cast<CWnd*>(pContext->m_pNewViewClass->CreateObject());
    if (pView == nullptr)
        return nullptr;
    const CRect rectNone(0, 0, 0, 0);
    if (!pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, rectNone, this, nID, pContext)) {
        return nullptr;  // the view deleted itself (PostNcDestroy) with its failed window
    }
    if (pView->GetExStyle() & WS_EX_CLIENTEDGE)
        ModifyStyleEx(WS_EX_CLIENTEDGE, 0, SWP_FRAMECHANGED);  // the view has the sunken edge
    return pView;
}

void CFrameWnd::RecalcLayout(BOOL)
{
    if (m_hWnd == nullptr)
        return;
    m_nIdleFlags &= ~idleLayout;
    RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposExtra);
}

void CFrameWnd::OnSize(UINT nType, int, int)
{
    Default();
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

BOOL CFrameWnd::OnEraseBkgnd(CDC* pDC)
{
    // The pane covers the client area; erasing under it only flickers.
    if (m_pViewActive != nullptr)
        return TRUE;
    return CWnd::OnEraseBkgnd(pDC);
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd)
{
    if (m_pViewActive != nullptr && m_pViewActive->m_hWnd != nullptr)
        m_pViewActive->SetFocus();
    else
        CWnd::OnSetFocus(pOldWnd);
}

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible)
{
    CView* pView = GetActiveView();
    if (pView == nullptr) {
        CWnd* pPane = GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE);
        pView = DYNAMIC_DOWNCAST(CView, pPane);
        if (pView != nullptr)
            SetActiveView(pView, FALSE);
    }
    SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    if (pDoc != nullptr && m_pViewActive == nullptr) {
        POSITION pos = pDoc->GetFirstViewPosition();
        if (CView* pFirst = pDoc->GetNextView(pos))
            SetActiveView(pFirst, FALSE);
    }
    if (bMakeVisible) {
        CWinApp* pApp = AfxGetApp();
        ActivateFrame(pApp != nullptr && pApp->m_pMainWnd == this ? pApp->m_nCmdShow : -1);
        if (m_pViewActive != nullptr)
            m_pViewActive->OnActivateView(TRUE, m_pViewActive, m_pViewActive);
    }
    OnUpdateFrameTitle(TRUE);
    // The message pane starts with the idle text.
    if (m_nIDLastMessage == 0)
        SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1)
        nCmdShow = IsIconic() ? SW_RESTORE : SW_SHOW;
    ShowWindow(nCmdShow);
    ::BringWindowToTop(m_hWnd);
    RecalcLayout();
}

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify)
{
    CView* pViewOld = m_pViewActive;
    if (pViewNew == pViewOld)
        return;
    m_pViewActive = nullptr;
    if (bNotify && pViewOld != nullptr)
        pViewOld->OnActivateView(FALSE, pViewNew, pViewOld);
    m_pViewActive = pViewNew;
    if (bNotify && pViewNew != nullptr)
        pViewNew->OnActivateView(TRUE, pViewNew, pViewOld);
    OnActivateView(pViewNew, pViewOld);
}

void CFrameWnd::OnActivateView(CView*, CView*) {}

CDocument* CFrameWnd::GetActiveDocument()
{
    return m_pViewActive != nullptr ? m_pViewActive->GetDocument() : nullptr;
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The active view (and through it its document) first, then the frame, then the application.
    CView* pView = GetActiveView();
    if (pView != nullptr && pView->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_hAccelTable != nullptr &&
        ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, pMsg))
        return TRUE;
    return CWnd::PreTranslateMessage(pMsg);
}

void CFrameWnd::OnClose()
{
    CWinApp* pApp = AfxGetApp();
    CDocument* pDocument = GetActiveDocument();
    HWND hWnd = m_hWnd;
    if (pDocument != nullptr) {
        if (!pDocument->CanCloseFrame(this))
            return;  // the document keeps the frame open
    } else if (pApp != nullptr && pApp->m_pMainWnd == this && !pApp->SaveAllModified()) {
        return;
    }
    // Closing the document destroys this frame (and may delete it); the end of the main window ends Run.
    if (pApp != nullptr && pApp->m_pMainWnd == this)
        pApp->CloseAllDocuments(FALSE);
    else if (pDocument != nullptr)
        pDocument->OnCloseDocument();
    if (CWnd::FromHandlePermanent(hWnd) == this)
        DestroyWindow();
}

void CFrameWnd::OnDestroy()
{
    // Views of this frame stop being active before their windows go.
    if (m_pViewActive != nullptr)
        m_pViewActive = nullptr;
    CWnd::OnDestroy();
}

void CFrameWnd::PostNcDestroy() { delete this; }

BOOL CFrameWnd::InModalState() const
{
    return m_cModalStack > 0 || (m_hWnd != nullptr && !::IsWindowEnabled(m_hWnd));
}

void CFrameWnd::EndModalState()
{
    if (m_cModalStack > 0)
        --m_cModalStack;
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI)
{
    CWnd* pBar = GetDescendantWindow(static_cast<int>(pCmdUI->m_nID), TRUE);
    if (pBar == nullptr) {
        pCmdUI->ContinueRouting();
        return;
    }
    pCmdUI->SetCheck(pBar->IsWindowVisible());
}

BOOL CFrameWnd::OnBarCheck(UINT nID)
{
    CWnd* pBar = GetDescendantWindow(static_cast<int>(nID), TRUE);
    if (pBar == nullptr)
        return FALSE;
    pBar->ShowWindow(pBar->IsWindowVisible() ? SW_HIDE : SW_SHOW);
    RecalcLayout();
    return TRUE;
}

CFrameModalScope::CFrameModalScope() : m_hWndFrame(nullptr)
{
    CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, AfxGetMainWnd());
    if (pFrame != nullptr && pFrame->m_hWnd != nullptr) {
        pFrame->BeginModalState();
        m_hWndFrame = pFrame->m_hWnd;
    }
}

CFrameModalScope::~CFrameModalScope()
{
    // The frame may have gone while the box was up: only a frame still attached is told.
    if (m_hWndFrame == nullptr)
        return;
    if (CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, CWnd::FromHandlePermanent(m_hWndFrame)))
        pFrame->EndModalState();
}
