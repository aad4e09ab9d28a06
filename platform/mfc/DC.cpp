// CDC, CPaintDC and CClientDC: attaching device contexts and the few drawing calls of the layer.
#include "AfxDC.h"

#include "AfxHandleMap.h"
#include "AfxWnd.h"

IMPLEMENT_DYNAMIC(CDC, CObject)

AfxHandleMap<CDC, HDC, &CDC::m_hDC>& AfxDCMap()
{
    static AfxHandleMap<CDC, HDC, &CDC::m_hDC> map;
    return map;
}

CDC::CDC() : m_hDC(nullptr) {}
CDC::~CDC() = default;

CDC* CDC::FromHandle(HDC hDC) { return AfxDCMap().FromHandle(hDC); }

HDC CDC::GetSafeHdc() const { return reinterpret_cast<ULONG_PTR>(this) == 0 ? nullptr : m_hDC; }

BOOL CDC::Attach(HDC hDC)
{
    if (hDC == nullptr || m_hDC != nullptr)
        return FALSE;
    m_hDC = hDC;
    return TRUE;
}

HDC CDC::Detach()
{
    HDC hDC = m_hDC;
    m_hDC = nullptr;
    return hDC;
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    COLORREF old = ::SetBkColor(m_hDC, clr);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, old);
}

CSize CDC::GetTextExtent(LPCSTR lpszString, int nCount) const
{
    SIZE size = { 0, 0 };
    ::GetTextExtentPoint32A(m_hDC, lpszString, nCount, &size);
    return CSize(size);
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_ps(), m_hWnd(pWnd->m_hWnd)
{
    Attach(::BeginPaint(m_hWnd, &m_ps));
}

CPaintDC::~CPaintDC()
{
    Detach();
    ::EndPaint(m_hWnd, &m_ps);
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd())
{
    Attach(::GetDC(m_hWnd));
}

CClientDC::~CClientDC()
{
    ::ReleaseDC(m_hWnd, Detach());
}
