// Tests of the font button: the parent's font with its own weight and italic flag.
#include "KyGui/Buttons/KyFontButton.h"

#include "ButtonTestDialog.h"

#include <gtest/gtest.h>

namespace {

using namespace ButtonTest;

LOGFONTA FontOf(CWnd& wnd)
{
    LOGFONTA lf = {};
    ::GetObjectA(wnd.GetFont(), sizeof lf, &lf);
    return lf;
}

TEST(FontButton, TakesTheParentFontWithItsWeightAndItalic)
{
    struct Case
    {
        LONG weight;
        bool italic;
    };
    const Case cases[] = {{FW_BOLD, false}, {FW_LIGHT, true}, {FW_HEAVY, false}};
    for (const Case& c : cases)
    {
        Dialog dialog;
        ASSERT_TRUE(dialog.Open({{false, BS_PUSHBUTTON, 10, 10, 60, 14, kFirstId, L"Font"}}));
        KyFontButton button(c.weight, c.italic);
        ASSERT_TRUE(button.SubclassDlgItem(kFirstId, &dialog));
        const LOGFONTA parent = FontOf(dialog);
        const LOGFONTA own = FontOf(button);
        EXPECT_STREQ(parent.lfFaceName, own.lfFaceName);
        EXPECT_EQ(parent.lfHeight, own.lfHeight);
        EXPECT_EQ(c.weight, own.lfWeight);
        EXPECT_EQ(c.italic, own.lfItalic != 0);
    }
}

TEST(FontButton, DefaultIsBoldAndAWholeLogFontIsTakenAsItIs)
{
    Dialog dialog;
    ASSERT_TRUE(dialog.Open({{false, BS_PUSHBUTTON, 10, 10, 60, 14, kFirstId, L"A"},
                             {false, BS_PUSHBUTTON, 10, 30, 60, 14, kFirstId + 1, L"B"}}));
    KyFontButton bold;
    ASSERT_TRUE(bold.SubclassDlgItem(kFirstId, &dialog));
    EXPECT_EQ(700, FontOf(bold).lfWeight);

    LOGFONTA lf = {};
    lf.lfHeight = -20;
    lf.lfWeight = FW_NORMAL;
    lstrcpyA(lf.lfFaceName, FontOf(dialog).lfFaceName);
    KyFontButton whole(lf);
    ASSERT_TRUE(whole.SubclassDlgItem(kFirstId + 1, &dialog));
    EXPECT_EQ(-20, FontOf(whole).lfHeight);
    EXPECT_EQ(FW_NORMAL, FontOf(whole).lfWeight);
}

} // namespace
