// Resolving a shortcut to its stored target; any other file gives its own path.
#include "KyStd/Shell/ShellLink.h"

#include "KyStd/Shell/Co.h"
#include "KyStd/Shell/ShellText.h"

#include <shlobj.h>

#include <cstring>
#include <cwchar>
#include <memory>
#include <string>

namespace Kyvant {
namespace Shell {

namespace {

struct Release {
    void operator()(IUnknown* p) const { p->Release(); }
};

// The stored target, or an empty string when there is none.
ky_F StoredTarget(const wchar_t* path, long* hr)
{
    IShellLinkA* rawLink = nullptr;
    Co::Vet(CoCreateInstance(CLSID_ShellLink, nullptr,
                             CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER,
                             IID_IShellLinkA, reinterpret_cast<void**>(&rawLink)));
    std::unique_ptr<IShellLinkA, Release> link(rawLink);
    IPersistFile* rawFile = nullptr;
    Co::Vet(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&rawFile)));
    std::unique_ptr<IPersistFile, Release> file(rawFile);
    Co::Vet(file->Load(path, STGM_READ));

    char target[MAX_PATH] = {};
    HRESULT result = link->GetPath(target, MAX_PATH, nullptr, SLGP_UNCPRIORITY);
    if (hr)
        *hr = result;
    if (FAILED(result))
        return ky_F();
    target[MAX_PATH - 1] = '\0';
    return ky_F(target);
}

ky_F Resolve(const wchar_t* wide, const ky_F& own, long* hr)
{
    try {
        ky_F target = StoredTarget(wide, hr);
        return target.empty() ? own : target;
    } catch (const _com_error& e) {
        if (hr)
            *hr = e.Error();
        return own;
    }
}

} // namespace

ky_F ResolveLink(const wchar_t* path, long* hr)
{
    if (!path) {
        if (hr)
            *hr = E_POINTER;
        return ky_F();
    }
    std::string narrow = ToNarrow(path, static_cast<unsigned>(std::wcslen(path)));
    return Resolve(path, ky_F(narrow.data(), static_cast<unsigned>(narrow.size())), hr);
}

ky_F ResolveLink(const char* path, unsigned length, long* hr)
{
    if (!path) {
        if (hr)
            *hr = E_POINTER;
        return ky_F();
    }
    return Resolve(ToWide(path, length).c_str(), ky_F(path, length), hr);
}

ky_F ResolveLink(const char* path, long* hr)
{
    return ResolveLink(path, path ? static_cast<unsigned>(std::strlen(path)) : 0u, hr);
}

} // namespace Shell
} // namespace Kyvant
