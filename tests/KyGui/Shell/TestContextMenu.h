// A scripted context-menu handler for the shell menu tests: it logs what it is given and adds a set
// number of items.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

struct TestMenuLog {
    std::vector<std::string> paths; // the CF_HDROP list Initialize received
    int initializeCalls = 0;
    int invoked = -1; // the offset InvokeCommand received
    UINT firstId = 0; // the first id QueryContextMenu received
};

class TestContextMenu : public IContextMenu, public IShellExtInit {
public:
    TestContextMenu(const char* label, int items, TestMenuLog* log, bool refuseInit = false,
                    bool hasMenu = true, std::vector<std::string> verbs = {})
        : m_refs(1), m_label(label), m_items(items), m_log(log), m_refuseInit(refuseInit),
          m_hasMenu(hasMenu), m_verbs(verbs)
    {
        ++Live();
    }
    virtual ~TestContextMenu() { --Live(); }

    // How many handlers exist now.
    static int& Live()
    {
        static int live = 0;
        return live;
    }

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override
    {
        *out = nullptr;
        if (iid == IID_IUnknown || iid == IID_IShellExtInit)
            *out = static_cast<IShellExtInit*>(this);
        else if (iid == IID_IContextMenu && m_hasMenu)
            *out = static_cast<IContextMenu*>(this);
        else
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++m_refs; }
    STDMETHODIMP_(ULONG) Release() override
    {
        const ULONG left = --m_refs;
        if (left == 0)
            delete this;
        return left;
    }

    STDMETHODIMP Initialize(LPCITEMIDLIST, IDataObject* data, HKEY) override
    {
        if (m_log)
            ++m_log->initializeCalls;
        if (m_refuseInit)
            return E_FAIL;
        if (data != nullptr && m_log) {
            FORMATETC format = {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
            STGMEDIUM medium = {};
            if (SUCCEEDED(data->GetData(&format, &medium))) {
                HDROP drop = static_cast<HDROP>(medium.hGlobal);
                const UINT count = ::DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
                for (UINT i = 0; i < count; ++i) {
                    char path[MAX_PATH];
                    ::DragQueryFileA(drop, i, path, MAX_PATH);
                    m_log->paths.push_back(path);
                }
                ::ReleaseStgMedium(&medium);
            }
        }
        return S_OK;
    }

    STDMETHODIMP QueryContextMenu(HMENU menu, UINT index, UINT firstId, UINT, UINT) override
    {
        if (m_log)
            m_log->firstId = firstId;
        for (int i = 0; i < m_items; ++i) {
            const std::string text = m_label + std::to_string(i);
            ::InsertMenuA(menu, index + i, MF_BYPOSITION | MF_STRING, firstId + i, text.c_str());
        }
        return MAKE_HRESULT(SEVERITY_SUCCESS, 0, m_items);
    }
    STDMETHODIMP InvokeCommand(CMINVOKECOMMANDINFO* info) override
    {
        if (m_log)
            m_log->invoked = LOWORD(reinterpret_cast<UINT_PTR>(info->lpVerb));
        return S_OK;
    }
    STDMETHODIMP GetCommandString(UINT_PTR offset, UINT type, UINT*, LPSTR buffer,
                                  UINT size) override
    {
        if (type != GCS_VERBA || offset >= m_verbs.size())
            return E_INVALIDARG;
        lstrcpynA(buffer, m_verbs[offset].c_str(), size);
        return S_OK;
    }

private:
    ULONG m_refs;
    std::string m_label;
    int m_items;
    TestMenuLog* m_log;
    bool m_refuseInit;
    bool m_hasMenu;
    std::vector<std::string> m_verbs;
};

// A class object that makes TestContextMenu handlers, for CoRegisterClassObject.
class TestMenuFactory : public IClassFactory {
public:
    TestMenuFactory(const char* label, int items, TestMenuLog* log, bool refuseInit = false,
                    bool hasMenu = true)
        : m_label(label), m_items(items), m_log(log), m_refuseInit(refuseInit), m_hasMenu(hasMenu)
    {
    }
    virtual ~TestMenuFactory() {}
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override
    {
        *out = nullptr;
        if (iid != IID_IUnknown && iid != IID_IClassFactory)
            return E_NOINTERFACE;
        *out = static_cast<IClassFactory*>(this);
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** out) override
    {
        *out = nullptr;
        if (outer != nullptr)
            return CLASS_E_NOAGGREGATION;
        TestContextMenu* menu =
            new TestContextMenu(m_label.c_str(), m_items, m_log, m_refuseInit, m_hasMenu);
        const HRESULT hr = menu->QueryInterface(iid, out);
        menu->Release();
        return hr;
    }
    STDMETHODIMP LockServer(BOOL) override { return S_OK; }

private:
    std::string m_label;
    int m_items;
    TestMenuLog* m_log;
    bool m_refuseInit;
    bool m_hasMenu;
};
