// KyRichEditCtrl: ranges, and a selection scrolled into view with context lines.
#include "KyGui/RichEdit/KyRichEditCtrl.h"

#include <algorithm>

namespace {

constexpr int kWideMargin = 2;   // context lines kept when the view has 4 lines to spare
constexpr int kNarrowMargin = 1; // when it has 2
constexpr int kScrollSlack = 4;  // pixels kept beside the selection when scrolling sideways

} // namespace

bool KyRichEditCtrl::NormalizeRange(CHARRANGE& range) const
{
    return NormalizeRange(range, range);
}

bool KyRichEditCtrl::NormalizeRange(CHARRANGE in, CHARRANGE& out) const
{
    const LONG length = GetTextLength();
    if (in.cpMax < 0)
        in.cpMax = length;
    out.cpMin = std::min(in.cpMin, in.cpMax);
    out.cpMax = std::min(std::max(in.cpMin, in.cpMax), length);
    return out.cpMin >= 0 && out.cpMax > out.cpMin;
}

void KyRichEditCtrl::SetSel(int start, int end, int visibleLines)
{
    const CHARRANGE range = {start, end};
    SetSel(range, visibleLines);
}

void KyRichEditCtrl::SetSel(const CHARRANGE& range, int visibleLines)
{
    const LONG length = GetTextLength();
    const LONG first = range.cpMin < 0 ? length : range.cpMin;
    const LONG second = range.cpMax < 0 ? length : range.cpMax;
    const LONG lo = std::min(first, second);
    const LONG hi = std::max(first, second);
    CHARRANGE selection = {hi, lo}; // anchored at the end, the caret at the start
    CRichEditCtrl::SetSel(selection);
    ScrollIntoView(lo, hi, visibleLines);
}

void KyRichEditCtrl::ScrollIntoView(LONG lo, LONG hi, int visibleLines)
{
    const int firstVisible = GetFirstVisibleLine();
    const int lastVisible = firstVisible + visibleLines - 1;
    const int a = static_cast<int>(LineFromChar(lo));
    const int b = static_cast<int>(LineFromChar(hi > lo ? hi - 1 : hi));
    const int lines = b - a + 1;
    int top = a;
    if (lines <= visibleLines) {
        const int margin = visibleLines >= lines + 4   ? kWideMargin
                           : visibleLines >= lines + 2 ? kNarrowMargin
                                                       : 0;
        if (a >= firstVisible + margin && b <= lastVisible - margin)
            top = firstVisible;
        else
            top = std::max(0, a - (visibleLines - lines) / 2);
    }
    const int lineCount = GetLineCount();
    const int bottom = top + visibleLines - 1;
    if (bottom >= lineCount && b < bottom)
        top = std::max(0, lineCount - visibleLines);
    if (top != firstVisible)
        LineScroll(top - firstVisible);
    if ((GetStyle() & WS_HSCROLL) != 0)
        ScrollHorizontally(lo, hi, a, b);
}

void KyRichEditCtrl::ScrollHorizontally(LONG lo, LONG hi, LONG firstLine, LONG lastLine)
{
    CRect format;
    GetRect(&format);
    const LONG lineStart = LineIndex(static_cast<int>(firstLine));
    LONG rightChar = 0;
    if (firstLine == lastLine)
        rightChar = LineFromChar(hi) > firstLine ? hi - 1 : hi;
    else
        rightChar = lineStart + LineLength(static_cast<int>(lineStart));
    rightChar = std::max(rightChar, lo);
    const int lineStartX = GetCharPos(lineStart).x;
    const int loX = GetCharPos(lo).x;
    const int rightX = GetCharPos(rightChar).x;
    if (loX >= format.left && rightX <= format.right)
        return;
    const int offset = format.left - lineStartX;
    CRect client;
    GetClientRect(&client);
    int position = 0;
    if (rightX + offset > client.right)
        position = std::max(0, std::min(loX + offset - kScrollSlack,
                                        rightX + offset + kScrollSlack - client.Width()));
    SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, position), 0);
    const int arrowWidth = ::GetSystemMetrics(SM_CXHSCROLL);
    const int arrowHeight = ::GetSystemMetrics(SM_CYHSCROLL);
    const CRect strip(client.left, client.bottom, client.left + 2 * arrowWidth,
                      client.bottom + 2 * arrowHeight);
    RedrawWindow(&strip, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME);
}
