// KyComboBox: a combo box whose drop-down list widens to its widest item.
#pragma once

#include "KyGui/KyGuiExport.h"

#include <afxwin.h>

class KYGUI_API KyComboBox : public CComboBox {
public:
    KyComboBox() = default;

protected:
    // Measures the first items and sets the dropped width; the parent still hears of the drop-down.
    afx_msg BOOL OnDropDown();
    DECLARE_MESSAGE_MAP()
};
