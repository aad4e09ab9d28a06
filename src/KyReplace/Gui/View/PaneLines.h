// Lines of a pane's text as the file has them (ended by '\n'), whatever the
// pane wraps: where the line holding a character starts and ends, and its
// number. Without word wrap the control's own lines are the text's.
#pragma once

class KyRichEditCtrl;

namespace Kyvant {
namespace PaneLines {

// The first character of the line that holds pos.
long LineStart(const KyRichEditCtrl& pane, long pos);
// The position of the '\n' that ends the line holding pos (the text's length
// for the last line).
long LineEnd(const KyRichEditCtrl& pane, long pos);
// The line that holds pos, from 0.
long LineNumber(const KyRichEditCtrl& pane, long pos);

} // namespace PaneLines
} // namespace Kyvant
