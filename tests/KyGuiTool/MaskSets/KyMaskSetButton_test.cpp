// Tests of KyMaskSetButton: the menu of stored sets in key order, and what a
// choice puts into the masks combo and tells the page.
#include "MaskSetTestSupport.h"

using namespace StorageTest;
using Kyvant::MaskDB;
using MaskSetTest::MaskPage;

namespace {

using MaskSetButton = StorageFixture;

MenuSeen Choose(MaskPage& page, int downs)
{
    return DuringMenu([&page] { page.m_button.InvokeEditor(); }, downs);
}

} // namespace

TEST_F(MaskSetButton, WithoutSetsOffersAllFilesAndTheEditor)
{
    EmptyMasks();
    MaskPage page;
    page.m_masks.SetWindowText("*.old");
    const MenuSeen seen = Choose(page, 1);
    ASSERT_TRUE(seen.opened);
    EXPECT_EQ(Strings({"&All Files", "-", "&Edit..."}), seen.items);
    CRect button;
    page.m_button.GetWindowRect(&button);
    EXPECT_EQ(button.left + 8, seen.rect.left);
    EXPECT_EQ(button.bottom, seen.rect.top);
    EXPECT_EQ("*", page.Masks());
    EXPECT_EQ(MAKELONG(0, 1), static_cast<LONG>(page.m_masks.GetEditSel()));
    EXPECT_EQ(std::vector<std::string>({"edit change *"}), page.m_heard);
}

TEST_F(MaskSetButton, OffersTheSetsInKeyOrderAndGivesTheirNamesWithoutMarks)
{
    EmptyMasks();
    MaskDB& db = MaskDB::Instance();
    for (const char* name : {"&Source", "Docs", "C&&Cpp"})
        db.Insert(ky_I(name), MaskDB::mapped_type("*.x"));
    MaskPage page;
    page.m_masks.AddString("*.txt");
    page.m_masks.AddString("Docs");
    const struct {
        int downs;
        const char* masks;
        int selected; // the masks combo's entry, -1 for the edit text
    } cases[] = {
        {4, "Source", -1},
        {2, "C&Cpp", -1},
        {3, "Docs", 1},
        {1, "*", -1},
    };
    for (const auto& c : cases) {
        page.m_heard.clear();
        const MenuSeen seen = Choose(page, c.downs);
        EXPECT_EQ(Strings({"&All Files", "-", "C&&Cpp", "Docs", "&Source", "-", "&Edit..."}),
                  seen.items);
        EXPECT_EQ(c.masks, page.Masks());
        EXPECT_EQ(c.selected, page.m_masks.GetCurSel()) << c.masks;
        EXPECT_EQ(std::vector<std::string>({std::string("edit change ") + c.masks}), page.m_heard);
    }
    // "Edit..." asks the page for the editor of this field; the masks stay.
    page.m_heard.clear();
    DuringMenu([&page] { page.m_button.InvokeEditor(); }, 5, "mask-set-menu");
    EXPECT_EQ("*", page.Masks());
    EXPECT_EQ(std::vector<std::string>({"editor for " + std::to_string(IDC_KY_MASK_SET_MENU)}),
              page.m_heard);
    // Escape chooses nothing.
    page.m_heard.clear();
    Choose(page, 0);
    EXPECT_EQ("*", page.Masks());
    EXPECT_TRUE(page.m_heard.empty());
}
