// KyFontButton: the font it makes from its parent's or from a stored LOGFONT.
#include "KyGui/Buttons/KyFontButton.h"

BEGIN_MESSAGE_MAP(KyFontButton, CButton)
END_MESSAGE_MAP()

KyFontButton::KyFontButton(LONG weight, bool italic)
    : m_logFont(), m_haveLogFont(false), m_weight(weight), m_italic(italic)
{
}

KyFontButton::KyFontButton(const LOGFONTA& logFont)
    : m_logFont(logFont), m_haveLogFont(true), m_weight(logFont.lfWeight), m_italic(logFont.lfItalic != 0)
{
}

KyFontButton::~KyFontButton() = default;

void KyFontButton::PreSubclassWindow()
{
    CButton::PreSubclassWindow();
    DoSetFont(*this);
}

void KyFontButton::DoSetFont(CWnd& wnd)
{
    LOGFONTA lf = m_logFont;
    if (!m_haveLogFont)
    {
        CWnd* pParent = wnd.GetParent();
        HFONT parentFont = pParent ? pParent->GetFont() : nullptr;
        if (!parentFont || !::GetObjectA(parentFont, sizeof lf, &lf))
            return;
        lf.lfWeight = m_weight;
        lf.lfItalic = m_italic ? TRUE : FALSE;
    }
    m_font.DeleteObject();
    if (m_font.CreateFontIndirect(&lf))
        wnd.SetFont(static_cast<HFONT>(m_font.GetSafeHandle()), TRUE);
}
