// The frames' status-bar click, the panes' update while modal and the
// working cursor.
#include "FinderLink/Frame/StatusPanes.h"

#include "KyGui/Helpers/WndEx.h"
#include "KyGuiTool/App/AppResource.h"

#include <commctrl.h>

namespace Kyvant {
namespace FinderLink {

void ForwardIndexingServiceClick(CFrameWnd& frame, CStatusBar& bar, const NMHDR& click)
{
    const int pane = static_cast<int>(reinterpret_cast<const NMMOUSE&>(click).dwItemSpec);
    if (pane == bar.CommandToIndex(ID_KY_INDEXING_SERVICE_MESSAGE))
        frame.SendMessage(WM_COMMAND, ID_KY_INDEXING_SERVICE_MESSAGE);
}

namespace {

const UINT kModalPanesMs = 1000;

} // namespace

void StartModalPanesTimer(CFrameWnd& frame)
{
    frame.SetTimer(kModalPanesTimer, kModalPanesMs, nullptr);
}

bool OnModalPanesTimer(CFrameWnd& frame, CStatusBar& bar, UINT_PTR timer)
{
    if (timer != kModalPanesTimer)
        return false;
    if (frame.InModalState() && bar.GetSafeHwnd())
        bar.OnUpdateCmdUI(&frame, FALSE);
    return true;
}

void FollowWorkingCursor(bool& shown, UINT statusId, UINT workingId)
{
    if (statusId == workingId && !shown) {
        shown = true;
        WndEx::SendSetCursorMessage();
    } else if (statusId == AFX_IDS_IDLEMESSAGE && shown) {
        shown = false;
        WndEx::SendSetCursorMessage();
    }
}

} // namespace FinderLink
} // namespace Kyvant
