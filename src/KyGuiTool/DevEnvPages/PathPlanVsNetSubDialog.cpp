// PathPlanVsNetSubDialog: its groups, clicks and help ids.
#include "KyGuiTool/DevEnvPages/PathPlanVsNetSubDialog.h"

#include "KyGuiTool/DevEnvPages/DevEnvPagesResource.h"
#include "KyGuiTool/DevEnvPages/DevEnvPresence.h"
#include "KyGuiTool/DevEnvPages/VsNetGroupBoxes.h"
#include "KyGuiTool/PathPlans/PathPlanPageGuids.h"
#include "KyGuiTool/PathPlans/PathPlansResource.h"

using namespace Kyvant;
using namespace Kyvant::DevEnvPages;

namespace {

#define KY_PP_VSNET_HELP(id) id, (static_cast<DWORD>(id) << 16) | IDD_KY_PP_VSNET
const DWORD kHelpIds[] = {KY_PP_VSNET_HELP(IDC_KY_VSNET_DOCUMENTS),
                          KY_PP_VSNET_HELP(IDC_KY_VSNET_SOLUTION),
                          KY_PP_VSNET_HELP(IDC_KY_VSNET_RELATED),
                          KY_PP_VSNET_HELP(IDC_KY_VSNET_ACTIVE_TEXT),
                          KY_PP_VSNET_HELP(IDC_KY_VSNET_ALL_TEXT),
                          KY_PP_VSNET_HELP(IDC_KY_VSNET_ACTIVE),
                          KY_PP_VSNET_HELP(IDC_KY_VSNET_ALL),
                          KY_PP_VSNET_HELP(IDC_KY_VSNET_ACTIVE_PROJECT),
                          KY_PP_VSNET_HELP(IDC_KY_VSNET_ALL_PROJECTS),
                          KY_PP_VSNET_HELP(IDC_KY_VSNET_SELECTED_PROJECTS),
                          KY_PP_VSNET_HELP(IDC_KY_VSNET_SELECTED_FILES),
                          KY_PP_VSNET_HELP(IDC_KY_VSNET_SOLUTION_ITEMS),
                          KY_PP_VSNET_HELP(IDC_KY_VSNET_MISC_FILES),
                          KY_PP_VSNET_HELP(IDC_KY_VSNET_INCLUDE),
                          KY_PP_VSNET_HELP(IDC_KY_VSNET_CRT_SOURCE),
                          KY_PP_VSNET_HELP(IDC_KY_VSNET_PSDK_INCLUDE),
                          KY_PP_VSNET_HELP(IDC_KY_VSNET_ATL_MFC_INCLUDE),
                          KY_PP_VSNET_HELP(IDC_KY_VSNET_ATL_SOURCE),
                          KY_PP_VSNET_HELP(IDC_KY_VSNET_MFC_SOURCE),
                          KY_PP_VSNET_HELP(IDC_KY_PP_MASK_SET),
                          KY_PP_VSNET_HELP(IDC_KY_PP_MASKS),
                          KY_PP_VSNET_HELP(IDC_KY_PP_EXCEPTIONS),
                          KY_PP_VSNET_HELP(IDC_KY_PP_ADVANCED),
                          KY_PP_VSNET_HELP(IDC_KY_PP_RESTORE),
                          0,
                          0};
#undef KY_PP_VSNET_HELP

} // namespace

IMPLEMENT_DYNAMIC(PathPlanVsNetSubDialog, DevEnvSubDialogBase)

BEGIN_MESSAGE_MAP(PathPlanVsNetSubDialog, DevEnvSubDialogBase)
ON_CONTROL_RANGE(BN_CLICKED, IDC_KY_VSNET_DOCUMENTS, IDC_KY_VSNET_RELATED, OnControllerCheckBox)
ON_CONTROL_RANGE(BN_CLICKED, IDC_KY_VSNET_ACTIVE_TEXT, IDC_KY_VSNET_ALL, OnVsNetDocRadioButton)
ON_CONTROL_RANGE(BN_CLICKED, IDC_KY_VSNET_ACTIVE_PROJECT, IDC_KY_VSNET_SELECTED_FILES,
                 OnVsNetSolRadioButton)
ON_CONTROL_RANGE(BN_CLICKED, IDC_KY_VSNET_SOLUTION_ITEMS, IDC_KY_VSNET_MISC_FILES,
                 OnSolutionExtraCheckButton)
ON_CONTROL_RANGE(BN_CLICKED, IDC_KY_VSNET_INCLUDE, IDC_KY_VSNET_MFC_SOURCE,
                 OnRelatedFilesCheckButton)
END_MESSAGE_MAP()

PathPlanVsNetSubDialog::PathPlanVsNetSubDialog(const rc_ptr<AppBridge>& bridge)
    : DevEnvSubDialogBase(IDD_KY_PP_VSNET, PageGuids::PathPlan::VsNetChooser, kHelpIds, bridge)
{
}

PathPlanVsNetSubDialog::~PathPlanVsNetSubDialog() = default;

std::vector<std::unique_ptr<DevEnvSubDialogBase::Group>> PathPlanVsNetSubDialog::MakeGroups()
{
    const bool running = VsNet::IsRunning();
    std::vector<std::unique_ptr<Group>> groups;
    groups.emplace_back(new VsDocGroupBox(*this, running));
    groups.emplace_back(new SolGroupBox(*this, running));
    groups.emplace_back(new RelGroupBox(*this));
    return groups;
}

void PathPlanVsNetSubDialog::OnControllerCheckBox(UINT id)
{
    ControllerClicked(id);
}

void PathPlanVsNetSubDialog::OnVsNetDocRadioButton(UINT id)
{
    MemberClicked(id);
}

void PathPlanVsNetSubDialog::OnVsNetSolRadioButton(UINT id)
{
    MemberClicked(id);
}

// The "+" boxes check themselves; their change is an edit of the task.
void PathPlanVsNetSubDialog::OnSolutionExtraCheckButton(UINT)
{
    SetDirty(true);
}

void PathPlanVsNetSubDialog::OnRelatedFilesCheckButton(UINT id)
{
    MemberClicked(id);
}
