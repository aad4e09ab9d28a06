// The blank result pane.
#include "KyFind/Gui/Frame/EmptyPaneView.h"

IMPLEMENT_DYNCREATE(EmptyPaneView, CView)
