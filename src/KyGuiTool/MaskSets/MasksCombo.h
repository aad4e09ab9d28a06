// Putting a text into a page's masks combo: its exactly equal entry selected,
// or the text shown with no entry selected.
#pragma once

#include <afxwin.h>

namespace Kyvant {
namespace MasksCombo {

// ComboBoxEx::SetCurSelExact after clearing the selection, so that no entry
// stays selected under a text that is not that entry.
void Show(CComboBox& masks, const char* text);

} // namespace MasksCombo
} // namespace Kyvant
