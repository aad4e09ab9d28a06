// PathPlanVcSubDialog: its groups, clicks and help ids.
#include "KyGuiTool/DevEnvPages/PathPlanVcSubDialog.h"

#include "KyGuiTool/DevEnvPages/DevEnvPagesResource.h"
#include "KyGuiTool/DevEnvPages/DevEnvPresence.h"
#include "KyGuiTool/DevEnvPages/VcGroupBoxes.h"
#include "KyGuiTool/PathPlans/PathPlanPageGuids.h"
#include "KyGuiTool/PathPlans/PathPlansResource.h"

using namespace Kyvant;
using namespace Kyvant::DevEnvPages;

namespace {

#define KY_PP_VC_HELP(id) id, (static_cast<DWORD>(id) << 16) | IDD_KY_PP_VC
const DWORD kHelpIds[] = {KY_PP_VC_HELP(IDC_KY_VC_DEVSTUDIO),
                          KY_PP_VC_HELP(IDC_KY_VC_MSVCDIR),
                          KY_PP_VC_HELP(IDC_KY_VC_MSSDK),
                          KY_PP_VC_HELP(IDC_KY_VC_ACTIVE_TEXT_FILE),
                          KY_PP_VC_HELP(IDC_KY_VC_ALL_TEXT_FILES),
                          KY_PP_VC_HELP(IDC_KY_VC_ACTIVE_PROJECT_FILES),
                          KY_PP_VC_HELP(IDC_KY_VC_ALL_PROJECT_FILES),
                          KY_PP_VC_HELP(IDC_KY_VC_ACTIVE_PROJECT_FOLDER),
                          KY_PP_VC_HELP(IDC_KY_VC_ALL_PROJECT_FOLDERS),
                          KY_PP_VC_HELP(IDC_KY_VC_MSVCDIR_INCLUDE),
                          KY_PP_VC_HELP(IDC_KY_VC_MSVCDIR_CRT_SRC),
                          KY_PP_VC_HELP(IDC_KY_VC_MSVCDIR_ATL_INCLUDE),
                          KY_PP_VC_HELP(IDC_KY_VC_MSVCDIR_ATL_SRC),
                          KY_PP_VC_HELP(IDC_KY_VC_MSVCDIR_MFC_INCLUDE),
                          KY_PP_VC_HELP(IDC_KY_VC_MSVCDIR_MFC_SRC),
                          KY_PP_VC_HELP(IDC_KY_VC_MSSDK_INCLUDE),
                          KY_PP_VC_HELP(IDC_KY_VC_MSSDK_SRC),
                          KY_PP_VC_HELP(IDC_KY_VC_MSSDK_SAMPLES),
                          KY_PP_VC_HELP(IDC_KY_PP_MASK_SET),
                          KY_PP_VC_HELP(IDC_KY_PP_MASKS),
                          KY_PP_VC_HELP(IDC_KY_PP_EXCEPTIONS),
                          KY_PP_VC_HELP(IDC_KY_PP_ADVANCED),
                          KY_PP_VC_HELP(IDC_KY_PP_RESTORE),
                          0,
                          0};
#undef KY_PP_VC_HELP

} // namespace

IMPLEMENT_DYNAMIC(PathPlanVcSubDialog, DevEnvSubDialogBase)

BEGIN_MESSAGE_MAP(PathPlanVcSubDialog, DevEnvSubDialogBase)
ON_CONTROL_RANGE(BN_CLICKED, IDC_KY_VC_DEVSTUDIO, IDC_KY_VC_MSSDK, OnControllerCheckBox)
ON_CONTROL_RANGE(BN_CLICKED, IDC_KY_VC_ACTIVE_TEXT_FILE, IDC_KY_VC_ALL_PROJECT_FOLDERS,
                 OnDevStudioRadioButton)
ON_CONTROL_RANGE(BN_CLICKED, IDC_KY_VC_MSVCDIR_INCLUDE, IDC_KY_VC_MSVCDIR_MFC_SRC,
                 OnEnvVarSubFolderCheckButton)
ON_CONTROL_RANGE(BN_CLICKED, IDC_KY_VC_MSSDK_INCLUDE, IDC_KY_VC_MSSDK_SAMPLES,
                 OnEnvVarSubFolderCheckButton)
END_MESSAGE_MAP()

PathPlanVcSubDialog::PathPlanVcSubDialog(const rc_ptr<AppBridge>& bridge)
    : DevEnvSubDialogBase(IDD_KY_PP_VC, PageGuids::PathPlan::VcChooser, kHelpIds, bridge)
{
}

PathPlanVcSubDialog::~PathPlanVcSubDialog() = default;

std::vector<std::unique_ptr<DevEnvSubDialogBase::Group>> PathPlanVcSubDialog::MakeGroups()
{
    std::vector<std::unique_ptr<Group>> groups;
    groups.emplace_back(new DevStudioGroupBox(*this, VC::IsRunning()));
    groups.emplace_back(new MsvcDirGroupBox(*this));
    groups.emplace_back(new MSSDKGroupBox(*this));
    return groups;
}

void PathPlanVcSubDialog::OnControllerCheckBox(UINT id)
{
    ControllerClicked(id);
}

void PathPlanVcSubDialog::OnDevStudioRadioButton(UINT id)
{
    MemberClicked(id);
}

void PathPlanVcSubDialog::OnEnvVarSubFolderCheckButton(UINT id)
{
    MemberClicked(id);
}
