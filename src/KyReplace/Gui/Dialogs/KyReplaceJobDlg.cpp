// The Replace Task dialog: its strings and programs, the Replace page in a one-tab control, the
// path-plan pages.
#include "KyReplace/Gui/Dialogs/KyReplaceJobDlg.h"

#include "KyGui/Exceptions/MfcStdException.h"
#include "KyGuiTool/App/KyGuiApp.h"
#include "KyGuiTool/Pages/KySubDialogTabCtrl.h"
#include "KyGuiTool/PathPlans/KyPathPlanSubDialogTabCtrl.h"
#include "KyGuiTool/Settings/AppBridges.h"
#include "KyTools/Module/KyToolsModule.h"
#include "KyTools/Replace/KyReplaceGSubDialogPage.h"
#include "KyTools/Replace/ReplaceResource.h"

#include <exception>
#include <memory>

namespace {

const char kGuiProgram[] = "KyReplaceG.exe";
const char kConsoleProgram[] = "KyReplace.exe";
// The tool side's tab control: its own id and the dialog's placeholder.
const int kToolTabsId = 25062;
const int kToolProxyId = 32005;
// One page only: no page is remembered, so no record type is used.
const int kNoPageRecord = 0;
const int kFirstPage = 0;

Kyvant::ky_S ToolsText(UINT id)
{
    Kyvant::ky_S text;
    text.LoadStringA(Kyvant::KyToolsModule(), id);
    return text;
}

// The tool side: the Replace page alone, owned by its tab control.
class ReplaceToolTabs : public KySubDialogTabCtrl {
public:
    ReplaceToolTabs(const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge, const Kyvant::RegKey& settings)
        : KySubDialogTabCtrl(kToolTabsId, kToolProxyId, bridge, Kyvant::RegKey(), kNoPageRecord,
                             kFirstPage),
          m_page(new KyReplaceGSubDialogPage(bridge, settings))
    {
        AddPage(m_page.get(), ToolsText(IDS_KY_REPLACE_TAB_CAPTION));
    }

    // The window goes first, so that the page's window does not outlive it.
    ~ReplaceToolTabs() override
    {
        if (m_hWnd != nullptr)
            DestroyWindow();
    }

private:
    std::unique_ptr<KyReplaceGSubDialogPage> m_page;
};

} // namespace

const char CKyReplaceJobDlg::kHandoffKey[] = "Software\\Kyvant\\Tools\\KyReplaceG\\ShellExArgs";

BEGIN_MESSAGE_MAP(CKyReplaceJobDlg, KyBaseDialog)
END_MESSAGE_MAP()

CKyReplaceJobDlg::CKyReplaceJobDlg(CWnd* parent)
    : KyBaseDialog(kToolId, ToolsText(IDS_KY_REPLACE_DOCUMENT_NAME), Kyvant::ky_F(kGuiProgram),
                   Kyvant::ky_F(kConsoleProgram), ToolsText(IDS_KY_REPLACE_FILE_EXTENSION),
                   ToolsText(IDS_KY_REPLACE_FILE_FILTER), parent, true)
{
    const Kyvant::rc_ptr<Kyvant::AppBridge> toolBridge(new Kyvant::ToolAppBridge(*this));
    const Kyvant::rc_ptr<Kyvant::AppBridge> pathBridge(new Kyvant::PathPlanAppBridge(*this));
    SetSubDialogs(new ReplaceToolTabs(toolBridge, KyGuiApp::Instance().GetRegKey()),
                  new KyPathPlanSubDialogTabCtrl(pathBridge, kHandoffKey));
}

CKyReplaceJobDlg::~CKyReplaceJobDlg() {}

BOOL CKyReplaceJobDlg::OnInitDialog()
{
    try {
        KyBaseDialog::OnInitDialog();
        KyBaseDialog::PostInitDialog();
    } catch (const std::exception& e) {
        throw Kyvant::MfcStdException::Create(e);
    }
    return FALSE;
}
