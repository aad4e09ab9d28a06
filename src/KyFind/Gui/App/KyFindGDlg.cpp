// The Find Task dialog: its pages, strings and programs, and the Find pages' bridge.
#include "KyFind/Gui/App/KyFindGDlg.h"

#include "KyFind/Gui/App/KyFindGApp.h"
#include "KyGuiTool/PathPlans/KyPathPlanSubDialogTabCtrl.h"
#include "KyTools/Find/FindResource.h"
#include "KyTools/Find/KyFindGTabCtrl.h"
#include "KyTools/Module/KyToolsModule.h"

namespace {

// The Find tool's id among the tools (its help topics).
const int kFindToolId = 2;
const char kGuiProgram[] = "KyFindG.exe";
const char kConsoleProgram[] = "KyFind.exe";
const char kHandoffKey[] = "Software\\Kyvant\\Tools\\KyFindG\\ShellExArgs";

Kyvant::ky_S ToolsText(UINT id)
{
    Kyvant::ky_S text;
    text.LoadStringA(Kyvant::KyToolsModule(), id);
    return text;
}

} // namespace

void KyFindGAppBridge::OnOK()
{
    const KyFindGTabCtrl* page =
        dynamic_cast<const KyFindGTabCtrl*>(GetHost().GetToolSubDialogBridge());
    if (page)
        CKyFindGApp::Instance().SetBinaryMode(page->GetBinaryMode());
}

BEGIN_MESSAGE_MAP(CKyFindGDlg, KyBaseDialog)
END_MESSAGE_MAP()

CKyFindGDlg::CKyFindGDlg(CWnd* parent)
    : KyBaseDialog(kFindToolId, ToolsText(IDS_KY_FIND_DOCUMENT_NAME), Kyvant::ky_F(kGuiProgram),
                   Kyvant::ky_F(kConsoleProgram), ToolsText(IDS_KY_FIND_FILE_EXTENSION),
                   ToolsText(IDS_KY_FIND_FILE_FILTER), parent, true)
{
    KyGuiApp& app = KyGuiApp::Instance();
    const Kyvant::rc_ptr<Kyvant::AppBridge> toolBridge(new KyFindGAppBridge(*this));
    const Kyvant::rc_ptr<Kyvant::AppBridge> pathBridge(new Kyvant::PathPlanAppBridge(*this));
    SetSubDialogs(new KyFindGTabCtrl(toolBridge, app.GetRegKey()),
                  new KyPathPlanSubDialogTabCtrl(pathBridge, kHandoffKey));
}
