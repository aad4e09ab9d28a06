// What the Find and Replace frames share of their tab-size box: its items,
// one for each size, whether the focus is in it, and its entries in the
// frame's message map.
#pragma once

#include <afxcmn.h>

namespace Kyvant {
namespace FinderLink {

// Items with the numbers from first to last, in order.
void FillTabSizeBox(CComboBoxEx& box, int first, int last);

// The focus is in the box or one of its children.
bool HasFocusWithin(const CWnd& box);

} // namespace FinderLink
} // namespace Kyvant

// The tab-size box's entries of a frame's message map: an item chosen, the
// list closed without one, the end of an edit, and Enter and Escape (the
// bar's IDOK and IDCANCEL), to the frame's handlers of these names.
#define KYVANT_TAB_SIZE_BOX_MESSAGES(boxId)                                                        \
    ON_CBN_SELENDOK(boxId, OnTabSizeSelEndOk)                                                      \
    ON_CONTROL(CBN_SELENDCANCEL, boxId, OnTabSizeSelEndCancel)                                     \
    ON_NOTIFY(CBEN_ENDEDITA, boxId, OnTabSizeEndEdit)                                              \
    ON_COMMAND(IDOK, OnBarOk)                                                                      \
    ON_COMMAND(IDCANCEL, OnBarCancel)
