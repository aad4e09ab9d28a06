// FileQueryDlg: the question about one file that the progress dialog asks
// for the console tool, with "to all" answers (for attributes and binary
// files) or without them (for errors, where No stops further reports).
#pragma once

#include "KyGui/Layout/SimpleLayoutManager.h"
#include "KyGuiTool/KyGuiToolExport.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Strings/String.h"

#include <afxwin.h>

class KYGUITOOL_API FileQueryDlg : public CDialog {
public:
    // The modes: all five answers, or Yes, No and Cancel.
    static const int kWithToAll = 0;
    static const int kError = 1;

    FileQueryDlg(const Kyvant::ky_S& text, const Kyvant::ky_F& path, int mode,
                 CWnd* pParent = nullptr);
    ~FileQueryDlg() override;

    // DoModal ends with the id of the button pressed (IDCANCEL for Cancel).

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

    afx_msg void OnAnswer(UINT nID);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    void ArrangeErrorButtons();
    bool ShowShellIcon();
    void DropShellIcon();
    void RegisterLayout();
    void ShowPathLine();
    void GrowToFitTexts();

    Kyvant::ky_S m_text;
    Kyvant::ky_F m_path;
    int m_mode;
    HICON m_shellIcon;
    bool m_layoutReady;
    Kyvant::SimpleLayoutManager m_layout;
};
