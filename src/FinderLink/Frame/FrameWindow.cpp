// The frames' window class and their hidden start.
#include "FinderLink/Frame/FrameWindow.h"

#include "KyGui/Helpers/UserEx.h"

namespace Kyvant {
namespace FinderLink {

namespace {

// What a move keeps while the frame must stay unseen.
const UINT kKeptWhileHidden =
    SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;

} // namespace

BOOL PrepareFrameWindow(CFrameWnd& frame, CREATESTRUCT& cs, UINT classStyle, UINT iconId)
{
    if (!frame.CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    cs.lpszClass = AfxRegisterWndClass(classStyle, nullptr, nullptr, AfxGetApp()->LoadIcon(iconId));
    cs.style &= ~FWS_ADDTOTITLE;
    if (UserEx::IsAppThemed())
        cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    return TRUE;
}

void KeepHidden(WINDOWPOS& position)
{
    position.flags = (position.flags & kKeptWhileHidden) | SWP_HIDEWINDOW | SWP_NOREDRAW;
}

} // namespace FinderLink
} // namespace Kyvant
