// EditorOptionsDlg: the "Configure Editor" dialog: the editor program (with
// a browse button) and its arguments. Arguments without a program are
// refused.
#pragma once

#include "KyFind/Gui/Editor/EditorCommand.h"
#include "KyGui/Buttons/KyButtonEditorInvoker.h"

#include <afxwin.h>

class EditorOptionsDlg : public CDialog {
public:
    EditorOptionsDlg(const Kyvant::FindEditor::EditorSettings& settings, CWnd* parent = nullptr);

    // The values accepted with OK.
    const Kyvant::FindEditor::EditorSettings& GetSettings() const { return m_settings; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg LRESULT OnBrowse(WPARAM, LPARAM);
    afx_msg BOOL OnHelpInfo(HELPINFO* info);
    DECLARE_MESSAGE_MAP()

private:
    Kyvant::FindEditor::EditorSettings m_settings;
    KyButtonEditorInvoker m_browse;
};
