// KyCommandLineViewerDlg: shows the command line of the current settings,
// whole and one argument per line; Run accepts it.
#pragma once

#include "KyGuiTool/KyGuiToolExport.h"
#include "KyStd/Strings/String.h"

#include <afxwin.h>

class KYGUITOOL_API KyCommandLineViewerDlg : public CDialog {
    DECLARE_DYNAMIC(KyCommandLineViewerDlg)
public:
    // The arguments each end in CR LF; the command line is one line.
    KyCommandLineViewerDlg(const Kyvant::ky_S& arguments, const Kyvant::ky_S& commandLine,
                           CWnd* parent = nullptr);
    ~KyCommandLineViewerDlg() override;

    BOOL OnInitDialog() override;

private:
    void ShowText(int id, const Kyvant::ky_S& text);

    Kyvant::ky_S m_arguments;
    Kyvant::ky_S m_commandLine;
    CFont m_font;
};
