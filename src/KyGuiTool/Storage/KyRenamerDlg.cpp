// KyRenamerDlg: the current name, the new one, and the validator's verdict.
#include "KyGuiTool/Storage/KyRenamerDlg.h"

#include "KyGuiTool/Storage/StorageDataExchange.h"
#include "KyGuiTool/Storage/StorageResource.h"
#include "KyGuiTool/Storage/StorageText.h"

#include <exception>

namespace {

const unsigned kNoLengthLimit = 0;

} // namespace

KyRenamerDlg::NewNameValidator::~NewNameValidator() = default;

KyRenamerDlg::KyRenamerDlg(const Kyvant::ky_I& currentName, const Kyvant::ky_BSB<char>& caption,
                           NewNameValidator& validator, CWnd* parent)
    : CDialog(IDD_KY_RENAMER, parent), m_currentName(currentName), m_caption(caption),
      m_validator(validator)
{
}

BOOL KyRenamerDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(m_caption.c_str());
    SetDlgItemText(IDC_KY_RENAME_CURRENT, m_currentName.c_str());
    return TRUE;
}

void KyRenamerDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    if (!pDX->m_bSaveAndValidate)
        return;
    pDX->PrepareEditCtrl(IDC_KY_RENAME_NEW);
    Kyvant::ky_I name = Kyvant::StorageText::WindowText(*GetDlgItem(IDC_KY_RENAME_NEW));
    Kyvant::StorageDataExchange::RequireText(pDX, name, kNoLengthLimit);
    bool accepted = false;
    try {
        accepted = m_validator.Check(m_currentName, name);
    } catch (const std::exception& e) {
        Kyvant::StorageDataExchange::FailWith(pDX, e);
    }
    if (!accepted)
        pDX->Fail();
    m_newName = name;
}
