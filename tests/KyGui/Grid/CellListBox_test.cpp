// The cell list box's rows and columns: inserting columns into filled rows,
// rows from a prototype and its clones, failures that must not leak or
// double-delete, rows deleted and moved with their items; the geometry of
// cells with and without horizontal scrolling; the header strip.
#include "KyGui/Grid/CellListBox.h"

#include "Grid/GridTestHelpers.h"
#include "KyGui/Lists/ListsResource.h"
#include "KyGui/Module/KyGuiModule.h"
#include "TestApp.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

using namespace GridTest;

namespace {

// Whether the list's text functions can be called on a list of type L.
template <class L, class = void>
struct HasItemText : std::false_type {
};
template <class L>
struct HasItemText<L, std::void_t<decltype(std::declval<const L&>().ItemText(0))>>
    : std::true_type {
};
template <class L, class = void>
struct CanStoreTexts : std::false_type {
};
template <class L>
struct CanStoreTexts<
    L, std::void_t<decltype(std::declval<L&>().StoreContents(
           std::declval<const Kyvant::output_sequencer<KyEditableListBox::Text>&>()))>>
    : std::true_type {
};
template <class L, class = void>
struct CanLoadTexts : std::false_type {
};
template <class L>
struct CanLoadTexts<
    L, std::void_t<decltype(std::declval<L&>().LoadContents(
           std::declval<const Kyvant::input_sequencer<KyEditableListBox::Text>&>(), true))>>
    : std::true_type {
};

// The grid's items are rows: reading or writing them as texts does not compile.
static_assert(HasItemText<KyEditableListBox>::value && CanStoreTexts<KyEditableListBox>::value &&
                  CanLoadTexts<KyEditableListBox>::value,
              "the text list keeps its text functions");
static_assert(!HasItemText<KyCellListBox>::value, "no item text on the grid");
static_assert(!CanStoreTexts<KyCellListBox>::value, "no text store on the grid");
static_assert(!CanLoadTexts<KyCellListBox>::value, "no text load on the grid");

// A row that counts its destructions and can be told to fail its next clones.
class CountedRow : public CLB_Row {
public:
    explicit CountedRow(const CLB_RowDesc::Columns& columns) : CLB_Row(columns) {}
    CountedRow(const CountedRow& other) : CLB_Row(other) {}
    ~CountedRow() override { ++s_destroyed; }
    CLB_Row* Clone() const override
    {
        if (s_clonesLeft-- == 0)
            throw std::runtime_error("no more clones");
        return new CountedRow(*this);
    }

    static int s_destroyed;
    static int s_clonesLeft;
};

int CountedRow::s_destroyed = 0;
int CountedRow::s_clonesLeft = -1;

class CellListBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CountedRow::s_destroyed = 0;
        CountedRow::s_clonesLeft = -1;
    }

    void OpenTwoColumns(unsigned rows)
    {
        ASSERT_TRUE(m_fixture.Open(
            m_grid,
            {new CLB_CheckColumnDesc(24, kRowHeight, "A"), new TextColumn(80, kRowHeight, "B")},
            rows));
    }

    CountedRow* NewCountedRow() { return new CountedRow(m_grid.GetRowDesc().GetColumns()); }

    GridFixture m_fixture;
    KyCellListBox m_grid;
};

bool Unthemed()
{
    return std::getenv("KY_EXPECT_UNTHEMED") != nullptr;
}

// The pixels of a bitmap, row by row.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> colours;

    COLORREF At(int x, int y) const { return colours[static_cast<size_t>(y * width + x)]; }
};

// Copies a rectangle of the screen, or the whole bitmap when it is given.
Pixels Capture(const RECT& rect, HBITMAP source = nullptr)
{
    Pixels p;
    p.width = rect.right - rect.left;
    p.height = rect.bottom - rect.top;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = p.width;
    info.bmiHeader.biHeight = -p.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP dib = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(memory, dib);
    if (source != nullptr) {
        HDC from = ::CreateCompatibleDC(screen);
        HGDIOBJ oldFrom = ::SelectObject(from, source);
        ::BitBlt(memory, 0, 0, p.width, p.height, from, 0, 0, SRCCOPY);
        ::SelectObject(from, oldFrom);
        ::DeleteDC(from);
    } else {
        ::BitBlt(memory, 0, 0, p.width, p.height, screen, rect.left, rect.top, SRCCOPY);
    }
    ::GdiFlush();
    const DWORD* d = static_cast<const DWORD*>(bits);
    for (int i = 0; i < p.width * p.height; ++i)
        p.colours.push_back(d[i] & 0xFFFFFF);
    ::SelectObject(memory, old);
    ::DeleteObject(dib);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return p;
}

