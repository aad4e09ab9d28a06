// The combo box's dropped width: the widest of the first 30 items plus 6,
// a scroll bar's width when the items overflow the list, nothing past the
// work area's right edge.
#include "KyGui/Adapters/KyComboBox.h"

#include "Adapters/AdapterTestDialog.h"
#include "TestApp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const WORD kComboId = 101;
const int kPadding = 6;
const int kMeasured = 30;

// Records the widths it is given.
class RecordingCombo : public KyComboBox {
public:
    std::vector<int> m_widths;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == CB_SETDROPPEDWIDTH)
            m_widths.push_back(static_cast<int>(wParam));
        return KyComboBox::WindowProc(message, wParam, lParam);
    }
};

class KyComboBoxTest : public ::testing::Test {
protected:
    // A narrow drop-down combo whose list is listHeight dialog units high.
    void Open(short listHeight, const std::vector<std::string>& items)
    {
        ASSERT_TRUE(
            m_dialog.Open({{AdapterTest::kComboBox, CBS_DROPDOWN | WS_VSCROLL | CBS_AUTOHSCROLL, 10,
                            10, 40, listHeight, kComboId}}));
        ASSERT_TRUE(m_combo.SubclassDlgItem(kComboId, &m_dialog));
        for (const std::string& item : items)
            m_combo.AddString(item.c_str());
    }

    // Drops the list down and up again; the width set on the way, or -1.
    int DropDown()
    {
        m_combo.m_widths.clear();
        m_combo.ShowDropDown(TRUE);
        m_combo.ShowDropDown(FALSE);
        PumpPending();
        return m_combo.m_widths.size() == 1 ? m_combo.m_widths[0] : -1;
    }

    int Extent(const std::string& text)
    {
        CClientDC dc(&m_combo);
        HGDIOBJ old = ::SelectObject(dc.GetSafeHdc(), m_combo.GetFont());
        SIZE size = {};
        ::GetTextExtentPoint32A(dc.GetSafeHdc(), text.c_str(), static_cast<int>(text.size()),
                                &size);
        ::SelectObject(dc.GetSafeHdc(), old);
        return size.cx;
    }

    AdapterTest::Dialog m_dialog;
    RecordingCombo m_combo;
};

} // namespace

TEST_F(KyComboBoxTest, WidensToTheWidestItemWhenAllFit)
{
    const std::string wide = "A rather wide entry of the list";
    Open(150, {"one", wide, "three"});
    const int width = DropDown();
    EXPECT_EQ(width, Extent(wide) + kPadding);
    EXPECT_EQ(m_combo.GetDroppedWidth(), width);
}

TEST_F(KyComboBoxTest, AddsTheScrollBarWhenTheItemsOverflowAndMeasuresThirtyOnly)
{
    std::vector<std::string> items;
    for (int i = 0; i < kMeasured; ++i)
        items.push_back("Entry number " + std::to_string(i));
    const std::string later = "The thirty-first entry is the longest of all";
    items.push_back(later);
    Open(60, items);
    int widest = 0;
    for (int i = 0; i < kMeasured; ++i)
        widest = Extent(items[i]) > widest ? Extent(items[i]) : widest;
    ASSERT_GT(Extent(later), widest);
    EXPECT_EQ(DropDown(), widest + kPadding + ::GetSystemMetrics(SM_CXVSCROLL));
}

TEST_F(KyComboBoxTest, SetsNoWidthAtOrPastTheWorkAreasRightEdge)
{
    Open(150, {"one", "two"});
    RECT work = {};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    CRect combo;
    m_combo.GetWindowRect(&combo);
    CRect dialog;
    m_dialog.GetWindowRect(&dialog);
    ::SetWindowPos(m_dialog.m_hWnd, nullptr, dialog.left + work.right - combo.left, dialog.top, 0,
                   0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(DropDown(), 0);
}
