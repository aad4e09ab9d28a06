// KyNameSaveAsDialog: the stored names to choose from or type over, and the
// checks of the chosen name.
#include "KyGuiTool/Storage/KyNameSaveAsDialog.h"

#include "KyGuiTool/Storage/StorageDataExchange.h"
#include "KyGuiTool/Storage/StorageResource.h"
#include "KyGuiTool/Storage/StorageText.h"

#include <exception>

namespace {

const char kOverwriteQuestion[] = "Overwrite \"%1\"?";
const char kLabelEnd[] = ":";

} // namespace

KyNameSaveAsDialog::NewNameValidator::~NewNameValidator() = default;

KyNameSaveAsDialog::KyNameSaveAsDialog(const Kyvant::input_sequencer<const char*>& names,
                                       const Kyvant::ky_I& initialName,
                                       const Kyvant::ky_BSB<char>& pluralLabel,
                                       NewNameValidator& validator, CWnd* parent)
    : CDialog(IDD_KY_NAME_SAVE_AS, parent), m_names(names), m_name(initialName),
      m_label(pluralLabel), m_validator(validator)
{
    m_label += kLabelEnd;
}

BOOL KyNameSaveAsDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_KY_SAVE_AS_LABEL, m_label.c_str());
    CComboBox* combo = static_cast<CComboBox*>(GetDlgItem(IDC_KY_SAVE_AS_NAME));
    for (m_names.rewind(); !m_names.at_end(); m_names.next())
        combo->AddString(m_names.current());
    // CB_FINDSTRINGEXACT ignores case.
    combo->SetCurSel(m_name.empty() ? -1 : combo->FindStringExact(-1, m_name.c_str()));
    return TRUE;
}

void KyNameSaveAsDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    if (!pDX->m_bSaveAndValidate)
        return;
    pDX->PrepareCtrl(IDC_KY_SAVE_AS_NAME);
    Kyvant::ky_I name = Kyvant::StorageText::WindowText(*GetDlgItem(IDC_KY_SAVE_AS_NAME));
    Kyvant::StorageDataExchange::RequireText(pDX, name, kMaxNameLength);
    try {
        m_validator.Check(name);
    } catch (const std::exception& e) {
        Kyvant::StorageDataExchange::FailWith(pDX, e);
    }
    Kyvant::ky_S contents;
    if (m_validator.Exists(name, contents)) {
        const Kyvant::ky_S question =
            Kyvant::StorageText::FormatName(Kyvant::ky_S(kOverwriteQuestion), "%1", name);
        if (AfxMessageBox(question.c_str(), MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
            pDX->Fail();
    }
    m_name = name;
}
