// KyCheckListBoxBase: hit testing, clicks in the check area and Space.
#include "KyGui/CheckList/KyCheckListBoxBase.h"

namespace {

constexpr int kCheckColumnGap = 4; // check box width to the item's text part

} // namespace

int KyCheckListBoxBase::CheckFromPoint(CPoint point, int& inCheck)
{
    inCheck = FALSE;
    const int count = ItemCount();
    const int checkArea = CheckSize().cx + kCheckColumnGap;
    const DWORD style = GetStyle();
    if ((style & LBS_OWNERDRAWFIXED) != 0 && (style & LBS_MULTICOLUMN) == 0) {
        const int height = GetItemHeight(0);
        if (point.y < 0 || height <= 0)
            return -1;
        const int index = GetTopIndex() + point.y / height;
        inCheck = point.x < checkArea;
        return index < count ? index : -1;
    }
    CRect client;
    GetClientRect(&client);
    for (int i = GetTopIndex(); i >= 0 && i < count; ++i) {
        CRect item;
        if (GetItemRect(i, &item) == LB_ERR || item.top >= client.bottom ||
            item.left >= client.right)
            break;
        if (item.PtInRect(point)) {
            inCheck = point.x < item.left + checkArea;
            return i;
        }
    }
    return -1;
}

void KyCheckListBoxBase::OnCheckClick(int index)
{
    const int state = NextState(GetCheck(index));
    SetCheck(index, state);
    if (IsMultiSelection() && GetSel(index) > 0)
        SetSelectionCheck(state);
    else
        Default(); // the item is selected as by any click
    NotifyCheckChanged();
}

void KyCheckListBoxBase::OnLButtonDown(UINT, CPoint point)
{
    SetFocus();
    int inCheck = FALSE;
    const int index = CheckFromPoint(point, inCheck);
    if (index < 0) {
        Default();
        return;
    }
    if (!IsEnabled(index))
        return;
    if (inCheck && UserCanToggle())
        OnCheckClick(index);
    else
        Default();
}

void KyCheckListBoxBase::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    int inCheck = FALSE;
    if (CheckFromPoint(point, inCheck) >= 0 && inCheck)
        OnLButtonDown(nFlags, point);
    else
        Default();
}

void KyCheckListBoxBase::OnKeyDown(UINT nChar, UINT, UINT)
{
    const int caret = GetCaretIndex();
    if (nChar != VK_SPACE || !UserCanToggle() || !IsValidIndex(caret)) {
        Default();
        return;
    }
    if ((GetStyle() & LBS_MULTIPLESEL) != 0)
        SpaceMultipleSel(caret);
    else
        SpaceSingleOrExtended(caret);
}

void KyCheckListBoxBase::SpaceMultipleSel(int caret)
{
    const bool selected = GetSel(caret) > 0;
    if (!IsEnabled(caret)) {
        SetSel(caret, FALSE);
        return;
    }
    if (selected) {
        SetCheck(caret, NextState(GetCheck(caret)));
        NotifyCheckChanged();
    }
    SetSel(caret, !selected);
}

void KyCheckListBoxBase::SpaceSingleOrExtended(int caret)
{
    if (!IsEnabled(caret)) {
        if ((GetStyle() & LBS_EXTENDEDSEL) != 0)
            SetSel(caret, FALSE);
        else if (GetCurSel() == caret)
            SetCurSel(-1);
        return;
    }
    const int state = NextState(GetCheck(caret));
    SetCheck(caret, state);
    if ((GetStyle() & LBS_EXTENDEDSEL) != 0)
        SetSelectionCheck(state);
    NotifyCheckChanged();
}
