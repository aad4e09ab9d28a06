// CFrameWnd: the main frame of a single-document program: bars, views, routing, prompts and title.
#pragma once

#include "AfxWnd.h"
#include "afxres.h"

class CCmdUI;
class CCreateContext;
class CDocument;
class CView;

// Frame styles kept in the window style.
#define FWS_ADDTOTITLE 0x00008000L
#define FWS_PREFIXTITLE 0x00040000L
#define FWS_SNAPTOBARS 0x00020000L

class AFX_API CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)
public:
    CFrameWnd();
    ~CFrameWnd() override;

    static const CRect rectDefault;

    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, LPCSTR lpszMenuName = nullptr,
                DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);
    // Title, menu, accelerators and icon from the one resource id.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);

    // Bars along the edges, the pane with AFX_IDW_PANE_FIRST in what is left.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    virtual void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    virtual void ActivateFrame(int nCmdShow = -1);

    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    virtual CDocument* GetActiveDocument();

    // Status prompts: the text of a command's string before '\n'.
    virtual void GetMessageString(UINT nID, CString& rMessage) const;
    virtual CWnd* GetMessageBar();
    void SetMessageText(LPCSTR lpszText);
    void SetMessageText(UINT nID);

    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    void UpdateFrameTitleForDocument(LPCSTR lpszDocName);
    void DelayUpdateFrameTitle() { m_nIdleFlags |= idleTitle; }
    CString GetTitle() const { return m_strTitle; }
    void SetTitle(LPCSTR lpszTitle) { m_strTitle = lpszTitle; }

    // True while a modal dialog or message box of the frame runs.
    BOOL InModalState() const;
    void BeginModalState() { ++m_cModalStack; }
    void EndModalState();

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    HACCEL m_hAccelTable;
    HMENU m_hMenuDefault;
    BOOL m_bAutoMenuEnable;  // menu items without a handler are disabled
    UINT m_nIDHelp;
    UINT m_nIDTracking;      // the prompt being shown
    UINT m_nIDLastMessage;

protected:
    enum IdleFlags { idleMenu = 1, idleTitle = 2, idleNotify = 4, idleLayout = 8 };

    CView* m_pViewActive;
    CString m_strTitle;
    int m_nIdleFlags;
    int m_cModalStack;

    virtual void OnActivateView(CView* pNewView, CView* pOldView);
    // The text of a tool tip: the part of the command's string after '\n'.
    virtual BOOL GetToolTipText(UINT nID, CString& rText) const;
    void PostNcDestroy() override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnClose();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg LRESULT OnMenuSelectMsg(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPopMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnEnterIdleMsg(WPARAM wParam, LPARAM lParam);
    afx_msg void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
    afx_msg BOOL OnBarCheck(UINT nID);
    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateClientAndBars(LPCREATESTRUCT lpcs);
    BOOL OnToolTipNeedText(NMHDR* pNMHDR, LRESULT* pResult);
};

// The frame's modal state around one message box or modal loop of the layer.
class AFX_API CFrameModalScope
{
public:
    CFrameModalScope();
    ~CFrameModalScope();
    CFrameModalScope(const CFrameModalScope&) = delete;
    CFrameModalScope& operator=(const CFrameModalScope&) = delete;

private:
    HWND m_hWndFrame;
};
