// VcGroupBox: the controlling box with its members, availability, registry
// values and task-file records, and the checks and arguments groups share.
#include "KyGuiTool/DevEnvPages/VcGroupBox.h"

#include "KyDB/Named/PathPlanCodes.h"
#include "KyGui/Helpers/DialogEx.h"
#include "KyGuiTool/DevEnvPages/DevEnvPagesResource.h"
#include "KyGuiTool/PathPlans/KyPathPlanSubDialogBase.h"
#include "KyGuiTool/PathPlans/PathPlanSupport.h"
#include "KyGuiTool/PathPlans/PathPlansResource.h"
#include "KyStd/Registry/RegValues.h"

namespace Kyvant {
namespace DevEnvPages {

namespace {

const char kAllMasks[] = "*";
const char kObjectEnd = '\\';

} // namespace

VcGroupBox::VcGroupBox(KyPathPlanSubDialogBase& page, UINT box, const char* activeValue,
                       int activeRecord, bool available)
    : m_page(page), m_box(box), m_activeValue(activeValue), m_activeRecord(activeRecord),
      m_available(available)
{
    ::EnableWindow(Box(), available ? TRUE : FALSE);
}

VcGroupBox::~VcGroupBox() = default;

HWND VcGroupBox::Box() const
{
    return ::GetDlgItem(m_page.m_hWnd, static_cast<int>(m_box));
}

bool VcGroupBox::IsChecked() const
{
    return ::SendMessageA(Box(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool VcGroupBox::IsBoxEnabled() const
{
    return ::IsWindowEnabled(Box()) != FALSE;
}

bool VcGroupBox::IsActive() const
{
    return IsBoxEnabled() && IsChecked();
}

void VcGroupBox::SetBoxCheck(bool checked)
{
    ::SendMessageA(Box(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void VcGroupBox::SyncMembers()
{
    EnableMembers(m_available && IsChecked());
}

void VcGroupBox::EnableMembers(bool enable)
{
    for (GroupPart* part : m_parts)
        part->Enable(enable);
}

void VcGroupBox::Clear()
{
    SetBoxCheck(false);
    for (GroupPart* part : m_parts)
        part->Uncheck();
    EnableMembers(false);
}

void VcGroupBox::Restore(const RegKey& key)
{
    if (!m_available) {
        EnableMembers(false);
        return;
    }
    SetBoxCheck(GetRegistryDWORD(key.get(), m_activeValue, 0) != 0);
    for (GroupPart* part : m_parts)
        part->Restore(key);
    SyncMembers();
}

void VcGroupBox::Save(const RegKey& key, bool active) const
{
    WriteRegistryDWORD(key.get(), m_activeValue, IsChecked() ? 1 : 0);
    if (!active)
        return;
    for (GroupPart* part : m_parts)
        part->Save(key);
}

bool VcGroupBox::ApplyRecord(const ToolDoc::RecHeader& header, const void* payload)
{
    if (header.type != m_activeRecord) {
        for (GroupPart* part : m_parts) {
            if (part->Apply(header, payload))
                return true;
        }
        return false;
    }
    if (header.length < MemberChecks::kFlagSize)
        return true;
    if (*static_cast<const unsigned char*>(payload) != 0) {
        SetBoxCheck(true);
        SyncMembers();
    } else {
        Clear();
    }
    return true;
}

void VcGroupBox::WriteRecords(ToolDoc::File& file, bool active) const
{
    WriteFlag(file, m_activeRecord, active);
    if (!active)
        return;
    for (GroupPart* part : m_parts)
        part->Write(file);
}

bool VcGroupBox::Fail(UINT message, UINT focus) const
{
    AfxMessageBox(PathPlanSupport::Load(message).c_str(), MB_OK | MB_ICONEXCLAMATION);
    CWnd* control = m_page.GetDlgItem(static_cast<int>(focus));
    if (control != nullptr)
        DialogEx::GotoDialogControl(*control);
    return false;
}

bool VcGroupBox::ValidateAction(const ActionButtons& actions, bool needsMasks) const
{
    if (actions.Checked() == actions.None())
        return Fail(IDS_KY_PP_SELECT_ACTION, actions.First());
    if (needsMasks && !m_page.HasMasks())
        return Fail(IDS_KY_PP_NEED_MASKS, IDC_KY_PP_MASKS);
    return true;
}

bool VcGroupBox::ValidateFolders(const MemberChecks& members) const
{
    if (!members.AnyChecked())
        return Fail(IDS_KY_PP_SELECT_ACTION, members.First());
    if (!m_page.HasMasks())
        return Fail(IDS_KY_PP_NEED_MASKS, IDC_KY_PP_MASKS);
    return true;
}

void VcGroupBox::WriteFolderArgs(const MemberChecks& members, const std::vector<ky_S>& args,
                                 const ArgSink& argv) const
{
    if (!members.AnyChecked())
        return;
    AppendInfiniteDepth(argv);
    for (size_t i = 0; i < members.Count(); ++i) {
        if (members.IsChecked(i))
            argv.append(args[i]);
    }
}

void VcGroupBox::AppendInfiniteDepth(const ArgSink& argv)
{
    ky_S depth(PathPlanCodes::s_MaxRecursionDepthSpecifier);
    depth += PathPlanCodes::s_InfiniteRecursionCode;
    argv.append(depth);
}

void VcGroupBox::WriteObjectArg(const char* specifier, const ky_BSB<char>& name,
                                const ArgSink& argv) const
{
    ky_S arg(specifier);
    arg += name;
    if (m_page.HasAnyFilter()) {
        if (!m_page.HasMasks()) {
            ky_S masks(PathPlanCodes::s_MasksSpecifier);
            masks += kAllMasks;
            argv.append(masks);
        }
        arg += kObjectEnd;
    }
    argv.append(arg);
}

} // namespace DevEnvPages
} // namespace Kyvant
