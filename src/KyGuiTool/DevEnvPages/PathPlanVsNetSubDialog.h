// PathPlanVsNetSubDialog: the "VS.NET" path-plan page. The tool works on the
// running Visual Studio .NET's documents, or the projects and files of its
// Solution Explorer, or on folders of its Visual C++ installation; the page
// names them for the console program, which finds the files.
#pragma once

#include "KyGuiTool/DevEnvPages/DevEnvSubDialogBase.h"
#include "KyGuiTool/KyGuiToolExport.h"

class KYGUITOOL_API PathPlanVsNetSubDialog : public DevEnvSubDialogBase {
    DECLARE_DYNAMIC(PathPlanVsNetSubDialog)
public:
    explicit PathPlanVsNetSubDialog(const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge);
    ~PathPlanVsNetSubDialog() override;

protected:
    // Documents and Solution Explorer while the environment runs; the
    // related folders always.
    std::vector<std::unique_ptr<Group>> MakeGroups() override;

    afx_msg void OnControllerCheckBox(UINT id);
    afx_msg void OnVsNetDocRadioButton(UINT id);
    afx_msg void OnVsNetSolRadioButton(UINT id);
    afx_msg void OnSolutionExtraCheckButton(UINT id);
    afx_msg void OnRelatedFilesCheckButton(UINT id);
    DECLARE_MESSAGE_MAP()
};
