// DirAppBridge: the list-file flag and the Indexing Service question.
#include "KyDir/Gui/Dialog/DirAppBridge.h"

#include "KyDir/Gui/App/KyDirGApp.h"
#include "KyDir/Gui/Frame/FrameResource.h"
#include "KyGuiTool/PathPlans/PathPlanPageGuids.h"
#include "KyGuiTool/Pages/KySubDialogTabCtrl.h"
#include "KyGuiTool/Settings/KyBaseDialog.h"

#include <afxwin.h>

namespace {

const UINT kQuestionStyle = MB_OKCANCEL | MB_ICONQUESTION;

// The file-search side shows its Indexing Service page.
bool IndexingServicePageShown(KyBaseDialog& dialog)
{
    KySubDialogTabCtrl* tabs =
        dynamic_cast<KySubDialogTabCtrl*>(dialog.GetPathPlanSubDialogBridge());
    if (tabs == nullptr)
        return false;
    const KySubDialogPage* page = tabs->GetActivePagePtr();
    return page != nullptr &&
           page->GetGUID().compare(Kyvant::PageGuids::PathPlan::IndexingService) == 0;
}

} // namespace

DirAppBridge::DirAppBridge(KyBaseDialog& host) : Kyvant::ToolAppBridge(host) {}

DirAppBridge::~DirAppBridge() {}

void DirAppBridge::OnListFileNamed(bool named)
{
    CKyDirGApp::Instance().SetListFileNamed(named);
}

bool DirAppBridge::QueryAllowOK(bool useIndexingService)
{
    KyBaseDialog& dialog = GetHost();
    if (!dialog.SettingsComplete() || !IndexingServicePageShown(dialog))
        return true;
    if (!useIndexingService)
        return true;
    return AfxMessageBox(IDS_BOTH_INDEXING_SERVICES, kQuestionStyle) != IDCANCEL;
}
