// Dialog data exchange of ky_BSB strings and its length and required-value checks.
#include "KyGui/Adapters/DataExchange.h"

#include "KyGui/Adapters/AdaptersResource.h"

#include <afxres.h>

#include <cstdio>

namespace {

using Text = Kyvant::ky_BSB<char>;

const WPARAM kFromStart = static_cast<WPARAM>(-1);
const WPARAM kNoItem = static_cast<WPARAM>(-1);

LPARAM TextParam(const Text& value)
{
    return reinterpret_cast<LPARAM>(value.c_str());
}

void ExchangeWindowText(CDataExchange* pDX, HWND control, Text& value)
{
    if (pDX->m_bSaveAndValidate)
        value.GetWindowTextA(control);
    else
        ::SetWindowTextA(control, value.c_str());
}

// The current item's text of a list box, empty when there is none.
void SaveListSelection(HWND list, Text& value)
{
    const LRESULT current = ::SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (current < 0)
        value.clear();
    else
        value.GetLBItemText(list, static_cast<int>(current));
}

// A combo box shows the text itself: no item selected.
void ShowComboText(HWND combo, const Text& value)
{
    ::SendMessageA(combo, CB_SETCURSEL, kNoItem, 0);
    ::SetWindowTextA(combo, value.c_str());
}

// Loading a combo box, the item starting with the text or equal to it.
void LoadCombo(HWND combo, const Text& value, bool exact)
{
    if (exact) {
        const LRESULT found =
            ::SendMessageA(combo, CB_FINDSTRINGEXACT, kFromStart, TextParam(value));
        if (found >= 0)
            ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
        else
            ShowComboText(combo, value);
        return;
    }
    // Every item starts with an empty text: an empty value selects none.
    if (value.empty() || ::SendMessageA(combo, CB_SELECTSTRING, kFromStart, TextParam(value)) < 0)
        ShowComboText(combo, value);
}

void ExchangeCombo(CDataExchange* pDX, int id, Text& value, bool exact)
{
    HWND combo = pDX->PrepareCtrl(id);
    if (pDX->m_bSaveAndValidate)
        value.GetWindowTextA(combo);
    else
        LoadCombo(combo, value, exact);
}

// Shows the string resource (with the number for %1) and fails the exchange.
[[noreturn]] void FailWithPrompt(CDataExchange* pDX, UINT prompt, unsigned long number)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "%lu", number);
    CString text;
    AfxFormatString1(text, prompt, digits);
    AfxMessageBox(text, MB_ICONEXCLAMATION, prompt);
    pDX->Fail();
}

} // namespace

void DDX_string_edit(CDataExchange* pDX, int id, Text& value)
{
    ExchangeWindowText(pDX, pDX->PrepareEditCtrl(id), value);
}

void DDX_string_edit2(CDataExchange* pDX, int id, Text& value)
{
    DDX_string_edit(pDX, id, value);
}

void DDX_string_static(CDataExchange* pDX, int id, Text& value)
{
    ExchangeWindowText(pDX, pDX->PrepareCtrl(id), value);
}

void DDX_LB_string(CDataExchange* pDX, int id, Text& value)
{
    HWND list = pDX->PrepareCtrl(id);
    if (pDX->m_bSaveAndValidate)
        SaveListSelection(list, value);
    else if (value.empty() ||
             ::SendMessageA(list, LB_SELECTSTRING, kFromStart, TextParam(value)) < 0)
        ::SendMessageA(list, LB_SETCURSEL, kNoItem, 0); // no stale selection stands for the value
}

void DDX_LB_string_exact(CDataExchange* pDX, int id, Text& value)
{
    HWND list = pDX->PrepareCtrl(id);
    if (pDX->m_bSaveAndValidate) {
        SaveListSelection(list, value);
        return;
    }
    const LRESULT found = ::SendMessageA(list, LB_FINDSTRINGEXACT, kFromStart, TextParam(value));
    ::SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(found), 0);
}

void DDX_CB_string(CDataExchange* pDX, int id, Text& value)
{
    ExchangeCombo(pDX, id, value, false);
}

void DDX_CB_string2(CDataExchange* pDX, int id, Text& value)
{
    ExchangeCombo(pDX, id, value, false);
}

void DDX_CB_string_exact(CDataExchange* pDX, int id, Text& value)
{
    ExchangeCombo(pDX, id, value, true);
}

void DDX_CB_string_exact2(CDataExchange* pDX, int id, Text& value)
{
    ExchangeCombo(pDX, id, value, true);
}

void DDV_string_MaxLength(CDataExchange* pDX, const Text& value, unsigned long max)
{
    if (max == 0)
        return;
    if (pDX->m_bSaveAndValidate) {
        if (value.length() > max)
            FailWithPrompt(pDX, AFX_IDP_PARSE_STRING_SIZE, max);
    } else if (pDX->m_hWndLastControl != nullptr && pDX->m_bEditLastControl) {
        ::SendMessageA(pDX->m_hWndLastControl, EM_LIMITTEXT, static_cast<WPARAM>(max), 0);
    }
}

void DDV_string_required_MaxLength(CDataExchange* pDX, const Text& value, unsigned long max)
{
    if (pDX->m_bSaveAndValidate && value.empty()) {
        AfxMessageBox(IDS_KY_DDV_REQUIRED, MB_ICONEXCLAMATION);
        pDX->Fail();
    }
    DDV_string_MaxLength(pDX, value, max);
}

namespace Kyvant {

void ky_DDV_PrepareCtrl(CDataExchange& dx, CWnd& control)
{
    dx.m_hWndLastControl = control.GetSafeHwnd();
    dx.m_bEditLastControl = control.IsKindOf(RUNTIME_CLASS(CEdit)) ? TRUE : FALSE;
}

void ky_DDV_General_Fail(CDataExchange& dx, const char* message)
{
    if (message != nullptr)
        AfxMessageBox(message, MB_OK);
    else
        ::MessageBeep(MB_ICONEXCLAMATION);
    dx.Fail();
}

CWnd& ky_DDV_GetDlgItem(CDataExchange& dx, int id)
{
    CWnd* control = dx.m_pDlgWnd != nullptr ? dx.m_pDlgWnd->GetDlgItem(id) : nullptr;
    if (control == nullptr)
        AfxThrowUserException();
    return *control;
}

} // namespace Kyvant
