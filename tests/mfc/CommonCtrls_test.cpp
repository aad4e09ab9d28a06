// Common controls over the test DLL's resources: image lists, owner-data list views, trees, toolbars,
// date-time pickers and animations.
#include "TestApp.h"
#include "TestIds.h"

#include <afxcmn.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kWhite = RGB(255, 255, 255);
const int kImageWidth = 15;
const int kImageHeight = 13;

// Records the toolbar commands that reach it.
class CToolOwner : public CWnd
{
public:
    std::vector<UINT> m_commands;

protected:
    afx_msg void OnTool(UINT nID) { m_commands.push_back(nID); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CToolOwner, CWnd)
    ON_COMMAND_RANGE(ID_TOOL_ONE, ID_TOOL_THREE, OnTool)
END_MESSAGE_MAP()

class CommonControls : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_owner.CreateEx(0, AfxRegisterWndClass(0, nullptr, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)),
                                     "Controls", WS_POPUP | WS_VISIBLE, 20, 20, 420, 320, nullptr, nullptr));
    }
    void TearDown() override { m_owner.DestroyWindow(); }
    CToolOwner m_owner;
};

struct ImageCase
{
    int image;
    COLORREF centre;
};

TEST_F(CommonControls, ImageListFromADllStripDrawsTransparently)
{
    CImageList images;
    ASSERT_TRUE(images.Create(IDB_DLL_STRIP, kImageWidth, 1, kMagenta));
    ASSERT_EQ(3, images.GetImageCount());
    IMAGEINFO info = {};
    ASSERT_TRUE(images.GetImageInfo(0, &info));
    EXPECT_EQ(kImageWidth, info.rcImage.right - info.rcImage.left);
    EXPECT_EQ(kImageHeight, info.rcImage.bottom - info.rcImage.top);

    CClientDC screen(nullptr);
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(&screen));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, kImageWidth, kImageHeight));
    CBitmap* pOld = dc.SelectObject(&bitmap);
    const ImageCase cases[] = { { 0, RGB(255, 0, 0) }, { 1, RGB(0, 160, 0) }, { 2, RGB(0, 0, 255) } };
    for (const ImageCase& c : cases) {
        dc.FillSolidRect(0, 0, kImageWidth, kImageHeight, kWhite);
        ASSERT_TRUE(images.Draw(&dc, c.image, CPoint(0, 0), ILD_NORMAL));
        EXPECT_EQ(kWhite, dc.GetPixel(0, 0)) << c.image;
        EXPECT_EQ(kWhite, dc.GetPixel(kImageWidth - 1, kImageHeight - 1)) << c.image;
        EXPECT_EQ(c.centre, dc.GetPixel(7, 6)) << c.image;
    }
    dc.SelectObject(pOld);
}

