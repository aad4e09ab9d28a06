// KyCheckListBox: the check column drawn unselected, clicks and Space spreading a
// check to the selection, and the radio choice with Shift.
#include "KyGui/CheckList/KyCheckListBox.h"

#include "KyGui/Helpers/DialogEx.h"

namespace {

constexpr int kExtraTextIndent = 2;

bool KeyDown(int key)
{
    return ::GetKeyState(key) < 0;
}

} // namespace

BEGIN_MESSAGE_MAP(KyCheckListBox, KyCheckListBoxBase)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_KEYDOWN()
END_MESSAGE_MAP()

KyCheckListBox::KyCheckListBox() : m_drawSelected(false) {}

KyCheckListBox::~KyCheckListBox() = default;

BOOL KyCheckListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return KyCheckListBoxBase::OnChildNotify(message, wParam, lParam, pResult);
    DRAWITEMSTRUCT copy = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    m_drawSelected = (copy.itemState & ODS_SELECTED) != 0;
    copy.itemState &= ~static_cast<UINT>(ODS_SELECTED);
    return KyCheckListBoxBase::OnChildNotify(message, wParam, reinterpret_cast<LPARAM>(&copy),
                                             pResult);
}

void KyCheckListBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (m_drawSelected)
        lpDrawItemStruct->itemState |= ODS_SELECTED;
    lpDrawItemStruct->rcItem.left += kExtraTextIndent;
    KyCheckListBoxBase::DrawItem(lpDrawItemStruct);
}

void KyCheckListBox::CheckSelectedItems(int index, bool notify)
{
    if (IsMultiSelection() && GetSel(index) > 0 && GetSelCount() >= 2) {
        const int state = GetCheck(index);
        const int count = ItemCount();
        for (int i = 0; i < count; ++i) {
            if (i != index && GetSel(i) > 0 && IsEnabled(i))
                SetCheck(i, state);
        }
    }
    if (notify)
        NotifyCheckChanged();
}

void KyCheckListBox::DoRadioCheck(int index, bool notify)
{
    if (IsMultiSelection()) {
        const bool keepSelection = GetSel(index) > 0;
        const int count = ItemCount();
        for (int i = 0; i < count; ++i) {
            if (i == index || !IsEnabled(i) || (keepSelection && GetSel(i) > 0))
                continue;
            SetCheck(i, kUnchecked);
        }
    }
    if (notify)
        NotifyCheckChanged();
}

void KyCheckListBox::OnLButtonDown(UINT nFlags, CPoint point)
{
    Kyvant::DialogEx::SetFocus(*this);
    int inCheck = FALSE;
    const int index = CheckFromPoint(point, inCheck);
    if (index < 0) {
        Default();
        return;
    }
    if (!IsEnabled(index))
        return;
    if (!inCheck || !UserCanToggle()) {
        Default();
        return;
    }
    SetCheck(index, NextState(GetCheck(index)));
    if ((nFlags & MK_CONTROL) == 0) {
        CheckSelectedItems(index);
        if ((nFlags & MK_SHIFT) != 0)
            DoRadioCheck(index);
    }
    NotifyCheckChanged();
}

void KyCheckListBox::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    int inCheck = FALSE;
    if (CheckFromPoint(point, inCheck) >= 0 && inCheck)
        OnLButtonDown(nFlags, point);
    else
        Default();
}

void KyCheckListBox::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    const int caret = GetCaretIndex();
    const int before = GetCheck(caret);
    KyCheckListBoxBase::OnKeyDown(nChar, nRepCnt, nFlags);
    // Only a Space that changed the caret item's check spreads it.
    if (nChar != VK_SPACE || KeyDown(VK_CONTROL) || !IsValidIndex(caret) ||
        GetCheck(caret) == before)
        return;
    CheckSelectedItems(caret);
    if (KeyDown(VK_SHIFT))
        DoRadioCheck(caret);
}
