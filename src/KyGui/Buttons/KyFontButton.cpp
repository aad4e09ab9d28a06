// KyFontButton: the font setter run when the button is subclassed.
#include "KyGui/Buttons/KyFontButton.h"

BEGIN_MESSAGE_MAP(KyFontButton, CButton)
END_MESSAGE_MAP()

KyFontButton::KyFontButton(LONG weight, bool italic)
    : FontSetter(weight, italic ? TRUE : FALSE, FALSE, FALSE, DEFAULT_CHARSET)
{
}

KyFontButton::KyFontButton(const LOGFONTA& logFont) : FontSetter(logFont) {}

KyFontButton::~KyFontButton() = default;

void KyFontButton::PreSubclassWindow()
{
    CButton::PreSubclassWindow();
    DoSetFont(*this);
}
