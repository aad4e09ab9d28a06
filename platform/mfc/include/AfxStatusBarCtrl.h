// CStatusBarCtrl: a thin object for the common status bar, with owner-drawn parts fed by reflection.
#pragma once

#include "AfxWnd.h"

#include <commctrl.h>

class AFX_API CStatusBarCtrl : public CWnd
{
    DECLARE_DYNAMIC(CStatusBarCtrl)
public:
    CStatusBarCtrl();
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // nType: 0, SBT_NOBORDERS, SBT_POPOUT or SBT_OWNERDRAW.
    BOOL SetText(LPCSTR lpszText, int nPane, int nType)
    { return static_cast<BOOL>(SendMessage(SB_SETTEXTA, static_cast<WPARAM>(nPane | nType), reinterpret_cast<LPARAM>(lpszText))); }
    CString GetText(int nPane, int* pType = nullptr) const;
    int GetTextLength(int nPane, int* pType = nullptr) const;
    BOOL SetParts(int nParts, int* pWidths)
    { return static_cast<BOOL>(SendMessage(SB_SETPARTS, static_cast<WPARAM>(nParts), reinterpret_cast<LPARAM>(pWidths))); }
    int GetParts(int nParts, int* pParts) const
    { return static_cast<int>(SendMessage(SB_GETPARTS, static_cast<WPARAM>(nParts), reinterpret_cast<LPARAM>(pParts))); }
    BOOL GetBorders(int* pBorders) const { return static_cast<BOOL>(SendMessage(SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(pBorders))); }
    BOOL GetRect(int nPane, LPRECT lpRect) const
    { return static_cast<BOOL>(SendMessage(SB_GETRECT, static_cast<WPARAM>(nPane), reinterpret_cast<LPARAM>(lpRect))); }
    void SetMinHeight(int nMin) { SendMessage(SB_SETMINHEIGHT, static_cast<WPARAM>(nMin)); }
    BOOL SetSimple(BOOL bSimple = TRUE) { return static_cast<BOOL>(SendMessage(SB_SIMPLE, static_cast<WPARAM>(bSimple))); }
    BOOL IsSimple() const { return static_cast<BOOL>(SendMessage(SB_ISSIMPLE)); }
    BOOL SetIcon(int nPane, HICON hIcon)
    { return static_cast<BOOL>(SendMessage(SB_SETICON, static_cast<WPARAM>(nPane), reinterpret_cast<LPARAM>(hIcon))); }
    void SetTipText(int nPane, LPCSTR pszTipText)
    { SendMessage(SB_SETTIPTEXTA, static_cast<WPARAM>(nPane), reinterpret_cast<LPARAM>(pszTipText)); }

    // Owner-drawn parts (SBT_OWNERDRAW): the parent's WM_DRAWITEM, reflected.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
