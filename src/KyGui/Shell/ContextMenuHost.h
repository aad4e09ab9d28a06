// Kyvant::Shell::IContextMenuHost and ExplorerContextMenuHost: showing a shell context menu for an owner window.
#pragma once

#include "KyGui/KyGuiExport.h"
#include "KyGui/Shell/FsObj.h"
#include "KyStd/Containers/Sequencer.h"

#include <afxwin.h>
#include <comdef.h>
#include <shlobj.h>

namespace Kyvant {
namespace Shell {

using IContextMenuPtr = _com_ptr_t<_com_IIID<IContextMenu, &IID_IContextMenu>>;
using IDataObjectPtr = _com_ptr_t<_com_IIID<IDataObject, &IID_IDataObject>>;

class KYGUI_API IContextMenuHost {
public:
    IContextMenuHost(CWnd& owner, bool ownEditCommands, bool openContainingFolder);
    virtual ~IContextMenuHost();
    IContextMenuHost(const IContextMenuHost&) = delete;
    IContextMenuHost& operator=(const IContextMenuHost&) = delete;

    // Keeps the menu (and its IContextMenu2/3 when it has them) and the data object.
    void SetInterfaces(IContextMenu* menu, IDataObject* data);
    void SetInterfaces(const IContextMenuPtr& menu, const IDataObjectPtr& data);
    void ResetInterfaces();

    HRESULT QueryContextMenu(HMENU menu, UINT index, UINT firstId, UINT lastId, UINT flags);
    HRESULT InvokeCommand(CMINVOKECOMMANDINFO* info);

    // Routes a menu's owner-drawn and menu-char messages while the menu is open.
    bool HandleContextMenuMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // Point in the owner's client coordinates; whether a command was carried out.
    bool DoContextMenu(POINT point);
    bool DoMultiContextMenu(const input_sequencer<FsObj>& selection, POINT point);

protected:
    CWnd& m_owner;

private:
    UINT Track(HMENU menu, POINT point);
    void AddOpenContainingFolder(HMENU menu);
    void SendToFrame(UINT command);
    bool Invoke(UINT offset);

    bool m_ownEditCommands;
    bool m_openContainingFolder;
    IContextMenu* m_menu;
    IContextMenu2* m_menu2;
    IContextMenu3* m_menu3;
    IDataObject* m_data;
};

class KYGUI_API ExplorerContextMenuHost : public IContextMenuHost {
public:
    ExplorerContextMenuHost(CWnd& owner, bool ownEditCommands, bool openContainingFolder);

    bool DoExplorerContextMenu(const input_sequencer<FsObj>& selection, POINT point);
    bool DoExplorerContextMenu(const wchar_t* path, POINT point);
    bool DoExplorerContextMenu(const char* path, POINT point);

private:
    CWnd& m_explorerOwner;
};

// The menu functions' popup menu's track call, replaceable so tests can choose.
using TrackPopupFunction = UINT (*)(HMENU menu, UINT flags, POINT screenPoint, HWND owner);
KYGUI_API TrackPopupFunction SetTrackPopupFunction(TrackPopupFunction f);

} // namespace Shell
} // namespace Kyvant
