// The Text Options dialog: its exchange, the font choosers behind a seam, context help.
#include "KyReplace/Gui/Dialogs/TextOptionsDlg.h"

#include "KyReplace/Gui/Frame/FrameResource.h"

#include <afxdlgs.h>

using Kyvant::ReplaceTextOptions;

namespace {

#define KY_OPTIONS_HELP(id) id, (static_cast<DWORD>(id) << 16) | IDD_TEXT_OPTIONS
const DWORD kHelpIds[] = {KY_OPTIONS_HELP(IDC_TO_TAB_SIZE),
                          KY_OPTIONS_HELP(IDC_TO_USE_COLORS),
                          KY_OPTIONS_HELP(IDC_TO_MATCH_COLOR),
                          KY_OPTIONS_HELP(IDC_TO_REPLACE_COLOR),
                          KY_OPTIONS_HELP(IDC_TO_SKIP_COLOR),
                          KY_OPTIONS_HELP(IDC_TO_MAIN_FONT),
                          KY_OPTIONS_HELP(IDC_TO_LOG_FONT),
                          0,
                          0};
#undef KY_OPTIONS_HELP

bool ChooseWithDialog(CWnd& parent, LOGFONTA& font, int& pointSize)
{
    LOGFONTA chosen = font;
    CFontDialog dialog(&chosen, CF_SCREENFONTS, nullptr, &parent);
    if (dialog.DoModal() != IDOK)
        return false;
    font = chosen;
    pointSize = dialog.GetSize();
    return true;
}

TextOptionsDlg::FontChooser g_chooser = &ChooseWithDialog;

LPCSTR HelpFile()
{
    CWinApp* app = AfxGetApp();
    return app != nullptr ? app->m_pszHelpFilePath : nullptr;
}

LOGFONTA LogFontOf(const Kyvant::GdiEx::Font& font)
{
    LOGFONTA logFont = {};
    if (font.GetSafeHandle() != nullptr)
        font.Store(logFont);
    return logFont;
}

} // namespace

TextOptionsDlg::FontChooser TextOptionsDlg::SetFontChooser(FontChooser chooser)
{
    const FontChooser previous = g_chooser;
    g_chooser = chooser != nullptr ? chooser : &ChooseWithDialog;
    return previous;
}

BEGIN_MESSAGE_MAP(TextOptionsDlg, CDialog)
ON_BN_CLICKED(IDC_TO_MAIN_FONT, OnMainFont)
ON_BN_CLICKED(IDC_TO_LOG_FONT, OnLogFont)
ON_WM_HELPINFO()
ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

TextOptionsDlg::TextOptionsDlg(const ReplaceTextOptions& options, CWnd* parent)
    : CDialog(IDD_TEXT_OPTIONS, parent), m_tabSize(options.tabSize),
      m_useColours(options.useColours ? TRUE : FALSE), m_matchColour(options.matchColour),
      m_replacementColour(options.replacementColour), m_skipColour(options.skipColour),
      m_matchButton(options.matchColour, ReplaceTextOptions::kAutomaticMatch),
      m_replacementButton(options.replacementColour, ReplaceTextOptions::kAutomaticReplacement),
      m_skipButton(options.skipColour, ReplaceTextOptions::kAutomaticSkip),
      m_mainFont(LogFontOf(options.mainFont)), m_mainPointSize(options.mainFont.GetPointSize()),
      m_mainChanged(false), m_logFont(LogFontOf(options.logFont)),
      m_logPointSize(options.logFont.GetPointSize()), m_logChanged(false)
{
}

TextOptionsDlg::~TextOptionsDlg() {}

void TextOptionsDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TO_MATCH_COLOR, m_matchButton);
    DDX_Control(pDX, IDC_TO_REPLACE_COLOR, m_replacementButton);
    DDX_Control(pDX, IDC_TO_SKIP_COLOR, m_skipButton);
    DDX_Text(pDX, IDC_TO_TAB_SIZE, m_tabSize);
    DDV_MinMaxInt(pDX, m_tabSize, ReplaceTextOptions::kMinTabSize, ReplaceTextOptions::kMaxTabSize);
    DDX_Check(pDX, IDC_TO_USE_COLORS, m_useColours);
}

void TextOptionsDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    m_matchColour = m_matchButton.GetColor();
    m_replacementColour = m_replacementButton.GetColor();
    m_skipColour = m_skipButton.GetColor();
    EndDialog(IDOK);
}

void TextOptionsDlg::OnMainFont()
{
    if (g_chooser(*this, m_mainFont, m_mainPointSize))
        m_mainChanged = true;
}

void TextOptionsDlg::OnLogFont()
{
    if (g_chooser(*this, m_logFont, m_logPointSize))
        m_logChanged = true;
}

BOOL TextOptionsDlg::OnHelpInfo(HELPINFO* pHelpInfo)
{
    if (pHelpInfo->iContextType == HELPINFO_WINDOW) {
        AfxWinHelp(static_cast<HWND>(pHelpInfo->hItemHandle), HelpFile(), HELP_WM_HELP,
                   reinterpret_cast<ULONG_PTR>(kHelpIds));
        return TRUE;
    }
    return CDialog::OnHelpInfo(pHelpInfo);
}

void TextOptionsDlg::OnContextMenu(CWnd* pWnd, CPoint pos)
{
    if (pWnd != nullptr && pWnd->m_hWnd != m_hWnd) {
        AfxWinHelp(pWnd->m_hWnd, HelpFile(), HELP_CONTEXTMENU,
                   reinterpret_cast<ULONG_PTR>(kHelpIds));
        return;
    }
    CDialog::OnContextMenu(pWnd, pos);
}
