// Kyvant::Shell::MultiContextMenu: creating the handlers, merging their menus and routing commands.
#include "KyGui/Shell/MultiContextMenu.h"

#include "KyStd/Core/HandleWords.h"
#include "KyStd/Shell/ComError.h"

#include <algorithm>

namespace Kyvant {
namespace Shell {

namespace {

const UINT NoId = static_cast<UINT>(-1);

void CollectSubmenus(HMENU menu, std::vector<HMENU>& out)
{
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        HMENU sub = ::GetSubMenu(menu, i);
        if (sub != nullptr) {
            out.push_back(sub);
            CollectSubmenus(sub, out);
        }
    }
}

int PositionOfId(HMENU menu, UINT id)
{
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i)
        if (::GetSubMenu(menu, i) == nullptr && ::GetMenuItemID(menu, i) == id)
            return i;
    return -1;
}

bool IsMenuHandle(HMENU menu)
{
    return ::IsMenu(menu) != FALSE;
}

// Asks for an interface; E_NOINTERFACE gives null, other failures raise.
template <class I>
I* Query(IUnknown* from, REFIID iid)
{
    void* out = nullptr;
    const HRESULT hr = from->QueryInterface(iid, &out);
    if (hr == E_NOINTERFACE)
        return nullptr;
    if (FAILED(hr))
        _com_issue_error(hr);
    return static_cast<I*>(out);
}

} // namespace

void MultiContextMenu::Handler::ReleaseAll()
{
    if (menu3)
        menu3->Release();
    if (menu2)
        menu2->Release();
    if (menu)
        menu->Release();
    if (init)
        init->Release();
    menu3 = nullptr;
    menu2 = nullptr;
    menu = nullptr;
    init = nullptr;
}

MultiContextMenu::MultiContextMenu(const CommonRootGuids& guids)
    : m_refs(1), m_menu(nullptr), m_guids(&guids)
{
}

MultiContextMenu::~MultiContextMenu()
{
    for (Handler& h : m_handlers)
        h.ReleaseAll();
}

MultiContextMenu* MultiContextMenu::Create(const CommonRootGuids& guids, LPCITEMIDLIST folder,
                                           IDataObject* data, HKEY classKey)
{
    MultiContextMenu* merged = new MultiContextMenu(guids);
    HRESULT hr = S_OK;
    try {
        merged->LoadHandlers();
        hr = merged->InitializeHandlers(folder, data, classKey);
    } catch (...) {
        merged->Release();
        throw;
    }
    if (FAILED(hr)) {
        merged->Release();
        _com_issue_error(hr);
    }
    return merged;
}

// A handler is kept from its creation on, so that releasing the menu
// releases it whatever fails later.
void MultiContextMenu::LoadHandlers()
{
    for (const ky_I& guid : m_guids->Result()) {
        CLSID clsid;
        wchar_t wide[64] = {};
        ::MultiByteToWideChar(CP_ACP, 0, guid.c_str(), -1, wide, 63);
        if (FAILED(::CLSIDFromString(wide, &clsid)))
            continue;
        m_handlers.emplace_back();
        Handler& handler = m_handlers.back();
        handler.guid = guid;
        void* init = nullptr;
        if (FAILED(::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IShellExtInit,
                                      &init))) {
            m_handlers.pop_back();
            continue;
        }
        handler.init = static_cast<IShellExtInit*>(init);
    }
}

HRESULT MultiContextMenu::InitializeHandlers(LPCITEMIDLIST folder, IDataObject* data, HKEY classKey)
{
    for (auto it = m_handlers.begin(); it != m_handlers.end();) {
        Handler& h = *it;
        bool keep = false;
        if (SUCCEEDED(h.init->Initialize(folder, data, classKey))) {
            h.menu3 = Query<IContextMenu3>(h.init, IID_IContextMenu3);
            if (h.menu3 != nullptr) {
                h.menu2 = Query<IContextMenu2>(h.menu3, IID_IContextMenu2);
                h.menu = Query<IContextMenu>(h.menu3, IID_IContextMenu);
            } else {
                h.menu2 = Query<IContextMenu2>(h.init, IID_IContextMenu2);
                h.menu = Query<IContextMenu>(h.menu2 ? static_cast<IUnknown*>(h.menu2) : h.init,
                                             IID_IContextMenu);
            }
            keep = h.menu != nullptr;
        }
        if (keep) {
            ++it;
        } else {
            h.ReleaseAll();
            it = m_handlers.erase(it);
        }
    }
    return S_OK;
}

STDMETHODIMP MultiContextMenu::QueryInterface(REFIID iid, void** out)
{
    if (out == nullptr)
        return E_POINTER;
    *out = nullptr;
    if (iid == IID_IUnknown || iid == IID_IShellExtInit)
        *out = static_cast<IShellExtInit*>(this);
    else if (iid == IID_IContextMenu || iid == IID_IContextMenu2 || iid == IID_IContextMenu3)
        *out = static_cast<IContextMenu3*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) MultiContextMenu::AddRef()
{
    return ::InterlockedIncrement(&m_refs);
}

STDMETHODIMP_(ULONG) MultiContextMenu::Release()
{
    const LONG left = ::InterlockedDecrement(&m_refs);
    if (left == 0)
        delete this;
    return left;
}

STDMETHODIMP MultiContextMenu::Initialize(LPCITEMIDLIST folder, IDataObject* data, HKEY classKey)
{
    try {
        return InitializeHandlers(folder, data, classKey);
    } catch (const _com_error& e) {
        return e.Error();
    } catch (...) {
        return E_FAIL;
    }
}

