// VcGroupBox: one source of files on a development-environment page: a
// controlling check box with its members (action buttons, folder check
// boxes). The group is active while its box is enabled and checked; an
// unavailable group keeps its box and members disabled whatever is loaded
// into it.
#pragma once

#include "KyGuiTool/DevEnvPages/GroupParts.h"
#include "KyGuiTool/Pages/SubDialogBridge.h"
#include "KyGuiTool/TaskFiles/ToolDocFile.h"
#include "KyStd/Registry/RegKey.h"
#include "KyStd/Strings/String.h"

#include <afxwin.h>

#include <vector>

class KyPathPlanSubDialogBase;

namespace Kyvant {
namespace DevEnvPages {

class VcGroupBox {
public:
    using ArgSink = SubDialogBridge::ArgSink;

    VcGroupBox(KyPathPlanSubDialogBase& page, UINT box, const char* activeValue, int activeRecord,
               bool available);
    virtual ~VcGroupBox();
    VcGroupBox(const VcGroupBox&) = delete;
    VcGroupBox& operator=(const VcGroupBox&) = delete;

    // Box and members unchecked, members disabled.
    virtual void Clear();
    // False, after showing what is missing and moving the focus to it, when
    // the group cannot be used as it stands.
    virtual bool Validate() = 0;
    virtual void WriteArgs(const ArgSink& argv) const = 0;
    // Availability first: an unavailable group is only disabled. Otherwise
    // the box and the members' values, members enabled with the box.
    virtual void Restore(const RegKey& key);
    // The box's value always, the members' only when active.
    virtual void Save(const RegKey& key, bool active) const;
    // True when the record is the group's.
    virtual bool ApplyRecord(const ToolDoc::RecHeader& header, const void* payload);
    // The active record always, the members' only when active.
    virtual void WriteRecords(ToolDoc::File& file, bool active) const;
    virtual void EnableMembers(bool enable);
    // A click on a member: true when the control is one of the group's.
    virtual bool OnMemberClicked(UINT id, bool shift) = 0;

    UINT BoxId() const { return m_box; }
    bool IsAvailable() const { return m_available; }
    bool IsChecked() const;
    bool IsActive() const;
    bool IsBoxEnabled() const;
    void SetBoxCheck(bool checked);
    // Members enabled exactly while the group is available and checked.
    void SyncMembers();

protected:
    // The parts in the order of their records.
    void AddPart(GroupPart& part) { m_parts.push_back(&part); }
    // Shows the string and moves the focus to the page's control; false.
    bool Fail(UINT message, UINT focus) const;
    // An action chosen, and masks when the action searches folders.
    bool ValidateAction(const ActionButtons& actions, bool needsMasks) const;
    // A member checked, and masks for the folders.
    bool ValidateFolders(const MemberChecks& members) const;
    // "@d+", then the argument of each checked member.
    void WriteFolderArgs(const MemberChecks& members, const std::vector<ky_S>& args,
                         const ArgSink& argv) const;
    // "@d+": folders searched to any depth.
    static void AppendInfiniteDepth(const ArgSink& argv);
    // A development-environment object: "@m*" first when the page has filters
    // but no masks, and the name ended by a backslash when it has filters.
    void WriteObjectArg(const char* specifier, const ky_BSB<char>& name, const ArgSink& argv) const;

    KyPathPlanSubDialogBase& m_page;

private:
    HWND Box() const;

    UINT m_box;
    const char* m_activeValue;
    int m_activeRecord;
    bool m_available;
    std::vector<GroupPart*> m_parts;
};

} // namespace DevEnvPages
} // namespace Kyvant
