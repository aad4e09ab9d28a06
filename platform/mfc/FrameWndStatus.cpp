// CFrameWnd's prompts, tool tips, title and idle update: message strings, menu updates and bars.
#include "AfxFrameWnd.h"

#include "AfxApp.h"
#include "AfxCmdUI.h"
#include "AfxControlBar.h"
#include "AfxDocument.h"
#include "afxpriv.h"

#include <commctrl.h>

namespace {

const UINT kFirstSystemCommand = 0xF000;
const UINT kMenuClosedFlags = 0xFFFF;
const UINT kNoCommand = static_cast<UINT>(-1);

// The part of a command's string before (index 0) or after (index 1) its '\n'.
CString StringPart(UINT nID, int index)
{
    CString full;
    if (nID == 0 || !full.LoadString(nID))
        return CString();
    int newline = full.Find('\n');
    if (index == 0)
        return newline < 0 ? full : full.Left(newline);
    return newline < 0 ? CString() : full.Mid(newline + 1);
}

}  // namespace

void CFrameWnd::GetMessageString(UINT nID, CString& rMessage) const
{
    rMessage = StringPart(nID, 0);
}

BOOL CFrameWnd::GetToolTipText(UINT nID, CString& rText) const
{
    rText = StringPart(nID, 1);
    return !rText.IsEmpty();
}

CWnd* CFrameWnd::GetMessageBar()
{
    return GetDescendantWindow(AFX_IDW_STATUS_BAR, TRUE);
}

void CFrameWnd::SetMessageText(LPCSTR lpszText)
{
    SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(lpszText));
}

void CFrameWnd::SetMessageText(UINT nID)
{
    SendMessage(WM_SETMESSAGESTRING, nID);
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    UINT nIDLast = m_nIDLastMessage;
    CWnd* pMessageBar = GetMessageBar();
    if (pMessageBar != nullptr) {
        CString strMessage;
        LPCSTR lpsz = reinterpret_cast<LPCSTR>(lParam);
        if (lpsz == nullptr && wParam != 0) {
            // Every id goes through the virtual GetMessageString, the idle message included.
            GetMessageString(static_cast<UINT>(wParam), strMessage);
            lpsz = strMessage;
        }
        pMessageBar->SetWindowText(lpsz ? lpsz : "");
    }
    m_nIDLastMessage = static_cast<UINT>(wParam);
    m_nIDTracking = static_cast<UINT>(wParam);
    return nIDLast;
}

LRESULT CFrameWnd::OnPopMessageString(WPARAM wParam, LPARAM lParam)
{
    if (wParam == 0 && lParam == 0)
        wParam = AFX_IDS_IDLEMESSAGE;
    return OnSetMessageString(wParam, lParam);
}

LRESULT CFrameWnd::OnMenuSelectMsg(WPARAM wParam, LPARAM lParam)
{
    UINT nItemID = LOWORD(wParam);
    UINT nFlags = HIWORD(wParam);
    HMENU hMenu = reinterpret_cast<HMENU>(lParam);
    if (nFlags == kMenuClosedFlags && hMenu == nullptr) {
        // The menu closed: the idle text comes back.
        m_nIDTracking = AFX_IDS_IDLEMESSAGE;
        SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
        return 0;
    }
    UINT nID = 0;
    if (!(nFlags & (MF_SEPARATOR | MF_POPUP)) && nItemID < kFirstSystemCommand)
        nID = nItemID;
    if (nID != m_nIDLastMessage || nID == 0)
        SendMessage(WM_SETMESSAGESTRING, nID);
    return 0;
}

LRESULT CFrameWnd::OnEnterIdleMsg(WPARAM wParam, LPARAM)
{
    Default();
    if (wParam == MSGF_MENU && m_nIDTracking != m_nIDLastMessage)
        SendMessage(WM_SETMESSAGESTRING, m_nIDTracking);
    return 0;
}

