// KyAddComputerDlg: the "Add Computer" dialog that asks for the name of a
// computer not listed yet, typed or chosen in the system's computer browser.
#pragma once

#include "KyGui/Buttons/KyButtonEditorInvoker.h"
#include "KyGuiTool/KyGuiToolExport.h"
#include "KyStd/Strings/String.h"

#include <afxwin.h>

#include <vector>

class KYGUITOOL_API KyAddComputerDlg : public CDialog {
public:
    // The longest name taken.
    static const unsigned kMaxNameLength = 64;

    // The listed names are refused (compared without case).
    KyAddComputerDlg(const std::vector<Kyvant::ky_I>& listed, CWnd* parent);
    ~KyAddComputerDlg() override;

    // The accepted name, blanks at its ends taken off.
    const Kyvant::ky_I& GetName() const { return m_name; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg LRESULT OnInvokeEditor(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void Browse();

    std::vector<Kyvant::ky_I> m_listed;
    Kyvant::ky_I m_name;
    KyButtonEditorInvoker m_browse;
    CEdit m_edit;
};
