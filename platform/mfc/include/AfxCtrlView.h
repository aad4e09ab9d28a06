// CCtrlView and CListView: views that are system controls (a list view in report or other modes).
#pragma once

#include "AfxListCtrl.h"
#include "AfxView.h"

class AFX_API CCtrlView : public CView
{
    DECLARE_DYNAMIC(CCtrlView)
public:
    CCtrlView(LPCSTR lpszClass, DWORD dwStyle);
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void OnDraw(CDC* pDC) override;

protected:
    CString m_strClass;
    DWORD m_dwDefaultStyle;

    afx_msg void OnPaint();  // the control paints itself
    DECLARE_MESSAGE_MAP()
};

class AFX_API CListView : public CCtrlView
{
    DECLARE_DYNCREATE(CListView)
public:
    CListView();
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // The list view control this view is.
    CListCtrl& GetListCtrl() const { return *reinterpret_cast<CListCtrl*>(const_cast<CListView*>(this)); }
};
