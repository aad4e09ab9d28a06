// The Visual Studio .NET page's groups: their controls, values, records,
// checks and arguments.
#include "KyGuiTool/DevEnvPages/VsNetGroupBoxes.h"

#include "KyDB/Named/PathPlanCodes.h"
#include "KyGuiTool/DevEnvPages/DevEnvPagesResource.h"
#include "KyGuiTool/PathPlans/KyPathPlanSubDialogBase.h"

namespace Kyvant {
namespace DevEnvPages {

namespace {

const char kFolderEnd = '\\';

// The Documents group's objects by action index.
const ky_I* const kDocumentObjects[] = {
    &PathPlanTexts::s_VsNetActiveTextDoc, &PathPlanTexts::s_VsNetAllTextDocs,
    &PathPlanTexts::s_VsNetActiveDoc, &PathPlanTexts::s_VsNetAllDocs};

// The Solution Explorer's objects by action index.
const ky_I* const kSolutionObjects[] = {
    &PathPlanTexts::s_VsNetActiveProjectFiles, &PathPlanTexts::s_VsNetAllProjectFiles,
    &PathPlanTexts::s_VsNetSelectedProjectFiles, &PathPlanTexts::s_VsNetSelectedFiles};

// The Related Files group's folders, in member order.
const ky_I* const kRelatedFolders[] = {
    &PathPlanTexts::s_VsNetVcIncludeDir,   &PathPlanTexts::s_VsNetVcCrtSrcDir,
    &PathPlanTexts::s_VsNetPSDKIncludeDir, &PathPlanTexts::s_VsNetAtlMfcIncludeDir,
    &PathPlanTexts::s_VsNetAtlSrcDir,      &PathPlanTexts::s_VsNetMfcSrcDir};

std::vector<ky_S> RelatedFolderArgs()
{
    std::vector<ky_S> args;
    for (const ky_I* folder : kRelatedFolders) {
        ky_S arg(PathPlanCodes::s_VsNetSpecifier);
        arg += *folder;
        arg += kFolderEnd;
        args.push_back(arg);
    }
    return args;
}

} // namespace

bool VsNetGroupBox::ValidateObjectAction(const ActionButtons& actions) const
{
    return ValidateAction(actions, false);
}

void VsNetGroupBox::WriteObject(const ky_BSB<char>& name, const ArgSink& argv) const
{
    WriteObjectArg(PathPlanCodes::s_VsNetSpecifier, name, argv);
}

VsDocGroupBox::VsDocGroupBox(KyPathPlanSubDialogBase& page, bool available)
    : VsNetGroupBox(page, IDC_KY_VSNET_DOCUMENTS, "VsNetDocActive", ActiveRecord, available),
      m_actions(
          page,
          {IDC_KY_VSNET_ACTIVE_TEXT, IDC_KY_VSNET_ALL_TEXT, IDC_KY_VSNET_ACTIVE, IDC_KY_VSNET_ALL},
          "DocAction", ActionRecord)
{
    AddPart(m_actions);
    SyncMembers();
}

bool VsDocGroupBox::Validate()
{
    return ValidateObjectAction(m_actions);
}

void VsDocGroupBox::WriteArgs(const ArgSink& argv) const
{
    const int action = m_actions.Checked();
    if (action != m_actions.None())
        WriteObject(*kDocumentObjects[action], argv);
}

bool VsDocGroupBox::OnMemberClicked(UINT id, bool)
{
    if (!m_actions.Owns(id))
        return false;
    m_actions.Click(id);
    return true;
}

// The "+" boxes' records come before the action's.
SolGroupBox::SolGroupBox(KyPathPlanSubDialogBase& page, bool available)
    : VsNetGroupBox(page, IDC_KY_VSNET_SOLUTION, "VsNetSolActive", ActiveRecord, available),
      m_actions(page,
                {IDC_KY_VSNET_ACTIVE_PROJECT, IDC_KY_VSNET_ALL_PROJECTS,
                 IDC_KY_VSNET_SELECTED_PROJECTS, IDC_KY_VSNET_SELECTED_FILES},
                "SolAction", ActionRecord),
      m_extras(page, {{IDC_KY_VSNET_SOLUTION_ITEMS, "DoSolItems", SolutionItemsRecord},
                      {IDC_KY_VSNET_MISC_FILES, "DoMiscFiles", MiscFilesRecord}})
{
    AddPart(m_extras);
    AddPart(m_actions);
    SyncMembers();
}

bool SolGroupBox::Validate()
{
    return ValidateObjectAction(m_actions);
}

// "All Projects" takes the checked "+" boxes as modifiers.
void SolGroupBox::WriteArgs(const ArgSink& argv) const
{
    const int action = m_actions.Checked();
    if (action == m_actions.None())
        return;
    ky_S name(*kSolutionObjects[action]);
    if (action == AllProjects) {
        const ky_I* const modifiers[] = {&PathPlanTexts::s_VsNetSolItemFiles,
                                         &PathPlanTexts::s_VsNetMiscFiles};
        for (size_t i = 0; i < m_extras.Count(); ++i) {
            if (!m_extras.IsChecked(i))
                continue;
            name += PathPlanCodes::s_VsNetModifierSeparator;
            name += *modifiers[i];
        }
    }
    WriteObject(name, argv);
}

bool SolGroupBox::ApplyRecord(const ToolDoc::RecHeader& header, const void* payload)
{
    if (!VsNetGroupBox::ApplyRecord(header, payload))
        return false;
    SyncExtras();
    return true;
}

void SolGroupBox::EnableMembers(bool enable)
{
    m_actions.Enable(enable);
    SyncExtras();
}

void SolGroupBox::SyncExtras()
{
    m_extras.Enable(m_actions.Checked() == AllProjects && m_actions.IsEnabled(AllProjects));
}

bool SolGroupBox::OnMemberClicked(UINT id, bool)
{
    if (!m_actions.Owns(id))
        return false;
    m_actions.Click(id);
    SyncExtras();
    return true;
}

RelGroupBox::RelGroupBox(KyPathPlanSubDialogBase& page)
    : VsNetGroupBox(page, IDC_KY_VSNET_RELATED, "VsNetRelActive", ActiveRecord, true),
      m_members(page, {{IDC_KY_VSNET_INCLUDE, "VcInclude", 327},
                       {IDC_KY_VSNET_CRT_SOURCE, "VcCrtSrc", 328},
                       {IDC_KY_VSNET_PSDK_INCLUDE, "PSDKInclude", 329},
                       {IDC_KY_VSNET_ATL_MFC_INCLUDE, "AtlMfcInclude", 330},
                       {IDC_KY_VSNET_ATL_SOURCE, "AtlSrc", 331},
                       {IDC_KY_VSNET_MFC_SOURCE, "MfcSrc", 332}}),
      m_args(RelatedFolderArgs())
{
    AddPart(m_members);
    SyncMembers();
}

bool RelGroupBox::Validate()
{
    return ValidateFolders(m_members);
}

void RelGroupBox::WriteArgs(const ArgSink& argv) const
{
    WriteFolderArgs(m_members, m_args, argv);
}

bool RelGroupBox::OnMemberClicked(UINT id, bool shift)
{
    if (!m_members.Owns(id))
        return false;
    m_members.Click(id, shift);
    return true;
}

} // namespace DevEnvPages
} // namespace Kyvant
