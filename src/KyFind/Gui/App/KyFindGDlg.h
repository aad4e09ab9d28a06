// CKyFindGDlg: the Find Task dialog, the tool settings dialog with the Find
// pattern pages and the path-plan pages; and KyFindGAppBridge, through which
// the Find pages' OK hands their binary-mode flag to the application.
#pragma once

#include "KyGuiTool/Settings/AppBridges.h"
#include "KyGuiTool/Settings/KyBaseDialog.h"

class KyFindGAppBridge : public Kyvant::ToolAppBridge {
public:
    explicit KyFindGAppBridge(KyBaseDialog& host) : ToolAppBridge(host) {}
    // The dialog's tool page's binary-mode flag becomes the application's.
    void OnOK() override;
};

class CKyFindGDlg : public KyBaseDialog {
public:
    // Needs the hand-off block of the finder that asked for the dialog.
    explicit CKyFindGDlg(CWnd* parent = nullptr);

protected:
    DECLARE_MESSAGE_MAP()
};
