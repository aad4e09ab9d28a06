// KyColorStaticWnd: the window-coloured static text with its own font copy.
#include "KyGuiTool/Controls/KyColorStaticWnd.h"

BEGIN_MESSAGE_MAP(KyColorStaticWnd, CStatic)
ON_WM_CTLCOLOR_REFLECT()
ON_MESSAGE(WM_SYSCOLORCHANGE, OnSysColorChange)
END_MESSAGE_MAP()

KyColorStaticWnd::KyColorStaticWnd() : m_color(CLR_INVALID) {}

KyColorStaticWnd::~KyColorStaticWnd() {}

void KyColorStaticWnd::SetFontCopy(CFont* font, bool redraw)
{
    CFont copy;
    LOGFONTA logFont;
    if (font != nullptr && font->GetSafeHandle() != nullptr &&
        ::GetObjectA(font->GetSafeHandle(), sizeof logFont, &logFont) == sizeof logFont)
        copy.CreateFontIndirect(&logFont);
    SetFont(static_cast<HFONT>(copy.GetSafeHandle()), redraw);
    // The window holds the new font before the old copy goes.
    m_font.DeleteObject();
    m_font.Attach(copy.Detach());
}

void KyColorStaticWnd::SetColor()
{
    const COLORREF color = ::GetSysColor(COLOR_WINDOW);
    if (color == m_color && m_brush.GetSafeHandle() != nullptr)
        return;
    CBrush brush;
    if (!brush.CreateSolidBrush(color))
        return;
    m_brush.DeleteObject();
    m_brush.Attach(brush.Detach());
    m_color = color;
    if (m_hWnd != nullptr)
        Invalidate();
}

HBRUSH KyColorStaticWnd::CtlColor(CDC* pDC, UINT)
{
    if (m_brush.GetSafeHandle() == nullptr)
        SetColor();
    pDC->SetBkColor(m_color);
    return static_cast<HBRUSH>(m_brush.GetSafeHandle());
}

LRESULT KyColorStaticWnd::OnSysColorChange(WPARAM, LPARAM)
{
    SetColor();
    return Default();
}
