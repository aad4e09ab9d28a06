// What the Indexing Service page's tests share: the query library's
// stand-in serving a script of computers and catalogs, the settings dialog
// opened on the page, its registry places, and reading back and driving the
// catalog tree as a user sees and uses it.
#pragma once

#include "KyConTool/IndexingServiceTestSupport.h"
#include "KyConTool/IndexingService/IndexingServiceMRU.h"
#include "KyGuiTool/IndexingServicePage/IndexingServicePageResource.h"
#include "KyGuiTool/IndexingServicePage/KyCatalogTreeCtrl.h"
#include "KyGuiTool/IndexingServicePage/PathPlanIndexingServiceSubDialog.h"
#include "KyStd/Registry/RegKey.h"
#include "KyStd/Registry/RegMRU.h"
#include "PathPlans/PathPlanTestSupport.h"

#include <afxcmn.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace istree {

using namespace pathplantest;

const std::string kPageGuid = Kyvant::PageGuids::PathPlan::IndexingService.c_str();

// This computer with System and Web; "far" with Docs and Mail; "gone",
// whose service cannot be asked. This computer's catalogs cover every
// scope, as catalogs of shares would; each computer's own are its own.
const char kComputers[] = "catalog|.|System|0x0|\n"
                          "catalog|.|Web|0x0|\n"
                          "catalog|far|Docs|0x0|\\\\far\n"
                          "catalog|far|Mail|0x0|\\\\far\n"
                          "locateerr|0|0x800706BA|\\\\gone\n";

inline std::string PageKeyPath()
{
    return PageKey(kPageGuid);
}

// A DWORD value; -1 when absent or of another type.
inline long long Dword(const std::string& key, const char* name)
{
    const RegValue value = RegValue::Read(key, name);
    if (!value.exists || value.type != REG_DWORD || value.data.size() != 4)
        return -1;
    DWORD number = 0;
    std::memcpy(&number, value.data.data(), 4);
    return number;
}
inline void SetDword(const std::string& key, const char* name, DWORD number)
{
    RegValue{true, REG_DWORD, std::string(reinterpret_cast<const char*>(&number), 4)}.Write(key,
                                                                                            name);
}

// The search parameters as the page's key keeps them.
inline void SeedSearch(const std::string& key, const std::string& query, DWORD mode, DWORD sortBy,
                       DWORD sortDirection)
{
    SetValue(key, "IS_Query", query);
    SetDword(key, "IS_Mode", mode);
    SetDword(key, "IS_SortBy", sortBy);
    SetDword(key, "IS_SortDir", sortDirection);
}

// The history of queries as the registry holds it now, most recent first
// (shared with every page that takes a query, so tests look at its head).
inline Strings QueryHistory(size_t head)
{
    Kyvant::RegMRUReader<Kyvant::ky_S> list(Kyvant::RegKey(HKEY_CURRENT_USER, kPathPlanDbKey),
                                            "ISQueryMRU");
    Strings entries;
    for (const Kyvant::ky_S* e = list.GetFirst(); e != nullptr && entries.size() < head;
         e = list.GetNext())
        entries.push_back(e->c_str());
    return entries;
}

// The scopes whose catalogs were listed, each once, in order.
inline Strings ListedScopes(const istest::QueryScript& script)
{
    Strings scopes;
    for (const std::string& line : script.Log("LocateCatalogsW scope=")) {
        const std::string scope = line.substr(22, line.find(" index=") - 22);
        if (std::find(scopes.begin(), scopes.end(), scope) == scopes.end())
            scopes.push_back(scope);
    }
    return scopes;
}

// Each test starts on the page with the script above and no stored page
// settings or query history.
class IndexingServiceTest : public PathPlanTest {
protected:
    IndexingServiceTest()
    {
        ClearPageKeys();
        m_query.Write(kComputers);
        SetValue(OptionsKey(), "PageGUID", kPageGuid);
    }
    ~IndexingServiceTest() override
    {
        ClearPageKeys();
        KyCatalogTreeCtrl::SetThemeQuery(nullptr);
    }

