// List boxes made a whole number of rows high, and null texts inserted.
#include "KyGui/Helpers/ListBoxEx.h"

#include "HelperWindows.h"

#include <stdexcept>

using namespace Kyvant;

namespace {

class ListBoxExTest : public HelperWindowTest
{
protected:
    void SetUp() override
    {
        HelperWindowTest::SetUp();
        m_panel = &AddChild(CRect(0, 0, 300, 260));
    }

    void CreateList(int height)
    {
        ASSERT_TRUE(m_list.Create(WS_CHILD | WS_VISIBLE | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS,
                                  CRect(10, 10, 110, 10 + height), m_panel, 400));
    }

    CWnd* m_panel = nullptr;
    CListBox m_list;
};

} // namespace

TEST_F(ListBoxExTest, ShrinksToWholeRowsAndMovesTheFollowingSiblings)
{
    CreateList(100);
    CWnd& below = AddChild(CRect(10, 120, 110, 140), m_panel);
    CWnd& further = AddChild(CRect(10, 150, 110, 170), m_panel);
    CWnd& stop = AddChild(CRect(10, 200, 110, 220), m_panel);
    EXPECT_EQ(-4, ListBoxEx::SetIntegralHeight(m_list, 16, true, true, &below, &stop, true, 3));
    EXPECT_EQ(CRect(10, 10, 110, 106), RectIn(m_list));
    EXPECT_EQ(CRect(10, 116, 110, 136), RectIn(below));
    EXPECT_EQ(CRect(10, 146, 110, 166), RectIn(further));
    EXPECT_EQ(CRect(10, 200, 110, 220), RectIn(stop));
    EXPECT_EQ(CRect(0, 0, 300, 256), RectIn(*m_panel));
}

TEST_F(ListBoxExTest, GrowsToTheMinimumRows)
{
    CreateList(20);
    EXPECT_EQ(28, ListBoxEx::SetIntegralHeight(m_list, 16, false, false, nullptr, nullptr, false, 3));
    EXPECT_EQ(CRect(10, 10, 110, 58), RectIn(m_list));
    EXPECT_EQ(CRect(0, 0, 300, 260), RectIn(*m_panel));
}

TEST_F(ListBoxExTest, AZeroItemHeightIsRefused)
{
    CreateList(100);
    EXPECT_THROW(ListBoxEx::SetIntegralHeight(m_list, 0, false, false, nullptr, nullptr), std::invalid_argument);
    EXPECT_EQ(CRect(10, 10, 110, 110), RectIn(m_list));
}

TEST_F(ListBoxExTest, InsertsNullTextsAsEmptyItemsWithoutData)
{
    CreateList(100);
    EXPECT_EQ(0, ListBoxEx::XpBugInsertString(m_list, -1, "one"));
    m_list.SetItemData(0, 5);
    EXPECT_EQ(0, ListBoxEx::XpBugInsertString(m_list, 0, nullptr));
    EXPECT_EQ(2, m_list.GetCount());
    CString text;
    m_list.GetText(0, text);
    EXPECT_STREQ("", text);
    EXPECT_EQ(0u, m_list.GetItemData(0));
    m_list.GetText(1, text);
    EXPECT_STREQ("one", text);
    EXPECT_EQ(5u, m_list.GetItemData(1));
}
