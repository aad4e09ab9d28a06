// Off-screen drawing, saved DC states and fonts kept in the registry.
#include "KyGui/Helpers/GdiEx.h"

#include "HelperWindows.h"
#include "KyStd/Registry/RegKey.h"

#include <string>

using Kyvant::RegKey;
using Kyvant::GdiEx::DcSaver;
using Kyvant::GdiEx::Font;
using Kyvant::GdiEx::MemoryDC;

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const char kTestRoot[] = "Software\\Kyvant\\Tests\\KyGuiHelpers";

int ScreenDpi()
{
    HDC screen = ::GetDC(nullptr);
    int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return dpi;
}

class MemoryDCTest : public HelperWindowTest
{
};

class FontRegistryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegKey(HKEY_CURRENT_USER, "Software\\Kyvant\\Tests").DeleteKey("KyGuiHelpers");
        m_parent = RegKey(HKEY_CURRENT_USER, kTestRoot);
    }
    void TearDown() override { RegKey(HKEY_CURRENT_USER, "Software\\Kyvant\\Tests").DeleteKey("KyGuiHelpers"); }

    RegKey m_parent;
};

LOGFONTA LogFontOf(const Font& font)
{
    LOGFONTA logFont = {};
    font.Store(logFont);
    return logFont;
}

} // namespace

TEST_F(MemoryDCTest, ReachesTheTargetOnlyAtTheFirstCopy)
{
    CClientDC target(m_main);
    target.FillSolidRect(0, 0, 200, 200, kWhite);
    {
        MemoryDC memory(target, CRect(10, 10, 60, 60));
        memory.FillSolidRect(10, 10, 50, 50, kRed);  // target coordinates
        EXPECT_EQ(kWhite, target.GetPixel(20, 20));
        memory.Copy();
        EXPECT_EQ(kRed, target.GetPixel(20, 20));
        EXPECT_EQ(kRed, target.GetPixel(59, 59));
        EXPECT_EQ(kWhite, target.GetPixel(60, 60));
        memory.FillSolidRect(10, 10, 50, 50, kBlue);
    }
    EXPECT_EQ(kRed, target.GetPixel(20, 20));
}

TEST_F(MemoryDCTest, CopiesAtDestructionWhenNotCopied)
{
    CClientDC target(m_main);
    target.FillSolidRect(0, 0, 200, 200, kWhite);
    {
        MemoryDC memory(target.m_hDC, CRect(30, 40, 80, 90));
        memory.FillSolidRect(30, 40, 50, 50, kBlue);
        EXPECT_EQ(kWhite, target.GetPixel(35, 45));
    }
    EXPECT_EQ(kBlue, target.GetPixel(35, 45));
    EXPECT_EQ(kWhite, target.GetPixel(29, 45));
}

TEST_F(MemoryDCTest, AnEmptyClipBoxCopiesNothing)
{
    CClientDC target(m_main);
    target.FillSolidRect(0, 0, 200, 200, kWhite);
    target.IntersectClipRect(5, 5, 5, 5);
    {
        MemoryDC memory(target);
        EXPECT_TRUE(memory.GetRect().IsRectEmpty());
        memory.FillSolidRect(0, 0, 200, 200, kRed);
        memory.TextOut(0, 0, "x", 1);
        memory.Copy();
    }
    CClientDC check(m_main);
    EXPECT_EQ(kWhite, check.GetPixel(5, 5));
}

TEST_F(MemoryDCTest, DcSaverRestoresOnce)
{
    CClientDC dc(m_main);
    dc.SetTextColor(kRed);
    {
        DcSaver saver(dc);
        dc.SetTextColor(kBlue);
        saver.Restore();
        EXPECT_EQ(kRed, dc.GetTextColor());
        // A later state on the same level must survive the saver's end.
        dc.SaveDC();
        dc.SetTextColor(kWhite);
    }
    EXPECT_EQ(kWhite, dc.GetTextColor());
}

TEST(FontPointSize, IsTheTruncatedArithmeticOfTheHeight)
{
    if (ScreenDpi() != 96)
        GTEST_SKIP() << "needs a 96 dpi screen";
    struct Case
    {
        LONG height;
        int tenths;
    };
    for (const Case& c : { Case{ -16, 120 }, Case{ -11, 83 }, Case{ 16, 120 }, Case{ -13, 98 }, Case{ 0, 0 } })
        EXPECT_EQ(c.tenths, Font::PointSizeFromHeight(c.height)) << c.height;
}

