// DevEnvSubDialogBase: the groups' start, clicks, OK check, arguments,
// registry state and task-file records.
#include "KyGuiTool/DevEnvPages/DevEnvSubDialogBase.h"

#include "KyGui/Exceptions/MfcStdException.h"
#include "KyGui/Helpers/DialogEx.h"
#include "KyGuiTool/DevEnvPages/DevEnvPagesResource.h"
#include "KyGuiTool/DevEnvPages/VcGroupBox.h"
#include "KyGuiTool/PathPlans/PathPlanSupport.h"

#include <exception>

using namespace Kyvant;
using Kyvant::PathPlanSupport::ShiftHeld;

namespace {

// The page templates' default masks: a mask set.
const char kDefaultMasks[] = "C++ Files";

} // namespace

IMPLEMENT_DYNAMIC(DevEnvSubDialogBase, KyPathPlanSubDialogBase)

BEGIN_MESSAGE_MAP(DevEnvSubDialogBase, KyPathPlanSubDialogBase)
ON_WM_SIZE()
END_MESSAGE_MAP()

DevEnvSubDialogBase::DevEnvSubDialogBase(int templateId, const ky_I& guid, const DWORD* helpIds,
                                         const rc_ptr<AppBridge>& bridge)
    : KyPathPlanSubDialogBase(templateId, guid, helpIds, bridge, ky_S(kDefaultMasks)),
      m_laidOut(false)
{
}

DevEnvSubDialogBase::~DevEnvSubDialogBase() = default;

BOOL DevEnvSubDialogBase::OnInitDialog()
{
    try {
        KyPathPlanSubDialogBase::OnInitDialog();
        SetUpLayout();
        m_groups = MakeGroups();
        RestoreState(m_pageKey);
    } catch (const std::exception& e) {
        throw MfcStdException::Create(e);
    }
    return TRUE;
}

void DevEnvSubDialogBase::SetUpLayout()
{
    for (CWnd* window : {static_cast<CWnd*>(&m_maskSet), static_cast<CWnd*>(&m_masksCombo),
                         static_cast<CWnd*>(&m_exceptionsButton), static_cast<CWnd*>(&m_advanced),
                         static_cast<CWnd*>(&m_restore)})
        m_layout.m_sideWindows.Add(*window, SimpleLayoutManager::Bottom);
    m_laidOut = true;
}

void DevEnvSubDialogBase::OnSize(UINT type, int cx, int cy)
{
    KyPathPlanSubDialogBase::OnSize(type, cx, cy);
    if (m_laidOut && type != SIZE_MINIMIZED)
        m_layout.Layout();
}

void DevEnvSubDialogBase::ControllerClicked(UINT id)
{
    SetDirty(true);
    for (const auto& group : m_groups) {
        if (group->BoxId() != id)
            continue;
        group->SyncMembers();
        if (!group->IsChecked() || ShiftHeld())
            return;
        for (const auto& other : m_groups) {
            if (other.get() == group.get())
                continue;
            other->SetBoxCheck(false);
            other->EnableMembers(false);
        }
        return;
    }
}

void DevEnvSubDialogBase::MemberClicked(UINT id)
{
    SetDirty(true);
    const bool shift = ShiftHeld();
    for (const auto& group : m_groups) {
        if (group->OnMemberClicked(id, shift))
            return;
    }
}

bool DevEnvSubDialogBase::AllowOK()
{
    bool anyActive = false;
    for (const auto& group : m_groups) {
        if (!group->IsActive())
            continue;
        if (!group->Validate())
            return false;
        anyActive = true;
    }
    if (anyActive)
        return true;
    AfxMessageBox(PathPlanSupport::Load(IDS_KY_PP_SELECT_ACTION).c_str(),
                  MB_OK | MB_ICONEXCLAMATION);
    for (const auto& group : m_groups) {
        if (!group->IsBoxEnabled())
            continue;
        DialogEx::GotoDialogControl(*GetDlgItem(static_cast<int>(group->BoxId())));
        return false;
    }
    DialogEx::ResetFocus(*this);
    return false;
}

void DevEnvSubDialogBase::UpdateArgv(const ArgSink& argv)
{
    KyPathPlanSubDialogBase::UpdateArgv(argv);
    for (const auto& group : m_groups) {
        if (group->IsActive())
            group->WriteArgs(argv);
    }
}

void DevEnvSubDialogBase::SaveState(RegKey& key)
{
    KyPathPlanSubDialogBase::SaveState(key);
    for (const auto& group : m_groups)
        group->Save(key, group->IsActive());
}

void DevEnvSubDialogBase::RestoreState(RegKey& key)
{
    for (const auto& group : m_groups)
        group->Restore(key);
    KyPathPlanSubDialogBase::RestoreState(key);
}

void DevEnvSubDialogBase::DocProcessRecord(ToolDoc::RecHeader& header, void* payload)
{
    for (const auto& group : m_groups) {
        if (group->ApplyRecord(header, payload))
            return;
    }
    KyPathPlanSubDialogBase::DocProcessRecord(header, payload);
}

void DevEnvSubDialogBase::DocWriteRecords(ToolDoc::File& file)
{
    for (const auto& group : m_groups)
        group->WriteRecords(file, group->IsActive());
    KyPathPlanSubDialogBase::DocWriteRecords(file);
}

void DevEnvSubDialogBase::DocOnNew()
{
    for (const auto& group : m_groups)
        group->Clear();
    KyPathPlanSubDialogBase::DocOnNew();
}

void DevEnvSubDialogBase::DocOnFinishNew() {}
