// KyPathPlanSubDialogTabCtrl: its pages in tab order, the page it opens on
// and where it remembers the active page.
#include "KyGuiTool/PathPlans/KyPathPlanSubDialogTabCtrl.h"

#include "KyConTool/DevEnv/DevEnvAccess.h"
#include "KyConTool/IndexingService/IndexingService.h"
#include "KyGuiTool/IndexingServicePage/IndexingServicePageResource.h"
#include "KyGuiTool/IndexingServicePage/PathPlanIndexingServiceSubDialog.h"
#include "KyGuiTool/DevEnvPages/DevEnvPagesResource.h"
#include "KyGuiTool/DevEnvPages/DevEnvPresence.h"
#include "KyGuiTool/DevEnvPages/PathPlanVcSubDialog.h"
#include "KyGuiTool/DevEnvPages/PathPlanVsNetSubDialog.h"
#include "KyGuiTool/PathPlans/PathPlanEditorSubDialog.h"
#include "KyGuiTool/PathPlans/PathPlanPageGuids.h"
#include "KyGuiTool/PathPlans/PathPlanSelectorSubDialog.h"
#include "KyGuiTool/PathPlans/PathPlanSupport.h"
#include "KyGuiTool/PathPlans/PathPlansResource.h"
#include "KyStd/Registry/RegValues.h"

using namespace Kyvant;

namespace {

// Without a remembered page the first one is shown.
const int kDefaultPage = -1;
const unsigned kEditorPage = 0;

} // namespace

const char KyPathPlanSubDialogTabCtrl::kVcPageGuidValue[] = "VcPageGUID";
const char KyPathPlanSubDialogTabCtrl::kVsNetPageGuidValue[] = "VsNetPageGUID";

IMPLEMENT_DYNAMIC(KyPathPlanSubDialogTabCtrl, KySubDialogTabCtrl)

BEGIN_MESSAGE_MAP(KyPathPlanSubDialogTabCtrl, KySubDialogTabCtrl)
ON_WM_CREATE()
END_MESSAGE_MAP()

KyPathPlanSubDialogTabCtrl::KyPathPlanSubDialogTabCtrl(const rc_ptr<AppBridge>& bridge,
                                                       const char* handoffKeyPath)
    : KySubDialogTabCtrl(kActualId, kProxyId, bridge, PathPlanSupport::ToolOptionsKey(),
                         kPageGuidRecord, kDefaultPage),
      m_editor(new PathPlanEditorSubDialog(bridge, handoffKeyPath)),
      m_selector(new PathPlanSelectorSubDialog(bridge))
{
    AddPage(m_editor.get(), PathPlanSupport::Load(IDS_KY_PP_EDITOR_CAPTION));
    AddPage(m_selector.get(), PathPlanSupport::Load(IDS_KY_PP_CHOOSER_CAPTION));
    if (VC::IsPresent()) {
        m_vc.reset(new PathPlanVcSubDialog(bridge));
        AddPage(m_vc.get(), PathPlanSupport::Load(IDS_KY_PP_VC_CAPTION));
    }
    if (VsNet::IsPresent()) {
        m_vsNet.reset(new PathPlanVsNetSubDialog(bridge));
        AddPage(m_vsNet.get(), PathPlanSupport::Load(IDS_KY_PP_VSNET_CAPTION));
    }
    if (IndexingService::Available()) {
        m_indexingService.reset(new PathPlanIndexingServiceSubDialog(bridge));
        AddPage(m_indexingService.get(), PathPlanSupport::Load(IDS_KY_IS_CAPTION));
    }
}

// The control's window goes first, so that no page window outlives its page.
KyPathPlanSubDialogTabCtrl::~KyPathPlanSubDialogTabCtrl()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
}

int KyPathPlanSubDialogTabCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (KySubDialogTabCtrl::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (m_editor->InitializedFromTimeLimitedRegKey())
        SetActivePage(kEditorPage, false, true);
    else if (VC::IsPresent() && LaunchedByMsDev())
        ShowEnvironmentPage(kVcPageGuidValue, PageGuids::PathPlan::VcChooser);
    else if (VsNet::IsPresent() && LaunchedByVsNet())
        ShowEnvironmentPage(kVsNetPageGuidValue, PageGuids::PathPlan::VsNetChooser);
    return 0;
}

// A remembered page that is not here (any more) gives the environment's own.
void KyPathPlanSubDialogTabCtrl::ShowEnvironmentPage(const char* value, const ky_I& environmentPage)
{
    ky_I guid;
    guid.LoadStringA(GetStateKey().get(), value, environmentPage.c_str());
    for (unsigned i = 0; i < GetPageCount(); ++i) {
        if (GetPage(i).GetGUID() == guid) {
            SetActivePage(guid, false, true);
            return;
        }
    }
    SetActivePage(environmentPage, false, true);
}

void KyPathPlanSubDialogTabCtrl::SaveStatePageGUID()
{
    const RegKey& key = GetStateKey();
    KySubDialogPage* page = GetActivePagePtr();
    const char* value = LaunchedByMsDev()   ? kVcPageGuidValue
                        : LaunchedByVsNet() ? kVsNetPageGuidValue
                                            : nullptr;
    if (value == nullptr) {
        KySubDialogTabCtrl::SaveStatePageGUID();
        return;
    }
    if (key.get() != nullptr && page != nullptr)
        WriteRegistryString(key.get(), value, page->GetGUID());
}
