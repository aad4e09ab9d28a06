// The frames' tab-size box: its items and its focus.
#include "FinderLink/Frame/TabSizeBox.h"

#include <string>

namespace Kyvant {
namespace FinderLink {

void FillTabSizeBox(CComboBoxEx& box, int first, int last)
{
    for (int size = first; size <= last; ++size) {
        const std::string text = std::to_string(size);
        COMBOBOXEXITEMA item = {};
        item.mask = CBEIF_TEXT;
        item.iItem = size - first;
        item.pszText = const_cast<char*>(text.c_str());
        box.InsertItem(&item);
    }
}

bool HasFocusWithin(const CWnd& box)
{
    const HWND focus = ::GetFocus();
    return focus != nullptr && box.GetSafeHwnd() != nullptr &&
           (focus == box.m_hWnd || ::IsChild(box.m_hWnd, focus));
}

} // namespace FinderLink
} // namespace Kyvant
