// Tests of the owner-drawn button: rectangles, the default-button messages,
// hovering, and what it paints (themed and not).
#include "KyGui/Buttons/KyOdButton.h"

#include "KyGui/Buttons/KyButtonEditorInvoker.h"
#include "KyGui/Buttons/KyButtonMenuInvoker.h"
#include "KyGui/Buttons/KyColorButton.h"
#include "KyGui/Buttons/KyFontButton.h"
#include "KyGui/Buttons/KyHoverButton.h"
#include "KyGui/Buttons/KyHyperLinkCtrl.h"
#include "ButtonTestDialog.h"

#include <gtest/gtest.h>

namespace ButtonTest {

BEGIN_MESSAGE_MAP(Dialog, CDialog)
    ON_MESSAGE(kInvokeMessage, OnInvoke)
    ON_CONTROL_RANGE(BN_CLICKED, kFirstId, kFirstId + 20, OnClicked)
    ON_CONTROL_RANGE(STN_CLICKED, kFirstId + 50, kFirstId + 60, OnStaticClicked)
    ON_COMMAND(kCmdChosen, OnChosen)
    ON_COMMAND(kCmdDisabled, OnDisabled)
    ON_UPDATE_COMMAND_UI(kCmdDisabled, OnUpdateDisabled)
END_MESSAGE_MAP()

} // namespace ButtonTest

namespace {

using namespace ButtonTest;

class TextButton : public KyOdButton
{
public:
    using KyOdButton::KyOdButton;
    void DrawContents(CDC& dc, const DRAWITEMSTRUCT& dis) override
    {
        DrawTextA(dc, dis);
        DrawFocus(dc, dis);
    }
};

class OdButtonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dialog.Open({
            {false, BS_OWNERDRAW | WS_TABSTOP, 10, 10, 60, 16, kFirstId, L"OK"},
            {false, BS_OWNERDRAW | WS_TABSTOP, 80, 10, 60, 16, kFirstId + 1, L"Other"},
            {false, BS_OWNERDRAW, 150, 10, 60, 16, kFirstId + 2, L"Flat"},
        }));
        ASSERT_TRUE(m_button.SubclassDlgItem(kFirstId, &m_dialog));
        ASSERT_TRUE(m_other.SubclassDlgItem(kFirstId + 1, &m_dialog));
        ASSERT_TRUE(m_flat.SubclassDlgItem(kFirstId + 2, &m_dialog));
        PumpPending();
    }
    CRect Client(CWnd& w)
    {
        CRect rc;
        w.GetClientRect(&rc);
        return rc;
    }

    Dialog m_dialog;
    TextButton m_button;
    TextButton m_other{true, true};
    TextButton m_flat{false, false};
};

TEST_F(OdButtonTest, RectanglesAreInsetFromTheClientArea)
{
    const CRect client = Client(m_button);
    EXPECT_EQ(CRect(2, 2, client.right - 2, client.bottom - 2), m_button.GetAvailRect());
    EXPECT_EQ(CRect(4, 4, client.right - 4, client.bottom - 4), m_button.GetFocusRect());
    EXPECT_EQ(CRect(5, 5, client.right - 5, client.bottom - 5), m_button.GetContentsRect());

    const CRect contents = m_button.GetContentsRect();
    const CSize text(20, 9);
    const CRect rc = m_button.GetTextRect(text);
    EXPECT_EQ(contents.left + (contents.Width() - 20) / 2, rc.left);
    EXPECT_EQ(contents.top + (contents.Height() - 9) / 2 - 1, rc.top);
    EXPECT_EQ(text, rc.Size());
}

TEST_F(OdButtonTest, HoverButtonContentsAreInsetByFour)
{
    KyHoverButton hover;
    m_flat.UnsubclassWindow();
    ASSERT_TRUE(hover.SubclassDlgItem(kFirstId + 2, &m_dialog));
    const CRect client = Client(hover);
    EXPECT_EQ(CRect(4, 4, client.right - 4, client.bottom - 4), hover.GetContentsRect());
    hover.UnsubclassWindow();
}

TEST_F(OdButtonTest, SelectedRectMovesOnlyWithoutTheme)
{
    CRect rc(10, 10, 20, 20);
    m_button.AdjustSelectedRect(rc);
    EXPECT_EQ(Unthemed() ? CRect(11, 11, 21, 21) : CRect(10, 10, 20, 20), rc);
}

TEST_F(OdButtonTest, SetStyleKeepsOwnerDrawAndTracksTheDefault)
{
    struct Case
    {
        UINT style;
        bool isDefault;
        UINT dlgCode;
    };
    const Case cases[] = {
        {BS_DEFPUSHBUTTON, true, DLGC_DEFPUSHBUTTON},
        {BS_PUSHBUTTON, false, DLGC_UNDEFPUSHBUTTON},
        {BS_DEFPUSHBUTTON, true, DLGC_DEFPUSHBUTTON},
    };
    for (const Case& c : cases)
    {
        m_button.SendMessage(BM_SETSTYLE, c.style, TRUE);
        EXPECT_EQ(c.isDefault, m_button.IsDefault());
        EXPECT_EQ(static_cast<UINT>(BS_OWNERDRAW), m_button.GetStyle() & 0x0F);
        const UINT code = static_cast<UINT>(m_button.SendMessage(WM_GETDLGCODE));
        EXPECT_EQ(c.dlgCode, code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON));
    }
}

