// The groups of the Visual C++ 6 page: the running Developer Studio's
// documents, projects and project folders ("@C" items), and the sub-folders
// of the installation named by %MSVCDir% and of the Platform SDK named by
// %MSSDK% ("@p" items).
#pragma once

#include "KyGuiTool/DevEnvPages/GroupParts.h"
#include "KyGuiTool/DevEnvPages/VcGroupBox.h"

#include <vector>

namespace Kyvant {
namespace DevEnvPages {

class DevStudioGroupBox : public VcGroupBox {
public:
    enum Record : int { ActiveRecord = 300, ActionRecord = 301 };
    // Actions from this index on search project folders.
    static const int kFirstFolderAction = 4;

    DevStudioGroupBox(KyPathPlanSubDialogBase& page, bool available);

    bool Validate() override;
    void WriteArgs(const ArgSink& argv) const override;
    bool OnMemberClicked(UINT id, bool shift) override;

private:
    ActionButtons m_actions;
};

// A group of folders under an environment variable.
class EnvVarFolderGroupBox : public VcGroupBox {
public:
    struct Folder {
        MemberChecks::Member member;
        const char* subFolder;
    };

    EnvVarFolderGroupBox(KyPathPlanSubDialogBase& page, UINT box, const char* activeValue,
                         int activeRecord, const char* variable,
                         const std::vector<Folder>& folders);

    bool Validate() override;
    void WriteArgs(const ArgSink& argv) const override;
    bool OnMemberClicked(UINT id, bool shift) override;

private:
    MemberChecks m_members;
    std::vector<ky_S> m_args;
};

class MsvcDirGroupBox : public EnvVarFolderGroupBox {
public:
    enum Record : int { ActiveRecord = 302 };
    static const char kVariable[];

    explicit MsvcDirGroupBox(KyPathPlanSubDialogBase& page);
};

class MSSDKGroupBox : public EnvVarFolderGroupBox {
public:
    enum Record : int { ActiveRecord = 309 };
    static const char kVariable[];

    explicit MSSDKGroupBox(KyPathPlanSubDialogBase& page);
};

} // namespace DevEnvPages
} // namespace Kyvant
