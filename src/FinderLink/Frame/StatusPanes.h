// What the front-ends' frames share of their status bar: a click on the
// Indexing Service pane, and the panes kept up to date while a box or
// dialog is up (the program is never idle then).
#pragma once

#include <afxext.h>
#include <afxwin.h>

namespace Kyvant {
namespace FinderLink {

// A click (NM_CLICK from the status bar) on the Indexing Service pane sends
// the frame the command that shows the pane's message.
void ForwardIndexingServiceClick(CFrameWnd& frame, CStatusBar& bar, const NMHDR& click);

// On the frame's modal-panes timer: while the frame is in a modal state the
// status bar's panes show what their update handlers give.
void UpdatePanesWhileModal(CFrameWnd& frame, CStatusBar& bar);

} // namespace FinderLink
} // namespace Kyvant
