// Tests of the layout kit: windows kept at their distances from the right and bottom edges, rows
// and columns shared in proportion, and all of it combined in one pass.
#include "KyGui/Layout/SimpleLayoutManager.h"

#include "Layout/LayoutTestWindows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

using Kyvant::SimpleLayoutManager;
using LayoutTest::IsAt;
using LayoutTest::ParentWindow;

namespace {

// As the option pages do it: a row or column manager that registers itself.
class TestRowCol : public SimpleLayoutManager::RowColManager {
public:
    using RowColManager::RowColManager;

    static Kyvant::rc_ptr<RowColManager> AddNew(SimpleLayoutManager& layout, bool isRow,
                                                std::vector<CWnd*> windows,
                                                std::vector<CWnd*> companions = {})
    {
        Kyvant::rc_ptr<RowColManager> manager(
            new TestRowCol(isRow, static_cast<unsigned>(windows.size()), windows.data(),
                           companions.empty() ? nullptr : companions.data()));
        AddTo(layout, manager);
        return manager;
    }
    static void Remove(SimpleLayoutManager& layout, const Kyvant::rc_ptr<RowColManager>& manager)
    {
        EraseFrom(layout, manager);
    }
};

// The designed row: widths 100, 100, 200 with gaps and margins of 10 in a 440-wide client area.
const int kMargin = 10;
const int kDesignedWidth = 440;
const int kHeight = 200;

// Rectangles along a row, or the same transposed into a column.
CRect Along(bool isRow, int start, int end, int crossStart, int crossEnd)
{
    return isRow ? CRect(start, crossStart, end, crossEnd) : CRect(crossStart, start, crossEnd, end);
}

} // namespace

TEST(SimpleLayoutManager, ARowOrColumnIsSharedInItsDesignedProportions)
{
    for (bool isRow : {true, false}) {
        ParentWindow parent(isRow ? kDesignedWidth : kHeight, isRow ? kHeight : kDesignedWidth);
        std::vector<CWnd*> windows = {&parent.AddChild(Along(isRow, 10, 110, 20, 40)),
                                      &parent.AddChild(Along(isRow, 120, 220, 20, 40)),
                                      &parent.AddChild(Along(isRow, 230, 430, 20, 40))};
        SimpleLayoutManager layout;
        TestRowCol::AddNew(layout, isRow, windows);
        if (isRow)
            parent.Resize(640, kHeight);
        else
            parent.Resize(kHeight, 640);
        layout.Layout();
        EXPECT_TRUE(IsAt(*windows[0], Along(isRow, 10, 160, 20, 40))) << isRow;
        EXPECT_TRUE(IsAt(*windows[1], Along(isRow, 170, 320, 20, 40))) << isRow;
        EXPECT_TRUE(IsAt(*windows[2], Along(isRow, 330, 630, 20, 40))) << isRow;
    }
}

TEST(SimpleLayoutManager, RoundingLeftoversGoToTheLastWindowOfARow)
{
    for (int width : {441, 443, 333, 517, 1001, 200}) {
        ParentWindow parent(kDesignedWidth, kHeight);
        std::vector<CWnd*> windows = {&parent.AddChild(CRect(10, 20, 110, 40)),
                                      &parent.AddChild(CRect(120, 20, 220, 40)),
                                      &parent.AddChild(CRect(230, 20, 430, 40))};
        SimpleLayoutManager layout;
        TestRowCol::AddNew(layout, true, windows);
        parent.Resize(width, kHeight);
        layout.Layout();
        const int shared = width - 2 * kMargin - 2 * kMargin;
        const int quarter = static_cast<int>(std::floor(shared * 0.25 + 0.5));
        EXPECT_TRUE(IsAt(*windows[0], CRect(10, 20, 10 + quarter, 40))) << width;
        EXPECT_TRUE(IsAt(*windows[1], CRect(20 + quarter, 20, 20 + 2 * quarter, 40))) << width;
        EXPECT_TRUE(IsAt(*windows[2], CRect(30 + 2 * quarter, 20, width - kMargin, 40))) << width;
    }
}

TEST(SimpleLayoutManager, OneWindowFillsItsSpanAndWindowsWithoutLengthShareEqually)
{
    struct Case {
        const char* name;
        std::vector<CRect> designed; // in a 300-wide client area
        std::vector<CRect> expected; // at 600
    };
    const Case cases[] = {
        {"one window", {CRect(30, 5, 80, 25)}, {CRect(30, 5, 380, 25)}},
        {"no lengths",
         {CRect(10, 5, 10, 25), CRect(20, 5, 20, 25), CRect(30, 5, 30, 25)},
         {CRect(10, 5, 110, 25), CRect(120, 5, 220, 25), CRect(230, 5, 330, 25)}},
    };
    for (const Case& c : cases) {
        ParentWindow parent(300, 100);
        std::vector<CWnd*> windows;
        for (const CRect& r : c.designed)
            windows.push_back(&parent.AddChild(r));
        SimpleLayoutManager layout;
        TestRowCol::AddNew(layout, true, windows);
        parent.Resize(600, 100);
        layout.Layout();
        for (size_t i = 0; i < windows.size(); ++i)
            EXPECT_TRUE(IsAt(*windows[i], c.expected[i])) << c.name << ", window " << i;
    }
}

