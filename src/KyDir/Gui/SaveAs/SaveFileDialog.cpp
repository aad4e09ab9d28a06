// SaveFileDialog: the added radio buttons exchanged with the mode and range.
#include "KyDir/Gui/SaveAs/SaveFileDialog.h"

#include "KyDir/Gui/FileList/FileListResource.h"

namespace {

const DWORD kSaveFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_EXPLORER | OFN_ENABLETEMPLATE;
const char kDefaultExtension[] = "txt";
const int kAllRange = 0;

} // namespace

IMPLEMENT_DYNAMIC(SaveFileDialog, KyFileDialog)

BEGIN_MESSAGE_MAP(SaveFileDialog, KyFileDialog)
END_MESSAGE_MAP()

SaveFileDialog::SaveFileDialog(const char* filter, ListingMode mode, bool haveSelection,
                               CWnd* parent)
    : KyFileDialog(FALSE, kDefaultExtension, nullptr, kSaveFlags, filter, parent),
      m_mode(static_cast<int>(mode)), m_range(kAllRange), m_haveSelection(haveSelection)
{
    m_ofn.lpTemplateName = MAKEINTRESOURCEA(IDD_DL_SAVE_AS);
}

BOOL SaveFileDialog::OnInitDialog()
{
    KyFileDialog::OnInitDialog();
    if (m_mode < AsDisplayed || m_mode > FullPathsOnly)
        m_mode = AsDisplayed;
    UpdateData(FALSE);
    if (CWnd* selected = GetDlgItem(IDC_DL_SELECTED_ITEMS))
        selected->EnableWindow(m_haveSelection);
    return TRUE;
}

void SaveFileDialog::DoDataExchange(CDataExchange* pDX)
{
    KyFileDialog::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_DL_AS_DISPLAYED, m_mode);
    DDX_Radio(pDX, IDC_DL_ALL_ITEMS, m_range);
}

BOOL SaveFileDialog::OnFileNameOK()
{
    if (!UpdateData(TRUE))
        return TRUE;
    if (!m_haveSelection)
        m_range = kAllRange;
    return KyFileDialog::OnFileNameOK();
}