TEST(FontCreate, EachFormKeepsItsPointSize)
{
    Font byLogFont;
    LOGFONTA logFont = {};
    logFont.lfHeight = -16;
    lstrcpyA(logFont.lfFaceName, "Arial");
    byLogFont.Create(logFont);
    EXPECT_EQ(Font::PointSizeFromHeight(-16), byLogFont.GetPointSize());

    Font byPoints;
    byPoints.Create(90, "Arial");
    EXPECT_EQ(90, byPoints.GetPointSize());
    EXPECT_STREQ("Arial", LogFontOf(byPoints).lfFaceName);

    Font copy;
    copy.Create(byLogFont);
    EXPECT_EQ(LogFontOf(byLogFont).lfHeight, LogFontOf(copy).lfHeight);

    // A stock font's positive cell height counts by its magnitude.
    Font stock;
    stock.CreateStockObject(SYSTEM_FONT);
    EXPECT_GT(stock.GetPointSize(), 0);

    // Creating again replaces the font.
    byPoints.Create(140, "Courier New");
    EXPECT_EQ(140, byPoints.GetPointSize());
}

TEST(FontCreate, AnUnsetFontCannotBeStored)
{
    Font font;
    LOGFONTA logFont = {};
    EXPECT_THROW(font.Store(logFont), CResourceException*);
}

TEST_F(FontRegistryTest, LoadOnAMissingSubkeyCreatesItWithTheDefaults)
{
    Font font;
    font.Load(m_parent, "Missing", nullptr, 100, FW_BOLD, true, ANSI_CHARSET);
    HKEY created = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(m_parent.get(), "Missing", 0, KEY_READ, &created));
    ::RegCloseKey(created);
    const LOGFONTA logFont = LogFontOf(font);
    EXPECT_STREQ("Arial", logFont.lfFaceName);
    EXPECT_EQ(FW_BOLD, logFont.lfWeight);
    EXPECT_TRUE(logFont.lfItalic);
    EXPECT_EQ(ANSI_CHARSET, logFont.lfCharSet);
    EXPECT_EQ(100, font.GetPointSize());
}

TEST_F(FontRegistryTest, StoreAndLoadRoundTrip)
{
    LOGFONTA model = {};
    lstrcpyA(model.lfFaceName, "Courier New");
    model.lfWeight = FW_SEMIBOLD;
    model.lfItalic = TRUE;
    model.lfCharSet = ANSI_CHARSET;
    Font stored;
    stored.Create(110, model);
    stored.Store(m_parent, "Editor");

    // The face is stored with its NUL.
    RegKey key(Kyvant::KyOpen, m_parent, "Editor");
    DWORD type = 0;
    DWORD size = 0;
    ASSERT_EQ(ERROR_SUCCESS, ::RegQueryValueExA(key.get(), "Face", nullptr, &type, nullptr, &size));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
    EXPECT_EQ(sizeof("Courier New"), size);

    Font loaded;
    loaded.Load(m_parent, "Editor", "Arial", 80, FW_NORMAL, false, DEFAULT_CHARSET);
    const LOGFONTA logFont = LogFontOf(loaded);
    EXPECT_STREQ("Courier New", logFont.lfFaceName);
    EXPECT_EQ(110, loaded.GetPointSize());
    EXPECT_EQ(FW_SEMIBOLD, logFont.lfWeight);
    EXPECT_TRUE(logFont.lfItalic);
    EXPECT_EQ(ANSI_CHARSET, logFont.lfCharSet);
    EXPECT_EQ(LogFontOf(stored).lfHeight, logFont.lfHeight);
}

TEST_F(FontRegistryTest, LoadTakesItsDefaultsFromAnotherFont)
{
    Font model;
    model.Create(130, "Courier New");
    Font fromFont;
    fromFont.Load(m_parent, "FromFont", model);
    EXPECT_EQ(130, fromFont.GetPointSize());
    EXPECT_STREQ("Courier New", LogFontOf(fromFont).lfFaceName);

    CFont plain;
    LOGFONTA logFont = {};
    logFont.lfHeight = -16;
    lstrcpyA(logFont.lfFaceName, "Arial");
    ASSERT_TRUE(plain.CreateFontIndirect(&logFont));
    Font fromCFont;
    fromCFont.Load(m_parent, "FromCFont", plain);
    EXPECT_EQ(Font::PointSizeFromHeight(-16), fromCFont.GetPointSize());
}
