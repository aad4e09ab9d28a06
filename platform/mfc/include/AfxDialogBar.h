// CDialogBar: a bar that is a child dialog from a template; its controls follow their update handlers.
#pragma once

#include "AfxControlBar.h"

class AFX_API CDialogBar : public CControlBar
{
    DECLARE_DYNAMIC(CDialogBar)
public:
    CDialogBar();
    ~CDialogBar() override;

    BOOL Create(CWnd* pParentWnd, LPCSTR lpszTemplateName, UINT nStyle, UINT nID);
    BOOL Create(CWnd* pParentWnd, UINT nIDTemplate, UINT nStyle, UINT nID)
    { return Create(pParentWnd, MAKEINTRESOURCEA(nIDTemplate), nStyle, nID); }

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    CSize m_sizeDefault;  // the template's size
};
