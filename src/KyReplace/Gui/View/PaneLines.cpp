// Text lines of a pane: the control's lines without word wrap, else the text scanned in pieces.
#include "KyReplace/Gui/View/PaneLines.h"

#include "KyGui/RichEdit/KyRichEditCtrl.h"
#include "KyReplace/Gui/View/PaneText.h"

#include <algorithm>

namespace Kyvant {
namespace PaneLines {

namespace {

const long kPiece = 4096;

long Clamped(const KyRichEditCtrl& pane, long pos)
{
    return std::max(0L, std::min(pos, pane.GetTextLength()));
}

} // namespace

long LineStart(const KyRichEditCtrl& pane, long pos)
{
    pos = Clamped(pane, pos);
    if (!pane.GetWordWrap())
        return pane.LineIndex(static_cast<int>(pane.LineFromChar(pos)));
    for (long end = pos; end > 0;) {
        const long start = std::max(0L, end - kPiece);
        const ky_S text = PaneText::Range(pane, start, end);
        for (long i = end - start; i > 0; --i)
            if (text[static_cast<unsigned>(i - 1)] == '\n')
                return start + i;
        end = start;
    }
    return 0;
}

long LineEnd(const KyRichEditCtrl& pane, long pos)
{
    pos = Clamped(pane, pos);
    const long length = pane.GetTextLength();
    if (!pane.GetWordWrap()) {
        const long start = pane.LineIndex(static_cast<int>(pane.LineFromChar(pos)));
        return std::min(length, start + pane.LineLength(static_cast<int>(start)));
    }
    for (long start = pos; start < length;) {
        const long end = std::min(length, start + kPiece);
        const ky_S text = PaneText::Range(pane, start, end);
        const unsigned at = text.find('\n');
        if (at != ky_S::npos)
            return start + static_cast<long>(at);
        start = end;
    }
    return length;
}

long LineNumber(const KyRichEditCtrl& pane, long pos)
{
    pos = Clamped(pane, pos);
    if (!pane.GetWordWrap())
        return pane.LineFromChar(pos);
    long lines = 0;
    for (long start = 0; start < pos;) {
        const long end = std::min(pos, start + kPiece);
        const ky_S text = PaneText::Range(pane, start, end);
        lines += static_cast<long>(std::count(text.begin(), text.end(), '\n'));
        start = end;
    }
    return lines;
}

} // namespace PaneLines
} // namespace Kyvant
