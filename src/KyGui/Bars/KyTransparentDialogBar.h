// KyTransparentDialogBar: a dialog bar that shows its parent's background under
// visual styles.
#pragma once

#include "KyGui/KyGuiExport.h"

#include <afxext.h>

class KYGUI_API KyTransparentDialogBar : public CDialogBar {
public:
    KyTransparentDialogBar();
    ~KyTransparentDialogBar() override;

    bool IsThemed() const { return m_themed; }

protected:
    void PreSubclassWindow() override;

    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnThemeChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    bool m_themed;
};
