// CKyDirGDlg: the Dir task dialog: the Dir page above the path-plan pages,
// on the tools' settings dialog.
#pragma once

#include "KyGuiTool/Pages/KySubDialogPage.h"
#include "KyGuiTool/Settings/KyBaseDialog.h"

#include <memory>

class CKyDirGDlg : public KyBaseDialog {
    DECLARE_DYNAMIC(CKyDirGDlg)

public:
    // Raises os_error when no Dir task waits for its dialog.
    explicit CKyDirGDlg(CWnd* parent = nullptr);
    ~CKyDirGDlg() override;

    // The tool side's tab control over the Dir page, and the page.
    KySubDialogTabCtrl& GetToolTabs() const { return *m_toolTabs; }
    KySubDialogPage& GetDirPage() const { return *m_page; }

private:
    KySubDialogTabCtrl* m_toolTabs; // owned by the base
    std::unique_ptr<KySubDialogPage> m_page;
};
