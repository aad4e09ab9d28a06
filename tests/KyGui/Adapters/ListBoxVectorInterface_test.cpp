// The vector view run over a list box and over a combo box: insertion,
// erasure (one reset for the whole list), item texts and data by reference,
// refused insertions, and the style each table reads.
#include "KyGui/Adapters/ListBoxVectorInterface.h"

#include "Adapters/AdapterTestDialog.h"
#include "TestApp.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using AdapterTest::Control;
using AdapterTest::Counting;

namespace {

using Strings = std::vector<std::string>;
using TypedView = Kyvant::ListBoxVectorInterface<CString, int>;

enum Kind { kList, kCombo };

enum : WORD {
    kListId = 101,
    kComboId,
    kOwnerDrawListId,
    kOwnerDrawStringsListId,
    kOwnerDrawComboId
};

const std::vector<Control> kControls = {
    {AdapterTest::kListBox, LBS_NOTIFY | WS_VSCROLL | WS_BORDER, 10, 10, 80, 60, kListId},
    {AdapterTest::kComboBox, CBS_DROPDOWNLIST | WS_VSCROLL, 100, 10, 80, 80, kComboId},
    {AdapterTest::kListBox, LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT | WS_BORDER, 10, 80, 80, 40,
     kOwnerDrawListId},
    {AdapterTest::kListBox, LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | WS_BORDER,
     100, 80, 80, 40, kOwnerDrawStringsListId},
    {AdapterTest::kComboBox, CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | WS_VSCROLL, 190, 10, 80, 80,
     kOwnerDrawComboId},
};

class VectorViewTest : public ::testing::TestWithParam<Kind> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dialog.Open(kControls));
        ASSERT_TRUE(m_list.SubclassDlgItem(kListId, &m_dialog));
        ASSERT_TRUE(m_combo.SubclassDlgItem(kComboId, &m_dialog));
        if (GetParam() == kList)
            m_view.reset(new TypedView(m_list));
        else
            m_view.reset(new TypedView(m_combo));
    }

    void Fill(const Strings& items)
    {
        for (size_t i = 0; i < items.size(); ++i) {
            const int at = m_view->ops().AddString(items[i].c_str());
            m_view->ops().SetItemData(at, static_cast<DWORD_PTR>((i + 1) * 10));
        }
        Clear();
    }

    Strings Items() const
    {
        Strings texts;
        for (TypedView::iterator it = m_view->begin(); it != m_view->end(); ++it)
            texts.push_back(static_cast<LPCSTR>((*it).GetText()));
        return texts;
    }

    std::vector<int> Data() const
    {
        std::vector<int> data;
        for (TypedView::iterator it = m_view->begin(); it != m_view->end(); ++it)
            data.push_back((*it).GetData());
        return data;
    }

    int Resets() const
    {
        return GetParam() == kList ? m_list.Count(LB_RESETCONTENT) : m_combo.Count(CB_RESETCONTENT);
    }
    int Deletes() const
    {
        return GetParam() == kList ? m_list.Count(LB_DELETESTRING) : m_combo.Count(CB_DELETESTRING);
    }
    void Clear()
    {
        m_list.Clear();
        m_combo.Clear();
    }

    AdapterTest::Dialog m_dialog;
    Counting<CListBox> m_list;
    Counting<CComboBox> m_combo;
    std::unique_ptr<TypedView> m_view;
};

std::string KindName(const ::testing::TestParamInfo<Kind>& info)
{
    return info.param == kList ? "ListBox" : "ComboBox";
}

} // namespace

INSTANTIATE_TEST_SUITE_P(Controls, VectorViewTest, ::testing::Values(kList, kCombo), KindName);

TEST_P(VectorViewTest, InsertPutsCountCopiesAtTheIndex)
{
    struct Case {
        Strings start;
        int index;
        int count;
        const char* text;
        int result;
        Strings expected;
    };
    const Case cases[] = {
        {{"a", "b"}, 1, 1, "x", 1, {"a", "x", "b"}},
        {{"a", "b"}, 0, 3, "x", 0, {"x", "x", "x", "a", "b"}},
        {{"a"}, -1, 2, "z", 1, {"a", "z", "z"}},
        {{"a"}, 1, 0, "z", 1, {"a"}},
    };
    for (const Case& c : cases) {
        m_view->erase(0, m_view->size());
        Fill(c.start);
        EXPECT_EQ(m_view->insert(c.index, c.count, c.text), c.result) << c.text << c.count;
        EXPECT_EQ(Items(), c.expected) << c.index << " " << c.count;
    }
}

