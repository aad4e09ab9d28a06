// Notifications reflected to the child control's own object: plain, _EX, colours, owner draw, tabs, drag lists.
#include "TestApp.h"
#include "TestIds.h"

#include <afxcmn.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::vector<std::string> g_events;

class CReflectButton : public CButton
{
protected:
    afx_msg void OnClicked() { g_events.push_back("button"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CReflectButton, CButton)
    ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

// Answers its reflected click with a chosen value: FALSE lets the parent handle it too.
class CEitherButton : public CButton
{
public:
    BOOL m_answer = FALSE;

protected:
    afx_msg BOOL OnClicked()
    {
        g_events.push_back("either");
        return m_answer;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CEitherButton, CButton)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

class CLinkStatic : public CStatic
{
protected:
    afx_msg void OnClicked() { g_events.push_back("link"); }
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor)
    {
        g_events.push_back(nCtlColor == CTLCOLOR_STATIC ? "link colour" : "wrong colour type");
        pDC->SetTextColor(RGB(0, 0, 255));
        return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CLinkStatic, CStatic)
    ON_CONTROL_REFLECT(STN_CLICKED, OnClicked)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class CDropCombo : public CComboBox
{
protected:
    afx_msg BOOL OnDropDown()
    {
        g_events.push_back("combo");
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CDropCombo, CComboBox)
    ON_CONTROL_REFLECT_EX(CBN_DROPDOWN, OnDropDown)
END_MESSAGE_MAP()

class CSelList : public CListBox
{
protected:
    afx_msg void OnSelChange() { g_events.push_back("list"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CSelList, CListBox)
    ON_CONTROL_REFLECT(LBN_SELCHANGE, OnSelChange)
END_MESSAGE_MAP()

class COwnerButton : public CButton
{
public:
    int m_draws = 0;
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override
    {
        ++m_draws;
        ::FillRect(lpDIS->hDC, &lpDIS->rcItem, static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH)));
    }
};

class CTabReflect : public CTabCtrl
{
public:
    BOOL m_keepTab = FALSE;

protected:
    afx_msg BOOL OnSelChanging(NMHDR*, LRESULT* pResult)
    {
        g_events.push_back("tab changing");
        *pResult = m_keepTab;
        return m_keepTab;  // refusing ends it here; allowing lets the parent see it too
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTabReflect, CTabCtrl)
    ON_NOTIFY_REFLECT_EX(TCN_SELCHANGING, OnSelChanging)
END_MESSAGE_MAP()

class CDragList : public CListBox
{
protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        if (message != g_afxMsgDragList)
            return CListBox::OnChildNotify(message, wParam, lParam, pResult);
        const DRAGLISTINFO* pInfo = reinterpret_cast<const DRAGLISTINFO*>(lParam);
        g_events.push_back(pInfo->uNotification == DL_BEGINDRAG ? "drag begin" : "drag other");
        *pResult = TRUE;
        return TRUE;
    }
};

class CCountingList : public CListBox
{
public:
    std::vector<DWORD_PTR> m_deleted;
    void DeleteItem(LPDELETEITEMSTRUCT lpDIS) override { m_deleted.push_back(lpDIS->itemData); }
};

class CNotifyDlg : public CDialog
{
public:
    CNotifyDlg() : CDialog(IDD_NOTIFY) {}
    CReflectButton m_push;
    CEitherButton m_either;
    CLinkStatic m_link;
    CDropCombo m_combo;
    CSelList m_list;
    COwnerButton m_owner;
    CTabReflect m_tab;
    CDragList m_drag;
    CCountingList* m_pCounting = nullptr;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_push.SubclassDlgItem(IDC_PUSH, this);
        m_either.SubclassDlgItem(IDC_EXBUTTON, this);
        m_link.SubclassDlgItem(IDC_LINK, this);
        m_combo.SubclassDlgItem(IDC_DROPCOMBO, this);
        m_list.SubclassDlgItem(IDC_SELLIST, this);
        m_owner.SubclassDlgItem(IDC_OWNERBUTTON, this);
        m_tab.SubclassDlgItem(IDC_TAB, this);
        m_drag.SubclassDlgItem(IDC_DRAGLIST, this);
        m_tab.InsertItem(0, "First");
        m_tab.InsertItem(1, "Second");
        if (m_pCounting != nullptr) {
            m_pCounting->SubclassDlgItem(IDC_ODLIST, this);
            for (DWORD_PTR data = 11; data <= 13; ++data)
                m_pCounting->AddString(reinterpret_cast<LPCSTR>(data));
        }
        return TRUE;
    }
    afx_msg void OnParentPush() { g_events.push_back("parent button"); }
    afx_msg void OnParentEither() { g_events.push_back("parent either"); }
    afx_msg void OnParentLink() { g_events.push_back("parent link"); }
    afx_msg void OnParentCombo() { g_events.push_back("parent combo"); }
    afx_msg void OnParentList() { g_events.push_back("parent list"); }
    afx_msg void OnParentTabChanged(NMHDR*, LRESULT*) { g_events.push_back("parent tab changed"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CNotifyDlg, CDialog)
    ON_BN_CLICKED(IDC_PUSH, OnParentPush)
    ON_BN_CLICKED(IDC_EXBUTTON, OnParentEither)
    ON_STN_CLICKED(IDC_LINK, OnParentLink)
    ON_CBN_DROPDOWN(IDC_DROPCOMBO, OnParentCombo)
    ON_LBN_SELCHANGE(IDC_SELLIST, OnParentList)
    ON_NOTIFY(TCN_SELCHANGE, IDC_TAB, OnParentTabChanged)
END_MESSAGE_MAP()

class Reflection : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dlg.Create(IDD_NOTIFY));
        m_dlg.ShowWindow(SW_SHOWNORMAL);
        m_dlg.UpdateWindow();
        g_events.clear();  // painting asked the link for its colours
    }
    void TearDown() override { m_dlg.DestroyWindow(); }
    void Notify(int id, int code)
    {
        m_dlg.SendMessage(WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(::GetDlgItem(m_dlg.m_hWnd, id)));
    }

    CNotifyDlg m_dlg;
};

TEST_F(Reflection, PlainReflectionKeepsTheParentsHandlerFromRunning)
{
    struct Case { int id; int code; const char* child; };
    const Case cases[] = {
        { IDC_PUSH, BN_CLICKED, "button" },
        { IDC_LINK, STN_CLICKED, "link" },
        { IDC_SELLIST, LBN_SELCHANGE, "list" },
    };
    for (const Case& c : cases) {
        g_events.clear();
        Notify(c.id, c.code);
        EXPECT_EQ(std::vector<std::string>{ c.child }, g_events) << c.child;
    }
}

TEST_F(Reflection, RealClickOnAButtonReachesItsObjectOnly)
{
    ::SendMessageA(::GetDlgItem(m_dlg.m_hWnd, IDC_PUSH), BM_CLICK, 0, 0);
    EXPECT_EQ(std::vector<std::string>{ "button" }, g_events);
}

TEST_F(Reflection, ExReflectionAnsweringFalseLetsTheParentRunToo)
{
    Notify(IDC_DROPCOMBO, CBN_DROPDOWN);
    EXPECT_EQ((std::vector<std::string>{ "combo", "parent combo" }), g_events);

    struct Case { BOOL answer; std::vector<std::string> expected; };
    const Case cases[] = { { FALSE, { "either", "parent either" } }, { TRUE, { "either" } } };
    for (const Case& c : cases) {
        g_events.clear();
        m_dlg.m_either.m_answer = c.answer;
        Notify(IDC_EXBUTTON, BN_CLICKED);
        EXPECT_EQ(c.expected, g_events) << c.answer;
    }
}

TEST_F(Reflection, CtlColorIsAnsweredByTheControl)
{
    HDC hDC = ::GetDC(m_dlg.m_link.m_hWnd);
    LRESULT brush = m_dlg.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hDC),
                                      reinterpret_cast<LPARAM>(m_dlg.m_link.m_hWnd));
    EXPECT_EQ(reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH)), brush);
    EXPECT_EQ(RGB(0, 0, 255), ::GetTextColor(hDC));
    ::ReleaseDC(m_dlg.m_link.m_hWnd, hDC);
    EXPECT_EQ(std::vector<std::string>{ "link colour" }, g_events);
}

