// Kyvant::Shell::IContextMenuHost: keeping a menu's interfaces, routing its messages, showing it.
#include "KyGui/Shell/ContextMenuHost.h"

#include "KyGui/Module/KyGuiModule.h"
#include "KyGui/Shell/ShellIds.h"
#include "KyStd/Shell/ComError.h"

namespace Kyvant {
namespace Shell {

namespace {

const UINT FirstCommandId = 1;
const UINT LastCommandId = 0x7FFF;
const UINT VerbBufferSize = 80;

UINT WINAPI_TrackPopup(HMENU menu, UINT flags, POINT screenPoint, HWND owner)
{
    return static_cast<UINT>(
        ::TrackPopupMenu(menu, flags, screenPoint.x, screenPoint.y, 0, owner, nullptr));
}

TrackPopupFunction& TrackFunction()
{
    static TrackPopupFunction f = WINAPI_TrackPopup;
    return f;
}

struct OwnEditCommand {
    UINT offset;
    const char* verb;
    UINT command;
};

const OwnEditCommand OwnEditCommands[] = {
    {17, "delete", ID_EDIT_CLEAR},
    {24, "cut", ID_EDIT_CUT},
    {25, "copy", ID_EDIT_COPY},
};

template <class I>
I* QueryOptional(IUnknown* from, REFIID iid)
{
    void* out = nullptr;
    const HRESULT hr = from->QueryInterface(iid, &out);
    if (hr == E_NOINTERFACE)
        return nullptr;
    if (FAILED(hr))
        _com_issue_error(hr);
    return static_cast<I*>(out);
}

template <class I>
void ReleaseAndClear(I*& p)
{
    if (p != nullptr)
        p->Release();
    p = nullptr;
}

bool IsOwnMultiCommand(UINT command)
{
    return (command >= ID_KY_OWN_FIRST && command <= ID_KY_OWN_LAST) ||
           command == ID_KY_OPEN_CONTAINING_FOLDER || command == ID_EDIT_CLEAR ||
           command == ID_EDIT_COPY || command == ID_EDIT_CUT;
}

class MenuHolder {
public:
    explicit MenuHolder(HMENU menu) : m_menu(menu) {}
    ~MenuHolder() { ::DestroyMenu(m_menu); }
    MenuHolder(const MenuHolder&) = delete;
    MenuHolder& operator=(const MenuHolder&) = delete;

private:
    HMENU m_menu;
};

} // namespace

TrackPopupFunction SetTrackPopupFunction(TrackPopupFunction f)
{
    TrackPopupFunction old = TrackFunction();
    TrackFunction() = f != nullptr ? f : WINAPI_TrackPopup;
    return old;
}

IContextMenuHost::IContextMenuHost(CWnd& owner, bool ownEditCommands, bool openContainingFolder)
    : m_owner(owner), m_ownEditCommands(ownEditCommands),
      m_openContainingFolder(openContainingFolder), m_menu(nullptr), m_menu2(nullptr),
      m_menu3(nullptr), m_data(nullptr)
{
}

IContextMenuHost::~IContextMenuHost()
{
    ResetInterfaces();
}

// A menu that fails a query is not kept.
void IContextMenuHost::SetInterfaces(IContextMenu* menu, IDataObject* data)
{
    ResetInterfaces();
    if (menu != nullptr) {
        menu->AddRef();
        m_menu = menu;
        try {
            m_menu2 = QueryOptional<IContextMenu2>(menu, IID_IContextMenu2);
            m_menu3 = QueryOptional<IContextMenu3>(menu, IID_IContextMenu3);
        } catch (...) {
            ResetInterfaces();
            throw;
        }
    }
    if (data != nullptr) {
        data->AddRef();
        m_data = data;
    }
}

void IContextMenuHost::SetInterfaces(const IContextMenuPtr& menu, const IDataObjectPtr& data)
{
    SetInterfaces(menu.GetInterfacePtr(), data.GetInterfacePtr());
}

void IContextMenuHost::ResetInterfaces()
{
    ReleaseAndClear(m_menu3);
    ReleaseAndClear(m_menu2);
    ReleaseAndClear(m_menu);
    ReleaseAndClear(m_data);
}

HRESULT IContextMenuHost::QueryContextMenu(HMENU menu, UINT index, UINT firstId, UINT lastId,
                                           UINT flags)
{
    if (m_menu == nullptr)
        _com_issue_error(E_POINTER);
    return m_menu->QueryContextMenu(menu, index, firstId, lastId, flags);
}

HRESULT IContextMenuHost::InvokeCommand(CMINVOKECOMMANDINFO* info)
{
    if (m_menu == nullptr)
        _com_issue_error(E_POINTER);
    return m_menu->InvokeCommand(info);
}

bool IContextMenuHost::HandleContextMenuMsg(UINT message, WPARAM wParam, LPARAM lParam,
                                            LRESULT& result)
{
    switch (message) {
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
        if (m_menu2 == nullptr)
            return false;
        m_menu2->HandleMenuMsg(message, wParam, lParam);
        result = TRUE;
        return true;
    case WM_INITMENUPOPUP:
        if (m_menu2 == nullptr)
            return false;
        m_menu2->HandleMenuMsg(message, wParam, lParam);
        result = 0;
        return true;
    case WM_MENUCHAR:
        if (m_menu3 == nullptr)
            return false;
        if (FAILED(m_menu3->HandleMenuMsg2(message, wParam, lParam, &result)))
            result = 0;
        return true;
    default:
        return false;
    }
}

UINT IContextMenuHost::Track(HMENU menu, POINT point)
{
    m_owner.ClientToScreen(&point);
    return TrackFunction()(menu, TPM_RIGHTBUTTON | TPM_RETURNCMD, point, m_owner.GetSafeHwnd());
}

void IContextMenuHost::SendToFrame(UINT command)
{
    CWnd* frame = m_owner.GetParentFrame();
    CWnd* target = frame != nullptr ? frame : &m_owner;
    target->SendMessage(WM_COMMAND, command, 0);
}

bool IContextMenuHost::Invoke(UINT offset)
{
    CMINVOKECOMMANDINFO info = {};
    info.cbSize = sizeof info;
    info.hwnd = m_owner.GetSafeHwnd();
    info.lpVerb = MAKEINTRESOURCEA(offset);
    info.nShow = SW_SHOWNORMAL;
    return SUCCEEDED(InvokeCommand(&info));
}

void IContextMenuHost::AddOpenContainingFolder(HMENU menu)
{
    if (!m_openContainingFolder)
        return;
    char text[VerbBufferSize] = {};
    ::LoadStringA(KyGuiModule(), IDS_KY_OPEN_CONTAINING_FOLDER, text, VerbBufferSize);
    ::InsertMenuA(menu, 0, MF_BYPOSITION | MF_STRING, ID_KY_OPEN_CONTAINING_FOLDER, text);
    if (::GetMenuItemCount(menu) > 1 &&
        (::GetMenuState(menu, 1, MF_BYPOSITION) & MF_SEPARATOR) == 0)
        ::InsertMenuA(menu, 1, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
}

bool IContextMenuHost::DoContextMenu(POINT point)
{
    HMENU menu = ::CreatePopupMenu();
    if (menu == nullptr)
        AfxThrowResourceException();
    MenuHolder holder(menu);
    if (FAILED(QueryContextMenu(menu, 0, FirstCommandId, LastCommandId, CMF_EXPLORE)))
        return false;
    AddOpenContainingFolder(menu);
    const UINT command = Track(menu, point);
    if (command == 0)
        return false;
    if (command == ID_KY_OPEN_CONTAINING_FOLDER) {
        SendToFrame(command);
        return true;
    }
    const UINT offset = command - 1;
    if (m_ownEditCommands) {
        for (const OwnEditCommand& own : OwnEditCommands) {
            if (own.offset != offset)
                continue;
            char verb[VerbBufferSize] = {};
            if (SUCCEEDED(
                    m_menu->GetCommandString(offset, GCS_VERBA, nullptr, verb, VerbBufferSize)) &&
                lstrcmpiA(verb, own.verb) == 0) {
                SendToFrame(own.command);
                return true;
            }
        }
    }
    return Invoke(offset);
}

bool IContextMenuHost::DoMultiContextMenu(const input_sequencer<FsObj>&, POINT point)
{
    HMENU loaded = ::LoadMenuA(KyGuiModule(), MAKEINTRESOURCEA(IDR_KY_MULTICONTEXTMENU));
    if (loaded == nullptr)
        AfxThrowResourceException();
    MenuHolder holder(loaded);
    HMENU menu = ::GetSubMenu(loaded, 0);
    if (menu == nullptr)
        AfxThrowResourceException();
    if (FAILED(QueryContextMenu(menu, 0, FirstCommandId, LastCommandId, CMF_EXPLORE)))
        return false;
    AddOpenContainingFolder(menu);
    const UINT command = Track(menu, point);
    if (command == 0)
        return false;
    if (IsOwnMultiCommand(command)) {
        SendToFrame(command);
        return true;
    }
    return Invoke(command - 1);
}

} // namespace Shell
} // namespace Kyvant
