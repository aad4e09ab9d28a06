// The extension object's life, its faces, Initialize and the thin menu entry points.
#include "KyShellX/ShellExt.h"

#include "KyShellX/Module.h"

namespace {

// uFlags of QueryContextMenu.
const UINT kMenuKindMask = 0xF;
const UINT kVerbsOnlyOrExplore = CMF_VERBSONLY | CMF_EXPLORE;

} // namespace

CShellExt::CShellExt() : refs_(1), medium_(), held_(false)
{
    KyShellX::ObjectCreated();
}

CShellExt::~CShellExt()
{
    ReleaseSelection();
    KyShellX::ObjectDestroyed();
}

HRESULT CShellExt::QueryInterface(REFIID iid, void** out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IShellExtInit))
        *out = static_cast<IShellExtInit*>(this);
    else if (IsEqualIID(iid, IID_IContextMenu))
        *out = static_cast<IContextMenu*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

ULONG CShellExt::AddRef()
{
    return ++refs_;
}

ULONG CShellExt::Release()
{
    const LONG n = --refs_;
    if (n == 0)
        delete this;
    return n;
}

void CShellExt::ReleaseSelection()
{
    if (held_)
        ReleaseStgMedium(&medium_);
    held_ = false;
}

HRESULT CShellExt::Initialize(LPCITEMIDLIST, IDataObject* data, HKEY)
{
    if (!data)
        return E_NOTIMPL;
    ReleaseSelection();
    FORMATETC format = {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    if (FAILED(data->GetData(&format, &medium_)))
        return E_NOTIMPL;
    held_ = true;
    return S_OK;
}

HRESULT CShellExt::QueryContextMenu(HMENU menu, UINT index, UINT firstId, UINT lastId,
                                    UINT flags)
{
    const bool wanted = (flags & kMenuKindMask) == CMF_NORMAL || (flags & kVerbsOnlyOrExplore);
    if (!held_ || !wanted)
        return E_FAIL;
    try {
        return BuildToolMenu(menu, index, firstId, lastId);
    } catch (...) {
        return E_FAIL;
    }
}

HRESULT CShellExt::InvokeCommand(CMINVOKECOMMANDINFO* info)
{
    if (!info)
        return E_INVALIDARG;
    try {
        return RunMenuCommand(*info);
    } catch (...) {
        return E_FAIL;
    }
}

// Nothing to describe: an empty text in the form asked for, and nothing at
// all for a validation request or a buffer that cannot take it.
HRESULT CShellExt::GetCommandString(UINT_PTR, UINT flags, UINT*, CHAR* name, UINT size)
{
    if ((flags & ~GCS_UNICODE) == GCS_VALIDATEA || !name || size == 0)
        return S_OK;
    if (flags & GCS_UNICODE)
        *reinterpret_cast<WCHAR*>(name) = L'\0';
    else
        *name = '\0';
    return S_OK;
}