TEST_F(Reflection, OwnerDrawnButtonDrawsItself)
{
    m_dlg.m_owner.Invalidate();
    m_dlg.m_owner.UpdateWindow();
    EXPECT_GT(m_dlg.m_owner.m_draws, 0);
}

TEST_F(Reflection, TabSelectionChangingAnsweredTrueKeepsTheTab)
{
    CRect second;
    m_dlg.m_tab.GetItemRect(1, &second);
    struct Case { BOOL keep; int expectedTab; std::vector<std::string> expected; };
    const Case cases[] = {
        { TRUE, 0, { "tab changing" } },
        { FALSE, 1, { "tab changing", "parent tab changed" } },
    };
    for (const Case& c : cases) {
        g_events.clear();
        m_dlg.m_tab.SetCurSel(0);
        m_dlg.m_tab.m_keepTab = c.keep;
        CPoint pt = second.CenterPoint();
        m_dlg.m_tab.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        m_dlg.m_tab.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        EXPECT_EQ(c.expectedTab, m_dlg.m_tab.GetCurSel()) << c.keep;
        EXPECT_EQ(c.expected, g_events) << c.keep;
    }
}

TEST_F(Reflection, DragListMessagesReachTheListBox)
{
    DRAGLISTINFO info = { DL_BEGINDRAG, m_dlg.m_drag.m_hWnd, { 5, 5 } };
    LRESULT result = m_dlg.SendMessage(g_afxMsgDragList, IDC_DRAGLIST, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(TRUE, result);
    EXPECT_EQ(std::vector<std::string>{ "drag begin" }, g_events);
}

// Sorts its items by their data, largest first, and measures every item 21 pixels high.
class CSortedList : public CListBox
{
public:
    int m_measures = 0;
    int m_compares = 0;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override
    {
        ++m_measures;
        lpMIS->itemHeight = 21;
    }
    int CompareItem(LPCOMPAREITEMSTRUCT lpCIS) override
    {
        ++m_compares;
        if (lpCIS->itemData1 == lpCIS->itemData2)
            return 0;
        return lpCIS->itemData1 > lpCIS->itemData2 ? -1 : 1;
    }
};

TEST_F(Reflection, OwnerDrawnListMeasuresAndSortsThroughItsObject)
{
    CSortedList list;
    ASSERT_TRUE(list.CreateEx(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_SORT,
                              CRect(200, 140, 300, 200), &m_dlg, 1200));
    EXPECT_GT(list.m_measures, 0);  // asked while the list was being created
    EXPECT_EQ(21, list.GetItemHeight(0));
    for (DWORD_PTR data : { 1, 3, 2 })
        list.AddString(reinterpret_cast<LPCSTR>(data));
    EXPECT_GT(list.m_compares, 0);
    std::vector<DWORD_PTR> order;
    for (int i = 0; i < list.GetCount(); ++i)
        order.push_back(list.GetItemData(i));
    EXPECT_EQ((std::vector<DWORD_PTR>{ 3, 2, 1 }), order);
    list.DestroyWindow();
}

TEST(ReflectionOnDestroy, DestroyingADialogRunsItsListBoxesDeleteItemPerItem)
{
    CCountingList list;
    CNotifyDlg dlg;
    dlg.m_pCounting = &list;
    ASSERT_TRUE(dlg.Create(IDD_NOTIFY));
    EXPECT_EQ(3, list.GetCount());
    dlg.DestroyWindow();
    std::sort(list.m_deleted.begin(), list.m_deleted.end());
    EXPECT_EQ((std::vector<DWORD_PTR>{ 11, 12, 13 }), list.m_deleted);
    EXPECT_EQ(nullptr, list.m_hWnd);
}

}  // namespace
