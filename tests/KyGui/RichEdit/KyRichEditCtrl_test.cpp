// Tests of the rich edit control's formatting and selection: emptiness, options,
// nested selection hiding, colours, word wrap, tab stops, the font, ranges and a
// selection scrolled into view.
#include "RichEdit/RichEditTest.h"

#include <algorithm>
#include <stdexcept>

namespace {

struct StreamSource {
    const std::string* text;
    size_t pos;
};

DWORD CALLBACK ReadSource(DWORD_PTR cookie, LPBYTE buffer, LONG cb, LONG* pcb)
{
    StreamSource* src = reinterpret_cast<StreamSource*>(cookie);
    const size_t n = std::min(static_cast<size_t>(cb), src->text->size() - src->pos);
    std::copy_n(src->text->data() + src->pos, n, buffer);
    src->pos += n;
    *pcb = static_cast<LONG>(n);
    return 0;
}

CHARFORMATA FormatAt(CRichEditCtrl& edit, long start, long end)
{
    edit.SetSel(start, end);
    CHARFORMATA format = {};
    edit.GetSelectionCharFormat(format);
    return format;
}

} // namespace

void RichEditTest::Load(const std::string& text)
{
    StreamSource source{&text, 0};
    EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&source), 0, &ReadSource};
    m_edit.StreamIn(SF_TEXT, stream);
}

std::string NumberedLines(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "line " + std::to_string(i) + (i + 1 < count ? "\n" : "");
    return text;
}