// Whether the image (x0.. of the strip, size x size) appears anywhere in the area.
bool Shows(const Pixels& area, const Pixels& strip, int x0, int size)
{
    for (int top = 0; top + size <= area.height; ++top)
        for (int left = 0; left + size <= area.width; ++left) {
            bool same = true;
            for (int y = 0; same && y < size; ++y)
                for (int x = 0; same && x < size; ++x)
                    same = area.At(left + x, top + y) == strip.At(x0 + x, y);
            if (same)
                return true;
        }
    return false;
}

} // namespace

TEST_F(CellListBoxTest, InsertColumnGivesEveryRowANewCellThere)
{
    OpenTwoColumns(3);
    CLB_Cell* formerSecond[3];
    for (unsigned r = 0; r < 3; ++r)
        formerSecond[r] = &m_grid.GetCell(r, 1);
    m_grid.InsertColumn(1, 1, new TextColumn(50, kRowHeight, "New"));
    EXPECT_EQ(m_grid.GetNumColumns(), 3u);
    EXPECT_EQ(m_grid.GetRowWidth(), 24 + 50 + 80);
    EXPECT_EQ(m_grid.GetHorizontalExtent(), m_grid.GetRowWidth());
    for (unsigned r = 0; r < 3; ++r) {
        EXPECT_EQ(m_grid.GetRow(r).size(), 3u);
        EXPECT_NE(dynamic_cast<CLB_CheckCell*>(&m_grid.GetCell(r, 0)), nullptr);
        EXPECT_NE(dynamic_cast<TextCell*>(&m_grid.GetCell(r, 1)), nullptr);
        EXPECT_EQ(&m_grid.GetCell(r, 2), formerSecond[r]);
    }
    EXPECT_THROW(m_grid.InsertColumn(9, new TextColumn(50, kRowHeight, "Far")), std::out_of_range);
    EXPECT_EQ(m_grid.GetNumColumns(), 3u);
}

TEST_F(CellListBoxTest, InsertRowPutsThePrototypeFirstAndClonesAfterIt)
{
    OpenTwoColumns(2);
    CountedRow* prototype = NewCountedRow();
    static_cast<TextCell&>(KyCellListBox::at(*prototype, 1)).SetText("proto", nullptr);
    static_cast<CLB_CheckCell&>(KyCellListBox::at(*prototype, 0)).SetCheck(1, nullptr);
    m_grid.InsertRow(1, 3, prototype);
    ASSERT_EQ(m_grid.GetCount(), 5);
    EXPECT_EQ(&m_grid.GetRow(1), prototype);
    for (unsigned r = 2; r <= 3; ++r) {
        EXPECT_NE(&m_grid.GetRow(r), prototype);
        EXPECT_NE(dynamic_cast<CountedRow*>(&m_grid.GetRow(r)), nullptr);
        EXPECT_EQ(Text(m_grid, r, 1), "proto");
        EXPECT_EQ(Check(m_grid, r, 0).GetCheck(), 1);
    }
    EXPECT_EQ(Text(m_grid, 4, 1), "");
    EXPECT_EQ(m_grid.CreateNewEmptyItem(99), 5);
    EXPECT_EQ(m_grid.CreateNewEmptyItem(-1), 6);
    EXPECT_EQ(m_grid.CreateNewEmptyItem(0), 0);
    EXPECT_EQ(m_grid.GetCount(), 8);
    EXPECT_FALSE(m_grid.IsTextuallyEmpty());
    EXPECT_EQ(m_grid.GetEmptyItemIndex(), -1);
}

