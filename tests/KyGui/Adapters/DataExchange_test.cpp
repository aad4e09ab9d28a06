// Data exchange of ky_BSB strings in a dialog: length and required checks
// with their prompts and focus, the edit's limit, list and combo selection by
// prefix and exactly, and the general failure helpers.
#include "KyGui/Adapters/DataExchange.h"

#include "Adapters/AdapterTestDialog.h"
#include "TestApp.h"

#include <afxres.h>
#include <gtest/gtest.h>

#include <string>

namespace {

using Text = Kyvant::ky_S;

enum : WORD { kEditId = 101, kListId, kComboId, kMissingId = 999 };

const char* const kRequired = "You must enter a value for this field.";

class DataExchangeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dialog.Open({
            {AdapterTest::kEdit, ES_AUTOHSCROLL | WS_BORDER, 10, 10, 100, 14, kEditId},
            {AdapterTest::kListBox, LBS_NOTIFY | WS_VSCROLL | WS_BORDER, 10, 30, 100, 60, kListId},
            {AdapterTest::kComboBox, CBS_DROPDOWN | WS_VSCROLL, 120, 10, 100, 80, kComboId},
        }));
        for (const char* item : {"alpha", "beta", "betamax"}) {
            m_dialog.SendDlgItemMessage(kListId, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
            m_dialog.SendDlgItemMessage(kComboId, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        }
        theApp.m_boxes.clear();
    }
    void TearDown() override { theApp.m_boxes.clear(); }

    // Runs the exchange in the given direction; whether it succeeded.
    bool Exchange(bool save, std::function<void(CDataExchange*)> exchange)
    {
        m_dialog.m_exchange = exchange;
        const BOOL ok = m_dialog.UpdateData(save ? TRUE : FALSE);
        m_dialog.m_exchange = nullptr;
        return ok != FALSE;
    }

    HWND Control(int id) { return ::GetDlgItem(m_dialog.m_hWnd, id); }
    std::string WindowText(int id)
    {
        CString text;
        m_dialog.GetDlgItemText(id, text);
        return static_cast<LPCSTR>(text);
    }
    int Selection(int id, UINT message)
    {
        return static_cast<int>(m_dialog.SendDlgItemMessage(id, message));
    }

    AdapterTest::Dialog m_dialog;
};

} // namespace

