// Window chores of the list boxes: geometry, dialog focus, inserts, themes.
#include "KyGui/Lists/ListWindowChores.h"

#include <cstring>

namespace Kyvant {
namespace ListChores {

namespace {

const int kDialogPrefixLength = 6;

bool IsDialogLike(HWND hWnd)
{
    char name[16] = {};
    ::GetClassNameA(hWnd, name, sizeof name);
    if (std::strcmp(name, "#32770") == 0)
        return true;
    if (::_strnicmp(name, "dialog", kDialogPrefixLength) == 0)
        return true;
    CWnd* object = CWnd::FromHandlePermanent(hWnd);
    return object != nullptr && object->IsKindOf(RUNTIME_CLASS(CDialog));
}

} // namespace

CRect WindowRectInParent(const CWnd& wnd)
{
    CRect rect;
    wnd.GetWindowRect(&rect);
    HWND parent = ::GetParent(wnd.GetSafeHwnd());
    if (parent != nullptr)
        ::MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void GiveDialogFocus(CWnd& control)
{
    HWND focus = ::GetFocus();
    HWND self = control.GetSafeHwnd();
    if (focus == self || ::IsChild(self, focus))
        return;
    HWND parent = ::GetParent(self);
    if (parent != nullptr && IsDialogLike(parent))
        ::SendMessageA(parent, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(self), TRUE);
    else
        ::SetFocus(self);
}

int InsertNullableString(CListBox& list, int index, const char* text)
{
    const int at = list.InsertString(index, text != nullptr ? text : "");
    if (text == nullptr && at >= 0)
        list.SetItemData(at, 0);
    return at;
}

bool AppThemed()
{
    using IsThemedFn = BOOL(WINAPI*)();
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    if (!::GetVersionExA(&version) || version.dwMajorVersion < 5
        || (version.dwMajorVersion == 5 && version.dwMinorVersion < 1))
        return false;
    HMODULE uxtheme = ::GetModuleHandleA("uxtheme.dll");
    if (uxtheme == nullptr)
        uxtheme = ::LoadLibraryA("uxtheme.dll");
    if (uxtheme == nullptr)
        return false;
    auto isThemed = reinterpret_cast<IsThemedFn>(
        reinterpret_cast<void*>(::GetProcAddress(uxtheme, "IsAppThemed")));
    return isThemed != nullptr && isThemed() != FALSE;
}

} // namespace ListChores
} // namespace Kyvant
