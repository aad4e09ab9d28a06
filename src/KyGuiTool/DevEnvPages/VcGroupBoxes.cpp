// The Visual C++ 6 page's groups: their controls, values, records, checks
// and arguments.
#include "KyGuiTool/DevEnvPages/VcGroupBoxes.h"

#include "KyDB/Named/PathPlanCodes.h"
#include "KyGuiTool/DevEnvPages/DevEnvPagesResource.h"
#include "KyGuiTool/PathPlans/KyPathPlanSubDialogBase.h"

#include <cstdlib>

namespace Kyvant {
namespace DevEnvPages {

namespace {

const char kVariableMark = '%';
const char kFolderEnd = '\\';

// Developer Studio's objects by action index.
const ky_I* const kDevStudioObjects[] = {
    &PathPlanTexts::s_VcActiveTextFile,      &PathPlanTexts::s_VcAllTextFiles,
    &PathPlanTexts::s_VcActiveProjectFiles,  &PathPlanTexts::s_VcAllProjectFiles,
    &PathPlanTexts::s_VcActiveProjectFolder, &PathPlanTexts::s_VcAllProjectFolders};

bool VariableSet(const char* name)
{
    return std::getenv(name) != nullptr;
}

std::vector<MemberChecks::Member>
MembersOf(const std::vector<EnvVarFolderGroupBox::Folder>& folders)
{
    std::vector<MemberChecks::Member> members;
    for (const EnvVarFolderGroupBox::Folder& folder : folders)
        members.push_back(folder.member);
    return members;
}

// "@p%<variable>%\<sub-folder>\" of each folder.
std::vector<ky_S> ArgsOf(const char* variable,
                         const std::vector<EnvVarFolderGroupBox::Folder>& folders)
{
    std::vector<ky_S> args;
    for (const EnvVarFolderGroupBox::Folder& folder : folders) {
        ky_S arg(PathPlanCodes::s_PathSpecifier);
        arg += kVariableMark;
        arg += variable;
        arg += kVariableMark;
        arg += kFolderEnd;
        arg += folder.subFolder;
        arg += kFolderEnd;
        args.push_back(arg);
    }
    return args;
}

} // namespace

DevStudioGroupBox::DevStudioGroupBox(KyPathPlanSubDialogBase& page, bool available)
    : VcGroupBox(page, IDC_KY_VC_DEVSTUDIO, "DevStudioActive", ActiveRecord, available),
      m_actions(page,
                {IDC_KY_VC_ACTIVE_TEXT_FILE, IDC_KY_VC_ALL_TEXT_FILES,
                 IDC_KY_VC_ACTIVE_PROJECT_FILES, IDC_KY_VC_ALL_PROJECT_FILES,
                 IDC_KY_VC_ACTIVE_PROJECT_FOLDER, IDC_KY_VC_ALL_PROJECT_FOLDERS},
                "DevStudioAction", ActionRecord)
{
    AddPart(m_actions);
    SyncMembers();
}

bool DevStudioGroupBox::Validate()
{
    return ValidateAction(m_actions, m_actions.Checked() >= kFirstFolderAction);
}

void DevStudioGroupBox::WriteArgs(const ArgSink& argv) const
{
    const int action = m_actions.Checked();
    if (action == m_actions.None())
        return;
    const ky_I& name = *kDevStudioObjects[action];
    if (action < kFirstFolderAction) {
        WriteObjectArg(PathPlanCodes::s_VcSpecifier, name, argv);
        return;
    }
    AppendInfiniteDepth(argv);
    ky_S folder(PathPlanCodes::s_VcSpecifier);
    folder += name;
    folder += kFolderEnd;
    argv.append(folder);
}

bool DevStudioGroupBox::OnMemberClicked(UINT id, bool)
{
    if (!m_actions.Owns(id))
        return false;
    m_actions.Click(id);
    return true;
}

EnvVarFolderGroupBox::EnvVarFolderGroupBox(KyPathPlanSubDialogBase& page, UINT box,
                                           const char* activeValue, int activeRecord,
                                           const char* variable, const std::vector<Folder>& folders)
    : VcGroupBox(page, box, activeValue, activeRecord, VariableSet(variable)),
      m_members(page, MembersOf(folders)), m_args(ArgsOf(variable, folders))
{
    AddPart(m_members);
    SyncMembers();
}

bool EnvVarFolderGroupBox::Validate()
{
    return ValidateFolders(m_members);
}

void EnvVarFolderGroupBox::WriteArgs(const ArgSink& argv) const
{
    WriteFolderArgs(m_members, m_args, argv);
}

bool EnvVarFolderGroupBox::OnMemberClicked(UINT id, bool shift)
{
    if (!m_members.Owns(id))
        return false;
    m_members.Click(id, shift);
    return true;
}

const char MsvcDirGroupBox::kVariable[] = "MSVCDir";

MsvcDirGroupBox::MsvcDirGroupBox(KyPathPlanSubDialogBase& page)
    : EnvVarFolderGroupBox(
          page, IDC_KY_VC_MSVCDIR, "MSVCDirActive", ActiveRecord, kVariable,
          {{{IDC_KY_VC_MSVCDIR_INCLUDE, "MSVCDirInclude", 303}, "include"},
           {{IDC_KY_VC_MSVCDIR_CRT_SRC, "MSVCDirSrc", 304}, "crt\\src"},
           {{IDC_KY_VC_MSVCDIR_ATL_INCLUDE, "MSVCDirAtlInclude", 305}, "ATL\\include"},
           {{IDC_KY_VC_MSVCDIR_ATL_SRC, "MSVCDirAtlSrc", 306}, "ATL\\src"},
           {{IDC_KY_VC_MSVCDIR_MFC_INCLUDE, "MSVCDirMfcInclude", 307}, "MFC\\include"},
           {{IDC_KY_VC_MSVCDIR_MFC_SRC, "MSVCDirMfcSrc", 308}, "MFC\\src"}})
{
}

const char MSSDKGroupBox::kVariable[] = "MSSDK";

MSSDKGroupBox::MSSDKGroupBox(KyPathPlanSubDialogBase& page)
    : EnvVarFolderGroupBox(page, IDC_KY_VC_MSSDK, "MSSDKActive", ActiveRecord, kVariable,
                           {{{IDC_KY_VC_MSSDK_INCLUDE, "MSSDKInclude", 310}, "include"},
                            {{IDC_KY_VC_MSSDK_SRC, "MSSDKSrc", 311}, "src"},
                            {{IDC_KY_VC_MSSDK_SAMPLES, "MSSDKSamples", 312}, "samples"}})
{
}

} // namespace DevEnvPages
} // namespace Kyvant
