// KyCheckListBoxBase: the message table, and the list-box messages that hand the
// caller's item data in and out of the control's own item records.
#include "KyGui/CheckList/KyCheckListBoxBase.h"

#include <algorithm>
#include <cstring>

BEGIN_MESSAGE_MAP(KyCheckListBoxBase, CListBox)
ON_MESSAGE(LB_ADDSTRING, OnAddString)
ON_MESSAGE(LB_INSERTSTRING, OnInsertString)
ON_MESSAGE(LB_GETITEMDATA, OnGetItemData)
ON_MESSAGE(LB_SETITEMDATA, OnSetItemData)
ON_MESSAGE(LB_FINDSTRING, OnFindString)
ON_MESSAGE(LB_SELECTSTRING, OnSelectString)
ON_MESSAGE(LB_FINDSTRINGEXACT, OnFindStringExact)
ON_MESSAGE(LB_GETTEXT, OnGetText)
ON_MESSAGE(LB_SETITEMHEIGHT, OnSetItemHeight)
ON_MESSAGE(WM_SETFONT, OnSetFont)
ON_WM_CREATE()
ON_MESSAGE(WM_THEMECHANGED, OnThemeChanged)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_KEYDOWN()
END_MESSAGE_MAP()

LRESULT KyCheckListBoxBase::AddRecord(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (HasStrings())
        return DefWindowProc(message, wParam, lParam);
    ItemRecord* record = new ItemRecord{kUnchecked, TRUE, static_cast<DWORD_PTR>(lParam)};
    const LRESULT index = DefWindowProc(message, wParam, reinterpret_cast<LPARAM>(record));
    if (index < 0) // LB_ERR or LB_ERRSPACE: the list box kept nothing
        delete record;
    return index;
}

LRESULT KyCheckListBoxBase::OnAddString(WPARAM wParam, LPARAM lParam)
{
    return AddRecord(LB_ADDSTRING, wParam, lParam);
}

LRESULT KyCheckListBoxBase::OnInsertString(WPARAM wParam, LPARAM lParam)
{
    return AddRecord(LB_INSERTSTRING, wParam, lParam);
}

LRESULT KyCheckListBoxBase::OnGetItemData(WPARAM wParam, LPARAM lParam)
{
    const LRESULT data = DefWindowProc(LB_GETITEMDATA, wParam, lParam);
    if (data == LB_ERR)
        return data;
    return static_cast<LRESULT>(CallerData(static_cast<DWORD_PTR>(data)));
}

LRESULT KyCheckListBoxBase::OnSetItemData(WPARAM wParam, LPARAM lParam)
{
    ItemRecord* record = Record(static_cast<int>(wParam), true);
    if (record == nullptr)
        return LB_ERR;
    record->data = static_cast<DWORD_PTR>(lParam);
    return LB_OKAY;
}

int KyCheckListBoxBase::FindByData(int start, DWORD_PTR data) const
{
    const int count = ItemCount();
    KyCheckListBoxBase* self = const_cast<KyCheckListBoxBase*>(this);
    for (int i = std::max(start, 0); i < count; ++i) {
        const LRESULT raw = self->CWnd::DefWindowProc(LB_GETITEMDATA, static_cast<WPARAM>(i), 0);
        if (raw != LB_ERR && CallerData(static_cast<DWORD_PTR>(raw)) == data)
            return i;
    }
    return LB_ERR;
}

LRESULT KyCheckListBoxBase::OnFindString(WPARAM wParam, LPARAM lParam)
{
    if (HasStrings())
        return Default();
    return FindByData(static_cast<int>(wParam), static_cast<DWORD_PTR>(lParam));
}

LRESULT KyCheckListBoxBase::OnSelectString(WPARAM wParam, LPARAM lParam)
{
    if (HasStrings())
        return Default();
    const int index = FindByData(static_cast<int>(wParam), static_cast<DWORD_PTR>(lParam));
    if (index == LB_ERR)
        return LB_ERR;
    if (IsMultiSelection())
        SetCaretIndex(index);
    else
        SetCurSel(index);
    return index;
}

LRESULT KyCheckListBoxBase::OnFindStringExact(WPARAM wParam, LPARAM lParam)
{
    if (HasStrings())
        return Default();
    if ((GetStyle() & LBS_SORT) == 0)
        return FindByData(static_cast<int>(wParam), static_cast<DWORD_PTR>(lParam));
    // A sorted list compares through WM_COMPAREITEM: the value goes down dressed as a
    // record, so the comparison wrapper unwraps both sides alike.
    ItemRecord probe{kUnchecked, TRUE, static_cast<DWORD_PTR>(lParam)};
    return DefWindowProc(LB_FINDSTRINGEXACT, wParam, reinterpret_cast<LPARAM>(&probe));
}

LRESULT KyCheckListBoxBase::OnGetText(WPARAM wParam, LPARAM lParam)
{
    if (HasStrings())
        return Default();
    // The records stay invisible: a list without strings gives the caller's value,
    // whole, as the list box itself does (and as LB_GETTEXTLEN counts it).
    const int index = static_cast<int>(wParam);
    if (!IsValidIndex(index))
        return LB_ERR;
    const LRESULT raw = CWnd::DefWindowProc(LB_GETITEMDATA, wParam, 0);
    const DWORD_PTR value = CallerData(static_cast<DWORD_PTR>(raw));
    if (lParam != 0)
        std::memcpy(reinterpret_cast<void*>(lParam), &value, sizeof value);
    return sizeof value;
}

LRESULT KyCheckListBoxBase::OnSetItemHeight(WPARAM wParam, LPARAM lParam)
{
    const int height = std::max(static_cast<int>(LOWORD(lParam)), MinimumItemHeight());
    return DefWindowProc(LB_SETITEMHEIGHT, wParam, MAKELPARAM(height, 0));
}

LRESULT KyCheckListBoxBase::OnSetFont(WPARAM, LPARAM)
{
    const LRESULT result = Default();
    m_textHeight = 0; // measured again in the new font
    ApplyMinimumItemHeight();
    return result;
}

int KyCheckListBoxBase::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    const int result = CListBox::OnCreate(lpCreateStruct);
    if (result == -1)
        return result;
    UpdateTheme();
    ApplyMinimumItemHeight();
    return result;
}

LRESULT KyCheckListBoxBase::OnThemeChanged(WPARAM, LPARAM)
{
    UpdateTheme();
    return 0;
}
