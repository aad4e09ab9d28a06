// GdiEx::MemoryDC: an off-screen bitmap standing in for a rectangle of a target DC.
#include "KyGui/Helpers/GdiEx.h"

namespace Kyvant {
namespace GdiEx {

MemoryDC::MemoryDC(CDC& target) : m_target(nullptr), m_copied(false), m_oldBitmap(nullptr)
{
    Init(target.m_hDC, nullptr);
}

MemoryDC::MemoryDC(CDC& target, const RECT& rect) : m_target(nullptr), m_copied(false), m_oldBitmap(nullptr)
{
    Init(target.m_hDC, &rect);
}

MemoryDC::MemoryDC(HDC target) : m_target(nullptr), m_copied(false), m_oldBitmap(nullptr)
{
    Init(target, nullptr);
}

MemoryDC::MemoryDC(HDC target, const RECT& rect) : m_target(nullptr), m_copied(false), m_oldBitmap(nullptr)
{
    Init(target, &rect);
}

void MemoryDC::Init(HDC target, const RECT* rect)
{
    m_target = target;
    if (rect != nullptr)
        m_rect = *rect;
    else
        ::GetClipBox(target, &m_rect);
    m_rect.NormalizeRect();
    HDC memory = ::CreateCompatibleDC(target);
    if (memory == nullptr)
        AfxThrowResourceException();
    Attach(memory);
    // An empty rectangle still gets a (1 by 1) bitmap, so that drawing has somewhere to go.
    HBITMAP bitmap = ::CreateCompatibleBitmap(target, m_rect.Width() > 0 ? m_rect.Width() : 1,
                                              m_rect.Height() > 0 ? m_rect.Height() : 1);
    if (bitmap == nullptr)
        AfxThrowResourceException();
    m_bitmap.Attach(bitmap);
    m_oldBitmap = ::SelectObject(m_hDC, bitmap);
    ::SetWindowOrgEx(m_hDC, m_rect.left, m_rect.top, nullptr);
    ::SetBrushOrgEx(m_hDC, m_rect.left, m_rect.top, nullptr);
}

MemoryDC::~MemoryDC()
{
    Copy();
    ::SelectObject(m_hDC, m_oldBitmap);
    m_bitmap.DeleteObject();
}

void MemoryDC::Copy()
{
    if (m_copied)
        return;
    m_copied = true;
    if (m_rect.IsRectEmpty())
        return;
    ::BitBlt(m_target, m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), m_hDC, m_rect.left, m_rect.top,
             SRCCOPY);
}

BOOL MemoryDC::PtVisible(int x, int y) const { return ::PtVisible(m_hDC, x, y); }

BOOL MemoryDC::RectVisible(LPCRECT lpRect) const { return ::RectVisible(m_hDC, lpRect); }

BOOL MemoryDC::TextOut(int x, int y, LPCSTR lpszString, int nCount)
{
    return ::TextOutA(m_hDC, x, y, lpszString, nCount);
}

BOOL MemoryDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCSTR lpszString, UINT nCount,
                          LPINT lpDxWidths)
{
    return ::ExtTextOutA(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
}

CSize MemoryDC::TabbedTextOut(int x, int y, LPCSTR lpszString, int nCount, int nTabPositions,
                              LPINT lpnTabStopPositions, int nTabOrigin)
{
    LONG extent = ::TabbedTextOutA(m_hDC, x, y, lpszString, nCount, nTabPositions, lpnTabStopPositions,
                                   nTabOrigin);
    return CSize(LOWORD(extent), HIWORD(extent));
}

int MemoryDC::DrawText(LPCSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
{
    return ::DrawTextA(m_hDC, lpszString, nCount, lpRect, nFormat);
}

BOOL MemoryDC::GrayString(CBrush* pBrush, BOOL(CALLBACK* lpfnOutput)(HDC, LPARAM, int), LPARAM lpData,
                          int nCount, int x, int y, int nWidth, int nHeight)
{
    HBRUSH brush = pBrush != nullptr ? static_cast<HBRUSH>(pBrush->GetSafeHandle()) : nullptr;
    return ::GrayStringA(m_hDC, brush, lpfnOutput, lpData, nCount, x, y, nWidth, nHeight);
}

int MemoryDC::Escape(int nEscape, int nCount, LPCSTR lpszInData, LPVOID lpOutData)
{
    return ::Escape(m_hDC, nEscape, nCount, lpszInData, lpOutData);
}

} // namespace GdiEx
} // namespace Kyvant
