// Rich edit of riched32: finding text, and text streamed in and out unchanged, whole and by selection.
#include "TestApp.h"

#include <afxcmn.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace {

struct StreamSource
{
    std::string text;
    size_t pos = 0;
};

DWORD CALLBACK ReadSource(DWORD_PTR cookie, LPBYTE buffer, LONG cb, LONG* pcb)
{
    StreamSource* src = reinterpret_cast<StreamSource*>(cookie);
    size_t n = std::min(static_cast<size_t>(cb), src->text.size() - src->pos);
    std::copy(src->text.begin() + static_cast<long>(src->pos), src->text.begin() + static_cast<long>(src->pos + n), buffer);
    src->pos += n;
    *pcb = static_cast<LONG>(n);
    return 0;
}

DWORD CALLBACK WriteSink(DWORD_PTR cookie, LPBYTE buffer, LONG cb, LONG* pcb)
{
    reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<const char*>(buffer), static_cast<size_t>(cb));
    *pcb = cb;
    return 0;
}

void StreamIn(CRichEditCtrl& edit, int format, const std::string& text)
{
    StreamSource src{ text };
    EDITSTREAM es = { reinterpret_cast<DWORD_PTR>(&src), 0, &ReadSource };
    edit.StreamIn(format, es);
}

std::string StreamOut(CRichEditCtrl& edit, int format)
{
    std::string out;
    EDITSTREAM es = { reinterpret_cast<DWORD_PTR>(&out), 0, &WriteSink };
    edit.StreamOut(format, es);
    return out;
}

class RichEdit : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(AfxInitRichEdit());
        m_pMain = CreateMainWindow("Rich edit");
        ASSERT_NE(nullptr, m_pMain);
        ASSERT_TRUE(m_edit.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL,
                                  CRect(0, 0, 360, 240), m_pMain, 4001));
        m_edit.LimitText(0);
    }
    void TearDown() override
    {
        if (m_pMain != nullptr)
            m_pMain->DestroyWindow();
    }
    CWnd* m_pMain = nullptr;
    CRichEditCtrl m_edit;
};

TEST_F(RichEdit, IsRiched32sClassAndFindsText)
{
    char name[32] = "";
    ::GetClassNameA(m_edit.m_hWnd, name, sizeof name);
    EXPECT_STREQ("RICHEDIT", name);
    StreamIn(m_edit, SF_TEXT, "alpha\nbeta gamma\nbeta");
    struct Case
    {
        DWORD flags;
        LONG from;
        const char* what;
        LONG found;
    } cases[] = { { FR_DOWN, 0, "beta", 6 }, { FR_DOWN, 7, "beta", 17 }, { FR_DOWN | FR_MATCHCASE, 0, "BETA", -1 },
                  { FR_DOWN | FR_WHOLEWORD, 0, "gam", -1 } };
    for (const Case& c : cases) {
        FINDTEXTEXA find = {};
        find.chrg.cpMin = c.from;
        find.chrg.cpMax = -1;
        find.lpstrText = c.what;
        EXPECT_EQ(c.found, m_edit.FindText(c.flags, &find)) << c.what << " " << c.from;
        if (c.found >= 0) {
            EXPECT_EQ(c.found + static_cast<LONG>(std::strlen(c.what)), find.chrgText.cpMax);
        }
    }
}

TEST_F(RichEdit, StreamedTextComesBackUnchanged)
{
    const std::string texts[] = { "one line", "lf\nonly\nlines\n", "crlf\r\nlines\r\n", std::string(5000, 'x') + "\nend" };
    for (const std::string& text : texts) {
        StreamIn(m_edit, SF_TEXT, text);
        EXPECT_EQ(text, StreamOut(m_edit, SF_TEXT)) << text.size();
        CString range;
        m_edit.GetTextRange(0, -1, range);
        EXPECT_EQ(text, std::string(range)) << text.size();
    }
}

TEST_F(RichEdit, SelectionStreamsReplaceAndGiveOnlyTheSelection)
{
    StreamIn(m_edit, SF_TEXT, "alpha\nbeta\ngamma");
    m_edit.SetSel(6, 10);
    StreamIn(m_edit, SF_TEXT | SFF_SELECTION, "BETA\nX");
    EXPECT_EQ("alpha\nBETA\nX\ngamma", StreamOut(m_edit, SF_TEXT));
    m_edit.SetSel(6, 12);
    EXPECT_EQ("BETA\nX", StreamOut(m_edit, SF_TEXT | SFF_SELECTION));
    long start = 0, end = 0;
    m_edit.GetSel(start, end);
    EXPECT_EQ(6, start);
    EXPECT_EQ(12, end);
}

}  // namespace
