// ViewSplitterWnd: the Find frame's static splitter of its three panes.
// Under visual styles its bars are flat, 6 pixels high, with a shadow and
// a highlight line at their bottom, and the panes have no borders.
#pragma once

#include <afxext.h>

class ViewSplitterWnd : public CSplitterWnd {
public:
    ViewSplitterWnd();

    void OnDrawSplitter(CDC* pDC, ESplitType nType, const CRect& rect) override;

private:
    bool m_themed;
};
