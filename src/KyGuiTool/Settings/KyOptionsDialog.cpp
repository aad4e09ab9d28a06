// KyOptionsDialog: the font chooser started on the alternate editor font, and
// the font made again on OK only when the choice changed it.
#include "KyGuiTool/Settings/KyOptionsDialog.h"

#include "KyGuiTool/App/KyGuiApp.h"
#include "KyGuiTool/Settings/SettingsResource.h"

#include <afxdlgs.h>

#include <cstring>

namespace {

// What the font chooser lets the user change.
bool SameChoice(const LOGFONTA& a, const LOGFONTA& b)
{
    return _stricmp(a.lfFaceName, b.lfFaceName) == 0 && a.lfWeight == b.lfWeight &&
           a.lfItalic == b.lfItalic && a.lfUnderline == b.lfUnderline &&
           a.lfStrikeOut == b.lfStrikeOut && a.lfCharSet == b.lfCharSet;
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
