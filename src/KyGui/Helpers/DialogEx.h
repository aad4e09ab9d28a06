// Dialog helpers: dialog-like windows, moving the focus, push buttons and recovering a lost focus.
#pragma once

#include "KyGui/KyGuiExport.h"

#include <afxwin.h>

namespace Kyvant {
namespace DialogEx {

// A window whose class name starts with "dialog", or a CDialog (or form view) object.
KYGUI_API bool IsDialogLike(CWnd& window);
// WM_NEXTDLGCTL to a dialog-like parent (sent or posted), else a plain SetFocus.
KYGUI_API void GotoDialogControl(CWnd& control, bool send = true);
// Enables or disables a push button; a disabled button keeps neither the default style nor the focus.
KYGUI_API void EnablePushButton(CButton& button, bool enable, CWnd& dialog);
// Moves the focus to the control unless it is already on or inside it.
KYGUI_API void SetFocus(CWnd& control);
// The focus to the first visible, enabled tab stop after `after` (from the start when null),
// entering WS_EX_CONTROLPARENT children; the dialog itself when there is none.
KYGUI_API void ResetFocus(CWnd& dialog, CWnd* after = nullptr);
// ResetFocus unless the focus is on an enabled child of the dialog.
KYGUI_API void RecoverFromDisabledFocusWindow(CWnd& dialog, CWnd* after = nullptr);

} // namespace DialogEx
} // namespace Kyvant