TEST_F(DataExchangeTest, ATooLongTextIsRefusedOnceWithTheLimitAndTheFocusOnTheEdit)
{
    m_dialog.SetDlgItemText(kEditId, "123456789");
    Text value;
    EXPECT_FALSE(Exchange(true, [&value](CDataExchange* pDX) {
        DDX_string_edit(pDX, kEditId, value);
        DDV_string_MaxLength(pDX, value, 8);
    }));
    ASSERT_EQ(theApp.m_boxes.size(), 1u);
    EXPECT_EQ(theApp.m_boxes[0].text, "Enter no more than 8 characters.");
    EXPECT_EQ(theApp.m_boxes[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_EQ(theApp.m_boxes[0].help, static_cast<UINT>(AFX_IDP_PARSE_STRING_SIZE));
    EXPECT_EQ(::GetFocus(), Control(kEditId));

    theApp.m_boxes.clear();
    EXPECT_TRUE(Exchange(true, [&value](CDataExchange* pDX) {
        DDX_string_edit(pDX, kEditId, value);
        DDV_string_MaxLength(pDX, value, 0);
    }));
    EXPECT_STREQ(value.c_str(), "123456789");
    EXPECT_TRUE(theApp.m_boxes.empty());
}

TEST_F(DataExchangeTest, TheRequiredFormRefusesAnEmptyText)
{
    m_dialog.SetDlgItemText(kEditId, "");
    Text value("old");
    EXPECT_FALSE(Exchange(true, [&value](CDataExchange* pDX) {
        DDX_string_edit(pDX, kEditId, value);
        DDV_string_required_MaxLength(pDX, value, 0);
    }));
    ASSERT_EQ(theApp.m_boxes.size(), 1u);
    EXPECT_EQ(theApp.m_boxes[0].text, kRequired);
    EXPECT_EQ(theApp.m_boxes[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONEXCLAMATION));

    theApp.m_boxes.clear();
    m_dialog.SetDlgItemText(kEditId, "x");
    EXPECT_TRUE(Exchange(true, [&value](CDataExchange* pDX) {
        DDX_string_edit(pDX, kEditId, value);
        DDV_string_required_MaxLength(pDX, value, 8);
    }));
    EXPECT_STREQ(value.c_str(), "x");
    EXPECT_TRUE(theApp.m_boxes.empty());
}

TEST_F(DataExchangeTest, LoadingFillsTheEditAndLimitsIt)
{
    Text value("loaded");
    EXPECT_TRUE(Exchange(false, [&value](CDataExchange* pDX) {
        DDX_string_edit(pDX, kEditId, value);
        DDV_string_MaxLength(pDX, value, 8);
    }));
    EXPECT_EQ(WindowText(kEditId), "loaded");
    EXPECT_EQ(m_dialog.SendDlgItemMessage(kEditId, EM_GETLIMITTEXT), 8);
}

TEST_F(DataExchangeTest, ListAndComboLoadingSelectsByPrefixOrExactly)
{
    struct Case {
        const char* name;
        void (*ddx)(CDataExchange*, int, Kyvant::ky_BSB<char>&);
        int id;
        const char* value;
        int selected;
        const char* saved; // what saving gives back
    };
    const Case cases[] = {
        {"LB prefix", DDX_LB_string, kListId, "bet", 1, "beta"},
        {"LB prefix, no match", DDX_LB_string, kListId, "zz", -1, ""},
        {"LB empty", DDX_LB_string, kListId, "", -1, ""},
        {"LB exact", DDX_LB_string_exact, kListId, "betamax", 2, "betamax"},
        {"LB exact, no match", DDX_LB_string_exact, kListId, "bet", -1, ""},
        {"CB prefix", DDX_CB_string, kComboId, "bet", 1, "beta"},
        {"CB prefix, no match", DDX_CB_string, kComboId, "gamma", -1, "gamma"},
        {"CB empty", DDX_CB_string2, kComboId, "", -1, ""},
        {"CB exact", DDX_CB_string_exact, kComboId, "beta", 1, "beta"},
        {"CB exact, no match", DDX_CB_string_exact2, kComboId, "bet", -1, "bet"},
    };
    for (const Case& c : cases) {
        const UINT getSel = c.id == kListId ? LB_GETCURSEL : CB_GETCURSEL;
        m_dialog.SendDlgItemMessage(c.id, c.id == kListId ? LB_SETCURSEL : CB_SETCURSEL, 0);
        Text value(c.value);
        ASSERT_TRUE(Exchange(false, [&](CDataExchange* pDX) { c.ddx(pDX, c.id, value); }))
            << c.name;
        EXPECT_EQ(Selection(c.id, getSel), c.selected) << c.name;
        Text saved("before");
        ASSERT_TRUE(Exchange(true, [&](CDataExchange* pDX) { c.ddx(pDX, c.id, saved); })) << c.name;
        EXPECT_STREQ(saved.c_str(), c.saved) << c.name;
    }
}

TEST_F(DataExchangeTest, GeneralFailuresReturnTheFocusToThePreparedControl)
{
    ::SetFocus(Control(kEditId));
    EXPECT_FALSE(Exchange(true, [this](CDataExchange* pDX) {
        Kyvant::ky_DDV_PrepareCtrl(*pDX, Kyvant::ky_DDV_GetDlgItem(*pDX, kComboId));
        Kyvant::ky_DDV_General_Fail(*pDX, "Choose a plan.");
    }));
    ASSERT_EQ(theApp.m_boxes.size(), 1u);
    EXPECT_EQ(theApp.m_boxes[0].text, "Choose a plan.");
    EXPECT_EQ(theApp.m_boxes[0].type & MB_TYPEMASK, static_cast<UINT>(MB_OK));
    HWND focus = ::GetFocus();
    EXPECT_TRUE(focus == Control(kComboId) || ::IsChild(Control(kComboId), focus));

    theApp.m_boxes.clear();
    EXPECT_FALSE(
        Exchange(true, [](CDataExchange* pDX) { Kyvant::ky_DDV_General_Fail(*pDX, nullptr); }));
    EXPECT_FALSE(
        Exchange(true, [](CDataExchange* pDX) { Kyvant::ky_DDV_GetDlgItem(*pDX, kMissingId); }));
    EXPECT_TRUE(theApp.m_boxes.empty());
}
