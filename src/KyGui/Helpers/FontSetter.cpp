// WndEx::FontSetter: a font made for a window from a stored LOGFONT or from its parent's font.
#include "KyGui/Helpers/WndEx.h"

namespace Kyvant {
namespace WndEx {

FontSetter::FontSetter(const LOGFONTA& logFont) : m_whole(true), m_logFont(logFont) {}

FontSetter::FontSetter(LONG weight, BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet)
    : m_whole(false), m_logFont()
{
    m_logFont.lfWeight = weight;
    m_logFont.lfItalic = italic;
    m_logFont.lfUnderline = underline;
    m_logFont.lfStrikeOut = strikeOut;
    m_logFont.lfCharSet = charSet;
}

FontSetter::~FontSetter() = default;

void FontSetter::DoSetFont(CWnd& window)
{
    LOGFONTA logFont = m_logFont;
    if (!m_whole) {
        HWND parent = ::GetParent(window.m_hWnd);
        HFONT parentFont =
            parent != nullptr ? reinterpret_cast<HFONT>(::SendMessageA(parent, WM_GETFONT, 0, 0)) : nullptr;
        if (parentFont == nullptr || ::GetObjectA(parentFont, sizeof(logFont), &logFont) == 0)
            return;
        logFont.lfWeight = m_logFont.lfWeight;
        logFont.lfItalic = m_logFont.lfItalic;
        logFont.lfUnderline = m_logFont.lfUnderline;
        logFont.lfStrikeOut = m_logFont.lfStrikeOut;
        logFont.lfCharSet = m_logFont.lfCharSet;
    }
    HFONT font = ::CreateFontIndirectA(&logFont);
    if (font == nullptr)
        AfxThrowResourceException();
    // The window lets go of the old font before it is deleted.
    window.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    m_font.DeleteObject();
    m_font.Attach(font);
}

} // namespace WndEx
} // namespace Kyvant