TEST(SimpleLayoutManager, CompanionsMoveWithTheirWindows)
{
    ParentWindow parent(kDesignedWidth, kHeight);
    std::vector<CWnd*> windows = {&parent.AddChild(CRect(10, 40, 110, 60)),
                                  &parent.AddChild(CRect(120, 40, 220, 60)),
                                  &parent.AddChild(CRect(230, 40, 430, 60))};
    CWnd& firstLabel = parent.AddChild(CRect(12, 20, 62, 35));
    CWnd& lastLabel = parent.AddChild(CRect(225, 22, 300, 36));
    SimpleLayoutManager layout;
    TestRowCol::AddNew(layout, true, windows, {&firstLabel, nullptr, &lastLabel});
    parent.Resize(640, kHeight);
    layout.Layout();
    EXPECT_TRUE(IsAt(firstLabel, CRect(12, 20, 62, 35)));
    EXPECT_TRUE(IsAt(lastLabel, CRect(325, 22, 400, 36))); // 5 left of its window, size kept
    EXPECT_TRUE(IsAt(*windows[2], CRect(330, 40, 630, 60)));
}

TEST(SimpleLayoutManager, SideManagersMoveOrStretchToKeepTheirDistances)
{
    using Side = SimpleLayoutManager::Side;
    struct Case {
        const char* name;
        bool stretch;
        std::vector<Side> sides;
        CRect expected; // (20, 30, 120, 80) designed in 400 x 300, then at 500 x 360
    };
    const Case cases[] = {
        {"moved right", false, {SimpleLayoutManager::Right}, CRect(120, 30, 220, 80)},
        {"moved down", false, {SimpleLayoutManager::Bottom}, CRect(20, 90, 120, 140)},
        {"moved both", false, {SimpleLayoutManager::Right, SimpleLayoutManager::Bottom},
         CRect(120, 90, 220, 140)},
        {"stretched right", true, {SimpleLayoutManager::Right}, CRect(20, 30, 220, 80)},
        {"stretched down", true, {SimpleLayoutManager::Bottom}, CRect(20, 30, 120, 140)},
        {"stretched both", true, {SimpleLayoutManager::Right, SimpleLayoutManager::Bottom},
         CRect(20, 30, 220, 140)},
    };
    for (const Case& c : cases) {
        ParentWindow parent(400, 300);
        CWnd& child = parent.AddChild(CRect(20, 30, 120, 80));
        SimpleLayoutManager layout;
        for (Side side : c.sides) {
            if (c.stretch)
                layout.m_stretchyWindows.Add(child, side);
            else
                layout.m_sideWindows.Add(child, side);
        }
        parent.Resize(500, 360);
        layout.Layout();
        EXPECT_TRUE(IsAt(child, c.expected)) << c.name;
    }
}

TEST(SimpleLayoutManager, OnePassCombinesTheManagersChangesToAWindow)
{
    ParentWindow parent(kDesignedWidth, 300);
    // An edit that stretches to the right and keeps to the bottom; a row of two buttons, also
    // kept to the bottom, that shares the width.
    CWnd& edit = parent.AddChild(CRect(10, 250, 330, 270));
    CWnd& left = parent.AddChild(CRect(10, 200, 210, 230));
    CWnd& right = parent.AddChild(CRect(220, 200, 430, 230));
    SimpleLayoutManager layout;
    layout.m_stretchyWindows.Add(edit, SimpleLayoutManager::Right);
    layout.m_sideWindows.Add(edit, SimpleLayoutManager::Bottom);
    layout.m_sideWindows.Add(left, SimpleLayoutManager::Bottom);
    layout.m_sideWindows.Add(right, SimpleLayoutManager::Bottom);
    TestRowCol::AddNew(layout, true, {&left, &right});
    parent.Resize(840, 400);
    layout.Layout();
    EXPECT_TRUE(IsAt(edit, CRect(10, 350, 730, 370)));
    // 200 / 410 of the 810 shared pixels, rounded; the rest to the right button.
    EXPECT_TRUE(IsAt(left, CRect(10, 300, 405, 330)));
    EXPECT_TRUE(IsAt(right, CRect(415, 300, 830, 330)));
}

TEST(SimpleLayoutManager, ErasedWindowsAndManagersStayWhereTheyAre)
{
    ParentWindow parent(kDesignedWidth, 300);
    CWnd& moved = parent.AddChild(CRect(300, 250, 400, 270));
    CWnd& erased = parent.AddChild(CRect(10, 250, 100, 270));
    CWnd& rowWindow = parent.AddChild(CRect(10, 10, 430, 30));
    SimpleLayoutManager layout;
    layout.m_sideWindows.Add(moved, SimpleLayoutManager::Right);
    layout.m_sideWindows.Add(erased, SimpleLayoutManager::Right);
    layout.m_sideWindows.Add(erased, SimpleLayoutManager::Bottom);
    layout.m_stretchyWindows.Add(erased, SimpleLayoutManager::Right);
    auto row = TestRowCol::AddNew(layout, true, {&rowWindow});
    layout.m_sideWindows.Erase(erased);
    layout.m_stretchyWindows.Erase(erased);
    TestRowCol::Remove(layout, row);
    parent.Resize(640, 400);
    layout.Layout();
    EXPECT_TRUE(IsAt(moved, CRect(500, 250, 600, 270)));
    EXPECT_TRUE(IsAt(erased, CRect(10, 250, 100, 270)));
    EXPECT_TRUE(IsAt(rowWindow, CRect(10, 10, 430, 30)));
}

TEST(SimpleLayoutManager, BadConstructionIsRefused)
{
    try {
        SimpleLayoutManager::SideDesc bogus;
        FAIL() << "constructed";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ("SideDesc: Bogus call to default ctor.", e.what());
    }
    CWnd* windows[] = {nullptr};
    EXPECT_THROW(TestRowCol(true, 1, windows), std::invalid_argument);
    EXPECT_THROW(TestRowCol(true, 2, nullptr), std::invalid_argument);
    EXPECT_NO_THROW(TestRowCol(false, 0, nullptr)); // an empty manager lays out nothing
}
