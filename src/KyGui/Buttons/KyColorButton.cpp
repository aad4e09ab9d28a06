// KyColorButton: the swatch, the "Auto" text and choosing the colour.
#include "KyGui/Buttons/KyColorButton.h"

#include "KyGui/Buttons/ButtonsResource.h"

#include <afxdlgs.h>

namespace {

constexpr int kAutoTextEdge = 4;  // "Auto" ends this far in from the contents' right edge
constexpr int kSwatchGap = 4;     // the swatch ends this far left of the text

} // namespace

BEGIN_MESSAGE_MAP(KyColorButton, KyOdButton)
    ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

KyColorButton::KyColorButton(COLORREF color, COLORREF automaticColor)
    : m_color(color), m_automaticColor(automaticColor)
{
}

KyColorButton::~KyColorButton() = default;

void KyColorButton::PreSubclassWindow()
{
    KyOdButton::PreSubclassWindow();
    CString text;
    text.LoadString(IDS_KY_COLOR_AUTO);
    SetWindowText(text);
}

void KyColorButton::SetColor(COLORREF color, bool redraw)
{
    if (color == m_color)
        return;
    m_color = color;
    if (m_hWnd && redraw)
        Invalidate();
}

CRect KyColorButton::GetTextRect(const CSize& textSize) const
{
    CRect rc = KyOdButton::GetTextRect(textSize);
    if (!IsAutomatic())
        return rc;
    const CRect contents = GetContentsRect();
    rc.right = contents.right - kAutoTextEdge;
    rc.left = rc.right - textSize.cx;
    return rc;
}

void KyColorButton::DrawContents(CDC& dc, const DRAWITEMSTRUCT& dis)
{
    CRect swatch = GetContentsRect();
    if (dis.itemState & ODS_SELECTED)
        AdjustSelectedRect(swatch);
    COLORREF fill = m_color;
    if (IsAutomatic())
    {
        CRect text;
        DrawTextA(dc, dis, &text);
        if (!text.IsRectEmpty())
            swatch.right = text.left - kSwatchGap;
        fill = m_automaticColor;
    }
    CBrush brush(fill);
    CBrush* pOld = dc.SelectObject(&brush);
    dc.Rectangle(&swatch);
    dc.SelectObject(pOld);
    DrawFocus(dc, dis);
}

void KyColorButton::OnClicked()
{
    if (::GetKeyState(VK_SHIFT) & 0x8000)
    {
        SetColor(kAutomatic);
        return;
    }
    CColorDialog dialog(IsAutomatic() ? m_automaticColor : m_color);
    if (dialog.DoModal() == IDOK)
        SetColor(dialog.GetColor());
}
