// Tests of the deferred window mover: edits of the stored rectangle, one batch, and placing the
// windows one by one when the batch cannot be made.
#include "KyGui/Layout/DeferredWindowManager.h"
#include "KyGui/Layout/DeferWindowPosSeam.h"

#include "Layout/LayoutTestWindows.h"

#include <gtest/gtest.h>

#include <functional>

using LayoutTest::IsAt;
using LayoutTest::ParentWindow;

namespace {

const CRect kDesigned(20, 30, 120, 80);

struct EditCase {
    const char* name;
    std::function<void(Kyvant::DeferredWindowManager&, CWnd&)> edit;
    CRect expected;
};

} // namespace

TEST(DeferredWindowManager, EachEditMovesOrSizesTheStoredRectangle)
{
    using DWM = Kyvant::DeferredWindowManager;
    const EditCase cases[] = {
        {"left", [](DWM& m, CWnd& w) { m.SetPosLeft(w, 50); }, CRect(50, 30, 150, 80)},
        {"top", [](DWM& m, CWnd& w) { m.SetPosTop(w, 5); }, CRect(20, 5, 120, 55)},
        {"right", [](DWM& m, CWnd& w) { m.SetPosRight(w, 200); }, CRect(100, 30, 200, 80)},
        {"bottom", [](DWM& m, CWnd& w) { m.SetPosBottom(w, 100); }, CRect(20, 50, 120, 100)},
        {"width", [](DWM& m, CWnd& w) { m.SetWidth(w, 40); }, CRect(20, 30, 60, 80)},
        {"height", [](DWM& m, CWnd& w) { m.SetHeight(w, 10); }, CRect(20, 30, 120, 40)},
    };
    for (const EditCase& c : cases) {
        ParentWindow parent(400, 300);
        CWnd& child = parent.AddChild(kDesigned);
        DWM manager;
        c.edit(manager, child);
        EXPECT_TRUE(IsAt(child, kDesigned)) << c.name << ": nothing moves before Execute";
        manager.Execute();
        EXPECT_TRUE(IsAt(child, c.expected)) << c.name;
    }
}

TEST(DeferredWindowManager, SetRectReturnsThePreviousRectangleAndExecuteEmptiesTheBatch)
{
    ParentWindow parent(400, 300);
    CWnd& child = parent.AddChild(kDesigned);
    Kyvant::DeferredWindowManager manager;
    EXPECT_EQ(kDesigned, manager.SetRect(child, CRect(1, 2, 3, 4)));  // measured on entry
    EXPECT_EQ(CRect(1, 2, 3, 4), manager.SetRect(child, CRect(5, 6, 55, 66)));
    manager.Execute();
    EXPECT_TRUE(IsAt(child, CRect(5, 6, 55, 66)));

    // The batch is empty now: the window is measured anew, and Execute alone changes nothing.
    child.MoveWindow(CRect(7, 8, 17, 18));
    manager.Execute();
    EXPECT_TRUE(IsAt(child, CRect(7, 8, 17, 18)));
    EXPECT_EQ(CRect(7, 8, 17, 18), manager.GetRect(child));
}

namespace {

int g_deferCalls = 0;
int g_failDeferAt = -1;  // the call that fails, or -1
UINT g_deferFlags = 0;

HDWP WINAPI FailingBegin(int)
{
    return nullptr;
}

HDWP WINAPI CountingDefer(HDWP batch, HWND hWnd, HWND after, int x, int y, int cx, int cy, UINT flags)
{
    g_deferFlags = flags;
    if (g_deferCalls++ == g_failDeferAt) {
        ::EndDeferWindowPos(batch);  // as the system does: a failure releases the batch
        return nullptr;
    }
    return ::DeferWindowPos(batch, hWnd, after, x, y, cx, cy, flags);
}

class SeamScope {
public:
    SeamScope(Kyvant::LayoutSeams::BeginDeferWindowPosFn begin)
    {
        g_deferCalls = 0;
        g_deferFlags = 0;
        Kyvant::LayoutSeams::SetBeginDeferWindowPos(begin);
        Kyvant::LayoutSeams::SetDeferWindowPos(&CountingDefer);
    }
    ~SeamScope()
    {
        Kyvant::LayoutSeams::SetBeginDeferWindowPos(nullptr);
        Kyvant::LayoutSeams::SetDeferWindowPos(nullptr);
        g_failDeferAt = -1;
    }
};

} // namespace

TEST(DeferredWindowManager, EveryWindowIsPlacedWhetherOrNotTheBatchWorks)
{
    struct Case {
        const char* name;
        bool beginFails;
        int failDeferAt;
        int expectedDeferCalls;
    };
    const Case cases[] = {
        {"batch", false, -1, 3},
        {"BeginDeferWindowPos fails", true, -1, 0},
        {"first DeferWindowPos fails", false, 0, 1},
        {"last DeferWindowPos fails", false, 2, 3},
    };
    for (const Case& c : cases) {
        ParentWindow parent(400, 300);
        CWnd* children[] = {&parent.AddChild(CRect(0, 0, 10, 10)), &parent.AddChild(CRect(0, 20, 10, 30)),
                            &parent.AddChild(CRect(0, 40, 10, 50))};
        SeamScope seams(c.beginFails ? &FailingBegin : nullptr);
        g_failDeferAt = c.failDeferAt;
        Kyvant::DeferredWindowManager manager;
        for (int i = 0; i < 3; ++i)
            manager.SetPosLeft(*children[i], 100 + 50 * i);
        manager.Execute();
        EXPECT_EQ(c.expectedDeferCalls, g_deferCalls) << c.name;
        if (c.expectedDeferCalls > 0) {
            EXPECT_EQ(static_cast<UINT>(SWP_NOZORDER | SWP_NOACTIVATE), g_deferFlags) << c.name;
        }
        for (int i = 0; i < 3; ++i)
            EXPECT_TRUE(IsAt(*children[i], CRect(100 + 50 * i, 20 * i, 110 + 50 * i, 20 * i + 10)))
                << c.name << ", window " << i;
        // The batch is empty afterwards in every case.
        g_deferCalls = 0;
        manager.Execute();
        EXPECT_EQ(0, g_deferCalls) << c.name;
    }
}
