// Combo box helpers: comparing and selecting by an exactly equal entry.
#pragma once

#include "KyGui/KyGuiExport.h"

#include <afxwin.h>
#include <afxcmn.h>

namespace Kyvant {
namespace ComboBoxEx {

// The current selection is the entry exactly equal to the text and the shown text equals it
// (without regard to case).
KYGUI_API bool CurSelEquals(CComboBox& combo, const char* text);
KYGUI_API bool CurSelEquals(CComboBoxEx& combo, const char* text);
// Selects the exactly equal entry (the CB_SETCURSEL result); without one, sets the combo box's
// text and returns CB_ERR.
KYGUI_API int SetCurSelExact(CComboBox& combo, const char* text);

} // namespace ComboBoxEx
} // namespace Kyvant