TEST_F(CommonControls, OwnerDataListTakesItemCountAndStates)
{
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS,
                            CRect(0, 0, 300, 200), &m_owner, 3001));
    EXPECT_EQ(0, list.InsertColumn(0, "Name", LVCFMT_LEFT, 120));
    EXPECT_EQ(1, list.InsertColumn(1, "Size", LVCFMT_RIGHT, 60));
    EXPECT_EQ(2, list.GetHeaderCtrl()->GetItemCount());
    ASSERT_TRUE(list.SetItemCountEx(1000, LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL));
    EXPECT_EQ(1000, list.GetItemCount());
    EXPECT_TRUE(list.SetItemState(5, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_EQ(static_cast<UINT>(LVIS_SELECTED), list.GetItemState(5, LVIS_SELECTED));
    EXPECT_EQ(1u, list.GetSelectedCount());
    EXPECT_EQ(5, list.GetNextItem(-1, LVNI_SELECTED));
    EXPECT_EQ(5, list.GetNextItem(-1, LVNI_FOCUSED));
    list.SetItemState(5, 0, LVIS_SELECTED);
    EXPECT_EQ(0u, list.GetSelectedCount());
    list.DestroyWindow();
}

TEST_F(CommonControls, TreeItemWithAStateImageIsHitOnItsStateIcon)
{
    CImageList states;
    ASSERT_TRUE(states.Create(IDB_DLL_STRIP, kImageWidth, 1, kMagenta));
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_LINESATROOT, CRect(0, 0, 300, 200), &m_owner, 3002));
    tree.SetImageList(&states, TVSIL_STATE);
    HTREEITEM hMarked = tree.InsertItem("Marked");
    HTREEITEM hPlain = tree.InsertItem("Plain");
    ASSERT_NE(nullptr, hMarked);
    EXPECT_TRUE(tree.SetItemState(hMarked, INDEXTOSTATEIMAGEMASK(2), TVIS_STATEIMAGEMASK));
    EXPECT_EQ(static_cast<UINT>(INDEXTOSTATEIMAGEMASK(2)), tree.GetItemState(hMarked, TVIS_STATEIMAGEMASK));
    EXPECT_STREQ("Marked", tree.GetItemText(hMarked));
    EXPECT_EQ(hPlain, tree.GetNextSiblingItem(hMarked));

    struct Case
    {
        HTREEITEM hItem;
        bool onStateIcon;
    } cases[] = { { hMarked, true }, { hPlain, false } };
    for (const Case& c : cases) {
        CRect text;
        ASSERT_TRUE(tree.GetItemRect(c.hItem, &text, TRUE));
        CPoint pt(text.left - kImageWidth / 2 - 1, text.CenterPoint().y);
        UINT flags = 0;
        HTREEITEM hHit = tree.HitTest(pt, &flags);
        EXPECT_EQ(c.onStateIcon, (flags & TVHT_ONITEMSTATEICON) != 0) << flags;
        if (c.onStateIcon) {
            EXPECT_EQ(c.hItem, hHit);
        }
    }
    tree.DestroyWindow();
}

TEST_F(CommonControls, ToolBarFromADllBitmapSendsCommandsToItsOwner)
{
    CToolBarCtrl toolbar;
    ASSERT_TRUE(toolbar.Create(WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | CCS_TOP, CRect(0, 0, 0, 0), &m_owner, 3003));
    toolbar.SetBitmapSize(CSize(kImageWidth, kImageHeight));
    ASSERT_EQ(0, toolbar.AddBitmap(3, IDB_DLL_STRIP));
    TBBUTTON buttons[3] = {};
    const UINT ids[] = { ID_TOOL_ONE, ID_TOOL_TWO, ID_TOOL_THREE };
    for (int i = 0; i < 3; ++i) {
        buttons[i].iBitmap = i;
        buttons[i].idCommand = static_cast<int>(ids[i]);
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = TBSTYLE_BUTTON;
    }
    ASSERT_TRUE(toolbar.AddButtons(3, buttons));
    toolbar.AutoSize();
    EXPECT_EQ(3, toolbar.GetButtonCount());
    toolbar.UpdateWindow();
    for (int i : { 2, 0, 1 }) {
        CRect rect;
        ASSERT_TRUE(toolbar.GetItemRect(i, &rect));
        CPoint pt = rect.CenterPoint();
        toolbar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        toolbar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    }
    PumpPending();
    EXPECT_EQ((std::vector<UINT>{ ID_TOOL_THREE, ID_TOOL_ONE, ID_TOOL_TWO }), m_owner.m_commands);
    CImageList hot;
    ASSERT_TRUE(hot.Create(IDB_DLL_STRIP, kImageWidth, 2, kMagenta));
    toolbar.SetHotImageList(&hot);
    EXPECT_EQ(&hot, toolbar.GetHotImageList());
    CToolTipCtrl tips;
    ASSERT_TRUE(tips.Create(&m_owner));
    CRect first;
    toolbar.GetItemRect(0, &first);
    EXPECT_TRUE(tips.AddTool(&toolbar, "First tool", &first, ID_TOOL_ONE));
    EXPECT_EQ(1, tips.GetToolCount());
    toolbar.SetToolTips(&tips);
    EXPECT_EQ(tips.m_hWnd, toolbar.GetToolTips()->m_hWnd);
    EXPECT_TRUE(toolbar.EnableButton(ID_TOOL_TWO, FALSE));
    EXPECT_FALSE(toolbar.IsButtonEnabled(ID_TOOL_TWO));
    toolbar.DestroyWindow();
}

