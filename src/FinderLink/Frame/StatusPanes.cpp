// The frames' status-bar click and the panes' update while modal.
#include "FinderLink/Frame/StatusPanes.h"

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

void UpdatePanesWhileModal(CFrameWnd& frame, CStatusBar& bar)
{
    if (frame.InModalState() && bar.GetSafeHwnd())
        bar.OnUpdateCmdUI(&frame, FALSE);
}

} // namespace FinderLink
} // namespace Kyvant
