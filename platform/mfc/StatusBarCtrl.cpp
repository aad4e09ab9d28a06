// CStatusBarCtrl: creation, pane texts and reflected owner drawing.
#include "AfxStatusBarCtrl.h"

#include "AfxCommonInit.h"

IMPLEMENT_DYNAMIC(CStatusBarCtrl, CWnd)

CStatusBarCtrl::CStatusBarCtrl() = default;

BOOL CStatusBarCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    AfxInitCommonControl(ICC_BAR_CLASSES);
    return CWnd::Create(STATUSCLASSNAMEA, nullptr, dwStyle, rect, pParentWnd, nID);
}

int CStatusBarCtrl::GetTextLength(int nPane, int* pType) const
{
    DWORD result = static_cast<DWORD>(SendMessage(SB_GETTEXTLENGTHA, static_cast<WPARAM>(nPane)));
    if (pType != nullptr)
        *pType = HIWORD(result);
    return LOWORD(result);
}

CString CStatusBarCtrl::GetText(int nPane, int* pType) const
{
    int n = GetTextLength(nPane, pType);
    CString text;
    DWORD result = static_cast<DWORD>(
        SendMessage(SB_GETTEXTA, static_cast<WPARAM>(nPane), reinterpret_cast<LPARAM>(text.GetBufferSetLength(n))));
    text.ReleaseBuffer(LOWORD(result));
    return text;
}

void CStatusBarCtrl::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CStatusBarCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_DRAWITEM) {
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        return TRUE;
    }
    return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}
