// KyReBar: the frames' rebar, two pixels taller under visual styles.
#pragma once

#include "KyGui/KyGuiExport.h"

#include <afxext.h>

class KYGUI_API KyReBar : public CReBar {
public:
    KyReBar();
    ~KyReBar() override;

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    bool IsThemed() const { return m_themed; }

protected:
    void PreSubclassWindow() override;

    afx_msg LRESULT OnThemeChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    bool m_themed;
};