bool MultiContextMenu::AddItems(Handler& h, HMENU menu, UINT index, UINT& nextId, UINT lastId,
                                UINT flags)
{
    std::vector<HMENU> before;
    CollectSubmenus(menu, before);
    const HRESULT hr = h.menu->QueryContextMenu(menu, index, nextId, lastId, flags);
    if (FAILED(hr))
        return false;
    h.firstId = nextId;
    h.endId = nextId + HRESULT_CODE(hr);
    nextId = h.endId;
    std::vector<HMENU> after;
    CollectSubmenus(menu, after);
    h.submenus.clear();
    for (HMENU sub : after)
        if (std::find(before.begin(), before.end(), sub) == before.end())
            h.submenus.push_back(sub);
    return true;
}

STDMETHODIMP MultiContextMenu::QueryContextMenu(HMENU menu, UINT index, UINT firstId, UINT lastId,
                                                UINT flags)
{
    m_menu = menu;
    UINT ownFirst = NoId;
    if (::GetMenuItemCount(menu) > 0 && ::GetSubMenu(menu, 0) == nullptr)
        ownFirst = ::GetMenuItemID(menu, 0);
    UINT nextId = firstId;
    std::vector<Handler*> aside;
    for (Handler& h : m_handlers) {
        if (m_guids->IsAllFilesGuid(h.guid))
            aside.push_back(&h);
        else
            AddItems(h, menu, index, nextId, lastId, flags);
    }
    if (ownFirst != NoId) {
        const int p = PositionOfId(menu, ownFirst);
        if (p >= 1)
            ::InsertMenuA(menu, p, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
        if (!aside.empty() && p >= 0) {
            bool any = false;
            for (Handler* h : aside)
                any = AddItems(*h, menu, p, nextId, lastId, flags) || any;
            if (any)
                ::InsertMenuA(menu, p, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
        }
    }
    return MAKE_HRESULT(SEVERITY_SUCCESS, 0, nextId - firstId);
}

MultiContextMenu::Handler* MultiContextMenu::HandlerOfId(UINT id)
{
    for (Handler& h : m_handlers)
        if (h.Holds(id))
            return &h;
    return nullptr;
}

STDMETHODIMP MultiContextMenu::InvokeCommand(CMINVOKECOMMANDINFO* info)
{
    if (info == nullptr || HIWORD(reinterpret_cast<UINT_PTR>(info->lpVerb)) != 0)
        return E_NOTIMPL;
    const UINT id = LOWORD(reinterpret_cast<UINT_PTR>(info->lpVerb)) + 1;
    Handler* h = HandlerOfId(id);
    if (h == nullptr)
        return E_NOTIMPL;
    CMINVOKECOMMANDINFO forwarded = *info;
    forwarded.lpVerb = MAKEINTRESOURCEA(id - h->firstId);
    return h->menu->InvokeCommand(&forwarded);
}

STDMETHODIMP MultiContextMenu::GetCommandString(UINT_PTR offset, UINT type, UINT* reserved,
                                                LPSTR buffer, UINT size)
{
    if (buffer != nullptr && size > 0)
        buffer[0] = '\0';
    const UINT id = static_cast<UINT>(offset) + 1;
    Handler* h = HandlerOfId(id);
    if (h == nullptr)
        return S_OK;
    return h->menu->GetCommandString(id - h->firstId, type, reserved, buffer, size);
}

MultiContextMenu::Handler* MultiContextMenu::HandlerOfSubmenu(HMENU key, bool needs3)
{
    for (Handler& h : m_handlers) {
        if (needs3 ? h.menu3 == nullptr : h.menu2 == nullptr)
            continue;
        if (std::find(h.submenus.begin(), h.submenus.end(), key) != h.submenus.end())
            return &h;
    }
    return nullptr;
}

STDMETHODIMP MultiContextMenu::HandleMenuMsg(UINT message, WPARAM wParam, LPARAM lParam)
{
    HMENU key = nullptr;
    switch (message) {
    case WM_DRAWITEM:
        key = reinterpret_cast<HMENU>(reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem);
        break;
    case WM_MEASUREITEM: {
        const UINT id = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemID;
        // A submenu's item names it by its handle.
        key = static_cast<HMENU>(WordToHandle(static_cast<HandleWord>(id)));
        if (!IsMenuHandle(key)) {
            for (Handler& h : m_handlers)
                if (h.menu2 != nullptr && h.Holds(id))
                    return h.menu2->HandleMenuMsg(message, wParam, lParam);
            return S_OK;
        }
        break;
    }
    case WM_INITMENUPOPUP:
        key = reinterpret_cast<HMENU>(wParam);
        break;
    default:
        return E_FAIL;
    }
    Handler* h = HandlerOfSubmenu(key, false);
    return h != nullptr ? h->menu2->HandleMenuMsg(message, wParam, lParam) : S_OK;
}

STDMETHODIMP MultiContextMenu::HandleMenuMsg2(UINT message, WPARAM wParam, LPARAM lParam,
                                              LRESULT* result)
{
    if (message == WM_MENUCHAR) {
        Handler* h = HandlerOfSubmenu(reinterpret_cast<HMENU>(lParam), true);
        if (h != nullptr)
            return h->menu3->HandleMenuMsg2(message, wParam, lParam, result);
    }
    if (result != nullptr)
        *result = 0;
    return S_OK;
}

} // namespace Shell
} // namespace Kyvant
