// The status bar's owner-drawn message pane.
#include "KyFind/Gui/Panes/StatusBar.h"

namespace {

// Where the text starts inside the pane.
const int kTextIndent = 2;

} // namespace

void StatusBar::UseOwnerDrawnMessagePane()
{
    SetPaneStyle(0, GetPaneStyle(0) | SBPS_OWNERDRAW);
}

void StatusBar::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct->itemID != 0)
        return;
    const CString text = GetPaneText(0);
    const bool highlighted = m_notice && !text.IsEmpty();
    HDC dc = lpDrawItemStruct->hDC;
    RECT rect = lpDrawItemStruct->rcItem;
    if (highlighted)
        ::FillRect(dc, &rect, ::GetSysColorBrush(COLOR_HIGHLIGHT));
    const int oldMode = ::SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour =
        ::SetTextColor(dc, ::GetSysColor(highlighted ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    rect.left += kTextIndent;
    ::DrawTextA(dc, text, text.GetLength(), &rect,
                DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    ::SetTextColor(dc, oldColour);
    ::SetBkMode(dc, oldMode);
}
