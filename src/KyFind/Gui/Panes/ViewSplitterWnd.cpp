// The splitter's sizes and flat bars under visual styles.
#include "KyFind/Gui/Panes/ViewSplitterWnd.h"

#include "KyGui/Helpers/UserEx.h"

namespace {

const int kThemedBarSize = 6;

} // namespace

ViewSplitterWnd::ViewSplitterWnd() : m_themed(Kyvant::UserEx::IsAppThemed())
{
    if (!m_themed)
        return;
    m_cxSplitter = m_cySplitter = kThemedBarSize;
    m_cxSplitterGap = m_cySplitterGap = kThemedBarSize;
    m_cxBorder = m_cyBorder = 0;
}

// Only the bars are drawn, and only when there is something to draw on.
void ViewSplitterWnd::OnDrawSplitter(CDC* pDC, ESplitType nType, const CRect& rect)
{
    if (!m_themed) {
        CSplitterWnd::OnDrawSplitter(pDC, nType, rect);
        return;
    }
    if (pDC == nullptr || nType != splitBar)
        return;
    pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_3DFACE));
    CRect line(rect.left, rect.bottom - 2, rect.right, rect.bottom - 1);
    pDC->FillSolidRect(&line, ::GetSysColor(COLOR_3DSHADOW));
    line.OffsetRect(0, 1);
    pDC->FillSolidRect(&line, ::GetSysColor(COLOR_3DHILIGHT));
}
