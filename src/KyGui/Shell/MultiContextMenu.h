// Kyvant::Shell::MultiContextMenu: one context menu merged from the handlers common to a selection.
#pragma once

#include "KyGui/KyGuiExport.h"
#include "KyGui/Shell/CommonRootGuids.h"

#include <windows.h>
#include <shlobj.h>

#include <vector>

namespace Kyvant {
namespace Shell {

class KYGUI_API MultiContextMenu : public IContextMenu3, public IShellExtInit {
public:
    // Creates the handlers of the guids' result and initialises them; one
    // reference for the caller. A failing initialisation raises _com_error.
    static MultiContextMenu* Create(const CommonRootGuids& guids, LPCITEMIDLIST folder,
                                    IDataObject* data, HKEY classKey);

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    // IShellExtInit
    STDMETHODIMP Initialize(LPCITEMIDLIST folder, IDataObject* data, HKEY classKey) override;
    // IContextMenu
    STDMETHODIMP QueryContextMenu(HMENU menu, UINT index, UINT firstId, UINT lastId,
                                  UINT flags) override;
    STDMETHODIMP InvokeCommand(CMINVOKECOMMANDINFO* info) override;
    STDMETHODIMP GetCommandString(UINT_PTR offset, UINT type, UINT* reserved, LPSTR buffer,
                                  UINT size) override;
    // IContextMenu2, IContextMenu3
    STDMETHODIMP HandleMenuMsg(UINT message, WPARAM wParam, LPARAM lParam) override;
    STDMETHODIMP HandleMenuMsg2(UINT message, WPARAM wParam, LPARAM lParam,
                                LRESULT* result) override;

    unsigned HandlerCount() const { return static_cast<unsigned>(m_handlers.size()); }

private:
    struct Handler {
        ky_I guid;
        UINT firstId = 0;
        UINT endId = 0;
        std::vector<HMENU> submenus;
        IShellExtInit* init = nullptr;
        IContextMenu* menu = nullptr;
        IContextMenu2* menu2 = nullptr;
        IContextMenu3* menu3 = nullptr;
        bool Holds(UINT id) const { return id >= firstId && id < endId; }
        void ReleaseAll();
    };

    explicit MultiContextMenu(const CommonRootGuids& guids);
    virtual ~MultiContextMenu();
    // Creates a handler for each identifier of the guids' result.
    void LoadHandlers();
    HRESULT InitializeHandlers(LPCITEMIDLIST folder, IDataObject* data, HKEY classKey);
    bool AddItems(Handler& handler, HMENU menu, UINT index, UINT& nextId, UINT lastId, UINT flags);
    Handler* HandlerOfId(UINT id);
    Handler* HandlerOfSubmenu(HMENU key, bool needs3);

    LONG m_refs;
    HMENU m_menu;
    const CommonRootGuids* m_guids;
    std::vector<Handler> m_handlers;
};

} // namespace Shell
} // namespace Kyvant
