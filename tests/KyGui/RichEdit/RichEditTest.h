// The rich edit tests' window: a KyRichEditCtrl in a top-level window, filled by
// streaming, which also counts the selection-hiding messages it receives.
#pragma once

#include "KyGui/RichEdit/KyRichEditCtrl.h"
#include "TestApp.h"

#include <gtest/gtest.h>

#include <string>

class CountingRichEdit : public KyRichEditCtrl {
public:
    int m_hides = 0;
    int m_shows = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == EM_HIDESELECTION)
            ++(wParam != 0 ? m_hides : m_shows);
        return KyRichEditCtrl::WindowProc(message, wParam, lParam);
    }
};

class RichEditTest : public ::testing::Test {
protected:
    static const DWORD kStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE | ES_AUTOVSCROLL |
                                ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL;

    void SetUp() override
    {
        m_main = CreateMainWindow("Rich edit");
        ASSERT_NE(m_main, nullptr);
        ASSERT_TRUE(m_edit.Create(kStyle, CRect(0, 0, 380, 260), m_main, 4001));
        m_edit.LimitText(0x7FFFFFFF);
        m_edit.SetWordWrap(false);
    }
    void TearDown() override
    {
        if (m_main != nullptr)
            m_main->DestroyWindow();
    }
    // Replaces the whole text, byte for byte.
    void Load(const std::string& text);

    CWnd* m_main = nullptr;
    CountingRichEdit m_edit;
};

// "line 0\n" to "line <count - 1>" (the last without a line end).
std::string NumberedLines(int count);
