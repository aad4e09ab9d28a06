// KyOptionsDialog: the font chooser started on the alternate editor font, and
// the font made again on OK only when the choice changed it.
#include "KyGuiTool/Settings/KyOptionsDialog.h"

#include "KyGuiTool/App/KyGuiApp.h"
#include "KyGuiTool/Settings/SettingsResource.h"

#include <afxdlgs.h>

#include <cstring>

namespace {

LONG Weight(const LOGFONTA& font)
{
    return font.lfWeight == FW_DONTCARE ? FW_NORMAL : font.lfWeight;
}

// What the font chooser lets the user change. The chooser always names a
// script; a font made for the default one keeps it.
bool SameChoice(const LOGFONTA& font, const LOGFONTA& chosen)
{
    return _stricmp(font.lfFaceName, chosen.lfFaceName) == 0 && Weight(font) == Weight(chosen) &&
           !font.lfItalic == !chosen.lfItalic && !font.lfUnderline == !chosen.lfUnderline &&
           !font.lfStrikeOut == !chosen.lfStrikeOut &&
           (font.lfCharSet == DEFAULT_CHARSET || font.lfCharSet == chosen.lfCharSet);
}

} // namespace

IMPLEMENT_DYNAMIC(KyOptionsDialog, CDialog)

BEGIN_MESSAGE_MAP(KyOptionsDialog, CDialog)
    ON_BN_CLICKED(IDC_KY_OPTIONS_FONT, OnFont)
END_MESSAGE_MAP()

KyOptionsDialog::KyOptionsDialog(CWnd* parent)
    : KyOptionsDialog(KyGuiApp::Instance().GetAltEdFont(), parent)
{
}

KyOptionsDialog::KyOptionsDialog(Kyvant::GdiEx::Font& font, CWnd* parent)
    : CDialog(IDD_KY_OPTIONS, parent), m_font(font), m_logFont(), m_pointSize(font.GetPointSize())
{
    if (font.GetSafeHandle() != nullptr)
        font.Store(m_logFont);
}

KyOptionsDialog::~KyOptionsDialog() = default;

void KyOptionsDialog::OnFont()
{
    CFontDialog dialog(&m_logFont, CF_SCREENFONTS, nullptr, this);
    if (dialog.DoModal() == IDOK)
        m_pointSize = dialog.GetSize();
}

void KyOptionsDialog::OnOK()
{
    LOGFONTA current = {};
    if (m_font.GetSafeHandle() != nullptr)
        m_font.Store(current);
    if (m_pointSize != m_font.GetPointSize() || !SameChoice(current, m_logFont))
        m_font.Create(m_pointSize, m_logFont);
    CDialog::OnOK();
}