    static void ClearPageKeys()
    {
        Kyvant::RegKey db(HKEY_CURRENT_USER, kPathPlanDbKey);
        db.DeleteKey(kPageGuid.c_str());
        // A task saved by an earlier test would be opened at the start.
        const std::string app = std::string(kToolsKey) + "\\" + AfxGetAppName();
        Kyvant::RegKey(HKEY_CURRENT_USER, app.c_str()).DeleteValue("Last File Used");
    }

    istest::QueryScript m_query;
};

inline PathPlanIndexingServiceSubDialog& Page(Host& host)
{
    return *host.tabs->GetIndexingService();
}

inline KyCatalogTreeCtrl& Tree(Host& host)
{
    return Page(host).GetCatalogTree();
}

inline std::string ItemText(HWND tree, HTREEITEM item)
{
    char text[256] = "";
    TVITEMA tv = {};
    tv.mask = TVIF_TEXT;
    tv.hItem = item;
    tv.pszText = text;
    tv.cchTextMax = sizeof text;
    ::SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
    return text;
}

// Each item as "text image state", catalogs indented by two blanks, in
// tree order.
inline Strings Shown(KyCatalogTreeCtrl& tree)
{
    Strings rows;
    auto row = [&](HTREEITEM item, const char* indent) {
        TVITEMA tv = {};
        tv.mask = TVIF_IMAGE | TVIF_STATE;
        tv.hItem = item;
        tv.stateMask = TVIS_STATEIMAGEMASK;
        ::SendMessageA(tree.m_hWnd, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
        rows.push_back(indent + ItemText(tree.m_hWnd, item) + " " + std::to_string(tv.iImage) +
                       " " + std::to_string((tv.state & TVIS_STATEIMAGEMASK) >> 12));
    };
    for (HTREEITEM computer = TreeView_GetRoot(tree.m_hWnd); computer != nullptr;
         computer = TreeView_GetNextSibling(tree.m_hWnd, computer)) {
        row(computer, "");
        for (HTREEITEM catalog = TreeView_GetChild(tree.m_hWnd, computer); catalog != nullptr;
             catalog = TreeView_GetNextSibling(tree.m_hWnd, catalog))
            row(catalog, "  ");
    }
    return rows;
}

// The item shown with the text: a computer, or with "computer/catalog" a
// catalog under it.
inline HTREEITEM Item(KyCatalogTreeCtrl& tree, const std::string& path)
{
    const size_t slash = path.find('/');
    const std::string computer = path.substr(0, slash);
    for (HTREEITEM item = TreeView_GetRoot(tree.m_hWnd); item != nullptr;
         item = TreeView_GetNextSibling(tree.m_hWnd, item)) {
        if (ItemText(tree.m_hWnd, item) != computer)
            continue;
        if (slash == std::string::npos)
            return item;
        for (HTREEITEM catalog = TreeView_GetChild(tree.m_hWnd, item); catalog != nullptr;
             catalog = TreeView_GetNextSibling(tree.m_hWnd, catalog)) {
            if (ItemText(tree.m_hWnd, catalog) == path.substr(slash + 1))
                return catalog;
        }
    }
    ADD_FAILURE() << "no item " << path;
    return nullptr;
}

// A click on the item's check box, found as the tree's hit test finds it.
inline void ClickCheck(KyCatalogTreeCtrl& tree, const std::string& path, bool twice = false)
{
    HTREEITEM item = Item(tree, path);
    RECT text = {};
    TreeView_GetItemRect(tree.m_hWnd, item, &text, TRUE);
    const int y = (text.top + text.bottom) / 2;
    for (int x = 0; x < text.left; ++x) {
        TVHITTESTINFO hit = {};
        hit.pt = {x, y};
        ::SendMessageA(tree.m_hWnd, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        if (hit.hItem != item || (hit.flags & TVHT_ONITEMSTATEICON) == 0)
            continue;
        const LPARAM at = MAKELPARAM(x, y);
        ::SendMessageA(tree.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
        ::SendMessageA(tree.m_hWnd, WM_LBUTTONUP, 0, at);
        if (twice) {
            ::SendMessageA(tree.m_hWnd, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
            ::SendMessageA(tree.m_hWnd, WM_LBUTTONUP, 0, at);
        }
        return;
    }
    ADD_FAILURE() << "no check box for " << path;
}

inline void Select(KyCatalogTreeCtrl& tree, const std::string& path)
{
    ::SendMessageA(tree.m_hWnd, TVM_SELECTITEM, TVGN_CARET,
                   reinterpret_cast<LPARAM>(Item(tree, path)));
}

inline void Key(KyCatalogTreeCtrl& tree, UINT key)
{
    ::SendMessageA(tree.m_hWnd, WM_KEYDOWN, key, 0);
    ::SendMessageA(tree.m_hWnd, WM_KEYUP, key, 0);
}

// A toolbar button pressed with the mouse.
inline void PressButton(KyCatalogTreeCtrl& tree, UINT command)
{
    CToolBarCtrl& bar = tree.GetToolBar();
    RECT rect;
    bar.GetItemRect(static_cast<int>(bar.CommandToIndex(command)), &rect);
    const LPARAM middle = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    ::SendMessageA(bar.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, middle);
    ::SendMessageA(bar.m_hWnd, WM_LBUTTONUP, 0, middle);
}

// The next Add Computer dialog gets the name typed and OK pressed (then
// Cancel, when the name is to be refused); the script runs first.
template <class F>
void AnswerAddComputer(const std::string& name, bool refused, F script)
{
    OnNextModalIdle([name, refused, script](CWnd* dialog) {
        script(*dialog);
        ::SetDlgItemTextA(dialog->m_hWnd, IDC_KY_ADD_COMPUTER_NAME, name.c_str());
        ::PostMessageA(dialog->m_hWnd, WM_COMMAND, IDOK, 0);
        if (refused)
            ::PostMessageA(dialog->m_hWnd, WM_COMMAND, IDCANCEL, 0);
    });
}
inline void AnswerAddComputer(const std::string& name, bool refused = false)
{
    AnswerAddComputer(name, refused, [](CWnd&) {});
}

// The check changes the tree sends to its parent while the object lives, as
// "state" texts in order.
class CheckMessages {
public:
    CheckMessages()
        : m_hook(::SetWindowsHookExA(WH_CALLWNDPROC, &OnCall, nullptr, ::GetCurrentThreadId()))
    {
        Seen().clear();
    }
    ~CheckMessages() { ::UnhookWindowsHookEx(m_hook); }
    CheckMessages(const CheckMessages&) = delete;
    CheckMessages& operator=(const CheckMessages&) = delete;

    // The new states of the catalogs, one a change.
    std::vector<int> States() const { return Seen(); }
    // The changes to the given new state.
    size_t Count(int state) const
    {
        size_t n = 0;
        for (int seen : Seen())
            n += seen == state ? 1 : 0;
        return n;
    }

private:
    static std::vector<int>& Seen()
    {
        static std::vector<int> seen;
        return seen;
    }
    static LRESULT CALLBACK OnCall(int code, WPARAM wParam, LPARAM lParam)
    {
        const CWPSTRUCT* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && call->message == KyCatalogTreeCtrl::kCheckChangedMessage)
            Seen().push_back(static_cast<int>(call->wParam));
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    HHOOK m_hook;
};

// The stored catalog list as it reads.
inline std::string Printable(const std::string& entry)
{
    std::string text;
    for (char c : entry)
        text += c == '\x01' ? std::string("<all>") : std::string(1, c);
    return text;
}
inline Strings PrintableList(const Strings& entries)
{
    Strings out;
    for (const std::string& entry : entries)
        out.push_back(Printable(entry));
    return out;
}

} // namespace istree
