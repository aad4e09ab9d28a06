// The Find dialog of the file view.
#include "KyFind/Gui/TextView/FindTextDlg.h"

#include "KyFind/Gui/App/KyFindGApp.h"
#include "KyFind/Gui/Panes/PanesResource.h"
#include "KyFind/Gui/TextView/FileTextView.h"
#include "KyGui/Adapters/DataExchange.h"
#include "KyStd/Registry/RegMRU.h"

namespace {

const unsigned long kMaxTextLength = 1024;

Kyvant::RegMRUReader<Kyvant::ky_S> OpenList()
{
    return Kyvant::RegMRUReader<Kyvant::ky_S>(CKyFindGApp::Instance().GetRegKey(),
                                              FindTextDlg::kListName, "Order");
}

} // namespace

FindTextDlg::FindTextDlg(FileTextView& view, const CString& text, CWnd* parent)
    : CDialog(IDD_FIND_TEXT, parent), m_view(view), m_text(static_cast<const char*>(text)),
      m_matchCase(view.GetMatchCase() ? 1 : 0), m_wholeWords(view.GetWholeWords() ? 1 : 0),
      m_down(true)
{
}

// The remembered texts, most recent first.
void FindTextDlg::FillList()
{
    CComboBox* combo = static_cast<CComboBox*>(GetDlgItem(IDC_FT_TEXT));
    combo->ResetContent();
    Kyvant::RegMRUReader<Kyvant::ky_S> list = OpenList();
    for (const Kyvant::ky_S* text = list.GetFirst(); text != nullptr; text = list.GetNext())
        combo->AddString(text->c_str());
}

BOOL FindTextDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    FillList();
    CheckRadioButton(IDC_FT_UP, IDC_FT_DOWN, IDC_FT_DOWN);
    UpdateData(FALSE);
    CWnd* combo = GetDlgItem(IDC_FT_TEXT);
    combo->SetWindowText(m_text.c_str());
    combo->SendMessage(CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    combo->SetFocus();
    return FALSE;
}

void FindTextDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    if (pDX->m_bSaveAndValidate) {
        DDX_CB_string(pDX, IDC_FT_TEXT, m_text);
        DDV_string_required_MaxLength(pDX, m_text, kMaxTextLength);
    }
    DDX_Check(pDX, IDC_FT_MATCH_CASE, m_matchCase);
    DDX_Check(pDX, IDC_FT_WHOLE_WORDS, m_wholeWords);
}

void FindTextDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    m_down = ::IsDlgButtonChecked(m_hWnd, IDC_FT_UP) != BST_CHECKED;
    {
        Kyvant::RegMRUReader<Kyvant::ky_S> list = OpenList();
        Kyvant::RegMRUWriter<Kyvant::ky_S> writer(list, kMaxRemembered);
        writer.Add(m_text);
    }
    m_view.SetSearch(CString(m_text.c_str()), m_matchCase != 0, m_wholeWords != 0);
    if (m_view.Find(m_down)) {
        EndDialog(IDOK);
        return;
    }
    const CString text = m_text.c_str();
    FillList();
    CWnd* combo = GetDlgItem(IDC_FT_TEXT);
    combo->SetWindowText(text);
    AfxMessageBox(IDS_TEXT_NOT_FOUND, MB_OK | MB_ICONINFORMATION);
    GotoDlgCtrl(combo);
}
