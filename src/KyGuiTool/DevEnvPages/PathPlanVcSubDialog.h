// PathPlanVcSubDialog: the "VC++ 5/6" path-plan page. The tool works on the
// running Developer Studio's documents, projects or project folders, or on
// sub-folders of %MSVCDir% and %MSSDK%; the page only names them for the
// console program, which finds the files.
#pragma once

#include "KyGuiTool/DevEnvPages/DevEnvSubDialogBase.h"
#include "KyGuiTool/KyGuiToolExport.h"

class KYGUITOOL_API PathPlanVcSubDialog : public DevEnvSubDialogBase {
    DECLARE_DYNAMIC(PathPlanVcSubDialog)
public:
    explicit PathPlanVcSubDialog(const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge);
    ~PathPlanVcSubDialog() override;

protected:
    // Developer Studio while it runs, %MSVCDir% and %MSSDK% while they are set.
    std::vector<std::unique_ptr<Group>> MakeGroups() override;

    afx_msg void OnControllerCheckBox(UINT id);
    afx_msg void OnDevStudioRadioButton(UINT id);
    afx_msg void OnEnvVarSubFolderCheckButton(UINT id);
    DECLARE_MESSAGE_MAP()
};
