// Property sheets: start page, no Apply button, tab captions, exchange on leaving a page, and OK.
#include "TestApp.h"
#include "TestIds.h"

#include <afxdlgs.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const int kLimit = 100;
const int kApplyNowId = 0x3021;

class CNumberPage : public CPropertyPage
{
public:
    CNumberPage(std::string name, std::vector<std::string>& log)
        : CPropertyPage(IDD_SHEETPAGE, IDS_PAGE_CAPTION), m_name(std::move(name)), m_log(log)
    {
    }
    int m_number = 7;
    bool m_querySiblings = false;

    void OnOK() override
    {
        m_log.push_back("ok " + m_name);
        if (m_querySiblings)
            QuerySiblings(0, 0);
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        if (pDX->m_bSaveAndValidate)
            m_log.push_back("save " + m_name);
        DDX_Text(pDX, IDC_SHEET_NUMBER, m_number);
        DDV_MinMaxInt(pDX, m_number, 0, kLimit);
    }
    afx_msg LRESULT OnQuerySiblings(WPARAM, LPARAM)
    {
        m_log.push_back("query " + m_name);
        return 0;
    }
    DECLARE_MESSAGE_MAP()

private:
    std::string m_name;
    std::vector<std::string>& m_log;
};
BEGIN_MESSAGE_MAP(CNumberPage, CPropertyPage)
    ON_MESSAGE(PSM_QUERYSIBLINGS, OnQuerySiblings)
END_MESSAGE_MAP()

bool Contains(const std::vector<std::string>& log, const std::string& entry)
{
    for (const std::string& e : log)
        if (e == entry)
            return true;
    return false;
}

class Sheet : public ::testing::Test
{
protected:
    void SetUp() override { theApp.m_boxes.clear(); }
    std::vector<std::string> m_log;
    CNumberPage m_first{ "first", m_log };
    CNumberPage m_second{ "second", m_log };
    CNumberPage m_third{ "third", m_log };
};

TEST_F(Sheet, LeavingAPageExchangesAndOkReachesEveryMadePage)
{
    CPropertySheet sheet(IDS_SHEET_CAPTION, nullptr, 1);
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    sheet.AddPage(&m_first);
    sheet.AddPage(&m_second);
    sheet.AddPage(&m_third);
    EXPECT_EQ(3, sheet.GetPageCount());
    EXPECT_EQ(&m_third, sheet.GetPage(2));
    m_second.m_querySiblings = true;

    struct Seen
    {
        int startIndex = -1;
        bool applyShown = true;
        std::vector<std::string> tabs;
        bool keptOnFailure = false;
        bool focusOnControl = false;
        int afterMove = -1;
        bool shot = false;
        bool openAfterFailedOk = false;
        std::string caption;
    } seen;
    OnNextModalIdle([&](CWnd* pWnd) {
        ASSERT_EQ(&sheet, pWnd);
        seen.startIndex = sheet.GetActiveIndex();
        HWND hApply = ::GetDlgItem(sheet.m_hWnd, kApplyNowId);
        seen.applyShown = hApply != nullptr && ::IsWindowVisible(hApply);
        CTabCtrl* pTab = sheet.GetTabControl();
        for (int i = 0; i < pTab->GetItemCount(); ++i) {
            pTab->SetItemText(i, ("Tab " + std::to_string(i + 1)).c_str());
            seen.tabs.push_back(static_cast<LPCSTR>(pTab->GetItemText(i)));
        }
        CString caption;
        sheet.GetWindowText(caption);
        seen.caption = static_cast<LPCSTR>(caption);
        sheet.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        seen.shot = SaveWindowPng(sheet.m_hWnd, "property-sheet");

        // An out-of-range number keeps the page, with the focus on its field.
        m_second.SetDlgItemText(IDC_SHEET_NUMBER, "999");
        sheet.SetActivePage(2);
        seen.keptOnFailure = sheet.GetActiveIndex() == 1;
        seen.focusOnControl = ::GetFocus() == ::GetDlgItem(m_second.m_hWnd, IDC_SHEET_NUMBER);
        m_second.SetDlgItemText(IDC_SHEET_NUMBER, "42");
        sheet.SetActivePage(2);
        seen.afterMove = sheet.GetActiveIndex();
        // OK with an invalid current page closes nothing and reaches no OnOK.
        m_third.SetDlgItemText(IDC_SHEET_NUMBER, "1000");
        sheet.PressButton(PSBTN_OK);
        seen.openAfterFailedOk = ::IsWindow(sheet.m_hWnd) && sheet.GetActiveIndex() == 2 && !Contains(m_log, "ok second");
        m_third.SetDlgItemText(IDC_SHEET_NUMBER, "43");
        m_log.push_back("press ok");
        sheet.PressButton(PSBTN_OK);
    });
    INT_PTR result = sheet.DoModal();

    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(1, seen.startIndex);
    EXPECT_FALSE(seen.applyShown);
    EXPECT_EQ((std::vector<std::string>{ "Tab 1", "Tab 2", "Tab 3" }), seen.tabs);
    EXPECT_EQ("Sheet Options", seen.caption.substr(0, 13));
    EXPECT_TRUE(seen.shot);
    EXPECT_TRUE(seen.keptOnFailure);
    EXPECT_TRUE(seen.focusOnControl);
    EXPECT_TRUE(seen.openAfterFailedOk);
    EXPECT_EQ(2u, theApp.m_boxes.size());
    EXPECT_EQ(2, seen.afterMove);
    EXPECT_EQ(42, m_second.m_number);
    EXPECT_EQ(43, m_third.m_number);
    EXPECT_EQ(7, m_first.m_number);

    // After OK: the current page's exchange, then OnOK of the made pages only; the query reaches every made page.
    std::vector<std::string> afterOk(std::find(m_log.begin(), m_log.end(), "press ok"), m_log.end());
    EXPECT_EQ((std::vector<std::string>{ "press ok", "save third", "ok second", "query second", "query third", "ok third" }),
              afterOk);
    EXPECT_FALSE(Contains(m_log, "ok first"));
    EXPECT_FALSE(Contains(m_log, "query first"));
    EXPECT_EQ(nullptr, sheet.m_hWnd);
}

TEST_F(Sheet, CancelGivesIdCancelWithoutOnOk)
{
    CPropertySheet sheet("Plain sheet");
    sheet.AddPage(&m_first);
    sheet.AddPage(&m_second);
    OnNextModalIdle([&](CWnd*) {
        m_first.SetDlgItemText(IDC_SHEET_NUMBER, "999");  // never validated: Cancel does not exchange
        sheet.PressButton(PSBTN_CANCEL);
    });
    EXPECT_EQ(IDCANCEL, sheet.DoModal());
    EXPECT_FALSE(Contains(m_log, "ok first"));
    EXPECT_FALSE(Contains(m_log, "save first"));
    EXPECT_EQ(7, m_first.m_number);
    EXPECT_TRUE(theApp.m_boxes.empty());
}

}  // namespace
