// An Explorer of the tests: a CF_HDROP data object of chosen paths and the
// extension object created through COM, initialised with it, asked for its
// menu and told to run an entry.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

namespace kytest {

// Hands out a fresh DROPFILES block of ANSI paths for each GetData, or
// fails every request when empty.
class DropData : public IDataObject {
public:
    explicit DropData(std::vector<std::string> paths) : refs_(1), paths_(std::move(paths)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        *out = nullptr;
        if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IDataObject))
            return E_NOINTERFACE;
        *out = this;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG n = --refs_;
        if (n == 0)
            delete this;
        return n;
    }
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override
    {
        if (paths_.empty() || format->cfFormat != CF_HDROP || !(format->tymed & TYMED_HGLOBAL))
            return DV_E_FORMATETC;
        std::string list;
        for (const std::string& p : paths_)
            list += p + '\0';
        list += '\0';
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + list.size());
        auto* drop = static_cast<DROPFILES*>(GlobalLock(block));
        drop->pFiles = sizeof(DROPFILES);
        memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(), list.size());
        GlobalUnlock(block);
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = block;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }

private:
    virtual ~DropData() = default;
    LONG refs_;
    std::vector<std::string> paths_;
};

const CLSID kShellExtClsid = {
    0x57E25520, 0x4EBA, 0x11D2, {0xAF, 0x21, 0x00, 0xE0, 0x29, 0x1D, 0x26, 0x88}};

// The first command id the host gives, and the end of its range.
const UINT kFirstId = 100;
const UINT kLastId = 0x7FFF;

class ExplorerHost {
public:
    ExplorerHost()
    {
        created = CoCreateInstance(kShellExtClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IContextMenu,
                                   reinterpret_cast<void**>(&menu_));
        if (menu_)
            menu_->QueryInterface(IID_IShellExtInit, reinterpret_cast<void**>(&init_));
        popup_ = CreatePopupMenu();
    }
    ~ExplorerHost()
    {
        if (init_)
            init_->Release();
        if (menu_)
            menu_->Release();
        DestroyMenu(popup_);
    }
    ExplorerHost(const ExplorerHost&) = delete;
    ExplorerHost& operator=(const ExplorerHost&) = delete;

    HRESULT Initialize(const std::vector<std::string>& paths)
    {
        IDataObject* data = new DropData(paths);
        const HRESULT hr = init_->Initialize(nullptr, data, nullptr);
        data->Release();
        return hr;
    }
    HRESULT Query(UINT flags = CMF_NORMAL, UINT first = kFirstId, UINT last = kLastId)
    {
        return menu_->QueryContextMenu(popup_, 0, first, last, flags);
    }
    HRESULT Invoke(UINT offset)
    {
        CMINVOKECOMMANDINFO info = {};
        info.cbSize = sizeof info;
        info.lpVerb = MAKEINTRESOURCEA(offset);
        info.nShow = SW_SHOWNORMAL;
        return menu_->InvokeCommand(&info);
    }
    // Initialize with the paths, build the menu and run the entry.
    HRESULT Run(const std::vector<std::string>& paths, UINT offset)
    {
        Initialize(paths);
        Query();
        return Invoke(offset);
    }

    IContextMenu* Menu() const { return menu_; }
    HMENU Popup() const { return popup_; }
    HRESULT created = E_FAIL;

private:
    IContextMenu* menu_ = nullptr;
    IShellExtInit* init_ = nullptr;
    HMENU popup_ = nullptr;
};

} // namespace kytest
