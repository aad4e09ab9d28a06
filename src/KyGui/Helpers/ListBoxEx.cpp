// ListBoxEx: integral heights and inserting null texts.
#include "KyGui/Helpers/ListBoxEx.h"

#include "KyGui/Helpers/WndEx.h"

#include <algorithm>
#include <stdexcept>

namespace Kyvant {
namespace ListBoxEx {

namespace {

void GrowBy(HWND window, int delta, bool repaint)
{
    CRect rect;
    ::GetWindowRect(window, &rect);
    UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
    if (!repaint)
        flags |= SWP_NOREDRAW;
    ::SetWindowPos(window, nullptr, 0, 0, rect.Width(), rect.Height() + delta, flags);
}

} // namespace

int SetIntegralHeight(CListBox& listBox, int itemHeight, bool resizeParent, bool moveFollowing, CWnd* first,
                      CWnd* last, bool repaint, int minItems)
{
    if (itemHeight <= 0)
        throw std::invalid_argument("SetIntegralHeight: the item height must be positive.");
    CRect client;
    listBox.GetClientRect(&client);
    const int rows = std::max(client.Height() / itemHeight, minItems);
    const int delta = rows * itemHeight - client.Height();
    if (delta == 0)
        return 0;
    GrowBy(listBox.m_hWnd, delta, repaint);
    if (moveFollowing)
        WndEx::MoveWindows(0, delta, first, last, repaint);
    HWND parent = ::GetParent(listBox.m_hWnd);
    if (resizeParent && parent != nullptr)
        GrowBy(parent, delta, repaint);
    return delta;
}

int XpBugInsertString(CListBox& listBox, int index, const char* text)
{
    const int inserted = static_cast<int>(
        listBox.SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text ? text : "")));
    if (text == nullptr && inserted >= 0)
        listBox.SendMessage(LB_SETITEMDATA, static_cast<WPARAM>(inserted), 0);
    return inserted;
}

} // namespace ListBoxEx
} // namespace Kyvant
