// Driving the Touch page's own controls in the tests: date and time pickers
// as the user changes them, toolbar buttons clicked with the mouse, the tool
// tips' texts and the dark pixels a control shows.
#pragma once

#include "TestApp.h"

#include <afxcmn.h>
#include <afxwin.h>

#include <cstdio>
#include <string>

namespace touchtest {

inline SYSTEMTIME Time(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second)
{
    SYSTEMTIME t = {};
    t.wYear = year;
    t.wMonth = month;
    t.wDay = day;
    t.wHour = hour;
    t.wMinute = minute;
    t.wSecond = second;
    return t;
}

// The picker's value, and its change told to the page as the control tells it.
inline void SetPicker(CWnd& page, int id, const SYSTEMTIME& when)
{
    const HWND picker = page.GetDlgItem(id)->m_hWnd;
    SYSTEMTIME copy = when;
    ::SendMessageA(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&copy));
    NMDATETIMECHANGE change = {};
    change.nmhdr.hwndFrom = picker;
    change.nmhdr.idFrom = static_cast<UINT_PTR>(id);
    change.nmhdr.code = DTN_DATETIMECHANGE;
    change.dwFlags = GDT_VALID;
    change.st = copy;
    page.SendMessage(WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&change));
    PumpPending();
}

inline SYSTEMTIME Picker(CWnd& page, int id)
{
    SYSTEMTIME t = {};
    ::SendMessageA(page.GetDlgItem(id)->m_hWnd, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&t));
    return t;
}

// "yyyy-mm-dd" of a date picker, "hh:mm:ss" of a time picker.
inline std::string DateShown(CWnd& page, int id)
{
    const SYSTEMTIME t = Picker(page, id);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", t.wYear, t.wMonth, t.wDay);
    return text;
}

inline std::string TimeShown(CWnd& page, int id)
{
    const SYSTEMTIME t = Picker(page, id);
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.wHour, t.wMinute, t.wSecond);
    return text;
}

inline HWND Toolbar(CWnd& page, int toolbarId)
{
    return page.GetDlgItem(toolbarId)->m_hWnd;
}

// A mouse click in the middle of the button.
inline void ClickToolbarButton(CWnd& page, int toolbarId, int command)
{
    const HWND toolbar = Toolbar(page, toolbarId);
    const LRESULT index =
        ::SendMessageA(toolbar, TB_COMMANDTOINDEX, static_cast<WPARAM>(command), 0);
    RECT button = {};
    ::SendMessageA(toolbar, TB_GETITEMRECT, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(&button));
    const LPARAM at =
        MAKELPARAM((button.left + button.right) / 2, (button.top + button.bottom) / 2);
    ::SendMessageA(toolbar, WM_MOUSEMOVE, 0, at);
    ::SendMessageA(toolbar, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageA(toolbar, WM_LBUTTONUP, 0, at);
    PumpPending();
}

// "e" or "-" for enabled, then "c" or "-" for checked.
inline std::string ButtonState(CWnd& page, int toolbarId, int command)
{
    const HWND toolbar = Toolbar(page, toolbarId);
    const WPARAM id = static_cast<WPARAM>(command);
    return std::string(::SendMessageA(toolbar, TB_ISBUTTONENABLED, id, 0) ? "e" : "-") +
           (::SendMessageA(toolbar, TB_ISBUTTONCHECKED, id, 0) ? "c" : "-");
}

struct TipSearch {
    HWND toolbar;
    UINT_PTR id;
    std::string text;
};

inline BOOL CALLBACK AskTip(HWND window, LPARAM search)
{
    char name[32] = "";
    ::GetClassNameA(window, name, sizeof name);
    if (std::string(name) != TOOLTIPS_CLASSA)
        return TRUE;
    TipSearch& tip = *reinterpret_cast<TipSearch*>(search);
    char text[256] = "";
    TOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    info.hwnd = tip.toolbar;
    info.uId = tip.id;
    info.lpszText = text;
    ::SendMessageA(window, TTM_GETTEXTA, 0, reinterpret_cast<LPARAM>(&info));
    if (text[0] == '\0')
        return TRUE;
    tip.text = text;
    return FALSE;
}

// The tip of a toolbar button, from whichever tool-tip control of the thread has it.
inline std::string TipText(CWnd& page, int toolbarId, int command)
{
    TipSearch tip = {Toolbar(page, toolbarId), static_cast<UINT_PTR>(command), ""};
    ::EnumThreadWindows(::GetCurrentThreadId(), &AskTip, reinterpret_cast<LPARAM>(&tip));
    return tip.text;
}

// Near-black pixels shown inside the control, leaving out its frame and the
// buttons at its right end.
inline int DarkPixels(CWnd& page, int id)
{
    const int kFrame = 3;
    const int kButtons = 20;
    const int kDark = 0x50;
    const HWND control = page.GetDlgItem(id)->m_hWnd;
    ::RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RECT rect;
    ::GetWindowRect(control, &rect);
    HDC screen = ::GetDC(nullptr);
    int dark = 0;
    for (int y = rect.top + kFrame; y < rect.bottom - kFrame; ++y) {
        for (int x = rect.left + kFrame; x < rect.right - kButtons; ++x) {
            const COLORREF c = ::GetPixel(screen, x, y);
            if (GetRValue(c) < kDark && GetGValue(c) < kDark && GetBValue(c) < kDark)
                ++dark;
        }
    }
    ::ReleaseDC(nullptr, screen);
    return dark;
}

} // namespace touchtest
