// CFormView: a view that is a child dialog from a template, with dialog navigation between its controls.
#pragma once

#include "AfxView.h"

class AFX_API CFormView : public CView
{
    DECLARE_DYNAMIC(CFormView)
public:
    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                UINT nID, void* pContext = nullptr) override;
    void OnInitialUpdate() override;  // UpdateData(FALSE)
    void OnDraw(CDC* pDC) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Sizes the parent frame so this view shows its whole template; shrinking only by default.
    void ResizeParentToFit(BOOL bShrinkOnly = TRUE);
    CSize GetTemplateSize() const { return m_sizeTemplate; }

protected:
    explicit CFormView(UINT nIDTemplate);
    explicit CFormView(LPCSTR lpszTemplateName);

    LPCSTR m_lpszTemplateName;
    CSize m_sizeTemplate;  // the dialog's size in pixels when it was made

    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};
