// The Configure Editor dialog: editor path with its browse button, arguments, the check on OK.
#include "KyFind/Gui/Editor/EditorOptionsDlg.h"

#include "KyFind/Gui/Frame/FrameResource.h"
#include "KyGui/Shell/Browse.h"
#include "KyGuiTool/App/AppResource.h"
#include "KyGuiTool/Module/KyGuiToolModule.h"
#include "KyStd/Strings/String.h"

namespace {

const int kMaxPathChars = 512;
const int kMaxArgumentChars = 256;
// File must exist, no read-only box, path must exist.
const DWORD kBrowseFlags = 0x4006;
// Help topics of dialogs lie above the contexts of controls.
const DWORD kDialogHelpBase = 0x20000;

CString ItemText(CWnd& dialog, int id)
{
    CString text;
    dialog.GetDlgItemText(id, text);
    return text;
}

} // namespace

BEGIN_MESSAGE_MAP(EditorOptionsDlg, CDialog)
ON_MESSAGE(KyButtonEditorInvoker::kInvokeMessage, OnBrowse)
ON_WM_HELPINFO()
END_MESSAGE_MAP()

EditorOptionsDlg::EditorOptionsDlg(const Kyvant::FindEditor::EditorSettings& settings, CWnd* parent)
    : CDialog(IDD_KYFINDG_EDITOR_OPTIONS, parent), m_settings(settings),
      m_browse(KyButtonEditorInvoker::kChooseFile)
{
}

BOOL EditorOptionsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_browse.SubclassDlgItem(IDC_KYFINDG_EDITOR_BROWSE, this);
    SendDlgItemMessage(IDC_KYFINDG_EDITOR_PATH, EM_LIMITTEXT, kMaxPathChars, 0);
    SendDlgItemMessage(IDC_KYFINDG_EDITOR_ARGS, EM_LIMITTEXT, kMaxArgumentChars, 0);
    SetDlgItemText(IDC_KYFINDG_EDITOR_PATH, m_settings.path.c_str());
    SetDlgItemText(IDC_KYFINDG_EDITOR_ARGS, m_settings.options.c_str());
    return TRUE;
}

void EditorOptionsDlg::OnOK()
{
    const CString path = ItemText(*this, IDC_KYFINDG_EDITOR_PATH);
    const CString arguments = ItemText(*this, IDC_KYFINDG_EDITOR_ARGS);
    if (!arguments.IsEmpty() && path.IsEmpty()) {
        AfxMessageBox(IDS_KYFINDG_EDITOR_NEEDS_PATH, MB_OK | MB_ICONEXCLAMATION);
        GetDlgItem(IDC_KYFINDG_EDITOR_PATH)->SetFocus();
        return;
    }
    m_settings.path = static_cast<const char*>(path);
    m_settings.options = static_cast<const char*>(arguments);
    EndDialog(IDOK);
}

LRESULT EditorOptionsDlg::OnBrowse(WPARAM, LPARAM)
{
    Kyvant::ky_S filter;
    filter.LoadStringA(Kyvant::KyGuiToolModule(), IDS_KY_EXE_FILES_FILTER);
    Kyvant::ky_S chosen(static_cast<const char*>(ItemText(*this, IDC_KYFINDG_EDITOR_PATH)));
    if (Kyvant::Shell::BrowseFile(true, chosen, filter.c_str(), nullptr, nullptr, nullptr,
                                  kBrowseFlags, nullptr, this))
        SetDlgItemText(IDC_KYFINDG_EDITOR_PATH, chosen.c_str());
    return 0;
}

BOOL EditorOptionsDlg::OnHelpInfo(HELPINFO*)
{
    if (CWinApp* app = AfxGetApp())
        app->WinHelp(kDialogHelpBase + IDD_KYFINDG_EDITOR_OPTIONS);
    return TRUE;
}
