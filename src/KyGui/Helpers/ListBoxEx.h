// List box helpers: a whole number of rows high, and inserting a null text.
#pragma once

#include "KyGui/KyGuiExport.h"

#include <afxwin.h>

namespace Kyvant {
namespace ListBoxEx {

// Makes the client area max(rows that fit, minItems) rows high and returns the change; with
// moveFollowing the siblings first..last move by it, with resizeParent the parent grows by it.
// An item height of 0 or less throws std::invalid_argument.
KYGUI_API int SetIntegralHeight(CListBox& listBox, int itemHeight, bool resizeParent, bool moveFollowing,
                                CWnd* first, CWnd* last, bool repaint = true, int minItems = 1);
// LB_INSERTSTRING; a null text inserts an empty item with item data 0. Returns the new index.
KYGUI_API int XpBugInsertString(CListBox& listBox, int index, const char* text);

} // namespace ListBoxEx
} // namespace Kyvant
