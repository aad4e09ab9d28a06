// The frames' tool bar and rebar.
#include "FinderLink/Frame/FrameBars.h"

namespace Kyvant {
namespace FinderLink {

namespace {

const UINT kBandStyle = RBBS_NOGRIPPER | RBBS_FIXEDBMP;

} // namespace

bool CreateToolBar(CFrameWnd& frame, KyToolBar& toolBar, UINT resourceId)
{
    return toolBar.CreateEx(&frame, TBSTYLE_FLAT | TBSTYLE_TRANSPARENT,
                            WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_TOOLTIPS | CBRS_FLYBY,
                            CRect(0, 0, 0, 0), AFX_IDW_TOOLBAR) &&
           toolBar.LoadToolBar(resourceId);
}

bool CreateReBar(CFrameWnd& frame, KyReBar& reBar, CWnd& toolBar, CWnd* labelledBar, UINT labelId)
{
    if (!reBar.Create(&frame, RBS_BANDBORDERS,
                      WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CBRS_TOP,
                      AFX_IDW_REBAR) ||
        !reBar.AddBar(&toolBar, nullptr, nullptr, kBandStyle))
        return false;
    if (labelledBar == nullptr)
        return true;
    CString label;
    label.LoadString(labelId);
    return reBar.AddBar(labelledBar, label, nullptr, kBandStyle) != FALSE;
}

} // namespace FinderLink
} // namespace Kyvant
