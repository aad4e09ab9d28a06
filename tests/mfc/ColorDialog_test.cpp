// Colour and font choosers: initial values, an immediate OK, and what comes back.
#include "TestApp.h"

#include <afxdlgs.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

int CALLBACK NoteFace(const LOGFONTA* lf, const TEXTMETRICA*, DWORD type, LPARAM found)
{
    if (type & TRUETYPE_FONTTYPE)
        *reinterpret_cast<std::string*>(found) = lf->lfFaceName;
    return 0;
}

// A TrueType face the system has: the first of the usual ones that exists.
std::string AvailableFace()
{
    CClientDC screen(nullptr);
    for (const char* face : { "Tahoma", "Arial", "DejaVu Sans" }) {
        std::string found;
        ::EnumFontFamiliesA(screen.m_hDC, face, &NoteFace, reinterpret_cast<LPARAM>(&found));
        if (!found.empty())
            return found;
    }
    return "";
}

void PressOk(CWnd* pWnd) { ::PostMessageA(pWnd->m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); }

TEST(ColorDialog, InitialColourSetsRgbInitAndComesBackOnOk)
{
    const COLORREF colours[] = { RGB(10, 200, 30), RGB(255, 0, 0), RGB(0, 0, 1) };
    for (COLORREF c : colours) {
        CColorDialog dlg(c);
        EXPECT_TRUE(dlg.m_cc.Flags & CC_RGBINIT);
        EXPECT_EQ(nullptr, dlg.m_cc.hwndOwner);
        OnNextModalIdle(&PressOk);
        ASSERT_EQ(IDOK, dlg.DoModal());
        EXPECT_EQ(c, dlg.GetColor());
        EXPECT_EQ(nullptr, dlg.m_hWnd);
    }
    CColorDialog black;
    EXPECT_FALSE(black.m_cc.Flags & CC_RGBINIT);
}

TEST(FontDialog, ScreenFontOnALogFontComesBackWithItsSizeInTenths)
{
    CClientDC screen(nullptr);
    int dpi = screen.GetDeviceCaps(LOGPIXELSY);
    std::string face = AvailableFace();
    ASSERT_FALSE(face.empty());
    const int sizes[] = { 120, 100 };
    for (int tenths : sizes) {
        LOGFONTA lf = {};
        lf.lfHeight = -::MulDiv(tenths, dpi, 720);
        lf.lfWeight = FW_BOLD;
        lf.lfCharSet = ANSI_CHARSET;
        std::strcpy(lf.lfFaceName, face.c_str());
        CFontDialog dlg(&lf, CF_SCREENFONTS);
        EXPECT_TRUE(dlg.m_cf.Flags & CF_INITTOLOGFONTSTRUCT);
        OnNextModalIdle(&PressOk);
        ASSERT_EQ(IDOK, dlg.DoModal());
        EXPECT_EQ(tenths, dlg.GetSize());
        EXPECT_STREQ(face.c_str(), dlg.GetFaceName());
        EXPECT_TRUE(dlg.IsBold());
        EXPECT_STREQ(face.c_str(), lf.lfFaceName);  // the caller's LOGFONT holds the choice
        EXPECT_EQ(-::MulDiv(tenths, dpi, 720), lf.lfHeight);
    }
}

}  // namespace
