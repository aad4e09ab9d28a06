// The single-line window in the Before pane: replaced whole, or moved down keeping the overlap.
#include "KyReplace/Gui/View/LineWindow.h"

#include "KyGui/RichEdit/KyRichEditCtrl.h"
#include "KyReplace/Gui/Packets/ReplPacket.h"
#include "KyReplace/Gui/View/PaneText.h"

#include <algorithm>

namespace Kyvant {

namespace {

ky_S Joined(const std::vector<ky_S>& lines, size_t from)
{
    ky_S text;
    for (size_t i = from; i < lines.size(); ++i)
        text += lines[i];
    return text;
}

bool EndsInLineEnd(const ky_S& line)
{
    return !line.empty() && line[line.length() - 1] == '\n';
}

// The pane's text from pos up to its next '\n' (not included), or to the end.
long LineEndAfter(const ky_S& text, long pos)
{
    const unsigned at = text.find('\n', static_cast<unsigned>(pos));
    return at == ky_S::npos ? static_cast<long>(text.length()) : static_cast<long>(at);
}

// Puts text in place of [first, last) with no colour of its own.
void ReplaceRange(KyRichEditCtrl& pane, long first, long last, const ky_S& text)
{
    CHARRANGE range = {first, last};
    pane.CRichEditCtrl::SetSel(range);
    PaneText::ReplaceSelection(pane, text);
    CHARRANGE inserted = {first, first + static_cast<long>(text.length())};
    pane.CRichEditCtrl::SetSel(inserted);
    pane.ClearTextColor(false);
}

} // namespace

long LineWindow::Show(KyRichEditCtrl& pane, const SingleLineReplPacket& packet)
{
    std::vector<ky_S> lines;
    lines.reserve(packet.lines.size());
    for (const ky_S& line : packet.lines)
        lines.push_back(PaneText::Legible(line));
    const long first = packet.lineBase + 1;
    if (shown_ && first >= first_ && first < end_)
        Update(pane, lines, first);
    else
        Replace(pane, lines);
    shown_ = true;
    first_ = first;
    end_ = first + static_cast<long>(lines.size());
    long start = packet.matchStart;
    for (int i = 0; i < packet.matchLine && i < static_cast<int>(lines.size()); ++i)
        start += static_cast<long>(lines[static_cast<size_t>(i)].length());
    return start;
}

void LineWindow::Replace(KyRichEditCtrl& pane, const std::vector<ky_S>& lines)
{
    PaneText::SetText(pane, Joined(lines, 0));
    pane.ClearTextColor();
}

// The window starts inside the shown lines: the lines above it go, the
// overlapping ones stay unless they changed, the rest is the window's.
void LineWindow::Update(KyRichEditCtrl& pane, const std::vector<ky_S>& lines, long first)
{
    ky_S text = PaneText::Range(pane, 0, -1);
    long pos = 0;
    for (long dropped = 0; dropped < first - first_; ++dropped)
        pos = std::min(static_cast<long>(text.length()), LineEndAfter(text, pos) + 1);
    if (pos > 0) {
        ReplaceRange(pane, 0, pos, ky_S());
        text.erase(0, static_cast<unsigned>(pos));
        pos = 0;
    }
    const size_t overlap = std::min(static_cast<size_t>(end_ - first), lines.size());
    for (size_t i = 0; i < overlap; ++i) {
        const ky_S& line = lines[i];
        const bool lineBreak = EndsInLineEnd(line);
        const long length = static_cast<long>(text.length());
        const long bodyEnd = LineEndAfter(text, pos);
        const bool paneBreak = bodyEnd < length;
        const long paneLineEnd = paneBreak ? bodyEnd + 1 : bodyEnd;
        ky_S shown = text.substr(static_cast<unsigned>(pos), static_cast<unsigned>(bodyEnd - pos));
        if (lineBreak)
            shown += '\n';
        if (shown == line && (paneBreak || !lineBreak)) {
            pos = lineBreak ? paneLineEnd : bodyEnd;
            continue;
        }
        ReplaceRange(pane, pos, paneLineEnd, line);
        text.replace(static_cast<unsigned>(pos), static_cast<unsigned>(paneLineEnd - pos), line);
        pos += static_cast<long>(line.length());
    }
    ReplaceRange(pane, pos, static_cast<long>(text.length()), Joined(lines, overlap));
}

} // namespace Kyvant