namespace {

TEST_F(RichEditTest, EmptyMeansOneEmptyLine)
{
    EXPECT_TRUE(m_edit.Empty());
    Load("x");
    EXPECT_FALSE(m_edit.Empty());
    Load("\n");
    EXPECT_FALSE(m_edit.Empty());
    EXPECT_FALSE(m_edit.IsReadOnly());
    m_edit.SetReadOnly(TRUE);
    EXPECT_TRUE(m_edit.IsReadOnly());
    EXPECT_NE(m_edit.GetOptions() & ECO_READONLY, 0u);
}

TEST_F(RichEditTest, NestedHidersHideOnceAndShowWithTheOuterOne)
{
    {
        KyRichEditCtrl::SelHider outer(m_edit);
        {
            KyRichEditCtrl::SelHider inner(m_edit);
            EXPECT_EQ(m_edit.m_hides, 1);
        }
        EXPECT_EQ(m_edit.m_shows, 0);
    }
    EXPECT_EQ(m_edit.m_hides, 1);
    EXPECT_EQ(m_edit.m_shows, 1);
    m_edit.ShowSel(true); // an extra show is not counted below zero
    KyRichEditCtrl::SelHider again(m_edit);
    EXPECT_EQ(m_edit.m_hides, 2);
    EXPECT_EQ(m_edit.m_shows, 1);
}

TEST_F(RichEditTest, ColoursTheRangeAndLeavesTheCaretAtItsStart)
{
    Load(NumberedLines(3));
    const COLORREF red = RGB(255, 0, 0);
    const CHARRANGE range = {7, 13}; // "line 1"
    m_edit.SetTextColor(red, range, 10);
    long start = 0, end = 0;
    m_edit.GetSel(start, end);
    EXPECT_EQ(start, 7);
    EXPECT_EQ(end, 7);
    EXPECT_EQ(m_edit.m_hides, 1);
    EXPECT_EQ(m_edit.m_shows, 1);
    m_edit.SetSel(0, 0, 10);
    m_main->RedrawWindow(nullptr, nullptr,
                         RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpPending();
    SaveWindowPng(m_main->m_hWnd, "KyRichEditCtrl_coloured");
    // Red pixels on the second line only.
    const CPoint line1 = m_edit.GetCharPos(7);
    const CPoint line2 = m_edit.GetCharPos(14);
    HDC dc = ::GetDC(m_edit.m_hWnd);
    int redAbove = 0, redOn = 0;
    for (int y = 0; y < line2.y; ++y) {
        for (int x = 0; x < 80; ++x) {
            if (::GetPixel(dc, x, y) == red)
                ++(y < line1.y ? redAbove : redOn);
        }
    }
    ::ReleaseDC(m_edit.m_hWnd, dc);
    EXPECT_EQ(redAbove, 0);
    EXPECT_GT(redOn, 0);

    EXPECT_EQ(FormatAt(m_edit, 8, 9).crTextColor, red);
    EXPECT_NE(FormatAt(m_edit, 2, 3).crTextColor, red);
    m_edit.SetTextColor(red, true);
    EXPECT_EQ(FormatAt(m_edit, 2, 3).crTextColor, red);
    m_edit.ClearTextColor(true);
    EXPECT_NE(FormatAt(m_edit, 8, 9).dwEffects & CFE_AUTOCOLOR, 0u);
}

TEST_F(RichEditTest, WordWrapWrapsALongLineAtTheWindow)
{
    Load(std::string(200, 'w') + " " + std::string(200, 'x'));
    EXPECT_EQ(m_edit.GetLineCount(), 1);
    m_edit.SetWordWrap(true);
    EXPECT_TRUE(m_edit.GetWordWrap());
    EXPECT_GT(m_edit.GetLineCount(), 1);
    m_edit.SetWordWrap(false);
    EXPECT_EQ(m_edit.GetLineCount(), 1);
}

TEST_F(RichEditTest, TabStopsAreMultiplesOfTheBlankAndTheSelectionStays)
{
    Load("a\tb\tc");
    m_edit.SetSel(1, 3);
    CFont font;
    ASSERT_TRUE(font.CreateFont(-13, 8, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0,
                                FIXED_PITCH, "Courier New"));
    CClientDC dc(&m_edit);
    CFont* old = dc.SelectObject(&font);
    SIZE blank = {};
    ::GetTextExtentPoint32A(dc.GetSafeHdc(), " ", 1, &blank);
    dc.SelectObject(old);
    ASSERT_EQ(blank.cx, 8);
    ASSERT_EQ(dc.GetDeviceCaps(LOGPIXELSX), 96);

    m_edit.SetTabSize(font, 4);
    long start = 0, end = 0;
    m_edit.GetSel(start, end);
    EXPECT_EQ(start, 1);
    EXPECT_EQ(end, 3);
    PARAFORMAT format = {};
    format.cbSize = sizeof format;
    m_edit.SetSel(0, -1);
    m_edit.SendMessage(EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
    ASSERT_EQ(format.cTabCount, 32);
    for (int i = 0; i < 32; ++i)
        EXPECT_EQ(format.rgxTabs[i] & 0x00FFFFFF, 480 * (i + 1)) << i;
    EXPECT_EQ(m_edit.m_hides, m_edit.m_shows);
    EXPECT_THROW(m_edit.SetTabSize(font, 0), std::invalid_argument);
}

TEST_F(RichEditTest, SetFontTakesTheFontsFaceSizeAndEffects)
{
    Load("text");
    struct Case {
        LONG height;
        LONG weight;
        BYTE italic;
        const char* face;
        LONG twips; // 0: the size before stays
    };
    const Case cases[] = {
        {-16, FW_BOLD, 1, "Arial", 240},
        {16, FW_NORMAL, 0, "Courier New", 240}, // a cell height, by its magnitude
        {-12, FW_SEMIBOLD, 0, "Arial", 180},
        {0, FW_NORMAL, 0, "Arial", 0},
    };
    LONG before = 0;
    for (const Case& c : cases) {
        CFont font;
        ASSERT_TRUE(font.CreateFont(c.height, 0, 0, 0, c.weight, c.italic, 0, 0, ANSI_CHARSET, 0, 0,
                                    0, 0, c.face));
        m_edit.SetFont(font);
        const CHARFORMATA format = FormatAt(m_edit, 0, 4);
        EXPECT_STREQ(format.szFaceName, c.face);
        EXPECT_EQ(format.yHeight, c.twips != 0 ? c.twips : before) << c.height;
        EXPECT_EQ((format.dwEffects & CFE_BOLD) != 0, c.weight >= FW_BOLD) << c.height;
        EXPECT_EQ((format.dwEffects & CFE_ITALIC) != 0, c.italic != 0) << c.height;
        before = format.yHeight;
    }
    CFont none;
    EXPECT_THROW(m_edit.SetFont(none), std::invalid_argument);
}

TEST_F(RichEditTest, NormalizeRangeOrdersAndLimitsTheEnds)
{
    Load("0123456789");
    struct Case {
        CHARRANGE in;
        CHARRANGE out;
        bool valid;
    };
    const Case cases[] = {
        {{2, 5}, {2, 5}, true},   {{5, 2}, {2, 5}, true},      {{3, -1}, {3, 10}, true},
        {{4, 99}, {4, 10}, true}, {{4, 4}, {4, 4}, false},     {{-1, 3}, {-1, 3}, false},
        {{0, -5}, {0, 10}, true}, {{12, 20}, {12, 10}, false},
    };
    for (const Case& c : cases) {
        CHARRANGE out = {};
        EXPECT_EQ(m_edit.NormalizeRange(c.in, out), c.valid) << c.in.cpMin << "," << c.in.cpMax;
        EXPECT_EQ(out.cpMin, c.out.cpMin) << c.in.cpMin << "," << c.in.cpMax;
        EXPECT_EQ(out.cpMax, c.out.cpMax) << c.in.cpMin << "," << c.in.cpMax;
        CHARRANGE inPlace = c.in;
        EXPECT_EQ(m_edit.NormalizeRange(inPlace), c.valid);
        EXPECT_EQ(inPlace.cpMax, c.out.cpMax);
    }
}

// A selection on one line of a 50-line text in a view of 10 lines starting at a given line.
struct ScrollCase {
    int firstVisible;
    int line;
    int lines; // how many lines the selection covers
    int expectedFirst;
};

class SelectionScrolling : public RichEditTest, public ::testing::WithParamInterface<ScrollCase> {};

TEST_P(SelectionScrolling, KeepsTwoLinesOfContextOrCentres)
{
    const ScrollCase& c = GetParam();
    Load(NumberedLines(50));
    // Exactly ten lines high, so the view can reach the last ten lines.
    const int lineHeight = m_edit.GetCharPos(m_edit.LineIndex(1)).y - m_edit.GetCharPos(0).y;
    CRect format, window;
    m_edit.GetRect(&format);
    m_edit.GetWindowRect(&window);
    const int frame = window.Height() - format.Height();
    ::SetWindowPos(m_edit.m_hWnd, nullptr, 0, 0, window.Width(), 10 * lineHeight + frame,
                   SWP_NOMOVE | SWP_NOZORDER);
    m_edit.LineScroll(c.firstVisible);
    ASSERT_EQ(m_edit.GetFirstVisibleLine(), c.firstVisible);

    const long start = m_edit.LineIndex(c.line);
    const long end = m_edit.LineIndex(c.line + c.lines - 1) + 2;
    m_edit.SetSel(static_cast<int>(end), static_cast<int>(start), 10);
    EXPECT_EQ(m_edit.GetFirstVisibleLine(), c.expectedFirst);
    CHARRANGE selection = {};
    m_edit.GetSel(selection);
    EXPECT_EQ(selection.cpMin, start);
    EXPECT_EQ(selection.cpMax, end);
}

INSTANTIATE_TEST_SUITE_P(
    Views, SelectionScrolling,
    ::testing::Values(ScrollCase{0, 7, 1, 0},     // two lines to spare: stays
                      ScrollCase{0, 9, 1, 5},     // last visible line: centred
                      ScrollCase{0, 2, 1, 0},     // two lines above it
                      ScrollCase{10, 11, 1, 7},   // one line from the top: centred
                      ScrollCase{0, 8, 3, 5},     // three lines past the margin: centred
                      ScrollCase{0, 20, 12, 20},  // taller than the view: at its top
                      ScrollCase{0, 48, 1, 40})); // near the end: the last ten lines

TEST_F(RichEditTest, ASelectionBeyondTheRightEdgeIsScrolledIntoSight)
{
    Load(std::string(400, 'a') + "TARGET" + std::string(100, 'b') + "\nshort");
    const int lineStart = m_edit.GetCharPos(0).x;
    m_edit.SetSel(400, 406, 10);
    CRect format;
    m_edit.GetRect(&format);
    const CPoint target = m_edit.GetCharPos(400);
    const CPoint after = m_edit.GetCharPos(406);
    EXPECT_GE(target.x, format.left);
    EXPECT_LE(after.x, format.right);
    EXPECT_LT(m_edit.GetCharPos(0).x, format.left);
    m_edit.SetSel(0, 1, 10); // back at the line's start
    EXPECT_EQ(m_edit.GetCharPos(0).x, lineStart);
}

} // namespace
