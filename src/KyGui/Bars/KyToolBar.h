// KyToolBar: the frames' toolbar; it keeps its layout when system settings change.
#pragma once

#include "KyGui/KyGuiExport.h"

#include <afxext.h>

class KYGUI_API KyToolBar : public CToolBar {
public:
    KyToolBar();
    ~KyToolBar() override;

protected:
    afx_msg LRESULT OnSettingChange(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
