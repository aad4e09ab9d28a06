// WndEx: command-update handlers over a popup menu, and refreshing the cursor shape.
#include "KyGui/Helpers/WndEx.h"

#include <afxpriv.h>

namespace Kyvant {
namespace WndEx {

namespace {

constexpr UINT kSeparatorId = 0;
constexpr UINT kSubMenuId = static_cast<UINT>(-1);

// An item that opens a submenu is updated through the submenu's first command, never disabled.
bool PrepareItem(CCmdUI& state, CMenu& popup, UINT id)
{
    if (id != kSubMenuId) {
        state.m_nID = id;
        state.m_pSubMenu = nullptr;
        return true;
    }
    CMenu* subMenu = popup.GetSubMenu(static_cast<int>(state.m_nIndex));
    if (subMenu == nullptr)
        return false;
    UINT firstId = subMenu->GetMenuItemID(0);
    if (firstId == kSeparatorId || firstId == kSubMenuId)
        return false;
    state.m_nID = firstId;
    state.m_pSubMenu = subMenu;
    return true;
}

} // namespace

void DoPopupCmdUI(CMenu& popup, CCmdTarget& target, int isSystemMenu, bool disableIfNoHandler)
{
    if (isSystemMenu)
        return;
    CCmdUI state;
    state.m_pMenu = &popup;
    int count = static_cast<int>(popup.GetMenuItemCount());
    int lastRevisited = -1;
    for (int index = 0; index < count; ++index) {
        const UINT id = popup.GetMenuItemID(index);
        state.m_nIndex = static_cast<UINT>(index);
        state.m_nIndexMax = static_cast<UINT>(count);
        if (id == kSeparatorId || !PrepareItem(state, popup, id))
            continue;
        state.DoUpdate(&target, state.m_pSubMenu == nullptr && disableIfNoHandler);
        const int newCount = static_cast<int>(popup.GetMenuItemCount());
        const bool changed = newCount != count || popup.GetMenuItemID(index) != id;
        count = newCount;
        // A handler that changed the menu gets the position looked at again, once.
        if (changed && lastRevisited != index) {
            lastRevisited = index;
            --index;
        }
    }
}

void SendSetCursorMessage()
{
    POINT cursor;
    if (!::GetCursorPos(&cursor))
        return;
    HWND window = ::GetCapture();
    if (window == nullptr)
        window = ::WindowFromPoint(cursor);
    if (window == nullptr || ::GetWindowThreadProcessId(window, nullptr) != ::GetCurrentThreadId())
        return;
    LRESULT hitTest = ::SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(cursor.x, cursor.y));
    ::SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                   MAKELPARAM(static_cast<WORD>(hitTest), WM_MOUSEMOVE));
}

} // namespace WndEx
} // namespace Kyvant
