// DevEnvSubDialogBase: what the Visual C++ 6 and Visual Studio .NET pages
// share: a set of groups, each a source of files with a controlling box, one
// source at a time unless Shift is held; OK checks the active groups, the
// arguments are the base page's filters and then each active group's, and
// the groups keep their state in the registry and in task files before the
// base page's.
#pragma once

#include "KyGui/Layout/SimpleLayoutManager.h"
#include "KyGuiTool/KyGuiToolExport.h"
#include "KyGuiTool/PathPlans/KyPathPlanSubDialogBase.h"

#include <afxwin.h>

#include <memory>
#include <vector>

namespace Kyvant {
namespace DevEnvPages {
class VcGroupBox;
} // namespace DevEnvPages
} // namespace Kyvant

class KYGUITOOL_API DevEnvSubDialogBase : public KyPathPlanSubDialogBase {
    DECLARE_DYNAMIC(DevEnvSubDialogBase)
public:
    using Group = Kyvant::DevEnvPages::VcGroupBox;

    DevEnvSubDialogBase(int templateId, const Kyvant::ky_I& guid, const DWORD* helpIds,
                        const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge);
    ~DevEnvSubDialogBase() override;

    // The base's start, the masks row kept at the bottom edge, the groups
    // made (their availability fixed now), then this tool's last settings.
    BOOL OnInitDialog() override;

    // The first failing check of an active group refuses; with no active
    // group, "You must select an action." and the focus on the first enabled
    // controlling box.
    bool AllowOK() override;
    void UpdateArgv(const ArgSink& argv) override;
    using KyPathPlanSubDialogBase::SaveState;
    void SaveState(Kyvant::RegKey& key) override;
    void RestoreState(Kyvant::RegKey& key) override;
    void DocProcessRecord(Kyvant::ToolDoc::RecHeader& header, void* payload) override;
    void DocWriteRecords(Kyvant::ToolDoc::File& file) override;
    void DocOnNew() override;
    void DocOnFinishNew() override;

protected:
    // The page's groups in their order.
    virtual std::vector<std::unique_ptr<Group>> MakeGroups() = 0;

    // A controlling box was clicked: its members follow it, and checking it
    // without Shift turns the other groups off.
    void ControllerClicked(UINT id);
    // An action or member of a group was clicked.
    void MemberClicked(UINT id);

    afx_msg void OnSize(UINT type, int cx, int cy);
    DECLARE_MESSAGE_MAP()

    const std::vector<std::unique_ptr<Group>>& Groups() const { return m_groups; }

private:
    void SetUpLayout();

    std::vector<std::unique_ptr<Group>> m_groups;
    Kyvant::SimpleLayoutManager m_layout;
    bool m_laidOut;
};
