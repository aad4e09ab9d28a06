// The window procedure of the layer and the dispatch of window messages through message maps.
#include "AfxWnd.h"

#include "AfxControls.h"
#include "AfxException.h"
#include "AfxHandleMap.h"

#pragma GCC diagnostic ignored "-Wcast-function-type"

namespace {

// The message being handled, restored when its handling ends.
class CurrentMessageScope
{
public:
    CurrentMessageScope(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
        : m_saved(AfxThread().lastSentMsg)
    {
        MSG& msg = AfxThread().lastSentMsg;
        msg.hwnd = hWnd;
        msg.message = nMsg;
        msg.wParam = wParam;
        msg.lParam = lParam;
    }
    ~CurrentMessageScope() { AfxThread().lastSentMsg = m_saved; }
    CurrentMessageScope(const CurrentMessageScope&) = delete;
    CurrentMessageScope& operator=(const CurrentMessageScope&) = delete;

private:
    MSG m_saved;
};

LRESULT ReportCurrentException(const MSG* pMsg)
{
    try {
        CException* e = AfxExceptionFromCurrent();
        LRESULT lResult = AfxProcessWndProcException(e, pMsg);
        e->Delete();
        return lResult;
    } catch (...) {
        return 0;  // reporting itself failed: nothing more can be done here
    }
}

template <class F>
F As(AFX_PMSG pfn)
{
    return reinterpret_cast<F>(pfn);
}

CPoint PointOf(LPARAM lParam)
{
    return CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
}

const AFX_MSGMAP_ENTRY* FindRegistered(const AFX_MSGMAP_ENTRY* lpEntry, UINT message)
{
    for (; lpEntry->nSig != AfxSig_end; ++lpEntry) {
        if (lpEntry->nMessage == AFX_REGISTERED_MESSAGE && lpEntry->pnRegistered != nullptr &&
            *lpEntry->pnRegistered == message)
            return lpEntry;
    }
    return nullptr;
}

}  // namespace

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    try {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd == nullptr)
            return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
        return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CurrentMessageScope scope(hWnd, nMsg, wParam, lParam);
    MSG msg = { hWnd, nMsg, wParam, lParam, 0, { 0, 0 } };
    LRESULT lResult = 0;
    try {
        lResult = pWnd->WindowProc(nMsg, wParam, lParam);
    } catch (...) {
        lResult = ReportCurrentException(&msg);
    }
    // A handler of WM_NCDESTROY that did not call the base still detaches the object.
    if (nMsg == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == pWnd) {
        try {
            pWnd->FinishNcDestroy();
        } catch (...) {
            ReportCurrentException(&msg);
        }
    }
    return lResult;
}

const MSG* CWnd::GetCurrentMessage() { return &AfxThread().lastSentMsg; }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG* pMsg = GetCurrentMessage();
    return DefWindowProc(pMsg->message, pMsg->wParam, pMsg->lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    BOOL bHandled = FALSE;
    if (message == WM_COMMAND) {
        bHandled = OnCommand(wParam, lParam);
        lResult = bHandled;
    } else if (message == WM_NOTIFY) {
        NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        bHandled = pNMHDR != nullptr && pNMHDR->hwndFrom != nullptr && OnNotify(wParam, lParam, &lResult);
    } else {
        UINT lookup = message;
        if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
            lookup = WM_CTLCOLOR;
        for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != nullptr && !bHandled;
             pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
            const AFX_MSGMAP_ENTRY* lpEntry = lookup < AFX_REGISTERED_MESSAGE
                                                  ? AfxFindMessageEntry(pMap->pfnGetEntries(), lookup, 0, 0)
                                                  : FindRegistered(pMap->pfnGetEntries(), message);
            if (lpEntry == nullptr)
                continue;
            if (!DispatchBySignature(lpEntry, message, wParam, lParam, &lResult))
                return FALSE;
            bHandled = TRUE;
        }
    }
    if (bHandled && pResult != nullptr)
        *pResult = lResult;
    return bHandled;
}

