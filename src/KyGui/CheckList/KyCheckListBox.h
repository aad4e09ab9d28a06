// KyCheckListBox: the check list box with group operations on multi-selection
// lists: a check change spreads to the other selected items, and with Shift the
// checked item works like a radio choice.
#pragma once

#include "KyGui/KyGuiExport.h"
#include "KyGui/CheckList/KyCheckListBoxBase.h"

class KYGUI_API KyCheckListBox : public KyCheckListBoxBase {
public:
    KyCheckListBox();
    ~KyCheckListBox() override;

    // In a multi-selection list whose item index is selected among at least two,
    // the other selected enabled items take its check state.
    void CheckSelectedItems(int index, bool notify = false);
    // In a multi-selection list every other enabled item is unchecked; when index is
    // selected, the other selected items keep their checks.
    void DoRadioCheck(int index, bool notify = false);

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

private:
    bool m_drawSelected; // the item being drawn is selected
};
