// DirAppBridge: the list-file flag and the Indexing Service question.
#include "KyDir/Gui/Dialog/DirAppBridge.h"

#include "KyDir/Gui/App/KyDirGApp.h"
#include "KyDir/Gui/Frame/FrameResource.h"
#include "KyGuiTool/IndexingServicePage/PathPlanIndexingServiceSubDialog.h"
#include "KyGuiTool/PathPlans/KyPathPlanSubDialogTabCtrl.h"
#include "KyGuiTool/Settings/KyBaseDialog.h"

#include <afxwin.h>

namespace {

const UINT kQuestionStyle = MB_OKCANCEL | MB_ICONQUESTION;

// The file-search side's Indexing Service page when it is the page shown.
PathPlanIndexingServiceSubDialog* ShownIndexingServicePage(KyBaseDialog& dialog)
{
    KyPathPlanSubDialogTabCtrl* tabs =
        dynamic_cast<KyPathPlanSubDialogTabCtrl*>(dialog.GetPathPlanSubDialogBridge());
    if (tabs == nullptr)
        return nullptr;
    PathPlanIndexingServiceSubDialog* page = tabs->GetIndexingService();
    return page != nullptr && tabs->GetActivePagePtr() == page ? page : nullptr;
}

} // namespace

DirAppBridge::DirAppBridge(KyBaseDialog& host) : Kyvant::ToolAppBridge(host) {}

DirAppBridge::~DirAppBridge() {}

void DirAppBridge::OnListFileNamed(bool named)
{
    CKyDirGApp::Instance().SetListFileNamed(named);
}

// The page's query and sort apply unless the user went on with the Dir
// page's own query.
bool DirAppBridge::QueryAllowOK(bool useIndexingService)
{
    KyBaseDialog& dialog = GetHost();
    if (!dialog.SettingsComplete())
        return true;
    PathPlanIndexingServiceSubDialog* page = ShownIndexingServicePage(dialog);
    if (page == nullptr)
        return true;
    const bool proceed = !useIndexingService ||
                         AfxMessageBox(IDS_BOTH_INDEXING_SERVICES, kQuestionStyle) != IDCANCEL;
    page->UseSearchParameters(!useIndexingService || !proceed);
    return proceed;
}
