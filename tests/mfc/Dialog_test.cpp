// Modal dialogs: owner disabling, key routing, idle kicks, thread timers, results, and data exchange.
#include "TestApp.h"
#include "TestIds.h"

#include <afxpriv.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

enum class Exchange { Normal, FailOnTabSize, ThrowResource };

class CDataDlg : public CDialog
{
public:
    CDataDlg() : CDialog(IDD_DATA) {}
    int m_number = 12;
    int m_tabSize = 4;
    int m_verbose = 1;
    int m_mode = 1;
    int m_comboIndex = 2;
    Exchange m_exchange = Exchange::Normal;
    std::vector<UINT> m_keysSeen;
    int m_kicks = 0;
    bool m_eatEscape = false;

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN) {
            m_keysSeen.push_back(static_cast<UINT>(pMsg->wParam));
            if (m_eatEscape && pMsg->wParam == VK_ESCAPE)
                return TRUE;  // the dialog manager never sees it
        }
        return CDialog::PreTranslateMessage(pMsg);
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        if (m_exchange == Exchange::ThrowResource)
            AfxThrowResourceException();
        DDX_Text(pDX, IDC_NUMBER, m_number);
        if (m_exchange == Exchange::FailOnTabSize) {
            pDX->PrepareEditCtrl(IDC_TABSIZE);
            pDX->Fail();
        }
        DDX_Text(pDX, IDC_TABSIZE, m_tabSize);
        DDV_MinMaxInt(pDX, m_tabSize, 1, 32);
        DDX_Check(pDX, IDC_CHECK, m_verbose);
        DDX_Radio(pDX, IDC_RADIO1, m_mode);
        DDX_CBIndex(pDX, IDC_COMBO, m_comboIndex);
    }
    afx_msg LRESULT OnKickIdle(WPARAM, LPARAM)
    {
        ++m_kicks;
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CDataDlg, CDialog)
    ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
END_MESSAGE_MAP()

CString ItemText(CWnd* pDlg, int id)
{
    CString text;
    pDlg->GetDlgItemText(id, text);
    return text;
}

class ModalDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        theApp.m_boxes.clear();
        m_pMain = CreateMainWindow("Main window");
        ASSERT_NE(nullptr, m_pMain);
        theApp.m_pMainWnd = m_pMain;
    }
    void TearDown() override
    {
        if (theApp.m_pMainWnd == m_pMain)
            m_pMain->DestroyWindow();
        MSG msg;
        ::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        theApp.m_pMainWnd = nullptr;
    }
    CWnd* m_pMain = nullptr;
};

TEST_F(ModalDialog, RunsTheLayersLoopUntilEndDialog)
{
    CDataDlg dlg;
    bool ownerDisabled = false;
    bool timerFired = false;
    std::vector<CString> comboEntries;
    CString numberShown;
    OnNextModalIdle([&](CWnd* pModal) {
        EXPECT_EQ(&dlg, pModal);
        ownerDisabled = !m_pMain->IsWindowEnabled();
        numberShown = ItemText(&dlg, IDC_NUMBER);
        CComboBox* pCombo = static_cast<CComboBox*>(dlg.GetDlgItem(IDC_COMBO));
        for (int i = 0; i < pCombo->GetCount(); ++i) {
            CString entry;
            pCombo->GetLBText(i, entry);
            comboEntries.push_back(entry);
        }
        EXPECT_TRUE(SaveWindowPng(dlg.m_hWnd, "data-dialog"));
        ::PostMessageA(::GetDlgItem(dlg.m_hWnd, IDC_NUMBER), WM_KEYDOWN, VK_F5, 0);
        RunSoon([&] {
            timerFired = true;
            dlg.EndDialog(77);
        });
    });
    EXPECT_EQ(77, dlg.DoModal());
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(m_pMain->IsWindowEnabled());
    EXPECT_TRUE(timerFired);
    EXPECT_EQ(std::vector<UINT>{ VK_F5 }, dlg.m_keysSeen);
    EXPECT_GT(dlg.m_kicks, 0);
    EXPECT_EQ((std::vector<CString>{ "Alpha", "Beta", "Gamma" }), comboEntries);
    EXPECT_EQ(CString("12"), numberShown);
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    EXPECT_TRUE(theApp.m_boxes.empty());
}