BOOL CWnd::DispatchBySignature(const AFX_MSGMAP_ENTRY* lpEntry, UINT message, WPARAM wParam, LPARAM lParam,
                               LRESULT* pResult)
{
    AFX_PMSG pfn = lpEntry->pfn;
    LRESULT& r = *pResult;
    switch (lpEntry->nSig) {
    case AfxSig_vv:
        (this->*As<void (CWnd::*)()>(pfn))();
        break;
    case AfxSig_bv:
        r = (this->*As<BOOL (CWnd::*)()>(pfn))();
        break;
    case AfxSig_lwl:
        r = (this->*As<LRESULT (CWnd::*)(WPARAM, LPARAM)>(pfn))(wParam, lParam);
        break;
    case AfxSig_is:
        r = (this->*As<int (CWnd::*)(LPCREATESTRUCT)>(pfn))(reinterpret_cast<LPCREATESTRUCT>(lParam));
        break;
    case AfxSig_vwii:
        (this->*As<void (CWnd::*)(UINT, int, int)>(pfn))(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_bD:
        r = (this->*As<BOOL (CWnd::*)(CDC*)>(pfn))(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
        break;
    case AfxSig_vwp:
        (this->*As<void (CWnd::*)(UINT, CPoint)>(pfn))(static_cast<UINT>(wParam), PointOf(lParam));
        break;
    case AfxSig_vwww:
        (this->*As<void (CWnd::*)(UINT, UINT, UINT)>(pfn))(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_vW:
        (this->*As<void (CWnd::*)(CWnd*)>(pfn))(FromHandle(reinterpret_cast<HWND>(wParam)));
        break;
    case AfxSig_vWp:
        (this->*As<void (CWnd::*)(CWnd*, CPoint)>(pfn))(FromHandle(reinterpret_cast<HWND>(wParam)), PointOf(lParam));
        break;
    case AfxSig_bHELPINFO:
        r = (this->*As<BOOL (CWnd::*)(HELPINFO*)>(pfn))(reinterpret_cast<HELPINFO*>(lParam));
        break;
    case AfxSig_vMwb:
        (this->*As<void (CWnd::*)(CMenu*, UINT, BOOL)>(pfn))(CMenu::FromHandle(reinterpret_cast<HMENU>(wParam)),
                                                            LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_wv:
        r = (this->*As<UINT (CWnd::*)()>(pfn))();
        break;
    case AfxSig_bWww:
        r = (this->*As<BOOL (CWnd::*)(CWnd*, UINT, UINT)>(pfn))(FromHandle(reinterpret_cast<HWND>(wParam)),
                                                              LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_iWww:
        r = (this->*As<int (CWnd::*)(CWnd*, UINT, UINT)>(pfn))(FromHandle(reinterpret_cast<HWND>(wParam)),
                                                             LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_bwsp:
        r = (this->*As<BOOL (CWnd::*)(UINT, short, CPoint)>(pfn))(LOWORD(wParam), static_cast<short>(HIWORD(wParam)),
                                                                PointOf(lParam));
        break;
    case AfxSig_vwwS:
        (this->*As<void (CWnd::*)(UINT, UINT, CScrollBar*)>(pfn))(
            LOWORD(wParam), HIWORD(wParam), static_cast<CScrollBar*>(FromHandle(reinterpret_cast<HWND>(lParam))));
        break;
    case AfxSig_wp:
        // Hit-test codes are signed (HTTRANSPARENT, HTERROR): the result widens with its sign.
        r = static_cast<int>((this->*As<UINT (CWnd::*)(CPoint)>(pfn))(PointOf(lParam)));
        break;
    case AfxSig_hDWw:
        r = reinterpret_cast<LRESULT>((this->*As<HBRUSH (CWnd::*)(CDC*, CWnd*, UINT)>(pfn))(
            CDC::FromHandle(reinterpret_cast<HDC>(wParam)), FromHandle(reinterpret_cast<HWND>(lParam)),
            message - WM_CTLCOLORMSGBOX));
        break;
    case AfxSig_hDw: {
        const AFX_CTLCOLOR* pCtl = reinterpret_cast<const AFX_CTLCOLOR*>(lParam);
        HBRUSH hbr = (this->*As<HBRUSH (CWnd::*)(CDC*, UINT)>(pfn))(CDC::FromHandle(pCtl->hDC), pCtl->nCtlType);
        if (hbr == nullptr)
            return FALSE;  // the parent colours the control
        r = reinterpret_cast<LRESULT>(hbr);
        break;
    }
    case AfxSig_vDRAWITEM:
        (this->*As<void (CWnd::*)(int, LPDRAWITEMSTRUCT)>(pfn))(static_cast<int>(wParam),
                                                               reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        r = TRUE;
        break;
    case AfxSig_vMEASUREITEM:
        (this->*As<void (CWnd::*)(int, LPMEASUREITEMSTRUCT)>(pfn))(static_cast<int>(wParam),
                                                                  reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        r = TRUE;
        break;
    case AfxSig_iCOMPAREITEM:
        r = (this->*As<int (CWnd::*)(int, LPCOMPAREITEMSTRUCT)>(pfn))(static_cast<int>(wParam),
                                                                     reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
        break;
    case AfxSig_vDELETEITEM:
        (this->*As<void (CWnd::*)(int, LPDELETEITEMSTRUCT)>(pfn))(static_cast<int>(wParam),
                                                                 reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
        r = TRUE;
        break;
    case AfxSig_vwl:
        (this->*As<void (CWnd::*)(UINT, LPARAM)>(pfn))(static_cast<UINT>(wParam), lParam);
        break;
    case AfxSig_lwwM:
        r = (this->*As<LRESULT (CWnd::*)(UINT, UINT, CMenu*)>(pfn))(LOWORD(wParam), HIWORD(wParam),
                                                                   CMenu::FromHandle(reinterpret_cast<HMENU>(lParam)));
        break;
    case AfxSig_vbw:
        (this->*As<void (CWnd::*)(BOOL, UINT)>(pfn))(static_cast<BOOL>(wParam), static_cast<UINT>(lParam));
        break;
    case AfxSig_vwWb:
        (this->*As<void (CWnd::*)(UINT, CWnd*, BOOL)>(pfn))(LOWORD(wParam), FromHandle(reinterpret_cast<HWND>(lParam)),
                                                           HIWORD(wParam));
        break;
    case AfxSig_vw_timer:
        (this->*As<void (CWnd::*)(UINT_PTR)>(pfn))(static_cast<UINT_PTR>(wParam));
        break;
    default:
        return FALSE;
    }
    return TRUE;
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

BOOL CWnd::PreTranslateInput(LPMSG lpMsg)
{
    bool key = lpMsg->message >= WM_KEYFIRST && lpMsg->message <= WM_KEYLAST;
    bool mouse = lpMsg->message >= WM_MOUSEFIRST && lpMsg->message <= WM_MOUSELAST;
    if (!key && !mouse)
        return FALSE;
    return IsDialogMessage(lpMsg);
}
