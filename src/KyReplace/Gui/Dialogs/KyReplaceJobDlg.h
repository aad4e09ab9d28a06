// CKyReplaceJobDlg: the Replace Task dialog, the tools' settings dialog with
// the Replace page as its tool side (one tab, "Replace Plan") and the
// path-plan pages as its file search, handing KyReplace its arguments.
#pragma once

#include "KyGuiTool/Settings/KyBaseDialog.h"

class CKyReplaceJobDlg : public KyBaseDialog {
public:
    // The Replace tool's number among the tools (its help topics).
    static const int kToolId = 4;
    // Where the shell extension leaves an Explorer selection for this tool.
    static const char kHandoffKey[];

    explicit CKyReplaceJobDlg(CWnd* parent = nullptr);
    ~CKyReplaceJobDlg() override;

    // The base's set-up and its start-up load; the focus stays where the
    // pages put it.
    BOOL OnInitDialog() override;

protected:
    DECLARE_MESSAGE_MAP()
};
