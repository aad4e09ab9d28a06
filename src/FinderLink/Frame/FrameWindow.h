// What the front-ends' frames share of their window: the window class with
// the program's icon and the frame's own title, and the hidden start until
// the frame has its saved place.
#pragma once

#include <afxwin.h>

namespace Kyvant {
namespace FinderLink {

// The frame's PreCreateWindow: CFrameWnd's, then the frame's window class
// (the class style and the icon of the resource id), the title left to the
// frame, and no client edge when the program is themed. FALSE when
// CFrameWnd's refused.
BOOL PrepareFrameWindow(CFrameWnd& frame, CREATESTRUCT& cs, UINT classStyle, UINT iconId);

// In WM_WINDOWPOSCHANGING until the frame has its saved place: the frame
// stays hidden and undrawn, keeping only what does not show it.
void KeepHidden(WINDOWPOS& position);

} // namespace FinderLink
} // namespace Kyvant
