// The action buttons and member check boxes of the development-environment
// pages' groups: their clicks, registry values and task-file records.
#include "KyGuiTool/DevEnvPages/GroupParts.h"

#include "KyStd/Registry/RegValues.h"

#include <utility>

namespace Kyvant {
namespace DevEnvPages {

namespace {

const unsigned kByteBits = 8;
const unsigned kByteMask = 0xFF;

} // namespace

GroupPart::~GroupPart() = default;

bool GroupPart::IsChecked(UINT id) const
{
    return ::SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void GroupPart::SetCheck(UINT id, bool checked) const
{
    ::SendMessageA(Control(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void GroupPart::EnableControl(UINT id, bool enable) const
{
    ::EnableWindow(Control(id), enable ? TRUE : FALSE);
}

void WriteFlag(ToolDoc::File& file, int record, bool flag)
{
    const unsigned char byte = flag ? 1 : 0;
    file.Write(record, &byte, MemberChecks::kFlagSize);
}

ActionButtons::ActionButtons(CWnd& page, std::vector<UINT> ids, const char* value, int record)
    : GroupPart(page), m_ids(std::move(ids)), m_value(value), m_record(record)
{
}

int ActionButtons::Checked() const
{
    for (int i = 0; i < Count(); ++i) {
        if (GroupPart::IsChecked(m_ids[i]))
            return i;
    }
    return None();
}

void ActionButtons::Check(int index)
{
    for (int i = 0; i < Count(); ++i)
        SetCheck(m_ids[i], i == index);
}

void ActionButtons::Click(UINT id)
{
    if (GroupPart::IsChecked(id))
        return;
    for (UINT button : m_ids)
        SetCheck(button, button == id);
}

bool ActionButtons::IsEnabled(int index) const
{
    return index >= 0 && index < Count() && ::IsWindowEnabled(Control(m_ids[index])) != FALSE;
}

void ActionButtons::Uncheck()
{
    Check(None());
}

void ActionButtons::Enable(bool enable)
{
    for (UINT id : m_ids)
        EnableControl(id, enable);
}

void ActionButtons::Restore(const RegKey& key)
{
    const DWORD index = GetRegistryDWORD(key.get(), m_value, static_cast<DWORD>(None()));
    Check(index < static_cast<DWORD>(Count()) ? static_cast<int>(index) : None());
}

void ActionButtons::Save(const RegKey& key) const
{
    WriteRegistryDWORD(key.get(), m_value, static_cast<DWORD>(Checked()));
}

bool ActionButtons::Apply(const ToolDoc::RecHeader& header, const void* payload)
{
    if (header.type != m_record)
        return false;
    if (header.length < kIndexSize)
        return true;
    const auto* bytes = static_cast<const unsigned char*>(payload);
    Check(bytes[0] | (bytes[1] << kByteBits));
    return true;
}

void ActionButtons::Write(ToolDoc::File& file) const
{
    const unsigned index = static_cast<unsigned>(Checked());
    const unsigned char bytes[kIndexSize] = {static_cast<unsigned char>(index & kByteMask),
                                             static_cast<unsigned char>(index >> kByteBits)};
    file.Write(m_record, bytes, kIndexSize);
}

bool ActionButtons::Owns(UINT id) const
{
    for (UINT button : m_ids) {
        if (button == id)
            return true;
    }
    return false;
}

MemberChecks::MemberChecks(CWnd& page, std::vector<Member> members)
    : GroupPart(page), m_members(std::move(members))
{
}

bool MemberChecks::AnyChecked() const
{
    for (size_t i = 0; i < Count(); ++i) {
        if (IsChecked(i))
            return true;
    }
    return false;
}

void MemberChecks::Click(UINT id, bool add)
{
    if (add) {
        SetCheck(id, true);
        return;
    }
    const bool checked = !GroupPart::IsChecked(id);
    for (const Member& member : m_members)
        SetCheck(member.id, member.id == id && checked);
}

void MemberChecks::Uncheck()
{
    for (const Member& member : m_members)
        SetCheck(member.id, false);
}

void MemberChecks::Enable(bool enable)
{
    for (const Member& member : m_members)
        EnableControl(member.id, enable);
}

void MemberChecks::Restore(const RegKey& key)
{
    for (const Member& member : m_members)
        SetCheck(member.id, GetRegistryDWORD(key.get(), member.value, 0) != 0);
}

void MemberChecks::Save(const RegKey& key) const
{
    for (size_t i = 0; i < Count(); ++i)
        WriteRegistryDWORD(key.get(), m_members[i].value, IsChecked(i) ? 1 : 0);
}

bool MemberChecks::Apply(const ToolDoc::RecHeader& header, const void* payload)
{
    for (const Member& member : m_members) {
        if (header.type != member.record)
            continue;
        if (header.length >= kFlagSize)
            SetCheck(member.id, *static_cast<const unsigned char*>(payload) != 0);
        return true;
    }
    return false;
}

void MemberChecks::Write(ToolDoc::File& file) const
{
    for (size_t i = 0; i < Count(); ++i)
        WriteFlag(file, m_members[i].record, IsChecked(i));
}

bool MemberChecks::Owns(UINT id) const
{
    for (const Member& member : m_members) {
        if (member.id == id)
            return true;
    }
    return false;
}

} // namespace DevEnvPages
} // namespace Kyvant
