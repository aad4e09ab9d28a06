// The file question in this program: its two button sets, the object's
// icon and the narrower dialog without it, the path line, the text it grows
// to fit, resizing, and the answers by button, Enter and Escape.
#include "FrontEndTestSupport.h"
#include "KyGuiTool/Handoff/FileQueryDlg.h"
#include "KyGuiTool/Handoff/HandoffResource.h"
#include "TestApp.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

using namespace Kyvant;

namespace {

const int kButtons[] = {IDC_KY_QUERY_YES, IDC_KY_QUERY_YES_TO_ALL, IDC_KY_QUERY_NO,
                        IDC_KY_QUERY_NO_TO_ALL, IDCANCEL};

CRect ClientRectOf(CWnd* dialog, int id)
{
    CRect rect;
    dialog->GetDlgItem(id)->GetWindowRect(&rect);
    dialog->ScreenToClient(&rect);
    return rect;
}

bool Shown(CWnd* dialog, int id)
{
    CWnd* control = dialog->GetDlgItem(id);
    return control->IsWindowVisible() && control->IsWindowEnabled();
}

std::string TextOf(CWnd* dialog, int id)
{
    return guitest::WindowText(dialog->GetDlgItem(id)->GetSafeHwnd());
}

int TextWidth(CWnd* control, const std::string& text)
{
    CClientDC dc(control);
    HGDIOBJ old = ::SelectObject(dc.GetSafeHdc(), control->GetFont());
    SIZE size = {};
    ::GetTextExtentPoint32A(dc.GetSafeHdc(), text.c_str(), static_cast<int>(text.size()), &size);
    ::SelectObject(dc.GetSafeHdc(), old);
    return size.cx;
}

// What one question looked like when it came up.
struct Seen {
    CRect window;
    std::map<int, CRect> rects;
    bool iconShown = false;
};

Seen Look(CWnd* dialog)
{
    Seen seen;
    dialog->GetWindowRect(&seen.window);
    for (int id : kButtons)
        seen.rects[id] = ClientRectOf(dialog, id);
    for (int id : {IDC_KY_QUERY_LABEL, IDC_KY_QUERY_SHELL_ICON, IDC_KY_QUERY_TEXT})
        seen.rects[id] = ClientRectOf(dialog, id);
    seen.iconShown = dialog->GetDlgItem(IDC_KY_QUERY_SHELL_ICON)->IsWindowVisible() != FALSE;
    return seen;
}

bool SaveNow(CWnd* dialog, const char* name)
{
    dialog->RedrawWindow(nullptr, nullptr,
                         RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN);
    PumpPending();
    ::GdiFlush();
    return SaveWindowPng(dialog->GetSafeHwnd(), name);
}

// The colour of one pixel of a 32 x 32 icon.
COLORREF IconPixel(HICON icon, int x, int y)
{
    ICONINFO info = {};
    if (!icon || !::GetIconInfo(icon, &info))
        return CLR_INVALID;
    BITMAPINFO format = {};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = 32;
    format.bmiHeader.biHeight = -32;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    DWORD bits[32 * 32] = {};
    HDC screen = ::GetDC(nullptr);
    ::GetDIBits(screen, info.hbmColor, 0, 32, bits, &format, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    const DWORD pixel = bits[y * 32 + x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

void Press(CWnd* dialog, UINT key)
{
    ::PostMessageA(::GetFocus() ? ::GetFocus() : dialog->GetSafeHwnd(), WM_KEYDOWN, key, 0);
}

} // namespace

TEST(FileQueryDlg, AllAnswersWithTheObjectsIconAndOnlyThreeForErrors)
{
    guitest::Scratch dir;
    const std::string file = dir["report.txt"];
    kytest::WriteFile(file, "text");
    const ky_S text("has the following attributes:\n\n   Read-Only\n\nWould you like to process "
                    "this file anyway?");
    Seen all;
    {
        FileQueryDlg question(text, ky_F(file.c_str()), FileQueryDlg::kWithToAll);
        OnNextModalIdle([&](CWnd* dialog) {
            all = Look(dialog);
            EXPECT_EQ(guitest::WindowText(dialog->GetSafeHwnd()), AfxGetAppName());
            EXPECT_EQ(TextOf(dialog, IDC_KY_QUERY_LABEL), "The object:");
            EXPECT_EQ(TextOf(dialog, IDC_KY_QUERY_PATH), "   " + file);
            EXPECT_EQ(TextOf(dialog, IDC_KY_QUERY_TEXT), text.c_str());
            for (int id : kButtons)
                EXPECT_TRUE(Shown(dialog, id)) << id;
            for (size_t i = 1; i < sizeof kButtons / sizeof kButtons[0]; ++i)
                EXPECT_LT(all.rects[kButtons[i - 1]].left, all.rects[kButtons[i]].left);
            EXPECT_TRUE(all.iconShown);
            // The question's own icon (its blue disc), not another icon's image.
            EXPECT_EQ(IconPixel(reinterpret_cast<HICON>(
                                    dialog->SendDlgItemMessage(IDC_KY_QUERY_ICON, STM_GETICON)),
                                24, 27),
                      RGB(96, 160, 224));
            EXPECT_TRUE(SaveNow(dialog, "kyguitool_file_query_attributes"));
            dialog->GetDlgItem(IDC_KY_QUERY_YES_TO_ALL)->PostMessage(BM_CLICK);
        });
        EXPECT_EQ(question.DoModal(), IDC_KY_QUERY_YES_TO_ALL);
    }
    {
        const std::string longPath = dir["a folder with a long name\\and another one below "
                                         "it\\and a third one\\and a fourth\\report.txt"];
        FileQueryDlg question(ky_S("cannot be processed due to the following error:\n\n   File "
                                   "not found\n\nContinue reporting this type of error?"),
                              ky_F(longPath.c_str()), FileQueryDlg::kError);
        OnNextModalIdle([&](CWnd* dialog) {
            Seen error = Look(dialog);
            EXPECT_FALSE(Shown(dialog, IDC_KY_QUERY_YES_TO_ALL));
            EXPECT_FALSE(Shown(dialog, IDC_KY_QUERY_NO_TO_ALL));
            EXPECT_FALSE(error.iconShown);
            // Yes takes No's place and No the place of "No to all"; the
            // dialog loses the icon's column.
            const int column =
                all.rects[IDC_KY_QUERY_LABEL].left - all.rects[IDC_KY_QUERY_SHELL_ICON].left;
            EXPECT_EQ(error.window.Width(), all.window.Width() - column);
            EXPECT_EQ(error.rects[IDC_KY_QUERY_YES].left, all.rects[IDC_KY_QUERY_NO].left - column);
            EXPECT_EQ(error.rects[IDC_KY_QUERY_NO].left,
                      all.rects[IDC_KY_QUERY_NO_TO_ALL].left - column);
            EXPECT_EQ(error.rects[IDCANCEL].left, all.rects[IDCANCEL].left - column);
            // The path is shortened in the middle to the line's width.
            CWnd* line = dialog->GetDlgItem(IDC_KY_QUERY_PATH);
            const std::string shown = TextOf(dialog, IDC_KY_QUERY_PATH);
            EXPECT_EQ(shown.rfind("   Z:\\", 0), 0u) << shown;
            EXPECT_NE(shown.find("..."), std::string::npos) << shown;
            EXPECT_EQ(shown.substr(shown.size() - 10), "report.txt");
            CRect lineRect;
            line->GetClientRect(&lineRect);
            EXPECT_LE(TextWidth(line, shown), lineRect.Width());
            EXPECT_TRUE(SaveNow(dialog, "kyguitool_file_query_error"));
            Press(dialog, VK_ESCAPE);
        });
        EXPECT_EQ(question.DoModal(), IDCANCEL);
    }
}

TEST(FileQueryDlg, GrowsToALongTextAndFollowsResizing)
{
    std::string lines;
    for (int i = 1; i <= 25; ++i)
        lines += "Line " + std::to_string(i) + " of a long explanation.\n";
    FileQueryDlg question(ky_S(lines.c_str()), ky_F("Z:\\missing\\file.txt"), FileQueryDlg::kError);
    OnNextModalIdle([&](CWnd* dialog) {
        Seen grown = Look(dialog);
        const CRect& text = grown.rects[IDC_KY_QUERY_TEXT];
        CRect needed(0, 0, text.Width(), 0);
        {
            CWnd* control = dialog->GetDlgItem(IDC_KY_QUERY_TEXT);
            CClientDC dc(control);
            HGDIOBJ old = ::SelectObject(dc.GetSafeHdc(), control->GetFont());
            ::DrawTextA(dc.GetSafeHdc(), lines.c_str(), -1, &needed,
                        DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
            ::SelectObject(dc.GetSafeHdc(), old);
        }
        EXPECT_GE(text.Height(), needed.Height());
        for (int id : {IDC_KY_QUERY_YES, IDC_KY_QUERY_NO, IDCANCEL})
            EXPECT_GE(grown.rects[id].top, text.bottom) << id;

        const int dx = 120, dy = 40;
        dialog->MoveWindow(grown.window.left, grown.window.top, grown.window.Width() + dx,
                           grown.window.Height() + dy);
        Seen wider = Look(dialog);
        EXPECT_EQ(wider.rects[IDC_KY_QUERY_TEXT].Width(), text.Width() + dx);
        EXPECT_EQ(wider.rects[IDC_KY_QUERY_TEXT].Height(), text.Height() + dy);
        for (int id : {IDC_KY_QUERY_YES, IDC_KY_QUERY_NO, IDCANCEL}) {
            EXPECT_EQ(wider.rects[id].left, grown.rects[id].left + dx) << id;
            EXPECT_EQ(wider.rects[id].top, grown.rects[id].top + dy) << id;
        }
        Press(dialog, VK_RETURN);
    });
    EXPECT_EQ(question.DoModal(), IDC_KY_QUERY_YES) << "Enter answers Yes";
}
