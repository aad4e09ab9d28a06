// Subclassing and creation hooks, parents of pages, self-deleting dialogs, hit-test results and temporary objects.
#include "TestApp.h"
#include "TestIds.h"

#include <gtest/gtest.h>

namespace {

class CCountingEdit : public CEdit
{
public:
    int m_preSubclass = 0;
    int m_creates = 0;
    int m_textDuringPreSubclass = -1;

protected:
    void PreSubclassWindow() override
    {
        ++m_preSubclass;
        m_textDuringPreSubclass = GetWindowTextLength();
        CEdit::PreSubclassWindow();
    }
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        ++m_creates;
        return CEdit::OnCreate(lpCreateStruct);
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CCountingEdit, CEdit)
    ON_WM_CREATE()
END_MESSAGE_MAP()

class CPopupDlg : public CDialog
{
public:
    CPopupDlg() : CDialog(IDD_POPUP) {}
};

class CPageDlg : public CDialog
{
public:
    CPageDlg() : CDialog(IDD_PAGE) {}
    CCountingEdit m_edit;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_PAGE_EDIT, m_edit); }
};

TEST(Subclassing, PreSubclassWindowRunsOnceForSubclassDlgItem)
{
    CPopupDlg host;
    ASSERT_TRUE(host.Create(IDD_POPUP));
    CPageDlg page;
    ASSERT_TRUE(page.Create(IDD_PAGE, &host));  // DDX_Control subclasses in OnInitDialog
    EXPECT_EQ(1, page.m_edit.m_preSubclass);
    EXPECT_EQ(0, page.m_edit.m_creates);
    EXPECT_EQ(&page.m_edit, CWnd::FromHandlePermanent(::GetDlgItem(page.m_hWnd, IDC_PAGE_EDIT)));
    EXPECT_FALSE(page.m_edit.SubclassWindow(page.m_edit.m_hWnd));  // never twice
    host.DestroyWindow();
    EXPECT_EQ(nullptr, page.m_hWnd);
    EXPECT_EQ(nullptr, page.m_edit.m_hWnd);
}

TEST(Subclassing, CreateExRunsPreSubclassWindowOnceAfterWmCreateReachedTheMap)
{
    CPopupDlg host;
    ASSERT_TRUE(host.Create(IDD_POPUP));
    CCountingEdit edit;
    ASSERT_TRUE(edit.CreateEx(WS_EX_CLIENTEDGE, "EDIT", "made", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL,
                              CRect(5, 5, 100, 25), &host, 77));
    EXPECT_EQ(1, edit.m_creates);
    EXPECT_EQ(1, edit.m_preSubclass);
    EXPECT_EQ(4, edit.m_textDuringPreSubclass);  // the window exists in full by then
    EXPECT_EQ(77, edit.GetDlgCtrlID());
    edit.DestroyWindow();
    host.DestroyWindow();
}

TEST(Subclassing, UnsubclassingGivesTheWindowBackItsProcedure)
{
    CPopupDlg host;
    ASSERT_TRUE(host.Create(IDD_POPUP));
    HWND hButton = ::GetDlgItem(host.m_hWnd, IDCANCEL);
    WNDPROC original = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hButton, GWLP_WNDPROC));
    CButton button;
    ASSERT_TRUE(button.SubclassWindow(hButton));
    EXPECT_NE(original, reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hButton, GWLP_WNDPROC)));
    EXPECT_EQ(hButton, button.UnsubclassWindow());
    EXPECT_EQ(original, reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hButton, GWLP_WNDPROC)));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hButton));
    host.DestroyWindow();
}

TEST(Pages, GetParentOfAPageGivesTheParentsOwnObject)
{
    CPopupDlg host;
    ASSERT_TRUE(host.Create(IDD_POPUP));
    CPageDlg page;
    ASSERT_TRUE(page.Create(IDD_PAGE, &host));
    EXPECT_EQ(&host, page.GetParent());
    EXPECT_NE(nullptr, dynamic_cast<CPopupDlg*>(page.GetParent()));
    EXPECT_TRUE(page.GetStyle() & WS_CHILD);
    host.DestroyWindow();
}

class CSelfDeletingDlg : public CDialog
{
public:
    static int s_alive;
    CSelfDeletingDlg() : CDialog(IDD_POPUP) { ++s_alive; }
    ~CSelfDeletingDlg() override { --s_alive; }

protected:
    void OnCancel() override { DestroyWindow(); }
    void PostNcDestroy() override { delete this; }
};
int CSelfDeletingDlg::s_alive = 0;

TEST(Modeless, ADialogDeletingItselfInPostNcDestroyLeavesNothing)
{
    struct Case { const char* how; };
    const Case cases[] = { { "DestroyWindow" }, { "Cancel button" } };
    for (const Case& c : cases) {
        CSelfDeletingDlg* pDlg = new CSelfDeletingDlg;
        ASSERT_TRUE(pDlg->Create(IDD_POPUP));
        HWND hWnd = pDlg->m_hWnd;
        HWND hCancel = ::GetDlgItem(hWnd, IDCANCEL);
        if (std::string(c.how) == "DestroyWindow")
            pDlg->DestroyWindow();
        else
            ::SendMessageA(hCancel, BM_CLICK, 0, 0);
        EXPECT_EQ(0, CSelfDeletingDlg::s_alive) << c.how;
        EXPECT_FALSE(::IsWindow(hWnd)) << c.how;
        EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd)) << c.how;
    }
}

// Answers every hit test with the code it is given.
class CHitTestWnd : public CWnd
{
public:
    UINT m_code = HTCLIENT;

protected:
    afx_msg UINT OnNcHitTest(CPoint) { return m_code; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CHitTestWnd, CWnd)
    ON_WM_NCHITTEST()
END_MESSAGE_MAP()

TEST(MessageMaps, HitTestCodesReachTheSystemWithTheirSign)
{
    CPopupDlg host;
    ASSERT_TRUE(host.Create(IDD_POPUP));
    CHitTestWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, "STATIC", "hit", WS_CHILD | WS_VISIBLE, CRect(5, 5, 50, 50), &host, 78));
    const int codes[] = { HTERROR, HTTRANSPARENT, HTNOWHERE, HTCLIENT, HTCAPTION, HTHELP };
    for (int code : codes) {
        wnd.m_code = static_cast<UINT>(code);
        EXPECT_EQ(static_cast<LRESULT>(code), wnd.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(10, 10))) << code;
    }
    wnd.DestroyWindow();
    host.DestroyWindow();
}

TEST(HandleMaps, ForeignWindowsGetOneTemporaryObjectUntilIdle)
{
    HWND hWnd = ::CreateWindowExA(0, "STATIC", "foreign", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    CWnd* first = CWnd::FromHandle(hWnd);
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(hWnd, first->m_hWnd);
    EXPECT_EQ(first, CWnd::FromHandle(hWnd));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
    EXPECT_FALSE(theApp.OnIdle(1));  // frees temporaries, no more idle work
    CWnd* again = CWnd::FromHandle(hWnd);
    EXPECT_EQ(hWnd, again->m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandle(nullptr));
    ::DestroyWindow(hWnd);
    theApp.OnIdle(1);
}

}  // namespace
