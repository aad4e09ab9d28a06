// What the front-ends' frames share of their status bar: a click on the
// Indexing Service pane, the panes kept up to date on a timer while a box or
// dialog is up (the program is never idle then), and the working cursor
// that follows the status text.
#pragma once

#include <afxext.h>
#include <afxwin.h>

namespace Kyvant {
namespace FinderLink {

// A click (NM_CLICK from the status bar) on the Indexing Service pane sends
// the frame the command that shows the pane's message.
void ForwardIndexingServiceClick(CFrameWnd& frame, CStatusBar& bar, const NMHDR& click);

// The frame's modal-panes timer, which ticks every second; the frame's own
// timers keep clear of its id.
const UINT_PTR kModalPanesTimer = 2;
void StartModalPanesTimer(CFrameWnd& frame);
// On the frame's WM_TIMER: false when the tick is not the modal-panes
// timer's; else, while the frame is in a modal state, the status bar's
// panes show what their update handlers give.
bool OnModalPanesTimer(CFrameWnd& frame, CStatusBar& bar, UINT_PTR timer);

// The working cursor shows once the status is the working text and goes
// with the idle text; shown tells whether it shows. Either change has the
// cursor set again.
void FollowWorkingCursor(bool& shown, UINT statusId, UINT workingId);

} // namespace FinderLink
} // namespace Kyvant
