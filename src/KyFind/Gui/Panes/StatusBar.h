// StatusBar: the Find frame's status bar. Its message pane is drawn by the
// bar itself so that a notice ("Passed the last match") stands out in the
// highlight colours.
#pragma once

#include <afxext.h>

class StatusBar : public CStatusBar {
public:
    StatusBar() = default;

    // Makes pane 0 owner-drawn; call after SetIndicators.
    void UseOwnerDrawnMessagePane();
    // Whether the message pane's text is a notice.
    void SetNotice(bool notice) { m_notice = notice; }
    bool IsNotice() const { return m_notice; }

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

private:
    bool m_notice = false;
};
