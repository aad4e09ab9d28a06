// Kyvant::Shell::ExplorerContextMenuHost: the Explorer menu for one path or for a selection.
#include "KyGui/Shell/ContextMenuHost.h"

#include "KyGui/Shell/CommonRootGuids.h"
#include "KyGui/Shell/DropFiles.h"
#include "KyGui/Shell/MultiContextMenu.h"
#include "KyGui/Shell/SelectionWalk.h"
#include "KyStd/Shell/ComError.h"
#include "KyStd/Shell/ItemIdList.h"
#include "KyStd/Shell/ShellFolders.h"
#include "KyStd/Shell/ShellText.h"

#include <string>

namespace Kyvant {
namespace Shell {

namespace {

class Releaser {
public:
    explicit Releaser(IUnknown* p) : m_p(p) {}
    ~Releaser()
    {
        if (m_p != nullptr)
            m_p->Release();
    }
    Releaser(const Releaser&) = delete;
    Releaser& operator=(const Releaser&) = delete;

private:
    IUnknown* m_p;
};

class PidlHolder {
public:
    explicit PidlHolder(LPITEMIDLIST p) : m_p(p) {}
    ~PidlHolder() { GetShellMalloc()->Free(m_p); }
    PidlHolder(const PidlHolder&) = delete;
    PidlHolder& operator=(const PidlHolder&) = delete;
    LPITEMIDLIST get() const { return m_p; }

private:
    LPITEMIDLIST m_p;
};

class InterfacesReset {
public:
    explicit InterfacesReset(IContextMenuHost& host) : m_host(host) {}
    ~InterfacesReset() { m_host.ResetInterfaces(); }
    InterfacesReset(const InterfacesReset&) = delete;
    InterfacesReset& operator=(const InterfacesReset&) = delete;

private:
    IContextMenuHost& m_host;
};

} // namespace

ExplorerContextMenuHost::ExplorerContextMenuHost(CWnd& owner, bool ownEditCommands,
                                                 bool openContainingFolder)
    : IContextMenuHost(owner, ownEditCommands, openContainingFolder), m_explorerOwner(owner)
{
}

bool ExplorerContextMenuHost::DoExplorerContextMenu(const input_sequencer<FsObj>& selection,
                                                    POINT point)
{
    CommonRootGuids guids(CommonRootGuids::ShellExContextMenuHandlers);
    unsigned listBytes = 0;
    if (!WalkSelection(selection, guids, listBytes))
        return false;
    IDataObject* data = CreateDropFilesDataObject(MakeDropFilesBlock(selection, listBytes));
    Releaser dataReleaser(data);
    // The creation reference goes with this scope whatever happens, and with
    // the menu every handler it loaded.
    IContextMenu3* menu = MultiContextMenu::Create(guids, nullptr, data, nullptr);
    Releaser menuReleaser(menu);
    InterfacesReset reset(*this);
    SetInterfaces(menu, data);
    return DoMultiContextMenu(selection, point);
}

bool ExplorerContextMenuHost::DoExplorerContextMenu(const wchar_t* path, POINT point)
{
    HWND owner = m_explorerOwner.GetSafeHwnd();
    IShellFolder* desktop = GetDesktopFolder();
    PidlHolder pidl(GetPidl(desktop, path, owner));
    IContextMenu* menu =
        static_cast<IContextMenu*>(GetUIObjectOf(desktop, pidl.get(), IID_IContextMenu, owner));
    Releaser menuReleaser(menu);
    InterfacesReset reset(*this);
    SetInterfaces(menu, nullptr);
    return DoContextMenu(point);
}

bool ExplorerContextMenuHost::DoExplorerContextMenu(const char* path, POINT point)
{
    const std::wstring wide = ToWide(path, static_cast<unsigned>(strlen(path)), CP_ACP);
    return DoExplorerContextMenu(wide.c_str(), point);
}

} // namespace Shell
} // namespace Kyvant
