// KyRichEditCtrl: options, the nested selection hiding, text colour, word wrap, tab
// stops and the font.
#include "KyGui/RichEdit/KyRichEditCtrl.h"

#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace {

constexpr int kTwipsPerInch = 1440;
constexpr int kBoldWeight = 700;
constexpr LONG kNoWrapLineWidth = 1; // EM_SETTARGETDEVICE: 0 wraps at the window, 1 never
constexpr LONG kWrapLineWidth = 0;
constexpr LONG kMaxTabPosition = 0x00FFFFFF; // the high byte of a tab stop carries its kind
// Size, colour, face, offset, character set, bold, italic, underline, strike-out, protected.
constexpr DWORD kFontMask = CFM_SIZE | CFM_COLOR | CFM_FACE | CFM_OFFSET | CFM_CHARSET | CFM_BOLD |
                            CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_PROTECTED;

LOGFONTA LogFontOf(CFont& font, const char* caller)
{
    LOGFONTA logFont = {};
    if (font.GetSafeHandle() == nullptr ||
        ::GetObjectA(font.GetSafeHandle(), sizeof logFont, &logFont) != sizeof logFont)
        throw std::invalid_argument(std::string(caller) + ": no font");
    return logFont;
}

} // namespace

KyRichEditCtrl::KyRichEditCtrl() : m_hideCount(0), m_wordWrap(false) {}

KyRichEditCtrl::~KyRichEditCtrl() = default;

bool KyRichEditCtrl::Empty() const
{
    return GetLineCount() <= 1 && LineLength(0) == 0;
}

DWORD KyRichEditCtrl::GetOptions() const
{
    return static_cast<DWORD>(SendMessage(EM_GETOPTIONS));
}

bool KyRichEditCtrl::IsReadOnly() const
{
    return (GetOptions() & ECO_READONLY) != 0;
}

void KyRichEditCtrl::ShowSel(bool show)
{
    if (!show) {
        if (m_hideCount++ == 0)
            HideSelection(TRUE, FALSE);
        return;
    }
    if (m_hideCount == 0)
        return;
    if (--m_hideCount == 0)
        HideSelection(FALSE, FALSE);
}

void KyRichEditCtrl::SetTextColor(COLORREF colour, bool allText)
{
    CHARFORMATA format = {};
    format.cbSize = sizeof format;
    format.dwMask = CFM_COLOR;
    format.crTextColor = colour;
    SendMessage(EM_SETCHARFORMAT, allText ? SCF_ALL : SCF_SELECTION,
                reinterpret_cast<LPARAM>(&format));
}

void KyRichEditCtrl::ClearTextColor(bool allText)
{
    CHARFORMATA format = {};
    format.cbSize = sizeof format;
    format.dwMask = CFM_COLOR;
    format.dwEffects = CFE_AUTOCOLOR;
    SendMessage(EM_SETCHARFORMAT, allText ? SCF_ALL : SCF_SELECTION,
                reinterpret_cast<LPARAM>(&format));
}

void KyRichEditCtrl::SetTextColor(COLORREF colour, const CHARRANGE& range, int visibleLines)
{
    SelHider hider(*this);
    if (range.cpMin != range.cpMax) {
        SetSel(range, visibleLines);
        SetTextColor(colour, false);
    }
    SetSel(range.cpMin, range.cpMin, visibleLines);
}

void KyRichEditCtrl::SetWordWrap(bool wrap)
{
    m_wordWrap = wrap;
    SetTargetDevice(nullptr, wrap ? kWrapLineWidth : kNoWrapLineWidth);
}

void KyRichEditCtrl::SetTabSize(CFont& font, int columns)
{
    if (columns < 1)
        throw std::invalid_argument("KyRichEditCtrl::SetTabSize: columns below 1");
    LogFontOf(font, "KyRichEditCtrl::SetTabSize");
    CClientDC dc(this);
    CFont* old = dc.SelectObject(&font);
    SIZE blank = {};
    ::GetTextExtentPoint32A(dc.GetSafeHdc(), " ", 1, &blank);
    const int resolution = dc.GetDeviceCaps(LOGPIXELSX);
    dc.SelectObject(old);
    const long long tabWidth =
        static_cast<long long>(blank.cx) * columns * kTwipsPerInch / resolution;
    if (tabWidth * MAX_TAB_STOPS > kMaxTabPosition)
        throw std::invalid_argument(
            "KyRichEditCtrl::SetTabSize: tab stops beyond the control's range");

    PARAFORMAT format = {};
    format.cbSize = sizeof format;
    format.dwMask = PFM_TABSTOPS;
    format.cTabCount = MAX_TAB_STOPS;
    for (int i = 0; i < MAX_TAB_STOPS; ++i)
        format.rgxTabs[i] = static_cast<LONG>(tabWidth * (i + 1));
    SelHider hider(*this);
    CHARRANGE selection = {};
    GetSel(selection);
    CRichEditCtrl::SetSel(0, -1);
    SendMessage(EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
    SetSel(selection);
}

void KyRichEditCtrl::SetFont(CFont& font)
{
    const LOGFONTA logFont = LogFontOf(font, "KyRichEditCtrl::SetFont");
    CHARFORMATA format = {};
    format.cbSize = sizeof format;
    format.dwMask = kFontMask;
    if (logFont.lfHeight == 0) {
        format.dwMask &= ~static_cast<DWORD>(CFM_SIZE); // the font's default size: keep the current
    } else {
        CClientDC dc(this);
        format.yHeight = std::labs(logFont.lfHeight) * kTwipsPerInch / dc.GetDeviceCaps(LOGPIXELSY);
    }
    format.dwEffects = CFE_AUTOCOLOR;
    if (logFont.lfWeight >= kBoldWeight)
        format.dwEffects |= CFE_BOLD;
    if (logFont.lfItalic)
        format.dwEffects |= CFE_ITALIC;
    if (logFont.lfUnderline)
        format.dwEffects |= CFE_UNDERLINE;
    if (logFont.lfStrikeOut)
        format.dwEffects |= CFE_STRIKEOUT;
    format.yOffset = 0;
    format.bCharSet = logFont.lfCharSet;
    format.bPitchAndFamily = logFont.lfPitchAndFamily;
    std::memcpy(format.szFaceName, logFont.lfFaceName, sizeof format.szFaceName);
    format.szFaceName[LF_FACESIZE - 1] = '\0';
    SendMessage(EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
    // Text added at the very end takes the default format.
    SendMessage(EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
}
