// Helpers of the Advanced Filters tests: the sheet run over a value with a
// script, clicks and keys on its controls, what its tabs and controls show
// (texts, states, pickers' values and their pixels), the recorded message
// boxes, and the help calls answered by a recorder in the layer's help seam.
#pragma once

#include "KyConTool/Filters/AdvancedFilters.h"
#include "KyGuiTool/AdvancedFilters/AdvancedFiltersPropertySheet.h"
#include "KyGuiTool/AdvancedFilters/AdvancedFiltersResource.h"
#include "TestApp.h"

#include <afxdlgs.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace aftest {

using Kyvant::AdvancedFiltration::Filters;
using Strings = std::vector<std::string>;

inline std::string Text(HWND window)
{
    const int length = ::GetWindowTextLengthA(window);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    ::GetWindowTextA(window, &text[0], length + 1);
    text.resize(static_cast<size_t>(length));
    return text;
}

inline HWND Item(CWnd& page, int id)
{
    return ::GetDlgItem(page.m_hWnd, id);
}

inline std::string Text(CWnd& page, int id)
{
    return Text(Item(page, id));
}

inline bool Enabled(CWnd& page, int id)
{
    return ::IsWindowEnabled(Item(page, id)) != FALSE;
}

inline bool Checked(CWnd& page, int id)
{
    return ::IsDlgButtonChecked(page.m_hWnd, id) == BST_CHECKED;
}

// A click on a button as the mouse gives it.
inline void Click(CWnd& page, int id)
{
    ::SendMessageA(Item(page, id), BM_CLICK, 0, 0);
}

// A left click in the middle of a control, as the mouse sends it.
inline void MouseClick(CWnd& page, int id)
{
    const HWND control = Item(page, id);
    RECT rect;
    ::GetClientRect(control, &rect);
    const LPARAM middle = MAKELPARAM(rect.right / 2, rect.bottom / 2);
    ::SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, middle);
    ::SendMessageA(control, WM_LBUTTONUP, 0, middle);
}

// A key pressed and released on the control that has the focus.
inline void PressKey(HWND window, UINT key)
{
    ::SendMessageA(window, WM_KEYDOWN, key, 1);
    ::SendMessageA(window, WM_KEYUP, key, 0xC0000001);
}

// Types the text into an edit (or a combo box's edit) as keys would: the old
// text replaced, with the change notifications of typing.
inline void Type(CWnd& page, int id, const char* text)
{
    HWND edit = Item(page, id);
    HWND inner = ::FindWindowExA(edit, nullptr, "Edit", nullptr);
    HWND target = inner != nullptr ? inner : edit;
    ::SendMessageA(target, EM_SETSEL, 0, -1);
    ::SendMessageA(target, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
    if (inner != nullptr) {
        ::SendMessageA(page.m_hWnd, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), CBN_EDITCHANGE),
                       reinterpret_cast<LPARAM>(edit));
    }
}

// Chooses an entry of a drop-down list as the user does, with its notification.
inline void Choose(CWnd& page, int id, int index)
{
    HWND combo = Item(page, id);
    ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageA(page.m_hWnd, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(combo));
}

inline int Selected(CWnd& page, int id)
{
    return static_cast<int>(::SendMessageA(Item(page, id), CB_GETCURSEL, 0, 0));
}

inline Strings Entries(CWnd& page, int id)
{
    Strings entries;
    HWND combo = Item(page, id);
    const int count = static_cast<int>(::SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[512] = "";
        ::SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        entries.push_back(text);
    }
    return entries;
}

inline Strings TabCaptions(CPropertySheet& sheet)
{
    Strings captions;
    CTabCtrl* tabs = sheet.GetTabControl();
    for (int i = 0; i < tabs->GetItemCount(); ++i)
        captions.push_back(static_cast<LPCSTR>(tabs->GetItemText(i)));
    return captions;
}

// A date or time picker's value (valid or not) and its setting by message.
inline bool PickerTime(CWnd& page, int id, SYSTEMTIME& time)
{
    return ::SendMessageA(Item(page, id), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)) ==
           GDT_VALID;
}