TEST_P(VectorViewTest, EraseRemovesTheRangeAndResetsForTheWholeList)
{
    struct Case {
        int first;
        int last;
        Strings expected;
        int resets;
        int deletes;
    };
    const Case cases[] = {
        {1, 3, {"a", "d"}, 0, 2},
        {2, 2, {"a", "b", "c", "d"}, 0, 0},
        {3, 1, {"a", "b", "c", "d"}, 0, 0},
        {0, 3, {"d"}, 0, 3},
        {0, 4, {}, 1, 0},
    };
    for (const Case& c : cases) {
        m_view->erase(0, m_view->size());
        Fill({"a", "b", "c", "d"});
        EXPECT_EQ(m_view->erase(c.first, c.last), c.first);
        EXPECT_EQ(Items(), c.expected) << c.first << ".." << c.last;
        EXPECT_EQ(Resets(), c.resets) << c.first << ".." << c.last;
        EXPECT_EQ(Deletes(), c.deletes) << c.first << ".." << c.last;
    }
}

TEST_P(VectorViewTest, SetTextKeepsTheItemDataAndIndex)
{
    Fill({"a", "b", "c"});
    TypedView::reference item = (*m_view)[1];
    item.SetText("beta");
    EXPECT_EQ(item.GetIndex(), 1);
    EXPECT_EQ(Items(), (Strings{"a", "beta", "c"}));
    EXPECT_EQ(Data(), (std::vector<int>{10, 20, 30}));
    (*m_view)[2] = "gamma";
    EXPECT_EQ(Items(), (Strings{"a", "beta", "gamma"}));
    EXPECT_EQ(Data(), (std::vector<int>{10, 20, 30}));
}

TEST_P(VectorViewTest, ReferenceAssignmentCopiesTextAndData)
{
    Fill({"a", "b", "c"});
    (*m_view)[0] = (*m_view)[2];
    EXPECT_EQ(Items(), (Strings{"c", "b", "c"}));
    EXPECT_EQ(Data(), (std::vector<int>{30, 20, 30}));
    Clear();
    (*m_view)[1] = (*m_view)[1];
    EXPECT_EQ(Deletes(), 0);
    EXPECT_EQ(Items(), (Strings{"c", "b", "c"}));
}

TEST_P(VectorViewTest, RefusedChangesThrowAndKeepTheItems)
{
    Fill({"a", "b"});
    try {
        m_view->insert(5, "x");
        ADD_FAILURE() << "an insertion past the end was taken";
    } catch (CMemoryException* e) {
        e->Delete();
    }
    EXPECT_THROW((*m_view)[7].SetText("x"), std::out_of_range);
    EXPECT_EQ(Items(), (Strings{"a", "b"}));
    EXPECT_EQ(Data(), (std::vector<int>{10, 20}));
}

TEST(VectorViewStyle, OwnerDrawnControlsWithoutStringsHaveNone)
{
    AdapterTest::Dialog dialog;
    ASSERT_TRUE(dialog.Open(kControls));
    CListBox list, ownerDrawList, ownerDrawStringsList;
    CComboBox combo, ownerDrawCombo;
    ASSERT_TRUE(list.SubclassDlgItem(kListId, &dialog));
    ASSERT_TRUE(combo.SubclassDlgItem(kComboId, &dialog));
    ASSERT_TRUE(ownerDrawList.SubclassDlgItem(kOwnerDrawListId, &dialog));
    ASSERT_TRUE(ownerDrawStringsList.SubclassDlgItem(kOwnerDrawStringsListId, &dialog));
    ASSERT_TRUE(ownerDrawCombo.SubclassDlgItem(kOwnerDrawComboId, &dialog));
    struct Case {
        const char* name;
        std::unique_ptr<Kyvant::ListBoxVectorInterfaceBase> view;
        bool hasStrings;
        bool ownerDrawFixed;
    };
    using View = Kyvant::ListBoxVectorInterfaceBase;
    Case cases[] = {
        {"list", std::make_unique<View>(list), true, false},
        {"combo", std::make_unique<View>(combo), true, false},
        {"owner-drawn list", std::make_unique<View>(ownerDrawList), false, true},
        {"owner-drawn list with strings", std::make_unique<View>(ownerDrawStringsList), true, true},
        {"owner-drawn combo", std::make_unique<View>(ownerDrawCombo), false, true},
    };
    for (Case& c : cases) {
        View::ListBoxComboBoxOps& ops = c.view->ops();
        EXPECT_EQ(ops.HasStrings(), c.hasStrings) << c.name;
        EXPECT_EQ(ops.IsOwnerDrawFixed(), c.ownerDrawFixed) << c.name;
        EXPECT_EQ(ops.IsOwnerDraw(), c.ownerDrawFixed) << c.name;
        EXPECT_FALSE(ops.IsOwnerDrawVariable()) << c.name;
    }
}
