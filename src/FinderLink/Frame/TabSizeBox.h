// What the Find and Replace frames share of their tab-size box: its items,
// one for each size, and whether the focus is in it.
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
