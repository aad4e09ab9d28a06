// KyComboBox: the dropped list's width from the extents of its first items,
// kept inside the work area.
#include "KyGui/Adapters/KyComboBox.h"

#include "KyGui/Adapters/ListBoxVectorInterface.h"

namespace {

const int kMeasuredItems = 30;
// Longer texts are estimated from the average character width.
const int kMeasuredLength = 200;
const int kWidthPadding = 6;
const int kHeightPadding = 4;

struct Extent {
    int width;
    int height;
};

// The item's width and height in the DC's font.
Extent MeasureText(CDC& dc, const TEXTMETRICA& metrics,
                   const Kyvant::ListBoxVectorInterfaceBase& items, int index)
{
    const int length = items.ops().GetTextLen(index);
    if (length > kMeasuredLength)
        return {metrics.tmAveCharWidth * length, metrics.tmHeight};
    Kyvant::ky_BSB<char> text;
    Kyvant::ListBoxVectorInterfaceBase::reference_base(items.ops(), index).GetText(text);
    SIZE size = {};
    ::GetTextExtentPoint32A(dc.GetSafeHdc(), text.c_str(), static_cast<int>(text.length()), &size);
    return {size.cx, size.cy};
}

// The widest of the first items (at most maxWidth) and their heights, one pixel apart.
Extent MeasureFirstItems(CWnd& combo, const Kyvant::ListBoxVectorInterfaceBase& items, int maxWidth)
{
    CClientDC dc(&combo);
    HFONT font = combo.GetFont();
    HGDIOBJ oldFont = font != nullptr ? ::SelectObject(dc.GetSafeHdc(), font) : nullptr;
    TEXTMETRICA metrics = {};
    ::GetTextMetricsA(dc.GetSafeHdc(), &metrics);
    Extent all = {0, 0};
    const int count = items.size() < kMeasuredItems ? items.size() : kMeasuredItems;
    for (int i = 0; i < count; ++i) {
        const Extent extent = MeasureText(dc, metrics, items, i);
        all.height += extent.height + 1;
        if (extent.width > all.width)
            all.width = extent.width;
        if (all.width >= maxWidth) {
            all.width = maxWidth;
            break;
        }
    }
    if (oldFont != nullptr)
        ::SelectObject(dc.GetSafeHdc(), oldFont);
    return all;
}

} // namespace

// clang-format off
BEGIN_MESSAGE_MAP(KyComboBox, CComboBox)
    ON_CONTROL_REFLECT_EX(CBN_DROPDOWN, OnDropDown)
END_MESSAGE_MAP()
// clang-format on

BOOL KyComboBox::OnDropDown()
{
    Kyvant::ListBoxVectorInterfaceBase items(*this);
    // Items without texts of their own (owner-drawn) have nothing to measure.
    if (!items.ops().HasStrings())
        return FALSE;
    RECT workArea = {};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    CRect window;
    GetWindowRect(&window);
    int maxWidth = workArea.right - window.left;
    if (maxWidth < 1)
        maxWidth = 0;
    const Extent widest = MeasureFirstItems(*this, items, maxWidth);
    CRect dropped;
    GetDroppedControlRect(&dropped);
    int width = widest.width + kWidthPadding;
    if (widest.height + kHeightPadding >= dropped.Height())
        width += ::GetSystemMetrics(SM_CXVSCROLL);
    SetDroppedWidth(static_cast<UINT>(width < maxWidth ? width : maxWidth));
    return FALSE;
}
