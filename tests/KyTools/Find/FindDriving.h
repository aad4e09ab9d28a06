// Driving the Find tab control in the tests' settings dialog: its tabs
// clicked, a pattern typed into the combo key by key, the pages' boxes.
#pragma once

#include "Host/SettingsHost.h"
#include "KyTools/Find/FindResource.h"
#include "KyTools/Find/KyFindGTabCtrl.h"

#include <gtest/gtest.h>

#include <afxcmn.h>
#include <afxwin.h>

#include <string>
#include <vector>

namespace findtest {

using namespace hosttest;
using Args = std::vector<std::string>;
using Ids = std::vector<int>;

// Tabs in their order.
enum Tab { kPlain = 0, kGrep, kEgrep, kFgrep, kPerl };

// Clicks the tab with the mouse.
inline void ClickTab(KyFindGTabCtrl& tabs, int index)
{
    CRect item;
    tabs.GetItemRect(index, &item);
    const LPARAM at = MAKELPARAM(item.CenterPoint().x, item.CenterPoint().y);
    tabs.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    tabs.SendMessage(WM_LBUTTONUP, 0, at);
    PumpPending();
}

// The edit control inside the page's pattern combo.
inline HWND PatternEdit(CWnd& page)
{
    return ::FindWindowExA(page.GetDlgItem(IDC_KY_FIND_PATTERN)->m_hWnd, nullptr, "Edit", nullptr);
}

// Replaces the combo's text as typed: all selected, then one character at a
// time.
inline void TypePattern(CWnd& page, const std::string& text)
{
    const HWND edit = PatternEdit(page);
    ::SendMessageA(edit, EM_SETSEL, 0, -1);
    ::SendMessageA(edit, WM_CHAR, VK_BACK, 0);
    for (char c : text)
        ::SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 0);
    PumpPending();
}

// The combo's text and its list, most recent first.
inline std::string PatternText(CWnd& page)
{
    return Text(page, IDC_KY_FIND_PATTERN);
}
inline std::vector<std::string> PatternList(CWnd& page)
{
    CComboBox* combo = static_cast<CComboBox*>(page.GetDlgItem(IDC_KY_FIND_PATTERN));
    std::vector<std::string> items;
    for (int i = 0; i < combo->GetCount(); ++i) {
        CString text;
        combo->GetLBText(i, text);
        items.push_back(static_cast<LPCSTR>(text));
    }
    return items;
}

// The checked boxes of the page, in id order.
inline Ids Boxes(CWnd& page)
{
    return CheckedIn(page, IDC_KY_FIND_IGNORE_CASE, IDC_KY_FIND_INVERTED);
}

// A picture of the dialog with every control painted.
inline void Screenshot(CWnd& host, const char* name)
{
    host.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpPending();
    SaveWindowPng(host.m_hWnd, name);
}

// A Find tab control in the settings dialog, made anew for each run.
class FindTabs : public ::testing::Test, protected PageRunner<KyFindGTabCtrl> {
protected:
    using Script = std::function<void(KyFindGTabCtrl&, CWnd&, SettingsHost&)>;
    using PageRunner<KyFindGTabCtrl>::Run;

    void SetUp() override
    {
        theApp.m_boxes.clear();
        m_key = FreshKey("Find");
    }
    void TearDown() override { DeleteTestsKey(); }

    // Runs the dialog with the tab clicked first (unless it is shown); the
    // script gets the active page.
    INT_PTR RunOn(int tab, const Script& script)
    {
        return Run(m_key, [&](KyFindGTabCtrl& tabs, SettingsHost& host) {
            if (tabs.GetActivePageIndex() != tab)
                ClickTab(tabs, tab);
            script(tabs, tabs.GetActivePage(), host);
        });
    }
    // The tab shown, its boxes clicked, the pattern typed, then OK.
    INT_PTR Accept(int tab, const Ids& clicks, const std::string& pattern)
    {
        return RunOn(tab, [&](KyFindGTabCtrl&, CWnd& page, SettingsHost& host) {
            for (int id : clicks)
                Click(page, id);
            TypePattern(page, pattern);
            host.PressOK();
        });
    }

    Kyvant::RegKey m_key;
};

} // namespace findtest