void CFrameWnd::OnInitMenuPopup(CMenu* pMenu, UINT, BOOL bSysMenu)
{
    if (bSysMenu || pMenu == nullptr)
        return;
    CCmdUI state;
    state.m_pMenu = pMenu;
    state.m_nIndexMax = pMenu->GetMenuItemCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = pMenu->GetMenuItemID(static_cast<int>(state.m_nIndex));
        if (state.m_nID == 0)
            continue;  // a separator
        if (state.m_nID == kNoCommand) {
            // A submenu is enabled by its first item's command.
            state.m_pSubMenu = pMenu->GetSubMenu(static_cast<int>(state.m_nIndex));
            if (state.m_pSubMenu == nullptr)
                continue;
            state.m_nID = state.m_pSubMenu->GetMenuItemID(0);
            if (state.m_nID == 0 || state.m_nID == kNoCommand)
                continue;
            state.DoUpdate(this, FALSE);
        } else {
            state.m_pSubMenu = nullptr;
            state.DoUpdate(this, m_bAutoMenuEnable && state.m_nID < kFirstSystemCommand);
        }
        // A handler may have removed items: follow the menu as it is now.
        UINT nCount = pMenu->GetMenuItemCount();
        if (nCount < state.m_nIndexMax) {
            state.m_nIndex -= state.m_nIndexMax - nCount;
            while (state.m_nIndex < nCount && pMenu->GetMenuItemID(static_cast<int>(state.m_nIndex)) == state.m_nID)
                ++state.m_nIndex;
        }
        state.m_nIndexMax = nCount;
    }
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    if (m_nIdleFlags & idleTitle) {
        m_nIdleFlags &= ~idleTitle;
        OnUpdateFrameTitle(TRUE);
    }
    if (m_nIdleFlags & idleLayout)
        RecalcLayout();
    // The bars (also those inside a rebar) bring their items up to date.
    SendMessageToDescendants(WM_IDLEUPDATECMDUI, wParam, 0, TRUE, TRUE);
    return 0;
}

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if (!(GetStyle() & FWS_ADDTOTITLE))
        return;
    CDocument* pDocument = GetActiveDocument();
    if (bAddToTitle && pDocument != nullptr)
        UpdateFrameTitleForDocument(pDocument->GetTitle());
    else
        UpdateFrameTitleForDocument(nullptr);
}

void CFrameWnd::UpdateFrameTitleForDocument(LPCSTR lpszDocName)
{
    CString title;
    if (lpszDocName == nullptr || *lpszDocName == '\0') {
        title = m_strTitle;
    } else if (GetStyle() & FWS_PREFIXTITLE) {
        title = lpszDocName;
        title += " - ";
        title += m_strTitle;
    } else {
        title = m_strTitle;
        title += " - ";
        title += lpszDocName;
    }
    CString current;
    GetWindowText(current);
    if (current != title)
        SetWindowText(title);
}

BOOL CFrameWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    // The frame's own map (and its routing) answers first; tool tips fall back to the command's string.
    if (CWnd::OnNotify(wParam, lParam, pResult))
        return TRUE;
    NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (pNMHDR->code == TTN_NEEDTEXTA || pNMHDR->code == TTN_NEEDTEXTW)
        return OnToolTipNeedText(pNMHDR, pResult);
    return FALSE;
}

BOOL CFrameWnd::OnToolTipNeedText(NMHDR* pNMHDR, LRESULT* pResult)
{
    // Both forms share the header, the text pointer and the flags' places up to the text buffer.
    bool bWide = pNMHDR->code == TTN_NEEDTEXTW;
    TOOLTIPTEXTA* pTTTA = reinterpret_cast<TOOLTIPTEXTA*>(pNMHDR);
    TOOLTIPTEXTW* pTTTW = reinterpret_cast<TOOLTIPTEXTW*>(pNMHDR);
    UINT uFlags = bWide ? pTTTW->uFlags : pTTTA->uFlags;
    UINT_PTR nID = pNMHDR->idFrom;
    if (uFlags & TTF_IDISHWND)
        nID = static_cast<UINT_PTR>(::GetDlgCtrlID(reinterpret_cast<HWND>(nID)));
    CString text;
    if (nID == 0 || !GetToolTipText(static_cast<UINT>(nID), text))
        return FALSE;
    if (bWide) {
        const int nMax = static_cast<int>(sizeof pTTTW->szText / sizeof pTTTW->szText[0]);
        CString cut = text.Left(nMax - 1);  // one character per byte at most: it fits with its end
        if (::MultiByteToWideChar(CP_ACP, 0, cut, -1, pTTTW->szText, nMax) == 0)
            pTTTW->szText[0] = L'\0';
        pTTTW->lpszText = pTTTW->szText;
        pTTTW->hinst = nullptr;
    } else {
        ::lstrcpynA(pTTTA->szText, text, static_cast<int>(sizeof pTTTA->szText));
        pTTTA->lpszText = pTTTA->szText;
        pTTTA->hinst = nullptr;
    }
    *pResult = 0;
    return TRUE;
}
