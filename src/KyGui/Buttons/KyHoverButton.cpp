// KyHoverButton: toolbar-like background and edges, and the hot image.
#include "KyGui/Buttons/KyHoverButton.h"

#include "KyStd/Win32/OsVersion.h"

#include <vssym32.h>

BEGIN_MESSAGE_MAP(KyHoverButton, KyBitmapButton)
END_MESSAGE_MAP()

KyHoverButton::KyHoverButton(int imagePos, int textPos)
    : KyHoverButton(nullptr, kNoImage, kNoImage, kNoImage, kNoImage, imagePos, textPos)
{
}

KyHoverButton::KyHoverButton(CImageList* pImageList, int normal, int active, int disabled, int hot,
                             int imagePos, int textPos)
    : KyBitmapButton(pImageList, normal, active, disabled, imagePos, textPos, true, false), m_hot(hot),
      m_toolbarTheme(L"toolbar")
{
}

KyHoverButton::~KyHoverButton() = default;

CSize KyHoverButton::GetBorderSize() const
{
    return CSize(1, 1);
}

void KyHoverButton::UpdateTheme()
{
    KyBitmapButton::UpdateTheme();
    if (Kyvant::OsVersion::AtLeastXP())
        m_toolbarTheme.Update(m_hWnd);
}

void KyHoverButton::SetImageList(CImageList* pImageList, int normal, int active, int disabled, bool redraw)
{
    SetImageList(pImageList, normal, active, disabled, kNoImage, redraw);
}

void KyHoverButton::SetImageList(CImageList* pImageList, int normal, int active, int disabled, int hot,
                                 bool redraw)
{
    m_hot = hot;
    KyBitmapButton::SetImageList(pImageList, normal, active, disabled, redraw);
}

int KyHoverButton::GetImageIndex(bool pressed, bool disabled) const
{
    if (disabled)
        return KyBitmapButton::GetImageIndex(pressed, disabled);
    if (pressed)
        return m_active >= 0 ? m_active : m_hot;
    if (m_hovering)
        return m_hot >= 0 ? m_hot : m_active;
    return m_normal;
}

void KyHoverButton::DrawBackground(CDC& dc, const DRAWITEMSTRUCT& dis)
{
    if (!m_toolbarTheme.IsOpen())
    {
        KyBitmapButton::DrawBackground(dc, dis);
        return;
    }
    int state = TS_NORMAL;
    if (dis.itemState & ODS_SELECTED)
        state = TS_PRESSED;
    else if (dis.itemState & ODS_DISABLED)
        state = TS_DISABLED;
    else if (m_hovering)
        state = TS_HOT;
    m_toolbarTheme.DrawParentBackground(m_hWnd, dc, dis.rcItem);
    m_toolbarTheme.DrawBackground(dc, TP_BUTTON, state, dis.rcItem);
}

void KyHoverButton::DrawBorder(CDC& dc, const DRAWITEMSTRUCT& dis)
{
    if (m_toolbarTheme.IsOpen())
        return;
    CRect rc(dis.rcItem);
    if (dis.itemState & ODS_SELECTED)
        dc.DrawEdge(&rc, BDR_SUNKENOUTER, BF_RECT);
    else if (m_hovering)
        dc.DrawEdge(&rc, BDR_RAISEDINNER, BF_RECT);
}
