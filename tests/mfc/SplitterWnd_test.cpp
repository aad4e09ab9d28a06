// The static splitter: row sizes from SetRowInfo and RecalcLayout, drawn bars, and dragging a bar.
#include "TestApp.h"
#include "TestSdi.h"

#include <gtest/gtest.h>

namespace {

class SplitterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_sdi = SdiLog();
        m_pFrame = StartSdiProgram();
        ASSERT_NE(m_pFrame, nullptr);
        PumpPending();
    }
    void TearDown() override { StopSdiProgram(); }

    CRect PaneRect(int row)
    {
        CRect rect;
        m_pFrame->m_wndSplitter.GetPane(row, 0)->GetWindowRect(&rect);
        m_pFrame->m_wndSplitter.ScreenToClient(&rect);
        return rect;
    }

    CSdiFrame* m_pFrame = nullptr;
};

TEST_F(SplitterTest, RowsGetTheirHeightsWithDefaultAndThemedSizes)
{
    CSdiSplitter& splitter = m_pFrame->m_wndSplitter;
    for (bool themed : { false, true }) {
        if (themed)
            splitter.UseThemedSizes();
        splitter.SetRowInfo(0, 80, 10);
        splitter.SetRowInfo(1, 60, 10);
        splitter.RecalcLayout();
        int gap = splitter.BarSize();
        int border = splitter.BorderSize();
        CRect client;
        splitter.GetClientRect(&client);
        EXPECT_EQ(PaneRect(0).top, border) << themed;
        EXPECT_EQ(PaneRect(0).Height(), 80) << themed;
        EXPECT_EQ(PaneRect(1).top, border + 80 + gap) << themed;
        EXPECT_EQ(PaneRect(1).Height(), 60) << themed;
        EXPECT_EQ(PaneRect(2).top, border + 80 + gap + 60 + gap) << themed;
        EXPECT_EQ(PaneRect(2).bottom, client.bottom - border) << themed;
        int cyCur = 0;
        int cyMin = 0;
        splitter.GetRowInfo(2, cyCur, cyMin);
        EXPECT_EQ(cyCur, PaneRect(2).Height()) << themed;
    }
    EXPECT_EQ(splitter.BarSize(), 6);
    EXPECT_EQ(splitter.BorderSize(), 0);
}

TEST_F(SplitterTest, OnDrawSplitterIsCalledForEachBar)
{
    CSdiSplitter& splitter = m_pFrame->m_wndSplitter;
    splitter.UseThemedSizes();
    splitter.RecalcLayout();
    g_sdi.barsDrawn = 0;
    splitter.Invalidate();
    splitter.UpdateWindow();
    EXPECT_EQ(g_sdi.barsDrawn, 2);  // three rows, two bars
}

TEST_F(SplitterTest, DraggingABarResizesTheRowAbove)
{
    CSdiSplitter& splitter = m_pFrame->m_wndSplitter;
    splitter.SetRowInfo(0, 80, 10);
    splitter.RecalcLayout();
    int barY = PaneRect(0).bottom + 1;
    splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, barY));
    splitter.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(20, barY + 30));
    splitter.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(20, barY + 30));
    EXPECT_EQ(PaneRect(0).Height(), 110);
    EXPECT_EQ(::GetCapture(), nullptr);
}

}  // namespace
