// Tests of the image buttons: the standard images, the editor types' image
// choices, image and text placement, and the hover button's image choice.
#include "KyGui/Buttons/KyBitmapButton.h"

#include "KyGui/Buttons/KyButtonEditorInvoker.h"
#include "KyGui/Buttons/KyHoverButton.h"
#include "ButtonTestDialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using namespace ButtonTest;

// Exposes the hovering flag so the image choice can be checked in each state.
class TestHoverButton : public KyHoverButton
{
public:
    using KyHoverButton::KyHoverButton;
    void SetHovering(bool on) { m_hovering = on; }
};

TEST(StdImageList, HoldsNineSixteenPixelImages)
{
    CImageList& list = KyBitmapButton::GetStdImageList();
    EXPECT_EQ(9, list.GetImageCount());
    int cx = 0;
    int cy = 0;
    ASSERT_TRUE(ImageList_GetIconSize(list, &cx, &cy));
    EXPECT_EQ(16, cx);
    EXPECT_EQ(16, cy);
    EXPECT_EQ(&list, &KyBitmapButton::GetStdImageList());
}

TEST(EditorInvoker, EditorTypesTakeTheirStandardImages)
{
    struct Case
    {
        KyButtonEditorInvoker::EditorType type;
        int normal;
        int activeUnthemed;
        int activeThemed;
        int disabled;
    };
    const Case cases[] = {
        {KyButtonEditorInvoker::kEditText, 0, 1, 1, -1},
        {KyButtonEditorInvoker::kChooseFile, 2, 3, 3, -1},
        {KyButtonEditorInvoker::kMenu, 4, 5, -1, 6},
        {KyButtonEditorInvoker::kChooseComputer, 7, 8, 8, -1},
    };
    for (const Case& c : cases)
    {
        KyButtonEditorInvoker button(c.type);
        EXPECT_EQ(c.normal, button.GetImageIndex(false, false)) << c.type;
        // Without a hot image, pressed shows the active image (or none).
        EXPECT_EQ(Unthemed() ? c.activeUnthemed : c.activeThemed, button.GetImageIndex(true, false)) << c.type;
        EXPECT_EQ(c.disabled, button.GetImageIndex(false, true)) << c.type;
    }
}

TEST(HoverButton, ImageFollowsHoverAndPress)
{
    struct Case
    {
        int active;
        int hot;
        bool hovering;
        bool pressed;
        int expected;
    };
    const Case cases[] = {
        {1, 3, false, false, 0},   // normal
        {1, 3, true, false, 3},    // hot while hovering
        {1, 3, true, true, 1},     // active when pressed
        {-1, 3, false, true, 3},   // hot when pressed without an active image
        {1, -1, true, false, 1},   // active while hovering without a hot image
    };
    for (const Case& c : cases)
    {
        TestHoverButton button(&KyBitmapButton::GetStdImageList(), 0, c.active, 2, c.hot);
        button.SetHovering(c.hovering);
        EXPECT_EQ(c.expected, button.GetImageIndex(c.pressed, false));
        EXPECT_EQ(2, button.GetImageIndex(c.pressed, true));
    }
}

class BitmapLayoutTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dialog.Open({
            {false, BS_OWNERDRAW, 10, 10, 80, 16, kFirstId, L"Text"},
            {false, BS_OWNERDRAW, 10, 30, 80, 16, kFirstId + 1, L""},
            {false, BS_OWNERDRAW, 10, 50, 80, 16, kFirstId + 2, L"Right"},
        }));
        ASSERT_TRUE(m_left.SubclassDlgItem(kFirstId, &m_dialog));
        ASSERT_TRUE(m_bare.SubclassDlgItem(kFirstId + 1, &m_dialog));
        ASSERT_TRUE(m_right.SubclassDlgItem(kFirstId + 2, &m_dialog));
        PumpPending();
    }

    Dialog m_dialog;
    KyBitmapButton m_left{&KyBitmapButton::GetStdImageList(), 0, 1, -1, 0};
    KyBitmapButton m_bare{&KyBitmapButton::GetStdImageList(), 2, 3, -1, 0};
    KyBitmapButton m_right{&KyBitmapButton::GetStdImageList(), 7, 8, -1, 1};
};

TEST_F(BitmapLayoutTest, ImageAtTheLeftWithTextAfterIt)
{
    const CRect avail = m_left.GetAvailRect();
    const CRect image = m_left.GetImageRect();
    EXPECT_EQ(avail.left + 4, image.left);
    EXPECT_EQ(CSize(16, 16), image.Size());
    EXPECT_EQ(avail.top + (avail.Height() - 16) / 2, image.top);
    const CRect text = m_left.GetTextRect(CSize(24, 10));
    EXPECT_EQ(image.right + 5, text.left);
    EXPECT_EQ(24, text.Width());
}

TEST_F(BitmapLayoutTest, ImageAtTheRightWithTextBeforeIt)
{
    const CRect avail = m_right.GetAvailRect();
    const CRect image = m_right.GetImageRect();
    EXPECT_EQ(avail.right - 4, image.right);
    const CRect text = m_right.GetTextRect(CSize(24, 10));
    EXPECT_EQ(image.left - 5, text.right);
}

TEST_F(BitmapLayoutTest, ImageWithoutTextIsCentred)
{
    const CRect avail = m_bare.GetAvailRect();
    const CRect image = m_bare.GetImageRect();
    EXPECT_EQ(avail.left + (avail.Width() - 16) / 2, image.left);
    EXPECT_EQ(avail.top + (avail.Height() - 16) / 2, image.top);
}

TEST_F(BitmapLayoutTest, SelectedRectAlwaysMoves)
{
    CRect rc(0, 0, 5, 5);
    m_left.AdjustSelectedRect(rc);
    EXPECT_EQ(CRect(1, 1, 6, 6), rc);
}

TEST_F(BitmapLayoutTest, DrawsItsImage)
{
    m_dialog.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpPending();
    SaveWindowPng(m_dialog.m_hWnd, Unthemed() ? "KyBitmapButton_unthemed" : "KyBitmapButton_themed");
    // No magenta of the image's mask shows, and the image area is not plain face.
    CWindowDC dc(&m_bare);
    const CRect image = m_bare.GetImageRect();
    bool magenta = false;
    std::vector<COLORREF> seen;
    for (int y = image.top; y < image.bottom; ++y)
        for (int x = image.left; x < image.right; ++x)
        {
            const COLORREF c = dc.GetPixel(x, y);
            magenta = magenta || c == RGB(255, 0, 255);
            if (std::find(seen.begin(), seen.end(), c) == seen.end())
                seen.push_back(c);
        }
    EXPECT_FALSE(magenta);
    EXPECT_GE(seen.size(), 3u);
}

} // namespace
