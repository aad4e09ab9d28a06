// Display names of shell items, special-folder paths and long names of paths.
#include "KyStd/Shell/ShellNames.h"

#include "KyStd/Shell/Co.h"
#include "KyStd/Shell/ItemIdList.h"
#include "KyStd/Shell/ShellFolders.h"
#include "KyStd/Shell/ShellText.h"

#include <cstring>
#include <cwchar>
#include <memory>

namespace Kyvant {
namespace Shell {

namespace {

using ShellList = std::unique_ptr<ITEMIDLIST, MallocDeleter>;

// Length of s without reading past max characters.
unsigned BoundedLength(const char* s, unsigned max)
{
    const void* end = std::memchr(s, '\0', max);
    return end ? static_cast<unsigned>(static_cast<const char*>(end) - s) : max;
}

} // namespace

ky_S ToNarrowString(STRRET& name, LPCITEMIDLIST pidl)
{
    switch (name.uType) {
    case STRRET_WSTR: {
        std::unique_ptr<wchar_t, MallocDeleter> wide(name.pOleStr);
        name.pOleStr = nullptr;
        if (!wide)
            return ky_S();
        std::string narrow = ToNarrow(wide.get(), static_cast<unsigned>(std::wcslen(wide.get())));
        return ky_S(narrow.data(), static_cast<unsigned>(narrow.size()));
    }
    case STRRET_OFFSET: {
        // The text lies inside the item; it may not run past the list's end.
        unsigned size = Size(pidl);
        if (!pidl || name.uOffset >= size)
            Co::Throw(E_INVALIDARG);
        const char* text = reinterpret_cast<const char*>(pidl) + name.uOffset;
        return ky_S(text, BoundedLength(text, size - name.uOffset));
    }
    case STRRET_CSTR:
        return ky_S(name.cStr, BoundedLength(name.cStr, sizeof name.cStr));
    default:
        Co::Throw(E_FAIL);
    }
}

ky_I GetDisplayName(IShellFolder* folder, LPCITEMIDLIST pidl, DWORD flags, HWND)
{
    if (!folder)
        Co::Throw(E_POINTER);
    STRRET name = {};
    Co::Vet(folder->GetDisplayNameOf(pidl, flags, &name));
    return ky_I(ToNarrowString(name, pidl));
}

ky_F GetSpecialFolderPath(int csidl, HWND hwnd)
{
    LPITEMIDLIST raw = nullptr;
    Co::Vet(SHGetSpecialFolderLocation(hwnd, csidl, &raw));
    ShellList pidl(raw);
    return ky_F(GetDisplayName(GetDesktopFolder(), pidl.get(), SHGDN_FORPARSING, hwnd));
}

ky_F GetLongName(const char* path, long* hr, HWND hwnd)
{
    if (!path) {
        if (hr)
            *hr = E_POINTER;
        return ky_F();
    }
    try {
        IShellFolder* desktop = GetDesktopFolder();
        ShellList pidl(GetPidl(desktop, path, hwnd));
        ky_F name(GetDisplayName(desktop, pidl.get(), SHGDN_FORPARSING, hwnd));
        if (hr)
            *hr = S_OK;
        return name;
    } catch (const _com_error& e) {
        if (hr)
            *hr = e.Error();
        return ky_F(path);
    }
}

} // namespace Shell
} // namespace Kyvant
