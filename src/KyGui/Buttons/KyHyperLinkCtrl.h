// KyHyperLinkCtrl: a static text shown as a link (underlined blue text, hand
// cursor) that opens its text through the shell when clicked.
#pragma once

#include "KyGui/KyGuiExport.h"

#include <afxwin.h>

class KYGUI_API KyHyperLinkCtrl : public CStatic
{
public:
    static constexpr COLORREF kLinkColor = RGB(0, 0, 255);

    KyHyperLinkCtrl();
    ~KyHyperLinkCtrl() override;

protected:
    void PreSubclassWindow() override;
    void FitToText(HFONT font);
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnClicked();
    DECLARE_MESSAGE_MAP()

    CFont m_font;
    HCURSOR m_cursor;
};
