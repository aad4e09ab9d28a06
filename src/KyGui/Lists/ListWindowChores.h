// Window chores of the list boxes kept private to them: geometry, dialog
// focus, null-text inserts and the visual-styles check.
#pragma once

#include <afxwin.h>

namespace Kyvant {
namespace ListChores {

// The window's rectangle in its parent's client coordinates.
CRect WindowRectInParent(const CWnd& wnd);
// Moves the dialog focus to the control unless it is on the control or inside it.
void GiveDialogFocus(CWnd& control);
// LB_INSERTSTRING of the text (an empty one for null); a null text's item data is 0.
int InsertNullableString(CListBox& list, int index, const char* text);
// Visual styles are on for this application.
bool AppThemed();

} // namespace ListChores
} // namespace Kyvant
