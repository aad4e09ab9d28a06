// A grid derived the way the option pages derive theirs: its message map
// chains to the grid's, new rows come with checked cells, and the New Item
// button adds such a row and opens its first text cell.
#include "KyGui/Grid/CellListBox.h"

#include "Grid/GridTestHelpers.h"
#include "KyGui/Lists/ListsResource.h"
#include "TestApp.h"

#include <gtest/gtest.h>

using namespace GridTest;

namespace {

class RuleGrid : public KyCellListBox {
public:
    RuleGrid() : KyCellListBox(nullptr, false, true, ID_KY_LIST_TOOLBAR) {}

    int CreateNewEmptyItem(int index) override
    {
        const int row = KyCellListBox::CreateNewEmptyItem(index);
        if (row >= 0) {
            const CLB_Cell::Locator where(this, static_cast<unsigned>(row), 0);
            static_cast<CLB_CheckCell&>(at(row, 0)).SetCheck(1, &where);
            static_cast<CLB_CheckCell&>(at(row, 1)).SetCheck(1, nullptr);
        }
        return row;
    }

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RuleGrid, KyCellListBox)
END_MESSAGE_MAP()

} // namespace

TEST(DerivedGridTest, NewItemAddsARowWithItsChecksAndOpensItsFirstTextCell)
{
    RuleGrid grid;
    GridFixture fixture;
    const int check = CLB_CheckCell::GetDefaultWidth();
    ASSERT_TRUE(
        fixture.Open(grid,
                     {new CLB_CheckColumnDesc(check, CLB_CheckCell::GetDefaultHeight(), "A"),
                      new CLB_CheckColumnDesc(check, CLB_CheckCell::GetDefaultHeight(), "C"),
                      new CLB_ColumnDesc<TextCell>(70, kRowHeight, "Find:"),
                      new CLB_CheckColumnDesc(check, 0, "I")},
                     0));
    grid.CreateHeaders();
    const KyCellListBox& constGrid = grid;
    int x = 0;
    int width = 0;
    constGrid.GetCellPosAndWidth(2, x, width, true);
    EXPECT_EQ(x, 2 * check);
    EXPECT_NE(grid.GetToolBarCtrl().GetSafeHwnd(), nullptr);

    grid.SendMessage(WM_COMMAND, MAKEWPARAM(ID_KY_LIST_NEW_ITEM, BN_CLICKED), 0);
    ASSERT_EQ(grid.GetCount(), 1);
    EXPECT_EQ(Check(grid, 0, 0).GetCheck(), 1);
    EXPECT_EQ(Check(grid, 0, 1).GetCheck(), 1);
    EXPECT_EQ(Check(grid, 0, 3).GetCheck(), 0);
    ASSERT_TRUE(grid.Editing());
    EXPECT_EQ(grid.GetCurrentColumn(), 2u);
    PumpPending();
    SaveWindowPng(fixture.m_dialog.m_hWnd, "grid-derived-new-item");
}
