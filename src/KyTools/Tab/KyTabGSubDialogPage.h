// KyTabGSubDialogPage: the Tab tool's option page: the conversion between tabs
// and spaces, the tab sizes and the switches, kept in the registry and in task
// files.
#pragma once

#include "KyGuiTool/Pages/KySubDialogPage.h"
#include "KyStd/Registry/RegKey.h"
#include "KyTools/KyToolsExport.h"

#include <afxwin.h>

class KYTOOLS_API KyTabGSubDialogPage : public KySubDialogPage {
    DECLARE_DYNAMIC(KyTabGSubDialogPage)
public:
    // The conversion; also the index of its radio button.
    enum Mode { NoMode = -1, TabsToSpaces = 0, SpacesToTabs = 1, SpacesToSpaces = 2 };

    KyTabGSubDialogPage(const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge,
                        const Kyvant::RegKey& settings);
    ~KyTabGSubDialogPage() override;

    void UpdateArgv(const ArgSink& argv) override;
    void SaveState() override;
    void DocProcessRecord(Kyvant::ToolDoc::RecHeader& header, void* payload) override;
    void DocWriteRecords(Kyvant::ToolDoc::File& file) override;
    void DocOnNew() override;
    void DocOnFinishNew() override;
    void DocOnFinishLoad(bool ok) override;

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnModeClicked(UINT id);
    afx_msg void OnControlChanged(UINT id);
    DECLARE_MESSAGE_MAP()

private:
    // The final size's label and edit are enabled exactly when Spaces to
    // Spaces is checked.
    void UpdateFinalSizeControls();

    CButton m_spacesToSpaces;
    Kyvant::RegKey m_settings;
    CStatic m_finalSizeLabel;
    CEdit m_finalSizeEdit;
    CButton m_everywhereBox;
    CButton m_tabsToSpaces;
    CEdit m_tabSizeEdit;
    int m_tabSize;
    int m_verbose;
    int m_mode;
    int m_everywhere;
    int m_finalTabSize;
};
