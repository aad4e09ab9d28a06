// KYB_PathEditWnd: the edit of a path row editor: a shell-object list edit
// that replaces its text with what is inserted, gives folders a trailing
// backslash, and ends the row's editing with Enter (keep) or Esc (drop).
#pragma once

#include "KyGui/Lists/ListEditors.h"
#include "KyGuiTool/KyGuiToolExport.h"
#include "KyGuiTool/ShellObjEdit/KyShellObjListEditCtrl.h"

class KYGUITOOL_API KYB_PathEditWnd : public KyShellObjListEditCtrl {
public:
    explicit KYB_PathEditWnd(KYB_Editor& editor);
    ~KYB_PathEditWnd() override;

    KYB_Editor& GetEditor() const { return m_editor; }

protected:
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

private:
    KYB_Editor& m_editor;
};
