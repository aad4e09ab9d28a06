// KyCheckListBoxBase: an owner-drawn list box with a check box in front of every
// item, themed or from a bitmap; items can be disabled. The caller's item data
// is kept in a record of the control's own, invisible behind the list-box messages.
#pragma once

#include "KyGui/KyGuiExport.h"

#include <afxwin.h>
#include <uxtheme.h>

namespace Kyvant {
class CheckBoxTheme;
} // namespace Kyvant

// The notification code of WM_COMMAND to the parent after the user changed a check:
// wParam MAKEWPARAM(control id, this code), lParam the list box window.
const UINT KY_CLBN_CHECK_CHANGED = 40;

class KYGUI_API KyCheckListBoxBase : public CListBox {
    DECLARE_DYNAMIC(KyCheckListBoxBase)

public:
    // Check styles: the button-style numbers of the boxes in front of the items.
    enum CheckStyle : UINT {
        kCheckBox = 2,      // BS_CHECKBOX: the user cannot change it
        kAutoCheckBox = 3,  // BS_AUTOCHECKBOX
        kThreeState = 5,    // BS_3STATE: the user cannot change it
        kAutoThreeState = 6 // BS_AUTO3STATE: clicks cycle through all three states
    };
    enum CheckState { kUnchecked = 0, kChecked = 1, kIndeterminate = 2 };

    KyCheckListBoxBase();
    ~KyCheckListBoxBase() override;
    KyCheckListBoxBase(const KyCheckListBoxBase&) = delete;
    KyCheckListBoxBase& operator=(const KyCheckListBoxBase&) = delete;

    // The list box, owner-drawn with fixed height unless LBS_OWNERDRAWVARIABLE is given.
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    void SetCheckStyle(UINT style);
    UINT GetCheckStyle() const { return m_checkStyle; }
    // State 2 is ignored under check styles 2 and 3, an index the list box refuses is
    // ignored; a state other than 0, 1 or 2 is std::invalid_argument. Sends nothing.
    void SetCheck(int index, int state);
    int GetCheck(int index) const;
    void Enable(int index, BOOL enabled = TRUE);
    BOOL IsEnabled(int index) const;
    HTHEME GetTheme() const;

    // The item under the client point (-1 for none); inCheck tells whether the
    // point lies in the item's check area.
    int CheckFromPoint(CPoint point, int& inCheck);

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;

protected:
    // Where the check box goes inside the check column; the default keeps it.
    virtual CRect OnGetCheckPosition(CRect rectItem, CRect rectCheckBox);

    void PreSubclassWindow() override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    // Each item's record: the control's own item data.
    struct ItemRecord {
        int check;
        BOOL enabled;
        DWORD_PTR data; // the caller's item data
    };

    bool HasStrings() const;
    bool IsMultiSelection() const;
    // The record of a valid item, or null; created (keeping the item's data) when asked.
    ItemRecord* Record(int index, bool create) const;
    bool IsValidIndex(int index) const;
    int ItemCount() const;
    // Check height + 2, or the text height + 2 when larger for fixed-height lists with strings.
    int MinimumItemHeight();
    int TextHeight();
    CSize CheckSize() const;
    // The check style lets the user change checks.
    bool UserCanToggle() const;
    // The state a click or Space gives an item in the given state.
    int NextState(int state) const;
    // The item's check area, redrawn without erasing.
    void InvalidateCheck(int index);
    // Every selected enabled item takes the state.
    void SetSelectionCheck(int state);
    void NotifyCheckChanged();
    // Toggles the item under a left-button message in the check area; the base's rules.
    void OnCheckClick(int index);

    afx_msg LRESULT OnAddString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnInsertString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetItemData(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetItemData(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnFindString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSelectString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnFindStringExact(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetItemHeight(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg LRESULT OnThemeChanged(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

private:
    void UpdateTheme();
    void ApplyMinimumItemHeight();
    LRESULT AddRecord(UINT message, WPARAM wParam, LPARAM lParam);
    int FindByData(int start, DWORD_PTR data) const;
    DWORD_PTR CallerData(DWORD_PTR itemData) const;
    void SpaceMultipleSel(int caret);
    void SpaceSingleOrExtended(int caret);

    LRESULT DrawWrapper(DRAWITEMSTRUCT& dis);
    LRESULT MeasureWrapper(MEASUREITEMSTRUCT& mis);
    LRESULT DeleteWrapper(const DELETEITEMSTRUCT& dis);
    LRESULT CompareWrapper(const COMPAREITEMSTRUCT& cis);

    Kyvant::CheckBoxTheme* m_theme; // owned
    int m_textHeight;               // 0: not yet measured
    UINT m_checkStyle;
};
