// Dialog data exchange of the base library's strings with edit, static,
// list-box and combo-box controls, and their length and required-value checks.
#pragma once

#include "KyGui/KyGuiExport.h"
#include "KyStd/Strings/String.h"

#include <afxwin.h>

// Each moves the control's text to the string when saving and the string to
// the control when loading (see each for how a list or combo is filled).
KYGUI_API void DDX_string_edit(CDataExchange* pDX, int id, Kyvant::ky_BSB<char>& value);
KYGUI_API void DDX_string_edit2(CDataExchange* pDX, int id, Kyvant::ky_BSB<char>& value);
KYGUI_API void DDX_string_static(CDataExchange* pDX, int id, Kyvant::ky_BSB<char>& value);
// Loading selects the first item that starts with the text (none for an empty
// text or when none matches); saving takes the current item's text (empty
// when none).
KYGUI_API void DDX_LB_string(CDataExchange* pDX, int id, Kyvant::ky_BSB<char>& value);
// Loading selects the item equal to the text, or none.
KYGUI_API void DDX_LB_string_exact(CDataExchange* pDX, int id, Kyvant::ky_BSB<char>& value);
// Loading selects the first item that starts with the (non-empty) text, else
// shows the text; saving takes the combo's text.
KYGUI_API void DDX_CB_string(CDataExchange* pDX, int id, Kyvant::ky_BSB<char>& value);
KYGUI_API void DDX_CB_string2(CDataExchange* pDX, int id, Kyvant::ky_BSB<char>& value);
// Loading selects the item equal to the text, else shows the text.
KYGUI_API void DDX_CB_string_exact(CDataExchange* pDX, int id, Kyvant::ky_BSB<char>& value);
KYGUI_API void DDX_CB_string_exact2(CDataExchange* pDX, int id, Kyvant::ky_BSB<char>& value);

// Saving: a text longer than max (0: no limit) is refused with the standard
// prompt and the exchange fails. Loading: an edit control is limited to max.
KYGUI_API void DDV_string_MaxLength(CDataExchange* pDX, const Kyvant::ky_BSB<char>& value,
                                    unsigned long max);
// As DDV_string_MaxLength; saving also refuses an empty text.
KYGUI_API void DDV_string_required_MaxLength(CDataExchange* pDX, const Kyvant::ky_BSB<char>& value,
                                             unsigned long max);

namespace Kyvant {

// Makes the control the one a failed check returns the focus to (with its
// text selected when it is an edit control).
KYGUI_API void ky_DDV_PrepareCtrl(CDataExchange& dx, CWnd& control);
// Shows the message (MB_OK), or only beeps when it is null, then fails the exchange.
[[noreturn]] KYGUI_API void ky_DDV_General_Fail(CDataExchange& dx, const char* message);
// The dialog's control; a missing one fails the exchange without a message.
KYGUI_API CWnd& ky_DDV_GetDlgItem(CDataExchange& dx, int id);

} // namespace Kyvant