TEST_F(ModalDialog, InitialValuesAreShownAndOkSavesTheControls)
{
    CDataDlg dlg;
    struct Shown { CString number; CString tab; UINT verbose; UINT tabsMode; int combo; } shown{};
    OnNextModalIdle([&](CWnd*) {
        shown = { ItemText(&dlg, IDC_NUMBER), ItemText(&dlg, IDC_TABSIZE), dlg.IsDlgButtonChecked(IDC_CHECK),
                  dlg.IsDlgButtonChecked(IDC_RADIO2),
                  static_cast<int>(dlg.SendDlgItemMessage(IDC_COMBO, CB_GETCURSEL)) };
        dlg.SetDlgItemText(IDC_NUMBER, " -35 ");
        dlg.SetDlgItemText(IDC_TABSIZE, "8");
        dlg.CheckDlgButton(IDC_CHECK, BST_UNCHECKED);
        dlg.CheckRadioButton(IDC_RADIO1, IDC_RADIO3, IDC_RADIO3);
        dlg.SendDlgItemMessage(IDC_COMBO, CB_SETCURSEL, 0);
        ::PostMessageA(dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(dlg.m_hWnd, IDOK)));
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(CString("12"), shown.number);
    EXPECT_EQ(CString("4"), shown.tab);
    EXPECT_EQ(static_cast<UINT>(BST_CHECKED), shown.verbose);
    EXPECT_EQ(static_cast<UINT>(BST_CHECKED), shown.tabsMode);
    EXPECT_EQ(2, shown.combo);
    EXPECT_EQ(-35, dlg.m_number);
    EXPECT_EQ(8, dlg.m_tabSize);
    EXPECT_EQ(0, dlg.m_verbose);
    EXPECT_EQ(2, dlg.m_mode);
    EXPECT_EQ(0, dlg.m_comboIndex);
}

TEST_F(ModalDialog, CancelReturnsIdCancelWithoutSaving)
{
    CDataDlg dlg;
    OnNextModalIdle([&](CWnd*) {
        dlg.SetDlgItemText(IDC_NUMBER, "99");
        ::PostMessageA(dlg.m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(12, dlg.m_number);
}

TEST_F(ModalDialog, KeysReachPreTranslateMessageBeforeTheDialogManager)
{
    CDataDlg dlg;
    dlg.m_eatEscape = true;
    OnNextModalIdle([&](CWnd*) {
        ::PostMessageA(::GetDlgItem(dlg.m_hWnd, IDC_NUMBER), WM_KEYDOWN, VK_ESCAPE, 0);
        RunSoon([&] { dlg.EndDialog(5); }, 100);
    });
    EXPECT_EQ(5, dlg.DoModal());  // Escape did not cancel
    EXPECT_EQ(std::vector<UINT>{ VK_ESCAPE }, dlg.m_keysSeen);
}

TEST_F(ModalDialog, AGivenParentIsTheOwnerThatIsDisabled)
{
    CWnd* pOther = CreateMainWindow("Other owner");
    ASSERT_NE(nullptr, pOther);
    CDataDlg dlg;
    dlg.m_pParentWnd = pOther;
    bool otherDisabled = false;
    bool mainEnabled = false;
    HWND owner = nullptr;
    OnNextModalIdle([&](CWnd*) {
        otherDisabled = !pOther->IsWindowEnabled();
        mainEnabled = m_pMain->IsWindowEnabled() != FALSE;
        owner = ::GetWindow(dlg.m_hWnd, GW_OWNER);
        dlg.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_TRUE(otherDisabled);
    EXPECT_TRUE(mainEnabled);
    EXPECT_EQ(pOther->m_hWnd, owner);
    EXPECT_TRUE(pOther->IsWindowEnabled());
    pOther->DestroyWindow();
}

TEST_F(ModalDialog, DestroyingTheWindowEndsTheLoop)
{
    CDataDlg dlg;
    OnNextModalIdle([&](CWnd*) { dlg.DestroyWindow(); });
    EXPECT_EQ(-1, dlg.DoModal());
    EXPECT_TRUE(m_pMain->IsWindowEnabled());
}

TEST_F(ModalDialog, AMissingTemplateFailsAtOnce)
{
    CDialog dlg(9999);
    EXPECT_EQ(-1, dlg.DoModal());
    EXPECT_TRUE(m_pMain->IsWindowEnabled());
}

class DataExchange : public ::testing::Test
{
protected:
    void SetUp() override
    {
        theApp.m_boxes.clear();
        ASSERT_TRUE(m_dlg.Create(IDD_DATA));
        m_dlg.ShowWindow(SW_SHOWNORMAL);
        m_dlg.SetForegroundWindow();
        ::SetFocus(::GetDlgItem(m_dlg.m_hWnd, IDC_CHECK));
    }
    void TearDown() override { m_dlg.DestroyWindow(); }
    CDataDlg m_dlg;
};

TEST_F(DataExchange, FailShowsNothingAndLeavesTheFocusOnThePreparedControl)
{
    m_dlg.m_exchange = Exchange::FailOnTabSize;
    EXPECT_FALSE(m_dlg.UpdateData(TRUE));
    EXPECT_TRUE(theApp.m_boxes.empty());
    EXPECT_EQ(::GetDlgItem(m_dlg.m_hWnd, IDC_TABSIZE), ::GetFocus());
}

TEST_F(DataExchange, InvalidEntriesGiveOnePromptEach)
{
    struct Case { const char* number; const char* tab; const char* prompt; int focus; };
    const Case cases[] = {
        { "abc", "4", "The DLL's number prompt", IDC_NUMBER },  // the test DLL replaces the layer's text
        { "", "4", "The DLL's number prompt", IDC_NUMBER },
        { "5x", "4", "The DLL's number prompt", IDC_NUMBER },
        { "5", "40", "Enter a whole number from 1 to 32.", IDC_TABSIZE },
        { "5", "0", "Enter a whole number from 1 to 32.", IDC_TABSIZE },
    };
    for (const Case& c : cases) {
        theApp.m_boxes.clear();
        m_dlg.SetDlgItemText(IDC_NUMBER, c.number);
        m_dlg.SetDlgItemText(IDC_TABSIZE, c.tab);
        EXPECT_FALSE(m_dlg.UpdateData(TRUE)) << c.number << "/" << c.tab;
        ASSERT_EQ(1u, theApp.m_boxes.size()) << c.number << "/" << c.tab;
        EXPECT_EQ(c.prompt, theApp.m_boxes[0].text);
        EXPECT_EQ(::GetDlgItem(m_dlg.m_hWnd, c.focus), ::GetFocus());
    }
    m_dlg.SetDlgItemText(IDC_NUMBER, "5");
    m_dlg.SetDlgItemText(IDC_TABSIZE, "32");
    EXPECT_TRUE(m_dlg.UpdateData(TRUE));
    EXPECT_EQ(32, m_dlg.m_tabSize);
}

TEST_F(DataExchange, AnotherExceptionGivesOneBoxAndFalse)
{
    m_dlg.m_exchange = Exchange::ThrowResource;
    EXPECT_FALSE(m_dlg.UpdateData(TRUE));
    ASSERT_EQ(1u, theApp.m_boxes.size());
    CString expected;
    expected.LoadString(AFX_IDS_RESOURCE_EXCEPTION);
    EXPECT_EQ(std::string(expected), theApp.m_boxes[0].text);
}

}  // namespace
