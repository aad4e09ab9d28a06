// DocSaveDialog: the extent's radio buttons set when the dialog opens and
// read when a name is accepted.
#include "KyGuiTool/TaskFiles/DocSaveDialog.h"

#include "KyGuiTool/TaskFiles/TaskFilesResource.h"

namespace {

const DWORD kSaveFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_ENABLETEMPLATE | OFN_EXPLORER;

} // namespace

using Kyvant::ToolDoc::AllSettings;
using Kyvant::ToolDoc::ToolSettings;

IMPLEMENT_DYNAMIC(DocSaveDialog, KyFileDialog)

BEGIN_MESSAGE_MAP(DocSaveDialog, KyFileDialog)
END_MESSAGE_MAP()

DocSaveDialog::DocSaveDialog(const char* defaultExtension, const char* fileName, const char* filter,
                             Kyvant::ToolDoc::SettingsExtent extent, CWnd* parent)
    : KyFileDialog(FALSE, defaultExtension, fileName, kSaveFlags, filter, parent),
      m_extent(extent == AllSettings ? AllSettings : ToolSettings)
{
    m_ofn.lpTemplateName = MAKEINTRESOURCEA(IDD_KY_DOC_SAVE);
}

BOOL DocSaveDialog::OnInitDialog()
{
    KyFileDialog::OnInitDialog();
    CheckRadioButton(IDC_KY_SAVE_EVERYTHING, IDC_KY_SAVE_TOOL_ONLY,
                     m_extent == AllSettings ? IDC_KY_SAVE_EVERYTHING : IDC_KY_SAVE_TOOL_ONLY);
    return TRUE;
}

BOOL DocSaveDialog::OnFileNameOK()
{
    m_extent = IsDlgButtonChecked(IDC_KY_SAVE_TOOL_ONLY) ? ToolSettings : AllSettings;
    return KyFileDialog::OnFileNameOK();
}