TEST_F(OdButtonTest, OwnerDrawSurvivesTheDefaultMovingAwayAndBack)
{
    for (UINT id : {UINT(kFirstId + 1), UINT(kFirstId), UINT(kFirstId + 1), UINT(kFirstId)})
    {
        m_dialog.SendMessage(DM_SETDEFID, id);
        PumpPending();
        EXPECT_EQ(id == kFirstId, m_button.IsDefault());
        EXPECT_EQ(id == kFirstId + 1, m_other.IsDefault());
        EXPECT_EQ(static_cast<UINT>(BS_OWNERDRAW), m_button.GetStyle() & 0x0F);
        EXPECT_EQ(static_cast<UINT>(BS_OWNERDRAW), m_other.GetStyle() & 0x0F);
    }
}

TEST_F(OdButtonTest, ButtonWithoutDefaultingLeavesTheDialogCodeAlone)
{
    m_flat.SendMessage(BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    EXPECT_FALSE(m_flat.IsDefault());
}

TEST_F(OdButtonTest, HoveringFollowsMoveLeaveAndPress)
{
    CRect screen;
    m_button.GetWindowRect(&screen);
    ::SetCursorPos(screen.CenterPoint().x, screen.CenterPoint().y);
    m_button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(m_button.Hovering());
    m_button.SendMessage(WM_MOUSELEAVE);
    EXPECT_FALSE(m_button.Hovering());

    m_button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(m_button.Hovering());
    m_button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_FALSE(m_button.Hovering());
    m_button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(500, 500));

    m_flat.GetWindowRect(&screen);
    ::SetCursorPos(screen.CenterPoint().x, screen.CenterPoint().y);
    m_flat.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_FALSE(m_flat.Hovering());
}

TEST_F(OdButtonTest, PaintsItsFaceAndTextThemedOrNot)
{
    m_button.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    PumpPending();
    SaveWindowPng(m_dialog.m_hWnd, Unthemed() ? "KyOdButton_unthemed" : "KyOdButton_themed");
    CWindowDC dc(&m_button);
    const CRect client = Client(m_button);
    // Between the border and the centred text: the button's face.
    const COLORREF face = dc.GetPixel(client.left + 6, client.CenterPoint().y);
    if (Unthemed())
    {
        EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), face);
    }
    // Some pixel of the text differs from the face.
    bool textFound = false;
    for (int x = client.left + 6; x < client.right - 6 && !textFound; ++x)
        for (int y = client.top + 5; y < client.bottom - 5 && !textFound; ++y)
            textFound = dc.GetPixel(x, y) != face;
    EXPECT_TRUE(textFound);
}

// Every kind of button in one dialog, as a page would hold them.
TEST(Buttons, AllKindsDrawThemselvesInOneDialog)
{
    Dialog dialog;
    ASSERT_TRUE(dialog.Open({
        {false, BS_OWNERDRAW | WS_TABSTOP, 10, 10, 60, 14, kFirstId, L"&Plain"},
        {false, BS_OWNERDRAW | WS_TABSTOP, 80, 10, 60, 14, kFirstId + 1, L"&Image"},
        {false, BS_OWNERDRAW | WS_TABSTOP, 150, 10, 12, 12, kFirstId + 2, L""},
        {false, BS_OWNERDRAW | WS_TABSTOP, 170, 10, 12, 12, kFirstId + 3, L""},
        {false, BS_OWNERDRAW | WS_TABSTOP, 190, 10, 12, 12, kFirstId + 4, L""},
        {false, BS_OWNERDRAW | WS_TABSTOP, 10, 30, 60, 14, kFirstId + 5, L""},
        {false, BS_OWNERDRAW | WS_TABSTOP, 80, 30, 60, 14, kFirstId + 6, L""},
        {false, BS_PUSHBUTTON | WS_TABSTOP, 150, 30, 60, 14, kFirstId + 7, L"Bold"},
        {true, SS_NOTIFY, 10, 50, 40, 10, kFirstId + 50, L"http://example.com/kyvant"},
    }));
    TextButton plain;
    KyBitmapButton image(&KyBitmapButton::GetStdImageList(), 0, 1, -1);
    KyButtonEditorInvoker edit(KyButtonEditorInvoker::kEditText);
    KyButtonEditorInvoker file(KyButtonEditorInvoker::kChooseFile);
    KyButtonMenuInvoker menu;
    KyColorButton automatic(KyColorButton::kAutomatic, RGB(0, 0, 160));
    KyColorButton red(RGB(220, 0, 0));
    KyFontButton bold;
    KyHyperLinkCtrl link;
    CWnd* all[] = {&plain, &image, &edit, &file, &menu, &automatic, &red, &bold, &link};
    for (UINT i = 0; i < 8; ++i)
        ASSERT_TRUE(all[i]->SubclassDlgItem(kFirstId + i, &dialog)) << i;
    ASSERT_TRUE(link.SubclassDlgItem(kFirstId + 50, &dialog));
    dialog.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpPending();
    SaveWindowPng(dialog.m_hWnd, Unthemed() ? "KyGuiButtons_unthemed" : "KyGuiButtons_themed");

    // The red swatch, and the link's text in blue.
    EXPECT_EQ(RGB(220, 0, 0), CWindowDC(&red).GetPixel(red.GetContentsRect().CenterPoint().x,
                                                       red.GetContentsRect().CenterPoint().y));
    CRect linkRect;
    link.GetClientRect(&linkRect);
    CWindowDC linkDC(&link);
    bool blue = false;
    for (int y = 0; y < linkRect.bottom && !blue; ++y)
        for (int x = 0; x < linkRect.right && !blue; ++x)
            blue = linkDC.GetPixel(x, y) == RGB(0, 0, 255);
    EXPECT_TRUE(blue);
}

} // namespace