TEST_F(CellListBoxTest, AFailedInsertionDeletesItsRowsOnceAndLeavesTheGridAsItWas)
{
    OpenTwoColumns(2);
    CountedRow::s_clonesLeft = 1; // the second clone fails
    EXPECT_THROW(m_grid.InsertRow(1, 4, NewCountedRow()), std::runtime_error);
    EXPECT_EQ(m_grid.GetCount(), 2);
    EXPECT_EQ(CountedRow::s_destroyed, 2); // the prototype and the one clone, each once

    CountedRow::s_destroyed = 0;
    EXPECT_THROW(m_grid.InsertRow(7, NewCountedRow()), std::out_of_range);
    EXPECT_EQ(CountedRow::s_destroyed, 1);
    m_grid.InsertRow(0, 0, NewCountedRow());
    EXPECT_EQ(CountedRow::s_destroyed, 2);
    EXPECT_EQ(m_grid.GetCount(), 2);
}

TEST_F(CellListBoxTest, RowsGoWithTheirItemsAndMoveWithThem)
{
    OpenTwoColumns(0);
    m_grid.InsertRow(0, 3, NewCountedRow());
    CLB_Row* first = &m_grid.GetRow(0);
    m_grid.SetCurSel(0);
    PressAltKey(m_grid.m_hWnd, VK_DOWN);
    EXPECT_EQ(&m_grid.GetRow(1), first);
    EXPECT_EQ(CountedRow::s_destroyed, 0);
    PressKey(m_grid.m_hWnd, VK_DELETE);
    EXPECT_EQ(m_grid.GetCount(), 2);
    EXPECT_EQ(CountedRow::s_destroyed, 1);
    m_grid.erase(0, m_grid.size());
    EXPECT_EQ(CountedRow::s_destroyed, 3);
    EXPECT_TRUE(m_grid.IsTextuallyEmpty());
    EXPECT_THROW(m_grid.GetRow(0), std::out_of_range);
}

TEST_F(CellListBoxTest, CellPositionsRectanglesAndHitTestsAgree)
{
    ASSERT_TRUE(
        m_fixture.Open(m_grid,
                       {new CLB_CheckColumnDesc(24, kRowHeight, "A"),
                        new TextColumn(150, kRowHeight, "B"), new TextColumn(120, kRowHeight, "C")},
                       3));
    const int lefts[] = {0, 24, 174};
    const int widths[] = {24, 150, 120};
    CRect client;
    m_grid.GetClientRect(&client);
    int probes = 0;
    for (int scroll : {0, 40}) {
        m_grid.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, scroll), 0);
        ASSERT_EQ(m_grid.GetHorzScrollPos(), scroll);
        for (unsigned row = 0; row < 3; ++row) {
            CRect item;
            m_grid.GetItemRect(static_cast<int>(row), &item);
            for (unsigned col = 0; col < 3; ++col) {
                int x = -1;
                int width = -1;
                m_grid.GetCellPosAndWidth(col, x, width, false);
                EXPECT_EQ(x, lefts[col]);
                m_grid.GetCellPosAndWidth(col, x, width, true);
                EXPECT_EQ(x, lefts[col] - scroll) << scroll << " " << col;
                EXPECT_EQ(width, widths[col]);
                const CRect rect = m_grid.GetCellRect(row, col, true);
                EXPECT_EQ(rect, CRect(x, item.top, x + width, item.bottom)) << scroll << " " << col;
                const CPoint probe(rect.left + 3, rect.top + 4);
                if (!client.PtInRect(probe))
                    continue; // scrolled out of view
                ++probes;
                unsigned hitRow = 99;
                unsigned hitCol = 99;
                CPoint inCell;
                CRect hitRect;
                ASSERT_TRUE(m_grid.HitTestCell(probe, &hitRow, &hitCol, &inCell, &hitRect))
                    << scroll << " " << col;
                EXPECT_EQ(hitRow, row);
                EXPECT_EQ(hitCol, col);
                EXPECT_EQ(inCell, CPoint(3, 4));
                EXPECT_EQ(hitRect, rect);
            }
        }
    }
    EXPECT_GE(probes, 9);
    SetText(m_grid, 0, 1, "The second column's text");
    SetText(m_grid, 0, 2, "The third");
    Check(m_grid, 0, 0).SetCheck(1, nullptr);
    m_grid.CreateHeaders();
    m_grid.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 10), 0);
    m_grid.Invalidate();
    PumpPending();
    SaveWindowPng(m_fixture.m_dialog.m_hWnd, "grid-scrolled-by-10");
}

