// Device contexts and fonts: text virtuals reached through CDC&, point fonts and their LOGFONT.
#include "TestApp.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

namespace {

// Draws only on its own handle and counts each virtual call, as an off-screen DC built on CDC does.
class CCountingDC : public CDC
{
public:
    std::map<std::string, int> m_calls;

    BOOL PtVisible(int x, int y) const override
    {
        ++const_cast<CCountingDC*>(this)->m_calls["PtVisible"];
        return ::PtVisible(m_hDC, x, y);
    }
    BOOL RectVisible(LPCRECT lpRect) const override
    {
        ++const_cast<CCountingDC*>(this)->m_calls["RectVisible"];
        return ::RectVisible(m_hDC, lpRect);
    }
    BOOL TextOut(int x, int y, LPCSTR s, int n) override
    {
        ++m_calls["TextOut"];
        return ::TextOutA(m_hDC, x, y, s, n);
    }
    BOOL ExtTextOut(int x, int y, UINT o, LPCRECT r, LPCSTR s, UINT n, LPINT dx) override
    {
        ++m_calls["ExtTextOut"];
        return ::ExtTextOutA(m_hDC, x, y, o, r, s, n, dx);
    }
    CSize TabbedTextOut(int x, int y, LPCSTR s, int n, int nTabs, LPINT tabs, int origin) override
    {
        ++m_calls["TabbedTextOut"];
        LONG e = ::TabbedTextOutA(m_hDC, x, y, s, n, nTabs, tabs, origin);
        return CSize(LOWORD(e), HIWORD(e));
    }
    int DrawText(LPCSTR s, int n, LPRECT r, UINT f) override
    {
        ++m_calls["DrawText"];
        return ::DrawTextA(m_hDC, s, n, r, f);
    }
    BOOL GrayString(CBrush* b, BOOL(CALLBACK* fn)(HDC, LPARAM, int), LPARAM d, int n, int x, int y, int w, int h) override
    {
        ++m_calls["GrayString"];
        HBRUSH hBrush = b != nullptr ? static_cast<HBRUSH>(b->m_hObject) : nullptr;
        return ::GrayStringA(m_hDC, hBrush, fn, d, n, x, y, w, h);
    }
    int Escape(int e, int n, LPCSTR in, LPVOID out) override
    {
        ++m_calls["Escape"];
        return ::Escape(m_hDC, e, n, in, out);
    }
};

// Callers that know only CDC.
void DrawThroughBase(CDC& dc)
{
    RECT rect = { 0, 0, 60, 20 };
    dc.TextOut(1, 1, "Tx", 2);
    dc.ExtTextOut(1, 1, ETO_OPAQUE, &rect, "Ex", 2, nullptr);
    dc.TabbedTextOut(1, 1, "a\tb", 3, 0, nullptr, 0);
    dc.DrawText("Dt", -1, &rect, DT_LEFT);
    dc.GrayString(nullptr, nullptr, reinterpret_cast<LPARAM>("Gs"), 2, 1, 1, 0, 0);
    int query = QUERYESCSUPPORT;
    dc.Escape(QUERYESCSUPPORT, sizeof query, reinterpret_cast<LPCSTR>(&query), nullptr);
    dc.PtVisible(1, 1);
    dc.RectVisible(&rect);
}

TEST(DeviceContext, TextVirtualsOfASubclassRunThroughTheBase)
{
    CCountingDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CBitmap bitmap;
    CClientDC screen(nullptr);
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 64, 24));
    CBitmap* pOld = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, 64, 24, RGB(255, 255, 255));
    dc.SetTextColor(RGB(0, 0, 0));
    dc.SetBkMode(TRANSPARENT);
    DrawThroughBase(dc);

    for (const char* name : { "PtVisible", "RectVisible", "TextOut", "ExtTextOut", "TabbedTextOut", "DrawText",
                              "GrayString", "Escape" })
        EXPECT_EQ(1, dc.m_calls[name]) << name;
    dc.SelectObject(pOld);
    EXPECT_EQ(dc.m_hDC, dc.m_hAttribDC);
}

TEST(DeviceContext, HalftoneBrushIsOneSharedBrush)
{
    CBrush* pBrush = CDC::GetHalftoneBrush();
    ASSERT_NE(nullptr, pBrush);
    EXPECT_EQ(pBrush, CDC::GetHalftoneBrush());
    LOGBRUSH lb = {};
    ASSERT_NE(0, pBrush->GetLogBrush(&lb));
    EXPECT_EQ(static_cast<UINT>(BS_PATTERN), lb.lbStyle);
}

struct PointFontCase
{
    int tenths;
    int height96;  // at 96 dots per inch
};

TEST(Font, PointFontHeightsTruncateAndComeBackInTheLogFont)
{
    CClientDC screen(nullptr);
    int dpi = screen.GetDeviceCaps(LOGPIXELSY);
    const PointFontCase cases[] = { { 100, -13 }, { 85, -11 }, { 90, -12 }, { 120, -16 }, { 75, -10 } };
    for (const PointFontCase& c : cases) {
        CFont font;
        ASSERT_TRUE(font.CreatePointFont(c.tenths, "Courier New"));
        LOGFONTA lf = {};
        ASSERT_EQ(static_cast<int>(sizeof lf), font.GetLogFont(&lf));
        int expected = dpi == 96 ? c.height96 : -(dpi * c.tenths / 720);
        EXPECT_EQ(expected, lf.lfHeight) << c.tenths;
        EXPECT_STREQ("Courier New", lf.lfFaceName);

        LOGFONTA tenths = {};
        tenths.lfHeight = c.tenths;
        std::strcpy(tenths.lfFaceName, "Tahoma");
        CFont indirect;
        ASSERT_TRUE(indirect.CreatePointFontIndirect(&tenths));
        indirect.GetLogFont(&lf);
        EXPECT_EQ(expected, lf.lfHeight) << c.tenths;
    }
}

TEST(GdiObject, TemporaryObjectsForForeignHandlesAndPermanentOnesForOwnHandles)
{
    CBrush own(RGB(1, 2, 3));
    EXPECT_EQ(&own, CGdiObject::FromHandle(own.m_hObject));
    HGDIOBJ hStock = ::GetStockObject(BLACK_PEN);
    CGdiObject* pTemp = CGdiObject::FromHandle(hStock);
    ASSERT_NE(nullptr, pTemp);
    EXPECT_EQ(hStock, pTemp->m_hObject);
    EXPECT_EQ(pTemp, CGdiObject::FromHandle(hStock));

    CRgn a, b, both;
    ASSERT_TRUE(a.CreateRectRgn(0, 0, 10, 10));
    ASSERT_TRUE(b.CreateRectRgn(5, 5, 20, 20));
    ASSERT_TRUE(both.CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(COMPLEXREGION, both.CombineRgn(&a, &b, RGN_OR));
    EXPECT_TRUE(both.PtInRegion(15, 15));
    EXPECT_FALSE(both.PtInRegion(2, 18));
}

}  // namespace
