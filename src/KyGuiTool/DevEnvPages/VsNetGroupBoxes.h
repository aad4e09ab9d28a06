// The groups of the Visual Studio .NET page: the running environment's
// documents, its Solution Explorer's projects and files ("@V" objects), and
// the folders of its Visual C++ installation ("@V" folders).
#pragma once

#include "KyGuiTool/DevEnvPages/GroupParts.h"
#include "KyGuiTool/DevEnvPages/VcGroupBox.h"

#include <vector>

namespace Kyvant {
namespace DevEnvPages {

// A group of the VS.NET page: an action chooses an environment object.
class VsNetGroupBox : public VcGroupBox {
public:
    using VcGroupBox::VcGroupBox;

protected:
    // No action: "You must select an action."; masks are not needed.
    bool ValidateObjectAction(const ActionButtons& actions) const;
    void WriteObject(const ky_BSB<char>& name, const ArgSink& argv) const;
};

class VsDocGroupBox : public VsNetGroupBox {
public:
    enum Record : int { ActiveRecord = 320, ActionRecord = 321 };

    VsDocGroupBox(KyPathPlanSubDialogBase& page, bool available);

    bool Validate() override;
    void WriteArgs(const ArgSink& argv) const override;
    bool OnMemberClicked(UINT id, bool shift) override;

private:
    ActionButtons m_actions;
};

// The Solution Explorer's projects and files; "All Projects" may add the
// solution's own items and the miscellaneous files, whose two boxes are
// enabled only while it is the checked, enabled action.
class SolGroupBox : public VsNetGroupBox {
public:
    enum Record : int {
        ActiveRecord = 322,
        ActionRecord = 323,
        SolutionItemsRecord = 324,
        MiscFilesRecord = 325,
    };
    enum Action : int { ActiveProject, AllProjects, SelectedProjects, SelectedFiles };

    SolGroupBox(KyPathPlanSubDialogBase& page, bool available);

    bool Validate() override;
    void WriteArgs(const ArgSink& argv) const override;
    bool ApplyRecord(const ToolDoc::RecHeader& header, const void* payload) override;
    void EnableMembers(bool enable) override;
    bool OnMemberClicked(UINT id, bool shift) override;
    // The two boxes follow the actions' state.
    void SyncExtras();
    bool OwnsExtra(UINT id) const { return m_extras.Owns(id); }

private:
    ActionButtons m_actions;
    MemberChecks m_extras;
};

class RelGroupBox : public VsNetGroupBox {
public:
    enum Record : int { ActiveRecord = 326 };

    explicit RelGroupBox(KyPathPlanSubDialogBase& page);

    bool Validate() override;
    void WriteArgs(const ArgSink& argv) const override;
    bool OnMemberClicked(UINT id, bool shift) override;

private:
    MemberChecks m_members;
    std::vector<ky_S> m_args;
};

} // namespace DevEnvPages
} // namespace Kyvant
