// CMainFrame: the status text by string id on the status timer, with the view's animation and
// the working cursor.
#include "KyReplace/Gui/Frame/MainFrame.h"

#include "KyReplace/Gui/View/KyReplaceGView.h"
#include "KyReplace/Gui/View/ReplaceViewResource.h"

#include <afxpriv.h>

void CMainFrame::SetStatus(UINT id)
{
    m_statusId = id;
    if (!m_statusTimer && m_hWnd != nullptr) {
        SetTimer(kStatusTimer, kStatusDelayMs, nullptr);
        m_statusTimer = true;
    }
}

// The idle text and "Paused" stop the animation and the working cursor;
// every other text starts them.
void CMainFrame::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kStatusTimer) {
        CFrameWnd::OnTimer(nIDEvent);
        return;
    }
    KillTimer(kStatusTimer);
    m_statusTimer = false;
    PostMessage(WM_SETMESSAGESTRING, m_statusId);
    const bool working = m_statusId != IDS_KY_REPLACE_PAUSED && m_statusId != AFX_IDS_IDLEMESSAGE;
    if (working != m_animating) {
        m_animating = working;
        if (CKyReplaceGView* view = GetReplaceView())
            view->PlayAnimation(working);
        CPoint cursor;
        ::GetCursorPos(&cursor);
        ::SetCursorPos(cursor.x, cursor.y);
    }
}
