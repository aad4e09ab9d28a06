// Building the "Kyvant Tools" submenu from the user's tool list.
#include "KyShellX/ShellExt.h"

#include "KyStd/Registry/RegKey.h"

#include <cstddef>

namespace {

const char kToolsKey[] = "Software\\Kyvant\\Tools";
const char kMenuList[] = "ExplorerContextMenu";
const char kSubmenuText[] = "Kyvant Tools";
const char kSeparatorCaption[] = "-";
const unsigned kMaxEntries = 100;

// The caption of an entry: the text before the first '|'.
Kyvant::ky_S Caption(const Kyvant::ky_S& entry)
{
    const unsigned bar = entry.find("|", 0, 1);
    return bar == Kyvant::ky_S::npos ? entry : entry.substr(0, bar);
}

// Appends every entry; false when an append failed.
bool AppendEntries(HMENU popup, Kyvant::RegSeqReader<Kyvant::ky_S>& reader, UINT firstId)
{
    UINT id = firstId;
    for (const Kyvant::ky_S* entry = reader.GetFirst(); entry; entry = reader.GetNext(), ++id) {
        const Kyvant::ky_S caption = Caption(*entry);
        const BOOL ok = caption.compare(kSeparatorCaption) == 0
                            ? AppendMenuA(popup, MF_SEPARATOR, 0, nullptr)
                            : AppendMenuA(popup, MF_STRING, id, caption.c_str());
        if (!ok)
            return false;
    }
    return true;
}

// The submenu item; the structure's size is the one every system knows.
bool InsertSubmenu(HMENU menu, UINT index, UINT id, HMENU popup)
{
    MENUITEMINFOA item = {};
    item.cbSize = offsetof(MENUITEMINFOA, hbmpItem);
    item.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_TYPE;
    item.fType = MFT_STRING;
    item.wID = id;
    item.hSubMenu = popup;
    item.dwTypeData = const_cast<char*>(kSubmenuText);
    return InsertMenuItemA(menu, index, TRUE, &item) != FALSE;
}

} // namespace

HRESULT CShellExt::BuildToolMenu(HMENU menu, UINT index, UINT firstId, UINT lastId)
{
    reader_.reset();
    reader_.reset(new MenuReader(Kyvant::RegKey(HKEY_CURRENT_USER, kToolsKey), kMenuList, true));
    const unsigned n = reader_->Count();
    if (n == 0 || n > kMaxEntries || n + 1 >= lastId - firstId)
        return E_FAIL;
    HMENU popup = CreatePopupMenu();
    if (!popup)
        return E_FAIL;
    if (AppendEntries(popup, *reader_, firstId) && InsertSubmenu(menu, index, firstId + n, popup))
        return MAKE_HRESULT(SEVERITY_SUCCESS, 0, n + 1);
    DestroyMenu(popup);
    return E_FAIL;
}
