// Owner-drawn list and combo boxes: measuring, drawing, sorting and deleting reach the control's object.
#include "TestApp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const UINT kItemHeight = 17;
const UINT kListId = 2001;

// The owner-draw virtuals of a list or combo box class, recorded.
template <class Base>
class COwnerDrawn : public Base
{
public:
    std::vector<std::string> m_log;

    void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override
    {
        m_log.push_back("measure");
        lpMIS->itemHeight = kItemHeight;
    }
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override
    {
        if (lpDIS->itemID != static_cast<UINT>(-1))
            m_log.push_back("draw " + std::to_string(lpDIS->itemData));
    }
    int CompareItem(LPCOMPAREITEMSTRUCT lpCIS) override
    {
        m_log.push_back("compare");
        return lpCIS->itemData1 < lpCIS->itemData2 ? -1 : lpCIS->itemData1 > lpCIS->itemData2 ? 1 : 0;
    }
    void DeleteItem(LPDELETEITEMSTRUCT lpDelIS) override { m_log.push_back("delete " + std::to_string(lpDelIS->itemData)); }

    int Count(const std::string& entry) const
    {
        int n = 0;
        for (const std::string& e : m_log)
            n += e == entry ? 1 : 0;
        return n;
    }
};

template <class Box>
void ExpectOwnerDrawRoundTrip(Box& box, DWORD style, CWnd* pParent)
{
    ASSERT_TRUE(box.Create(style | WS_CHILD | WS_VISIBLE | WS_VSCROLL, CRect(10, 10, 200, 150), pParent, kListId));
    // Without strings the item is its data; sorting asks the object.
    for (DWORD_PTR value : { 30, 10, 20 })
        box.AddString(reinterpret_cast<LPCSTR>(value));
    ASSERT_EQ(3, box.GetCount());
    EXPECT_GT(box.Count("compare"), 0);
    EXPECT_EQ(10u, box.GetItemData(0));
    EXPECT_EQ(20u, box.GetItemData(1));
    EXPECT_EQ(30u, box.GetItemData(2));
    EXPECT_GT(box.Count("measure"), 0);

    box.SetCurSel(0);
    box.Invalidate();
    pParent->UpdateWindow();
    box.UpdateWindow();
    EXPECT_GT(box.Count("draw 10"), 0);

    box.DeleteString(0);
    EXPECT_EQ(1, box.Count("delete 10"));
    box.DestroyWindow();
    EXPECT_EQ(1, box.Count("delete 20"));
    EXPECT_EQ(1, box.Count("delete 30"));
}

class OwnerDraw : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pMain = CreateMainWindow("Owner draw");
        ASSERT_NE(nullptr, m_pMain);
    }
    void TearDown() override
    {
        if (m_pMain != nullptr)
            m_pMain->DestroyWindow();
    }
    CWnd* m_pMain = nullptr;
};

TEST_F(OwnerDraw, ListBoxGetsMeasureDrawCompareAndDelete)
{
    COwnerDrawn<CListBox> list;
    ExpectOwnerDrawRoundTrip(list, LBS_OWNERDRAWVARIABLE | LBS_SORT, m_pMain);
}

TEST_F(OwnerDraw, ComboBoxGetsMeasureDrawCompareAndDelete)
{
    COwnerDrawn<CComboBox> combo;
    ExpectOwnerDrawRoundTrip(combo, CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE | CBS_SORT, m_pMain);
}

}  // namespace
