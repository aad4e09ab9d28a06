// CDC and its paint and client forms: thin owners of a device context.
#pragma once

#include "AfxGeometry.h"
#include "AfxObject.h"

class CWnd;

class AFX_API CDC : public CObject
{
    DECLARE_DYNAMIC(CDC)
public:
    CDC();
    ~CDC() override;

    HDC m_hDC;

    // A temporary object (freed at idle) for a device context that has none.
    static CDC* FromHandle(HDC hDC);
    HDC GetSafeHdc() const;  // null for a null object
    operator HDC() const { return m_hDC; }
    BOOL Attach(HDC hDC);
    HDC Detach();

    COLORREF SetTextColor(COLORREF crColor) { return ::SetTextColor(m_hDC, crColor); }
    COLORREF SetBkColor(COLORREF crColor) { return ::SetBkColor(m_hDC, crColor); }
    int SetBkMode(int nBkMode) { return ::SetBkMode(m_hDC, nBkMode); }
    HGDIOBJ SelectObject(HGDIOBJ hObject) { return ::SelectObject(m_hDC, hObject); }
    void FillSolidRect(LPCRECT lpRect, COLORREF clr);
    int DrawText(LPCSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
    { return ::DrawTextA(m_hDC, lpszString, nCount, lpRect, nFormat); }
    BOOL TextOut(int x, int y, LPCSTR lpszString, int nCount) { return ::TextOutA(m_hDC, x, y, lpszString, nCount); }
    CSize GetTextExtent(LPCSTR lpszString, int nCount) const;
};

class AFX_API CPaintDC : public CDC
{
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;
    PAINTSTRUCT m_ps;

protected:
    HWND m_hWnd;
};

class AFX_API CClientDC : public CDC
{
public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd;
};
