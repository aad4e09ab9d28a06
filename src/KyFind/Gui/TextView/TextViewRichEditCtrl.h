// TextViewRichEditCtrl: the file view's read-only rich edit. It keeps its
// selection while it has no focus, takes text without the default length
// limit, and makes its view the frame's active pane when it gets the focus.
#pragma once

#include "KyGui/RichEdit/KyRichEditCtrl.h"

class TextViewRichEditCtrl : public KyRichEditCtrl {
public:
    TextViewRichEditCtrl() = default;

    // Creates the control over the view's client area.
    BOOL Create(DWORD style, const RECT& rect, CView& view, UINT id);

protected:
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    DECLARE_MESSAGE_MAP()
};
