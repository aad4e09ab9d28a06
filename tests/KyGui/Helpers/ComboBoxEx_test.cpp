// Combo box entries compared and selected by their exact text.
#include "KyGui/Helpers/ComboBoxEx.h"

#include "HelperWindows.h"

#include <string>

using namespace Kyvant;

namespace {

class ComboBoxExTest : public HelperWindowTest
{
protected:
    void SetUp() override
    {
        HelperWindowTest::SetUp();
        ASSERT_TRUE(m_combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(10, 10, 200, 200), m_main, 600));
        for (const char* entry : { "alphabet", "alpha", "beta" })
            m_combo.AddString(entry);
    }

    std::string Text(CWnd& window) const
    {
        CString text;
        window.GetWindowText(text);
        return static_cast<LPCSTR>(text);
    }

    CComboBox m_combo;
};

} // namespace

TEST_F(ComboBoxExTest, SetCurSelExactTakesAnExactEntryNotAPrefix)
{
    struct Case
    {
        const char* text;
        int result;
        const char* shown;
    };
    const Case cases[] = {
        { "alpha", 1, "alpha" },
        { "ALPHABET", 0, "alphabet" },
        { "alph", CB_ERR, "alph" },
        { "gamma", CB_ERR, "gamma" },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.result, ComboBoxEx::SetCurSelExact(m_combo, c.text)) << c.text;
        EXPECT_EQ(c.shown, Text(m_combo)) << c.text;
    }
}

TEST_F(ComboBoxExTest, CurSelEqualsNeedsTheSelectionAndTheShownText)
{
    ComboBoxEx::SetCurSelExact(m_combo, "beta");
    EXPECT_TRUE(ComboBoxEx::CurSelEquals(m_combo, "beta"));
    EXPECT_TRUE(ComboBoxEx::CurSelEquals(m_combo, "BETA"));
    EXPECT_FALSE(ComboBoxEx::CurSelEquals(m_combo, "alpha"));
    EXPECT_FALSE(ComboBoxEx::CurSelEquals(m_combo, nullptr));
    m_combo.SetWindowText("betamax");
    EXPECT_FALSE(ComboBoxEx::CurSelEquals(m_combo, "beta"));
}

TEST_F(ComboBoxExTest, CurSelEqualsReadsTheExtendedComboBoxsEdit)
{
    CComboBoxEx extended;
    ASSERT_TRUE(extended.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(10, 60, 200, 250), m_main, 601));
    for (const char* entry : { "one", "two" }) {
        COMBOBOXEXITEMA item = {};
        item.mask = CBEIF_TEXT;
        item.iItem = -1;
        item.pszText = const_cast<LPSTR>(entry);
        extended.InsertItem(&item);
    }
    extended.SetCurSel(1);
    EXPECT_TRUE(ComboBoxEx::CurSelEquals(extended, "two"));
    EXPECT_FALSE(ComboBoxEx::CurSelEquals(extended, "one"));
    extended.GetEditCtrl()->SetWindowText("three");
    EXPECT_FALSE(ComboBoxEx::CurSelEquals(extended, "two"));
}
