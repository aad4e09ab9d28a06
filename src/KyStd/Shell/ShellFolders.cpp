// The desktop folder, parsing names to lists, binding folders, parents and UI objects of items.
#include "KyStd/Shell/ShellFolders.h"

#include "KyStd/Shell/Co.h"
#include "KyStd/Shell/ItemIdList.h"
#include "KyStd/Shell/ProcessComObject.h"
#include "KyStd/Shell/ShellText.h"

#include <cstring>
#include <new>
#include <string>

namespace Kyvant {
namespace Shell {

// Names the desktop folder's entry in the static data manager.
struct DesktopFolderTag {};

IShellFolder* GetDesktopFolder()
{
    return ProcessComObject<IShellFolder, DesktopFolderTag>::Get([] {
        IShellFolder* p = nullptr;
        Co::Vet(SHGetDesktopFolder(&p));
        return p;
    });
}

LPITEMIDLIST GetPidl(IShellFolder* folder, const wchar_t* name, HWND hwnd)
{
    if (!folder || !name)
        Co::Throw(E_POINTER);
    // ParseDisplayName takes a writable string: give it a private copy.
    std::wstring copy;
    try {
        copy.assign(name);
    } catch (const std::bad_alloc&) {
        Co::Throw(E_OUTOFMEMORY);
    }
    LPITEMIDLIST pidl = nullptr;
    ULONG eaten = 0;
    Co::Vet(folder->ParseDisplayName(hwnd, nullptr, &copy[0], &eaten, &pidl, nullptr));
    if (!pidl)
        Co::Throw(E_FAIL);
    return pidl;
}

LPITEMIDLIST GetPidl(IShellFolder* folder, const char* name, HWND hwnd)
{
    if (!name)
        Co::Throw(E_POINTER);
    return GetPidl(folder, ToWide(name, static_cast<unsigned>(std::strlen(name))).c_str(), hwnd);
}

namespace {

// Binds an absolute list from the desktop; takes ownership of pidl and hands
// it to *out (or frees it) whether or not the bind succeeds.
IShellFolder* BindAbsolute(LPITEMIDLIST pidl, LPITEMIDLIST* out)
{
    IShellFolder* desktop = GetDesktopFolder();
    IShellFolder* folder = nullptr;
    HRESULT hr = S_OK;
    if (Count(pidl) == 0) {
        desktop->AddRef();
        folder = desktop;
    } else {
        hr = desktop->BindToObject(pidl, nullptr, IID_IShellFolder,
                                   reinterpret_cast<void**>(&folder));
        if (SUCCEEDED(hr) && !folder)
            hr = E_FAIL;
    }
    if (FAILED(hr) || !out)
        MallocDeleter()(pidl);
    else
        *out = pidl;
    Co::Vet(hr);
    return folder;
}

// Holds an item's size at zero while it lives, cutting the list before it.
class ListCut {
public:
    explicit ListCut(LPITEMIDLIST item) : cb_(&item->mkid.cb), saved_(*cb_) { *cb_ = 0; }
    ~ListCut() { *cb_ = saved_; }
    ListCut(const ListCut&) = delete;
    ListCut& operator=(const ListCut&) = delete;

private:
    USHORT* cb_;
    USHORT saved_;
};

} // namespace

IShellFolder* GetFolder(const wchar_t* name, LPITEMIDLIST* out, HWND hwnd)
{
    return BindAbsolute(GetPidl(GetDesktopFolder(), name, hwnd), out);
}

IShellFolder* GetFolder(const char* name, LPITEMIDLIST* out, HWND hwnd)
{
    return BindAbsolute(GetPidl(GetDesktopFolder(), name, hwnd), out);
}

IShellFolder* GetSpecialFolder(int csidl, LPITEMIDLIST* out, HWND hwnd)
{
    LPITEMIDLIST pidl = nullptr;
    Co::Vet(SHGetSpecialFolderLocation(hwnd, csidl, &pidl));
    if (!pidl)
        Co::Throw(E_FAIL);
    return BindAbsolute(pidl, out);
}

IShellFolder* GetParent(IShellFolder* folder, LPITEMIDLIST pidl, LPITEMIDLIST* last)
{
    LPITEMIDLIST item = pidl;
    if (!item || item->mkid.cb == 0)
        Co::Throw(E_INVALIDARG);
    while (LPITEMIDLIST next = Next(item))
        item = next;
    if (last)
        *last = item;
    if (item == pidl) {
        if (folder)
            folder->AddRef();
        return folder;
    }
    if (!folder)
        Co::Throw(E_POINTER);
    IShellFolder* parent = nullptr;
    HRESULT hr;
    {
        ListCut cut(item);
        hr = folder->BindToObject(pidl, nullptr, IID_IShellFolder,
                                  reinterpret_cast<void**>(&parent));
    }
    Co::Vet(hr);
    return parent;
}

void* GetUIObjectOf(IShellFolder* folder, LPITEMIDLIST pidl, const IID& iid, HWND hwnd)
{
    LPITEMIDLIST last = nullptr;
    IShellFolder* parent = GetParent(folder, pidl, &last);
    if (!parent)
        Co::Throw(E_POINTER);
    void* object = nullptr;
    LPCITEMIDLIST item = last;
    HRESULT hr = parent->GetUIObjectOf(hwnd, 1, &item, iid, nullptr, &object);
    parent->Release();
    Co::Vet(hr);
    return object;
}

} // namespace Shell
} // namespace Kyvant
