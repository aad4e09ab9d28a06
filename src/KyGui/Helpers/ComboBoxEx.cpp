// ComboBoxEx: comparing and selecting combo box entries by exact text.
#include "KyGui/Helpers/ComboBoxEx.h"

namespace Kyvant {
namespace ComboBoxEx {

namespace {

int FindExact(CComboBox& combo, const char* text)
{
    return static_cast<int>(
        combo.SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text)));
}

bool SelectionMatches(CComboBox& combo, HWND shownBy, const char* text)
{
    if (text == nullptr)
        return false;
    const int found = FindExact(combo, text);
    if (found == CB_ERR || static_cast<int>(combo.SendMessage(CB_GETCURSEL)) != found)
        return false;
    CString shown;
    CWnd::FromHandle(shownBy)->GetWindowText(shown);
    return ::lstrcmpiA(shown, text) == 0;
}

} // namespace

bool CurSelEquals(CComboBox& combo, const char* text)
{
    return SelectionMatches(combo, combo.m_hWnd, text);
}

bool CurSelEquals(CComboBoxEx& combo, const char* text)
{
    HWND edit = reinterpret_cast<HWND>(combo.SendMessage(CBEM_GETEDITCONTROL));
    return SelectionMatches(combo, edit != nullptr ? edit : combo.m_hWnd, text);
}

int SetCurSelExact(CComboBox& combo, const char* text)
{
    const int found = text != nullptr ? FindExact(combo, text) : CB_ERR;
    if (found != CB_ERR)
        return static_cast<int>(combo.SendMessage(CB_SETCURSEL, static_cast<WPARAM>(found)));
    combo.SetWindowText(text != nullptr ? text : "");
    return CB_ERR;
}

} // namespace ComboBoxEx
} // namespace Kyvant
