// CView: a pane of a frame that shows its document; drawn through OnDraw, updated through OnUpdate.
#pragma once

#include "AfxWnd.h"

#define AFX_WS_DEFAULT_VIEW (WS_CHILD | WS_VISIBLE | WS_BORDER)

class CCreateContext;
class CDocument;

class AFX_API CView : public CWnd
{
    DECLARE_DYNAMIC(CView)
public:
    ~CView() override;  // leaves its document's list of views

    CDocument* GetDocument() const { return m_pDocument; }

    // After the document's OnNewDocument: calls OnUpdate(nullptr, 0, nullptr).
    virtual void OnInitialUpdate();
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    virtual void OnDraw(CDC* pDC) = 0;
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
    virtual void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd);

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    CView();
    CDocument* m_pDocument;

    // Joins the context's document; called once the window exists.
    void AttachToContext(CCreateContext* pContext);
    void PostNcDestroy() override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPaint();
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg LRESULT OnInitialUpdateMsg(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    friend class CDocument;
    friend class CFormView;
};
