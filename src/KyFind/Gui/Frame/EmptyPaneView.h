// EmptyPaneView: a blank result pane, standing where a pane's own view is
// not in the frame.
#pragma once

#include <afxwin.h>

class EmptyPaneView : public CView {
    DECLARE_DYNCREATE(EmptyPaneView)

protected:
    void OnDraw(CDC*) override {}
};