TEST_F(CellListBoxTest, PointsPastTheLastColumnOrBelowTheLastRowHitNothing)
{
    OpenTwoColumns(2);
    CRect last;
    m_grid.GetItemRect(1, &last);
    unsigned col = 99;
    EXPECT_FALSE(m_grid.HitTestCell(CPoint(10, last.bottom + 3), nullptr, &col, nullptr, nullptr));
    EXPECT_FALSE(m_grid.HitTestCell(CPoint(24 + 80 + 1, 5), nullptr, &col, nullptr, nullptr));
    EXPECT_FALSE(m_grid.HitTestCell(0, CPoint(24 + 80 + 1, 5), &col, nullptr, nullptr));
    EXPECT_FALSE(m_grid.HitTestCell(5, CPoint(10, 5), &col, nullptr, nullptr));
    EXPECT_EQ(col, 99u);
    EXPECT_TRUE(m_grid.HitTestCell(0, CPoint(24 + 80 - 1, 5), &col, nullptr, nullptr));
    EXPECT_EQ(col, 1u);
}

TEST_F(CellListBoxTest, HeadersTakeAStripAboveTheClientArea)
{
    OpenTwoColumns(2);
    SetText(m_grid, 0, 1, "text");
    Check(m_grid, 1, 0).SetCheck(1, nullptr);
    CPoint before(0, 0);
    m_grid.ClientToScreen(&before);
    m_grid.CreateHeaders();
    PumpPending();
    m_fixture.m_dialog.UpdateWindow();
    m_grid.RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    CPoint after(0, 0);
    m_grid.ClientToScreen(&after);
    const int height = Unthemed() ? 16 : 18;
    EXPECT_EQ(after.y - before.y, height);
    EXPECT_EQ(m_grid.GetHeaderHeight(), height);
    SaveWindowPng(m_fixture.m_dialog.m_hWnd,
                  Unthemed() ? "grid-headers-unthemed" : "grid-headers-themed");
    if (Unthemed()) {
        // Over the second column, right of its caption and left of its edge.
        HDC screen = ::GetDC(nullptr);
        const COLORREF strip = ::GetPixel(screen, after.x + 24 + 60, after.y - height / 2);
        ::ReleaseDC(nullptr, screen);
        EXPECT_EQ(strip, ::GetSysColor(COLOR_BTNFACE));
    }
}

TEST_F(CellListBoxTest, UnthemedCheckCellsShowTheirStatesImage)
{
    if (!Unthemed())
        GTEST_SKIP() << "themed check boxes are the visual style's";
    OpenTwoColumns(3);
    for (unsigned r = 0; r < 3; ++r)
        Check(m_grid, r, 0) = CLB_CheckCell("", true, static_cast<int>(r), true);
    m_grid.SetCurSel(-1);
    m_grid.Invalidate();
    PumpPending();
    HBITMAP bitmap = ::LoadBitmapA(Kyvant::KyGuiModule(), MAKEINTRESOURCEA(IDB_KY_CHECK_BOXES));
    ASSERT_NE(bitmap, nullptr);
    BITMAP info = {};
    ::GetObjectA(bitmap, sizeof info, &info);
    const Pixels strip = Capture({0, 0, info.bmWidth, info.bmHeight}, bitmap);
    ::DeleteObject(bitmap);
    const int size = info.bmHeight;
    for (unsigned r = 0; r < 3; ++r) {
        CRect cell = m_grid.GetCellRect(r, 0, true);
        m_grid.ClientToScreen(&cell);
        const Pixels shown = Capture(cell);
        for (int image = 0; image < 3; ++image)
            EXPECT_EQ(Shows(shown, strip, image * size, size), image == static_cast<int>(r))
                << "row " << r << ", image " << image;
    }
}
