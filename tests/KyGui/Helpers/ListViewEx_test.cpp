// The single selection and the focused row of a list view.
#include "KyGui/Helpers/ListViewEx.h"

#include "HelperWindows.h"

#include <afxcmn.h>

#include <vector>

using namespace Kyvant;

namespace {

const int kRows = 6;

class ListViewExTest : public HelperWindowTest
{
protected:
    void SetUp() override
    {
        HelperWindowTest::SetUp();
        ASSERT_TRUE(m_list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 300, 200), m_main, 700));
        m_list.InsertColumn(0, "Name", LVCFMT_LEFT, 100);
        for (int i = 0; i < kRows; ++i)
            m_list.InsertItem(i, "row");
    }

    std::vector<int> Rows(UINT state) const
    {
        std::vector<int> rows;
        for (int i = 0; i < kRows; ++i)
            if (m_list.GetItemState(i, state))
                rows.push_back(i);
        return rows;
    }

    CListCtrl m_list;
};

} // namespace

TEST_F(ListViewExTest, SetCurSelLeavesOnlyThatRowSelectedAndFocused)
{
    m_list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    m_list.SetItemState(4, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ(-1, ListViewEx::GetCurSel(m_list));

    ListViewEx::SetCurSel(m_list, 3, true);
    EXPECT_EQ(std::vector<int>{ 3 }, Rows(LVIS_SELECTED));
    EXPECT_EQ(std::vector<int>{ 3 }, Rows(LVIS_FOCUSED));
    EXPECT_EQ(3, ListViewEx::GetCurSel(m_list));
    EXPECT_EQ(3, ListViewEx::GetFocusItem(m_list));

    ListViewEx::SetCurSel(m_list, -1, false);
    EXPECT_TRUE(Rows(LVIS_SELECTED).empty());
    EXPECT_EQ(-1, ListViewEx::GetCurSel(m_list));
}

TEST_F(ListViewExTest, SetFocusItemKeepsTheSelection)
{
    ListViewEx::SetCurSel(m_list, 2, false);
    m_list.SetItemState(5, LVIS_SELECTED, LVIS_SELECTED);

    ListViewEx::SetFocusItem(m_list, 0, true);
    EXPECT_EQ(std::vector<int>{ 0 }, Rows(LVIS_FOCUSED));
    EXPECT_EQ((std::vector<int>{ 2, 5 }), Rows(LVIS_SELECTED));

    ListViewEx::SetFocusItem(m_list, -1, false);
    EXPECT_TRUE(Rows(LVIS_FOCUSED).empty());
    EXPECT_EQ(-1, ListViewEx::GetFocusItem(m_list));
    EXPECT_EQ((std::vector<int>{ 2, 5 }), Rows(LVIS_SELECTED));
}
