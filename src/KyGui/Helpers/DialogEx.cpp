// DialogEx: dialog-like windows, focus moves, push buttons and focus recovery.
#include "KyGui/Helpers/DialogEx.h"

#include <cstring>
#include <vector>

namespace Kyvant {
namespace DialogEx {

namespace {

const char kDialogPrefix[] = "dialog";
constexpr int kDialogPrefixLength = 6;
constexpr int kClassNameLength = 64;
constexpr UINT kButtonTypeBits = 0x1F;

bool Qualifies(HWND window)
{
    const LONG style = ::GetWindowLongA(window, GWL_STYLE);
    return (style & WS_VISIBLE) && !(style & WS_DISABLED) && (style & WS_TABSTOP);
}

bool IsEnteredParent(HWND window)
{
    const LONG style = ::GetWindowLongA(window, GWL_STYLE);
    return (::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) && (style & WS_VISIBLE) &&
           !(style & WS_DISABLED);
}

// Every descendant in tab order, entering the children of visible, enabled control parents.
void CollectControls(HWND parent, std::vector<HWND>& controls)
{
    for (HWND child = ::GetWindow(parent, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        controls.push_back(child);
        if (IsEnteredParent(child))
            CollectControls(child, controls);
    }
}

bool CanTakeFocus(HWND window)
{
    return Qualifies(window) && !IsEnteredParent(window);
}

HWND FindControl(const std::vector<HWND>& controls, size_t from, size_t to)
{
    for (size_t i = from; i < to; ++i)
        if (CanTakeFocus(controls[i]))
            return controls[i];
    return nullptr;
}

HWND NextFocusTarget(HWND dialog, HWND after)
{
    std::vector<HWND> controls;
    CollectControls(dialog, controls);
    size_t start = 0;
    for (size_t i = 0; after != nullptr && i < controls.size(); ++i)
        if (controls[i] == after)
            start = i + 1;
    HWND found = FindControl(controls, start, controls.size());
    if (found == nullptr && start > 0)
        found = FindControl(controls, 0, start - 1);
    return found;
}

} // namespace

bool IsDialogLike(CWnd& window)
{
    char className[kClassNameLength] = {};
    ::GetClassNameA(window.m_hWnd, className, kClassNameLength);
    if (_strnicmp(className, kDialogPrefix, kDialogPrefixLength) == 0)
        return true;
    return window.IsKindOf(RUNTIME_CLASS(CDialog)) != FALSE;
}

void GotoDialogControl(CWnd& control, bool send)
{
    HWND parent = ::GetParent(control.m_hWnd);
    if (parent != nullptr && IsDialogLike(*CWnd::FromHandle(parent))) {
        const WPARAM target = reinterpret_cast<WPARAM>(control.m_hWnd);
        if (send)
            ::SendMessageA(parent, WM_NEXTDLGCTL, target, TRUE);
        else
            ::PostMessageA(parent, WM_NEXTDLGCTL, target, TRUE);
    } else {
        ::SetFocus(control.m_hWnd);
    }
}

void EnablePushButton(CButton& button, bool enable, CWnd& dialog)
{
    if (!enable) {
        if (button.SendMessage(WM_GETDLGCODE) & DLGC_DEFPUSHBUTTON)
            button.SendMessage(BM_SETSTYLE, button.GetStyle() & ~kButtonTypeBits, TRUE);
        if (::GetFocus() == button.m_hWnd) {
            // The next tab stop takes the focus; the dialog itself when there is none.
            HWND next = NextFocusTarget(dialog.m_hWnd, button.m_hWnd);
            if (next != nullptr && next != button.m_hWnd)
                GotoDialogControl(*CWnd::FromHandle(next), true);
            else
                GotoDialogControl(dialog, true);
        }
    }
    button.EnableWindow(enable ? TRUE : FALSE);
}

void SetFocus(CWnd& control)
{
    HWND focus = ::GetFocus();
    if (focus == control.m_hWnd || (focus != nullptr && ::IsChild(control.m_hWnd, focus)))
        return;
    GotoDialogControl(control, true);
}

void ResetFocus(CWnd& dialog, CWnd* after)
{
    HWND target = NextFocusTarget(dialog.m_hWnd, after != nullptr ? after->m_hWnd : nullptr);
    if (target != nullptr)
        GotoDialogControl(*CWnd::FromHandle(target), true);
    else
        ::SetFocus(dialog.m_hWnd);
}

void RecoverFromDisabledFocusWindow(CWnd& dialog, CWnd* after)
{
    HWND focus = ::GetFocus();
    if (focus != nullptr && ::IsChild(dialog.m_hWnd, focus) && ::IsWindowEnabled(focus))
        return;
    ResetFocus(dialog, after);
}

} // namespace DialogEx
} // namespace Kyvant
