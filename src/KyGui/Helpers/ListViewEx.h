// List view helpers: the single selection and the focused row.
#pragma once

#include "KyGui/KyGuiExport.h"

#include <afxcmn.h>

namespace Kyvant {
namespace ListViewEx {

// The selected row when exactly one is selected, else -1.
KYGUI_API int GetCurSel(const CListCtrl& list);
// Only the row selected and focused (index < 0: nothing selected).
KYGUI_API void SetCurSel(CListCtrl& list, int index, bool makeVisible = true);
KYGUI_API int GetFocusItem(const CListCtrl& list);
// The focus moved to the row (index < 0: cleared); the selection is not touched.
KYGUI_API void SetFocusItem(CListCtrl& list, int index, bool makeVisible = true);

} // namespace ListViewEx
} // namespace Kyvant
