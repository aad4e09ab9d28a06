// The file view's rich edit.
#include "KyFind/Gui/TextView/TextViewRichEditCtrl.h"

#include <afxext.h>

BEGIN_MESSAGE_MAP(TextViewRichEditCtrl, KyRichEditCtrl)
ON_WM_SETFOCUS()
END_MESSAGE_MAP()

// The scroll bars stay hidden until text arrives.
BOOL TextViewRichEditCtrl::Create(DWORD style, const RECT& rect, CView& view, UINT id)
{
    if (!KyRichEditCtrl::Create(style, rect, &view, id))
        return FALSE;
    SetOptions(ECOOP_OR, ECO_SAVESEL);
    LimitText(0);
    ::ShowScrollBar(m_hWnd, SB_BOTH, FALSE);
    return TRUE;
}

void TextViewRichEditCtrl::OnSetFocus(CWnd* pOldWnd)
{
    KyRichEditCtrl::OnSetFocus(pOldWnd);
    CView* view = DYNAMIC_DOWNCAST(CView, GetParent());
    CFrameWnd* frame = GetParentFrame();
    if (view != nullptr && frame != nullptr)
        frame->SetActiveView(view, FALSE);
}
