// CKyDirGDlg: its tool number, texts and programs, and its two sides.
#include "KyDir/Gui/Dialog/KyDirGDlg.h"

#include "KyDir/Gui/Dialog/DirAppBridge.h"
#include "KyGuiTool/App/KyGuiApp.h"
#include "KyGuiTool/PathPlans/KyPathPlanSubDialogTabCtrl.h"
#include "KyGuiTool/Pages/KySubDialogTabCtrl.h"
#include "KyTools/Dir/DirResource.h"
#include "KyTools/Dir/KyDirGSubDialogPage.h"

namespace {

const int kToolNumber = 1;
const char kGuiProgram[] = "KyDirG.exe";
const char kConsoleProgram[] = "KyDir.exe";
const char kHandoffKeyPath[] = "Software\\Kyvant\\Tools\\KyDirG\\ShellExArgs";
// The tool side's tab control: its own id, the dialog's placeholder it
// takes, and no page remembered (it holds one page).
const int kToolTabsId = 25062;
const int kToolProxyId = 32005;
const int kNoPageRecord = 0;
const int kFirstPage = 0;

Kyvant::ky_S LoadText(UINT id)
{
    CString text;
    text.LoadString(id);
    return Kyvant::ky_S(static_cast<const char*>(text));
}

} // namespace

IMPLEMENT_DYNAMIC(CKyDirGDlg, KyBaseDialog)

CKyDirGDlg::CKyDirGDlg(CWnd* parent)
    : KyBaseDialog(kToolNumber, LoadText(IDS_KY_DIR_DOCUMENT_NAME), Kyvant::ky_F(kGuiProgram),
                   Kyvant::ky_F(kConsoleProgram), LoadText(IDS_KY_DIR_FILE_EXTENSION),
                   LoadText(IDS_KY_DIR_FILE_FILTER), parent),
      m_toolTabs(nullptr)
{
    const Kyvant::rc_ptr<Kyvant::AppBridge> toolBridge(new DirAppBridge(*this));
    const Kyvant::RegKey& appKey = KyGuiApp::Instance().GetRegKey();
    m_page.reset(new KyDirGSubDialogPage(toolBridge, appKey));
    m_toolTabs = new KySubDialogTabCtrl(kToolTabsId, kToolProxyId, toolBridge, Kyvant::RegKey(),
                                        kNoPageRecord, kFirstPage);
    m_toolTabs->AddPage(m_page.get(), LoadText(IDS_KY_DIR_TAB_CAPTION));
    const Kyvant::rc_ptr<Kyvant::AppBridge> pathPlanBridge(new Kyvant::PathPlanAppBridge(*this));
    SetSubDialogs(m_toolTabs, new KyPathPlanSubDialogTabCtrl(pathPlanBridge, kHandoffKeyPath));
}

// The base's tab control goes first: the page must outlive its window.
CKyDirGDlg::~CKyDirGDlg()
{
    SetSubDialogs(nullptr, nullptr);
}