TEST_F(CommonControls, DateTimePickerShowsBlankWithASpaceFormat)
{
    CDateTimeCtrl picker;
    ASSERT_TRUE(picker.Create(WS_CHILD | WS_VISIBLE | DTS_SHORTDATEFORMAT, CRect(10, 10, 200, 34), &m_owner, 3004));
    SYSTEMTIME st = {};
    st.wYear = 2004;
    st.wMonth = 5;
    st.wDay = 17;
    ASSERT_TRUE(picker.SetTime(&st));
    CString shown;
    picker.GetWindowText(shown);
    EXPECT_NE(std::string::npos, std::string(shown).find("2004")) << shown;
    ASSERT_TRUE(picker.SetFormat(" "));
    picker.GetWindowText(shown);
    EXPECT_STREQ(" ", shown);
    SYSTEMTIME back = {};
    EXPECT_EQ(static_cast<DWORD>(GDT_VALID), picker.GetTime(&back));
    EXPECT_EQ(17, back.wDay);
    picker.DestroyWindow();
}

TEST_F(CommonControls, AnimationOpensAClipOfTheDllById)
{
    CAnimateCtrl animation;
    ASSERT_TRUE(animation.Create(WS_CHILD | WS_VISIBLE | ACS_TRANSPARENT, CRect(10, 40, 60, 90), &m_owner, 3005));
    EXPECT_TRUE(animation.Open(IDR_DLL_CLIP));
    EXPECT_TRUE(animation.Seek(1));
    EXPECT_TRUE(animation.Play(0, 1, 1));
    EXPECT_TRUE(animation.Stop());
    EXPECT_FALSE(animation.Open(IDR_DLL_CLIP + 100));
    animation.DestroyWindow();
}

TEST_F(CommonControls, ExtendedComboBoxGivesItsEditAndSpinKeepsItsRange)
{
    CComboBoxEx combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(10, 100, 200, 250), &m_owner, 3006));
    COMBOBOXEXITEMA item = {};
    item.mask = CBEIF_TEXT;
    item.iItem = -1;
    item.pszText = const_cast<LPSTR>("Eight");
    EXPECT_EQ(0, combo.InsertItem(&item));
    EXPECT_EQ(1, combo.GetCount());
    CEdit* pEdit = combo.GetEditCtrl();
    ASSERT_NE(nullptr, pEdit);
    char name[16] = "";
    ::GetClassNameA(pEdit->m_hWnd, name, sizeof name);
    EXPECT_STREQ("Edit", name);
    EXPECT_NE(nullptr, combo.GetComboBoxCtrl());

    CSpinButtonCtrl spin;
    ASSERT_TRUE(spin.Create(WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT, CRect(210, 100, 230, 120), &m_owner, 3007));
    spin.SetRange(1, 16);
    int lower = 0, upper = 0;
    spin.GetRange(lower, upper);
    EXPECT_EQ(1, lower);
    EXPECT_EQ(16, upper);
    spin.SetPos(8);
    EXPECT_EQ(8, LOWORD(spin.GetPos()));
    combo.DestroyWindow();
    spin.DestroyWindow();
}

TEST_F(CommonControls, StatusBarKeepsPaneTexts)
{
    CStatusBarCtrl status;
    ASSERT_TRUE(status.Create(WS_CHILD | WS_VISIBLE | CCS_BOTTOM, CRect(0, 0, 0, 0), &m_owner, 3008));
    int widths[] = { 100, 200, -1 };
    ASSERT_TRUE(status.SetParts(3, widths));
    EXPECT_EQ(3, status.GetParts(0, nullptr));
    ASSERT_TRUE(status.SetText("Ready", 0, 0));
    ASSERT_TRUE(status.SetText("Raised", 2, SBT_POPOUT));
    int type = 0;
    EXPECT_STREQ("Ready", status.GetText(0));
    EXPECT_STREQ("Raised", status.GetText(2, &type));
    EXPECT_EQ(SBT_POPOUT, type);
    status.DestroyWindow();
}

TEST(WaitCursor, CountsOnTheApplicationForItsScope)
{
    int before = theApp.m_nWaitCursorCount;
    {
        CWaitCursor wait;
        EXPECT_EQ(before + 1, theApp.m_nWaitCursorCount);
        wait.Restore();
        EXPECT_EQ(before + 1, theApp.m_nWaitCursorCount);
    }
    EXPECT_EQ(before, theApp.m_nWaitCursorCount);
}

}  // namespace
