// CDateTimeCtrl, CSpinButtonCtrl, CAnimateCtrl and CComboBoxEx: thin objects for these common controls.
#pragma once

#include "AfxControls.h"
#include "AfxImageList.h"

#include <commctrl.h>

class AFX_API CDateTimeCtrl : public CWnd
{
    DECLARE_DYNAMIC(CDateTimeCtrl)
public:
    CDateTimeCtrl();
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // A format string; " " shows the field blank.
    BOOL SetFormat(LPCSTR pstrFormat) { return static_cast<BOOL>(SendMessage(DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>(pstrFormat))); }
    DWORD GetTime(LPSYSTEMTIME pTimeDest) const
    { return static_cast<DWORD>(SendMessage(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(pTimeDest))); }
    BOOL SetTime(LPSYSTEMTIME pTimeNew = nullptr);  // null: no date (DTS_SHOWNONE)
    DWORD GetRange(LPSYSTEMTIME pRange) const
    { return static_cast<DWORD>(SendMessage(DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(pRange))); }
    BOOL SetRange(DWORD dwFlags, LPSYSTEMTIME pRange)
    { return static_cast<BOOL>(SendMessage(DTM_SETRANGE, dwFlags, reinterpret_cast<LPARAM>(pRange))); }
    COLORREF SetMonthCalColor(int iColor, COLORREF ref)
    { return static_cast<COLORREF>(SendMessage(DTM_SETMCCOLOR, static_cast<WPARAM>(iColor), static_cast<LPARAM>(ref))); }
};

class AFX_API CSpinButtonCtrl : public CWnd
{
    DECLARE_DYNAMIC(CSpinButtonCtrl)
public:
    CSpinButtonCtrl();
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    void SetRange(int nLower, int nUpper) { SendMessage(UDM_SETRANGE, 0, MAKELPARAM(nUpper, nLower)); }
    void GetRange(int& lower, int& upper) const;
    int SetPos(int nPos) { return static_cast<short>(LOWORD(SendMessage(UDM_SETPOS, 0, MAKELPARAM(nPos, 0)))); }
    int GetPos() const { return static_cast<int>(SendMessage(UDM_GETPOS)); }
    CWnd* SetBuddy(CWnd* pWndBuddy)
    { return CWnd::FromHandle(reinterpret_cast<HWND>(SendMessage(UDM_SETBUDDY, reinterpret_cast<WPARAM>(pWndBuddy->GetSafeHwnd())))); }
    CWnd* GetBuddy() const { return CWnd::FromHandle(reinterpret_cast<HWND>(SendMessage(UDM_GETBUDDY))); }
    int SetBase(int nBase) { return static_cast<int>(SendMessage(UDM_SETBASE, static_cast<WPARAM>(nBase))); }
    BOOL SetAccel(int nAccel, UDACCEL* pAccel)
    { return static_cast<BOOL>(SendMessage(UDM_SETACCEL, static_cast<WPARAM>(nAccel), reinterpret_cast<LPARAM>(pAccel))); }
};

class AFX_API CAnimateCtrl : public CWnd
{
    DECLARE_DYNAMIC(CAnimateCtrl)
public:
    CAnimateCtrl();
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // A clip resource ("AVI") from the first module of the resource chain that has it, or a file.
    BOOL Open(LPCSTR lpszFileName);
    BOOL Open(UINT nID);
    BOOL Close() { return static_cast<BOOL>(SendMessage(ACM_OPENA)); }
    BOOL Play(UINT nFrom, UINT nTo, UINT nRep)
    { return static_cast<BOOL>(SendMessage(ACM_PLAY, nRep, MAKELPARAM(nFrom, nTo))); }
    BOOL Stop() { return static_cast<BOOL>(SendMessage(ACM_STOP)); }
    BOOL Seek(UINT nTo) { return Play(nTo, nTo, 1); }
};

class AFX_API CComboBoxEx : public CComboBox
{
    DECLARE_DYNAMIC(CComboBoxEx)
public:
    CComboBoxEx();
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    int InsertItem(const COMBOBOXEXITEMA* pCBItem)
    { return static_cast<int>(SendMessage(CBEM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(pCBItem))); }
    int DeleteItem(int iIndex) { return static_cast<int>(SendMessage(CBEM_DELETEITEM, static_cast<WPARAM>(iIndex))); }
    BOOL GetItem(COMBOBOXEXITEMA* pCBItem) { return static_cast<BOOL>(SendMessage(CBEM_GETITEMA, 0, reinterpret_cast<LPARAM>(pCBItem))); }
    BOOL SetItem(const COMBOBOXEXITEMA* pCBItem)
    { return static_cast<BOOL>(SendMessage(CBEM_SETITEMA, 0, reinterpret_cast<LPARAM>(pCBItem))); }
    CEdit* GetEditCtrl() const { return static_cast<CEdit*>(CWnd::FromHandle(reinterpret_cast<HWND>(SendMessage(CBEM_GETEDITCONTROL)))); }
    CComboBox* GetComboBoxCtrl() const
    { return static_cast<CComboBox*>(CWnd::FromHandle(reinterpret_cast<HWND>(SendMessage(CBEM_GETCOMBOCONTROL)))); }
    CImageList* SetImageList(CImageList* pImageList);
    CImageList* GetImageList() const { return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(SendMessage(CBEM_GETIMAGELIST))); }
};
