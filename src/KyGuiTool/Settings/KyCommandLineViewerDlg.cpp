// KyCommandLineViewerDlg: both texts in a fixed-pitch font, the command line
// shown from its start with the focus.
#include "KyGuiTool/Settings/KyCommandLineViewerDlg.h"

#include "KyGuiTool/Settings/SettingsResource.h"

namespace {

const int kFontTenthsOfPoint = 100;
const char kFontFace[] = "Courier New";

} // namespace

IMPLEMENT_DYNAMIC(KyCommandLineViewerDlg, CDialog)

KyCommandLineViewerDlg::KyCommandLineViewerDlg(const Kyvant::ky_S& arguments,
                                               const Kyvant::ky_S& commandLine, CWnd* parent)
    : CDialog(IDD_KY_COMMAND_LINE_VIEWER, parent), m_arguments(arguments),
      m_commandLine(commandLine)
{
}

KyCommandLineViewerDlg::~KyCommandLineViewerDlg() = default;

// Long command lines are shown whole: the edit's own limit is lifted first.
void KyCommandLineViewerDlg::ShowText(int id, const Kyvant::ky_S& text)
{
    CWnd* edit = GetDlgItem(id);
    edit->SendMessage(EM_LIMITTEXT, 0, 0);
    if (m_font.GetSafeHandle() != nullptr)
        edit->SetFont(static_cast<HFONT>(m_font.GetSafeHandle()));
    edit->SetWindowText(text.c_str());
}

BOOL KyCommandLineViewerDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_font.CreatePointFont(kFontTenthsOfPoint, kFontFace);
    ShowText(IDC_KY_VIEWER_ARGS, m_arguments);
    ShowText(IDC_KY_VIEWER_COMMAND, m_commandLine);
    // The focus first: moving it into an edit selects all of the text.
    CWnd* command = GetDlgItem(IDC_KY_VIEWER_COMMAND);
    GotoDlgCtrl(command);
    command->SendMessage(EM_SETSEL, 0, 0);
    command->SendMessage(EM_SCROLLCARET, 0, 0);
    return FALSE;
}
