// Small drawing and window chores of the buttons that the library's shared
// window and GDI helpers are to take over: an off-screen DC for one item,
// the dialog-like test and the command-UI update of a popup menu.
#pragma once

#include <afxwin.h>

namespace Kyvant {
namespace ButtonSupport {

// Draws into a bitmap of the rectangle and copies it to the target when it ends.
class OffscreenDC : public CDC
{
public:
    OffscreenDC(CDC& target, const RECT& rc);
    ~OffscreenDC() override;
    OffscreenDC(const OffscreenDC&) = delete;
    OffscreenDC& operator=(const OffscreenDC&) = delete;

private:
    CDC& m_target;
    CRect m_rc;
    HBITMAP m_bitmap;
    HGDIOBJ m_oldBitmap;
};

// True when the window's class name starts with "dialog" or it is a CDialog.
bool IsDialogLike(CWnd* pWnd);

// Runs the target's update handlers over the popup's items.
void DoPopupCmdUI(CMenu* pPopup, CCmdTarget* pTarget);

} // namespace ButtonSupport
} // namespace Kyvant
