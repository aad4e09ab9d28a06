// What the front-ends' frames share of their top bars: the flat tool bar
// with tips, and the rebar that holds it, with a labelled bar beside it or
// alone, in fixed bands without grippers.
#pragma once

#include "KyGui/Bars/KyReBar.h"
#include "KyGui/Bars/KyToolBar.h"

#include <afxwin.h>

namespace Kyvant {
namespace FinderLink {

// The tool bar of the resource id at the frame's top; false on failure.
bool CreateToolBar(CFrameWnd& frame, KyToolBar& toolBar, UINT resourceId);

// The rebar with the tool bar's band and, when labelledBar is given, its
// band labelled with the string of labelId; false on failure.
bool CreateReBar(CFrameWnd& frame, KyReBar& reBar, CWnd& toolBar, CWnd* labelledBar = nullptr,
                 UINT labelId = 0);

} // namespace FinderLink
} // namespace Kyvant