inline void SetPickerTime(CWnd& page, int id, const SYSTEMTIME& time)
{
    ::SendMessageA(Item(page, id), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
    NMDATETIMECHANGE change = {};
    change.nmhdr.hwndFrom = Item(page, id);
    change.nmhdr.idFrom = static_cast<UINT_PTR>(id);
    change.nmhdr.code = DTN_DATETIMECHANGE;
    change.dwFlags = GDT_VALID;
    change.st = time;
    ::SendMessageA(page.m_hWnd, WM_NOTIFY, static_cast<WPARAM>(id),
                   reinterpret_cast<LPARAM>(&change));
}

inline SYSTEMTIME Local(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second)
{
    SYSTEMTIME time = {};
    time.wYear = year;
    time.wMonth = month;
    time.wDay = day;
    time.wHour = hour;
    time.wMinute = minute;
    time.wSecond = second;
    return time;
}

// Near-black pixels drawn inside a control, leaving out its frame and the
// button at its right end: text shows as such pixels, a blank field has none.
inline int DarkPixels(CWnd& page, int id)
{
    const int kFrame = 3;
    const int kButton = 20;
    const int kDark = 0x50;
    const HWND control = Item(page, id);
    ::RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RECT rect;
    ::GetWindowRect(control, &rect);
    HDC screen = ::GetDC(nullptr);
    int dark = 0;
    for (int y = rect.top + kFrame; y < rect.bottom - kFrame; ++y) {
        for (int x = rect.left + kFrame; x < rect.right - kButton; ++x) {
            const COLORREF c = ::GetPixel(screen, x, y);
            if (GetRValue(c) < kDark && GetGValue(c) < kDark && GetBValue(c) < kDark)
                ++dark;
        }
    }
    ::ReleaseDC(nullptr, screen);
    return dark;
}

// The made page of the sheet at an index: activated (and so made) first.
inline CPropertyPage& ShowPage(CPropertySheet& sheet, int index)
{
    sheet.SetActivePage(index);
    return *sheet.GetPage(index);
}

// The sheet as it is shown, drawn anew, into build/test-artifacts/<name>.png.
inline void Snapshot(CWnd& sheet, const char* name)
{
    sheet.RedrawWindow(nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    EXPECT_TRUE(SaveWindowPng(sheet.m_hWnd, name)) << name;
}

// Runs the sheet over the value; the script sees it once it is up and ends it.
inline INT_PTR RunSheet(AdvancedFiltersPropertySheet& sheet,
                        const std::function<void(AdvancedFiltersPropertySheet&)>& script)
{
    OnNextModalIdle([&](CWnd*) { script(sheet); });
    return sheet.DoModal();
}

// The message boxes shown from now on; the application answers them with OK.
class Boxes {
public:
    Boxes() : m_first(theApp.m_boxes.size()) {}
    Strings Texts() const
    {
        Strings texts;
        for (size_t i = m_first; i < theApp.m_boxes.size(); ++i)
            texts.push_back(theApp.m_boxes[i].text);
        return texts;
    }

private:
    size_t m_first;
};

// The help calls made while it lives, each with its window, command and table.
class HelpRecorder {
public:
    struct Call {
        HWND window;
        UINT command;
        std::vector<DWORD> table;
    };

    HelpRecorder() : m_previous(AfxSetWinHelpProc(&Record)) { Calls().clear(); }
    ~HelpRecorder() { AfxSetWinHelpProc(m_previous); }
    HelpRecorder(const HelpRecorder&) = delete;
    HelpRecorder& operator=(const HelpRecorder&) = delete;

    const std::vector<Call>& Made() const { return Calls(); }

private:
    static std::vector<Call>& Calls()
    {
        static std::vector<Call> calls;
        return calls;
    }
    static BOOL Record(HWND window, LPCSTR, UINT command, ULONG_PTR data)
    {
        Call call = {window, command, {}};
        for (const DWORD* p = reinterpret_cast<const DWORD*>(data); p != nullptr; p += 2) {
            call.table.push_back(p[0]);
            call.table.push_back(p[1]);
            if (p[0] == 0 && p[1] == 0)
                break;
        }
        Calls().push_back(call);
        return TRUE;
    }

    AFX_WINHELPPROC m_previous;
};

} // namespace aftest
