// ListViewEx: single selection and focus of list view rows.
#include "KyGui/Helpers/ListViewEx.h"

namespace Kyvant {
namespace ListViewEx {

namespace {

constexpr int kAllItems = -1;

void SetState(CListCtrl& list, int index, UINT state, UINT mask)
{
    LVITEMA item = {};
    item.stateMask = mask;
    item.state = state;
    list.SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void EnsureVisible(CListCtrl& list, int index)
{
    list.SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
}

} // namespace

int GetCurSel(const CListCtrl& list)
{
    if (list.GetSelectedCount() != 1)
        return -1;
    return list.GetNextItem(-1, LVNI_SELECTED);
}

void SetCurSel(CListCtrl& list, int index, bool makeVisible)
{
    if (index < 0) {
        SetState(list, kAllItems, 0, LVIS_SELECTED);
        return;
    }
    for (int i = list.GetNextItem(-1, LVNI_SELECTED); i >= 0; i = list.GetNextItem(i, LVNI_SELECTED))
        if (i != index)
            SetState(list, i, 0, LVIS_SELECTED | LVIS_FOCUSED);
    const int focused = GetFocusItem(list);
    if (focused >= 0 && focused != index)
        SetState(list, focused, 0, LVIS_FOCUSED);
    SetState(list, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    if (makeVisible)
        EnsureVisible(list, index);
}

int GetFocusItem(const CListCtrl& list)
{
    return list.GetNextItem(-1, LVNI_FOCUSED);
}

void SetFocusItem(CListCtrl& list, int index, bool makeVisible)
{
    const int focused = GetFocusItem(list);
    if (focused >= 0 && focused != index)
        SetState(list, focused, 0, LVIS_FOCUSED);
    if (index < 0)
        return;
    SetState(list, index, LVIS_FOCUSED, LVIS_FOCUSED);
    if (makeVisible)
        EnsureVisible(list, index);
}

} // namespace ListViewEx
} // namespace Kyvant
