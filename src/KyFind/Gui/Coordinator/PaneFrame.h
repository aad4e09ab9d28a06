// PaneFrame: what the view coordinator and the panes ask of the frame that
// holds them: status texts by string id and the frame window itself, to
// which they send the pane commands and whose active view they set.
#pragma once

#include <afxwin.h>

class PaneFrame {
public:
    // The frame's idle status ("Ready").
    static const UINT kIdleStatus = AFX_IDS_IDLEMESSAGE;

    virtual ~PaneFrame() {}

    // Shows the string's text in the status bar, now or on the frame's
    // short status timer; the notices are shown highlighted.
    virtual void SetStatus(UINT stringId, bool atOnce) = 0;
    // The file view loaded another file (the title names it).
    virtual void OnShownFileChanged() = 0;
    // The tab size changed (a tab-size box shows it again).
    virtual void OnTabSizeChanged() = 0;
    virtual CFrameWnd& GetFrameWnd() = 0;
};
