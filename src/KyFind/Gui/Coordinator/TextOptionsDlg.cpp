// The Text Options dialog.
#include "KyFind/Gui/Coordinator/TextOptionsDlg.h"

#include "KyFind/Gui/Coordinator/TextOptions.h"
#include "KyFind/Gui/Panes/PanesResource.h"
#include "KyGui/Helpers/GdiEx.h"

#include <afxdlgs.h>

BEGIN_MESSAGE_MAP(TextOptionsDlg, CDialog)
ON_BN_CLICKED(IDC_TO_FILE_VIEW_FONT, OnFileViewFont)
ON_BN_CLICKED(IDC_TO_MATCH_LIST_FONT, OnMatchListFont)
END_MESSAGE_MAP()

TextOptionsDlg::TextOptionsDlg(int tabSize, bool useColors, COLORREF matchColor,
                               const CFont& fileViewFont, const CFont& matchListFont, CWnd* parent)
    : CDialog(IDD_TEXT_OPTIONS, parent), m_tabSize(tabSize), m_useColors(useColors ? 1 : 0),
      m_matchColor(matchColor), m_fileViewFont(ChoiceOf(fileViewFont)),
      m_matchListFont(ChoiceOf(matchListFont)),
      m_colorButton(matchColor, TextOptions::kAutoMatchColor)
{
}

TextOptionsDlg::FontChoice TextOptionsDlg::ChoiceOf(const CFont& font)
{
    FontChoice choice = {};
    if (font.GetSafeHandle() != nullptr)
        ::GetObjectA(font.GetSafeHandle(), sizeof choice.logFont, &choice.logFont);
    choice.pointSize = Kyvant::GdiEx::Font::PointSizeFromHeight(choice.logFont.lfHeight);
    return choice;
}

BOOL TextOptionsDlg::OnInitDialog()
{
    m_colorButton.SubclassDlgItem(IDC_TO_MATCH_COLOR, this);
    return CDialog::OnInitDialog();
}

void TextOptionsDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_TO_TAB_SIZE, m_tabSize);
    DDV_MinMaxInt(pDX, m_tabSize, TextOptions::kMinTabSize, TextOptions::kMaxTabSize);
    DDX_Check(pDX, IDC_TO_USE_COLORS, m_useColors);
}

void TextOptionsDlg::OnOK()
{
    m_matchColor = m_colorButton.GetColor();
    CDialog::OnOK();
}

void TextOptionsDlg::ChooseColor(COLORREF colour)
{
    m_colorButton.SetColor(colour);
}

void TextOptionsDlg::ChooseFont(bool fileView, const LOGFONTA& logFont, int pointSize)
{
    FontChoice& choice = fileView ? m_fileViewFont : m_matchListFont;
    choice.logFont = logFont;
    choice.pointSize = pointSize;
    choice.changed = true;
}

void TextOptionsDlg::RunFontDialog(FontChoice& choice)
{
    LOGFONTA copy = choice.logFont;
    CFontDialog dialog(&copy, CF_SCREENFONTS, nullptr, this);
    if (dialog.DoModal() != IDOK)
        return;
    choice.logFont = copy;
    choice.pointSize = dialog.GetSize();
    choice.changed = true;
}

void TextOptionsDlg::OnFileViewFont()
{
    RunFontDialog(m_fileViewFont);
}

void TextOptionsDlg::OnMatchListFont()
{
    RunFontDialog(m_matchListFont);
}
