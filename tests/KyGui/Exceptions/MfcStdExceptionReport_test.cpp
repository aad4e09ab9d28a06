// A dialog handler that throws a wrapped standard exception: MFC shows its text once and the
// dialog goes on.
#include "KyGui/Exceptions/MfcStdException.h"

#include "TestApp.h"

#include <afxwin.h>
#include <afxres.h>
#include <gtest/gtest.h>

#include <cwchar>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

const WORD kThrowButton = 1001;
const WORD kButtonClass = 0x0080;

// An in-memory template: a visible popup dialog with one push button.
class OneButtonTemplate {
public:
    OneButtonTemplate()
    {
        DLGTEMPLATE dialog = {};
        dialog.style = WS_POPUP | WS_VISIBLE | DS_MODALFRAME;
        dialog.cdit = 1;
        dialog.cx = 120;
        dialog.cy = 60;
        Append(&dialog, sizeof dialog);
        AppendWords({0, 0});  // no menu, the standard class
        AppendText(L"thrower");
        Align();
        DLGITEMTEMPLATE button = {};
        button.style = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON;
        button.x = 10;
        button.y = 10;
        button.cx = 60;
        button.cy = 14;
        button.id = kThrowButton;
        Append(&button, sizeof button);
        AppendWords({0xFFFF, kButtonClass});
        AppendText(L"Throw");
        AppendWords({0});  // no creation data
    }
    LPCDLGTEMPLATE Get() const { return reinterpret_cast<LPCDLGTEMPLATE>(m_words.data()); }

private:
    void Append(const void* data, size_t bytes)
    {
        const WORD* words = static_cast<const WORD*>(data);
        m_words.insert(m_words.end(), words, words + bytes / sizeof(WORD));
    }
    void AppendWords(std::initializer_list<WORD> words) { m_words.insert(m_words.end(), words); }
    void AppendText(const wchar_t* text)
    {
        for (; *text != L'\0'; ++text)
            m_words.push_back(static_cast<WORD>(*text));
        m_words.push_back(0);
    }
    void Align()
    {
        if (m_words.size() % 2 != 0)
            m_words.push_back(0);
    }
    std::vector<WORD> m_words;
};

class ThrowingDialog : public CDialog {
public:
    std::string m_text;
    int m_clicks = 0;

protected:
    afx_msg void OnThrow()
    {
        ++m_clicks;
        try {
            throw std::runtime_error(m_text);
        } catch (const std::exception& e) {
            throw Kyvant::MfcStdException::Create(e);
        }
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(ThrowingDialog, CDialog)
    ON_BN_CLICKED(kThrowButton, OnThrow)
END_MESSAGE_MAP()

std::string LayerText(UINT id)
{
    CString text;
    text.LoadString(id);
    return static_cast<LPCSTR>(text);
}

class WrappedExceptionReport : public ::testing::Test {
protected:
    void SetUp() override
    {
        theApp.m_boxes.clear();
        ASSERT_TRUE(m_dialog.CreateIndirect(m_template.Get()));
    }
    void TearDown() override { m_dialog.DestroyWindow(); }
    void Click() { m_dialog.GetDlgItem(kThrowButton)->SendMessage(BM_CLICK); }

    OneButtonTemplate m_template;
    ThrowingDialog m_dialog;
};

} // namespace

TEST_F(WrappedExceptionReport, EachClickShowsTheTextOnceAndTheDialogGoesOn)
{
    struct Case {
        std::string text;
        std::string shown;
    };
    const std::string longText(300, 'L');
    const Case cases[] = {
        {"Could not open \"C:\\x.txt\"", "Could not open \"C:\\x.txt\""},
        {longText, longText.substr(0, 255)},
        {"", LayerText(AFX_IDP_INTERNAL_FAILURE)},  // MFC's generic text
    };
    int clicks = 0;
    for (const Case& c : cases) {
        theApp.m_boxes.clear();
        m_dialog.m_text = c.text;
        Click();
        ++clicks;
        EXPECT_EQ(clicks, m_dialog.m_clicks);
        ASSERT_EQ(1u, theApp.m_boxes.size()) << c.text;
        EXPECT_EQ(c.shown, theApp.m_boxes[0].text);
        EXPECT_TRUE(::IsWindow(m_dialog.GetSafeHwnd()));
        EXPECT_TRUE(m_dialog.IsWindowVisible());
    }
}

TEST_F(WrappedExceptionReport, APostedClickThroughTheLoopIsReportedOnce)
{
    m_dialog.m_text = "posted failure";
    m_dialog.PostMessage(WM_COMMAND, MAKEWPARAM(kThrowButton, BN_CLICKED),
                         reinterpret_cast<LPARAM>(m_dialog.GetDlgItem(kThrowButton)->m_hWnd));
    PumpPending();
    ASSERT_EQ(1u, theApp.m_boxes.size());
    EXPECT_EQ("posted failure", theApp.m_boxes[0].text);
    // The dialog still answers.
    m_dialog.m_text = "second";
    Click();
    EXPECT_EQ(2, m_dialog.m_clicks);
    ASSERT_EQ(2u, theApp.m_boxes.size());
    EXPECT_EQ("second", theApp.m_boxes[1].text);
}
