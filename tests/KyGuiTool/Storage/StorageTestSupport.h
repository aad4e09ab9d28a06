// Helpers of the storage tests: message boxes answered in turn, held modifier
// keys, clicks, what a combo or list shows, and a host dialog (the Mask Set
// Editor's template) with a storage UI over any of the three databases whose
// editing control is one multi-line edit.
#pragma once

#include "KyDB/NamedDbTestEnv.h"
#include "KyGui/Buttons/KyButtonMenuInvoker.h"
#include "KyGuiTool/MaskSets/MaskSetsResource.h"
#include "KyGuiTool/Storage/StorageMapUI.h"
#include "KyGuiTool/Storage/StorageResource.h"
#include "TestApp.h"

#include <afxwin.h>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace StorageTest {

using Kyvant::ky_I;
using Kyvant::ky_S;
using Strings = std::vector<std::string>;

// The application's message boxes are shown for real and answered in turn by
// the given buttons (IDOK once they run out) as soon as each box activates.
// An inner object answers the boxes of its lifetime, then the outer one again.
class BoxAnswers {
public:
    explicit BoxAnswers(std::deque<int> answers = {})
        : m_first(theApp.m_boxes.size()), m_outerAnswers(std::move(Answers())),
          m_outerShowReal(theApp.m_showRealBoxes), m_outerOnBox(theApp.m_onBox)
    {
        Answers() = std::move(answers);
        theApp.m_showRealBoxes = true;
        theApp.m_onBox = [] {
            Hook() = ::SetWindowsHookExA(WH_CBT, &OnCbt, nullptr, ::GetCurrentThreadId());
        };
    }
    ~BoxAnswers()
    {
        Answers() = std::move(m_outerAnswers);
        theApp.m_onBox = m_outerOnBox;
        theApp.m_showRealBoxes = m_outerShowReal;
    }
    BoxAnswers(const BoxAnswers&) = delete;
    BoxAnswers& operator=(const BoxAnswers&) = delete;

    // The texts of the boxes shown since construction.
    Strings Texts() const
    {
        Strings texts;
        for (size_t i = m_first; i < theApp.m_boxes.size(); ++i)
            texts.push_back(theApp.m_boxes[i].text);
        return texts;
    }
    UINT TypeOf(size_t index) const { return theApp.m_boxes.at(m_first + index).type; }

private:
    static std::deque<int>& Answers()
    {
        static std::deque<int> answers;
        return answers;
    }
    static HHOOK& Hook()
    {
        static HHOOK hook = nullptr;
        return hook;
    }
    static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam)
    {
        const HHOOK hook = Hook();
        if (code == HCBT_ACTIVATE) {
            ::UnhookWindowsHookEx(hook);
            Hook() = nullptr;
            int answer = IDOK;
            if (!Answers().empty()) {
                answer = Answers().front();
                Answers().pop_front();
            }
            ::PostMessageA(reinterpret_cast<HWND>(wParam), WM_COMMAND, static_cast<WPARAM>(answer),
                           0);
        }
        return ::CallNextHookEx(hook, code, wParam, lParam);
    }

    size_t m_first;
    std::deque<int> m_outerAnswers;
    bool m_outerShowReal;
    std::function<void()> m_outerOnBox;
};

// Shift and Ctrl as GetKeyState reports them, for the object's lifetime.
class HeldKeys {
public:
    HeldKeys(bool shift, bool control)
    {
        Set(VK_SHIFT, shift);
        Set(VK_CONTROL, control);
    }
    ~HeldKeys()
    {
        Set(VK_SHIFT, false);
        Set(VK_CONTROL, false);
    }
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

private:
    static void Set(int key, bool down)
    {
        BYTE state[256];
        ::GetKeyboardState(state);
        state[key] = down ? 0x80 : 0;
        ::SetKeyboardState(state);
    }
};

// A mouse click on the dialog's button, as the button reports it.
inline void Click(const CWnd& dialog, int id)
{
    ::SendMessageA(::GetDlgItem(dialog.m_hWnd, id), BM_CLICK, 0, 0);
}

// A command of the storage menu, sent to the menu button as the menu sends it.
inline void MenuCommand(const CWnd& dialog, UINT command)
{
    ::SendMessageA(::GetDlgItem(dialog.m_hWnd, IDC_KY_MASK_SET_MENU), WM_COMMAND, command, 0);
}

// The window, painted completely, saved to build/test-artifacts/<name>.png.
// Wine copies what a window drew to the screen when the thread next waits for
// messages, at most every few dozen milliseconds: a few short waits first.
inline void Snapshot(HWND window, const char* name)
{
    const int kWaits = 4;
    const DWORD kPauseMs = 25;
    ::RedrawWindow(window, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    for (int i = 0; i < kWaits; ++i) {
        ::Sleep(kPauseMs);
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT);
    }
    EXPECT_TRUE(SaveWindowPng(window, name)) << name;
}

inline std::string Text(HWND window)
{
    char text[1024] = "";
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

inline std::string ItemText(const CWnd& dialog, int id)
{
    return Text(::GetDlgItem(dialog.m_hWnd, id));
}

inline bool Enabled(const CWnd& dialog, int id)
{
    return ::IsWindowEnabled(::GetDlgItem(dialog.m_hWnd, id)) != FALSE;
}

inline Strings ComboEntries(HWND combo)
{
    Strings entries;
    const int count = static_cast<int>(::SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[512] = "";
        ::SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        entries.push_back(text);
    }
    return entries;
}

inline Strings ListEntries(HWND list)
{
    Strings entries;
    const int count = static_cast<int>(::SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[512] = "";
        ::SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        entries.push_back(text);
    }
    return entries;
}

template <class DB>
Strings DbNames(const DB& db)
{
    Strings names;
    for (auto it = db.begin(); it != db.end(); ++it)
        names.push_back(it->first.c_str());
    return names;
}

// Chooses the combo entry as the user would, CBN_SELCHANGE included.
inline void ChooseEntry(const CWnd& dialog, int index)
{
    HWND combo = ::GetDlgItem(dialog.m_hWnd, IDC_KY_MASK_SET_NAMES);
    ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageA(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_KY_MASK_SET_NAMES, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(combo));
}

// Replaces the contents edit's text as typing would (EN_CHANGE included).
inline void TypeContents(const CWnd& dialog, const char* text)
{
    HWND edit = ::GetDlgItem(dialog.m_hWnd, IDC_KY_MASK_SET_CONTENTS);
    ::SendMessageA(edit, EM_SETSEL, 0, -1);
    ::SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
}

// Types the name into the modal dialog's control and presses OK.
inline void EnterAndOk(CWnd* dialog, int id, const char* name)
{
    ::SetDlgItemTextA(dialog->m_hWnd, id, name);
    ::PostMessageA(dialog->m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog->m_hWnd, IDOK)));
}

inline void PressButton(CWnd* dialog, int id)
{
    ::PostMessageA(dialog->m_hWnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog->m_hWnd, id)));
}

// The item of each database that the host's edit stands for: path plans keep
// its lines as paths, replace plans its text as their prologue, mask sets the
// text as their value.
template <class DB>
struct EditItem;

template <>
struct EditItem<Kyvant::MaskDB> {
    static Kyvant::MaskDB::mapped_type From(const ky_S& text) { return text; }
    static ky_S To(const Kyvant::MaskDB::mapped_type& value) { return ky_S(value); }
};

template <>
struct EditItem<Kyvant::PathPlanDB> {
    static Kyvant::PathPlanItem From(const ky_S& text)
    {
        Kyvant::PathPlanItem::StringList paths;
        std::vector<Kyvant::ky_BSB<char>> lines;
        Kyvant::back_insert_sequencer<std::vector<Kyvant::ky_BSB<char>>> out(lines);
        text.Split(out, "\r\n", false, false, ky_S::npos, true);
        for (const auto& line : lines)
            paths.push_back(ky_S(line));
        return Kyvant::PathPlanItem(paths, ky_S("*.c"), ky_S("2"),
                                    Kyvant::PathPlanItem::StringList(),
                                    Kyvant::PathPlanItem::StringList());
    }
    static ky_S To(const Kyvant::PathPlanItem& item)
    {
        ky_S text;
        for (const ky_S& path : item.Paths()) {
            if (!text.empty())
                text += "\r\n";
            text += path;
        }
        return text;
    }
};

template <>
struct EditItem<Kyvant::ReplacePlanDB> {
    static Kyvant::ReplacePlan From(const ky_S& text)
    {
        Kyvant::ReplacePlan plan;
        plan.m_usePrologue = true;
        plan.m_prologueText = text;
        return plan;
    }
    static ky_S To(const Kyvant::ReplacePlan& plan) { return plan.m_prologueText; }
};

template <class DB>
class Host;

// The storage UI of the host: the edit's text is the item.
template <class DB>
class HostUI : public Kyvant::StorageMapUI<DB> {
    using Base = Kyvant::StorageMapUI<DB>;

public:
    HostUI(Host<DB>& host, const char* noun, const char* header);

    void ClearContents() override { m_edit.SetWindowText(""); }
    void AfterNew() override {}
    void LoadItem(const ky_I& name) override
    {
        const auto it = this->m_db.find(name);
        if (it != this->m_db.end())
            m_edit.SetWindowText(EditItem<DB>::To(it->second).c_str());
    }
    typename Base::InsertResult StoreItem(const ky_I& name) override
    {
        return this->m_db.Insert(name, EditItem<DB>::From(ky_S(Text(m_edit.m_hWnd).c_str())));
    }
    void OnSaved(const ky_I& oldName, const ky_I& newName) override
    {
        Note("saved", oldName, newName);
    }
    void OnDeleted(const ky_I& name, bool wasCurrent) override
    {
        Note("deleted", name, wasCurrent ? "current" : "other");
    }
    void OnRenamed(const ky_I& oldName, const ky_I& newName) override
    {
        Note("renamed", oldName, newName);
    }
    void OnCleared(const ky_I& oldName, bool clearContents) override
    {
        Note("cleared", oldName, clearContents ? "contents" : "name");
    }

    Strings m_hooks;

private:
    void Note(const char* what, const ky_I& a, const ky_I& b)
    {
        m_hooks.push_back(std::string(what) + " " + a.c_str() + " " + b.c_str());
    }

    CEdit& m_edit;
};

// A modeless dialog on the Mask Set Editor's template whose storage UI is
// bound to the database; the commands go to the UI first.
template <class DB>
class Host : public CDialog {
public:
    Host(DB& db, const char* noun, const char* header)
        : m_db(db), m_noun(noun), m_header(header), m_menuButton(IDR_KY_STORAGE_MENU)
    {
        Create(IDD_KY_MASK_SET_EDITOR, CWnd::GetDesktopWindow());
        ShowWindow(SW_SHOW);
    }
    ~Host() override
    {
        m_ui.reset();
        DestroyWindow();
    }

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        if (m_ui && m_ui->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
            return TRUE;
        return CDialog::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_ui = std::make_unique<HostUI<DB>>(*this, m_noun, m_header);
        m_ui->SetDirty(false);
        return TRUE;
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (LOWORD(wParam) == IDC_KY_MASK_SET_CONTENTS && HIWORD(wParam) == EN_CHANGE && m_ui)
            m_ui->SetDirty(true);
        return CDialog::OnCommand(wParam, lParam);
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_KY_MASK_SET_MENU, m_menuButton);
        DDX_Control(pDX, IDC_KY_MASK_SET_NAMES, m_names);
        DDX_Control(pDX, IDC_KY_MASK_SET_SAVE, m_save);
        DDX_Control(pDX, IDC_KY_MASK_SET_NEW, m_new);
        DDX_Control(pDX, IDC_KY_MASK_SET_DELETE, m_delete);
        DDX_Control(pDX, IDC_KY_MASK_SET_CONTENTS, m_edit);
        if (pDX->m_bSaveAndValidate)
            m_currentName = Text(m_names.m_hWnd).c_str();
    }

    HostUI<DB>& UI() { return *m_ui; }
    std::string Contents() const { return Text(m_edit.m_hWnd); }
    std::string ComboText() const { return Text(m_names.m_hWnd); }
    Strings Entries() const { return ComboEntries(m_names.m_hWnd); }
    // Every combo entry stands at its item's position in the database.
    void ExpectEntriesMatchDb() const { EXPECT_EQ(DbNames(m_db), Entries()); }

    DB& m_db;
    const char* m_noun;
    const char* m_header;
    ky_I m_currentName;
    std::unique_ptr<HostUI<DB>> m_ui;
    KyButtonMenuInvoker m_menuButton;
    CComboBox m_names;
    CButton m_save;
    CButton m_new;
    CButton m_delete;
    CEdit m_edit;
};

template <class DB>
HostUI<DB>::HostUI(Host<DB>& host, const char* noun, const char* header)
    : Base(host.m_db, host, host.m_menuButton, host.m_names, host.m_save, host.m_new, host.m_delete,
           host.m_currentName, ky_S((std::string("Save this ") + noun + "?").c_str()),
           ky_S((std::string("Save changes to ") + noun + " \"%s\"?").c_str()), ky_S("Delete"),
           ky_S((std::string("&") + noun + "s").c_str()),
           ky_S((std::string("Delete ") + noun + " \"%s\"?").c_str()),
           ky_S((std::string("Rename ") + noun).c_str()), ky_I(header),
           Kyvant::RegKey(HKEY_CURRENT_USER, Kyvant::kSharedSettingsKey)),
      m_edit(host.m_edit)
{
}

// Stores items straight into the database.
template <class DB>
void Store(DB& db, const Strings& names, const char* contents = "x")
{
    for (const std::string& name : names)
        db.Insert(ky_I(name.c_str()), EditItem<DB>::From(ky_S(contents)));
}

inline void EmptyMasks()
{
    Kyvant::MaskDB& db = Kyvant::MaskDB::Instance();
    while (!db.empty())
        db.Erase(db.begin()->first, true);
}

} // namespace StorageTest

namespace StorageTest {

// What a popup menu showed while it was tracked.
struct MenuSeen {
    bool opened = false;
    Strings items;             // "-" for a separator
    std::vector<bool> enabled; // separators count as disabled
    RECT rect = {};
};

namespace Detail {

struct MenuScript {
    MenuSeen seen;
    int downs = 0;
    int tries = 0;
    const char* snapshot = nullptr;
};

inline MenuScript& Script()
{
    static MenuScript script;
    return script;
}

inline BOOL CALLBACK NoteMenuWindow(HWND hWnd, LPARAM result)
{
    char name[16] = "";
    ::GetClassNameA(hWnd, name, sizeof name);
    DWORD process = 0; // this process's menus only
    ::GetWindowThreadProcessId(hWnd, &process);
    if (process == ::GetCurrentProcessId() && ::IsWindowVisible(hWnd) &&
        lstrcmpA(name, "#32768") == 0) {
        *reinterpret_cast<HWND*>(result) = hWnd;
        return FALSE;
    }
    return TRUE;
}

const UINT kGetMenuHandle = 0x01E1; // MN_GETHMENU
const int kMenuPollMs = 20;
const int kMenuPollTries = 100;

inline void CALLBACK PollMenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    MenuScript& script = Script();
    HWND popup = nullptr;
    ::EnumWindows(&NoteMenuWindow, reinterpret_cast<LPARAM>(&popup));
    if (popup == nullptr && ++script.tries < kMenuPollTries)
        return;
    ::KillTimer(nullptr, timer);
    if (popup == nullptr)
        return;
    script.seen.opened = true;
    ::GetWindowRect(popup, &script.seen.rect);
    if (script.snapshot != nullptr)
        Snapshot(popup, script.snapshot);
    HMENU menu = reinterpret_cast<HMENU>(::SendMessageA(popup, kGetMenuHandle, 0, 0));
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        char text[256] = "";
        const UINT state = ::GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
        ::GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        script.seen.items.push_back((state & MF_SEPARATOR) ? "-" : text);
        script.seen.enabled.push_back((state & (MF_GRAYED | MF_DISABLED)) == 0);
    }
    for (int i = 0; i < script.downs; ++i)
        ::PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageA(popup, WM_KEYDOWN, script.downs > 0 ? VK_RETURN : VK_ESCAPE, 0);
}

} // namespace Detail

// Runs open(), which tracks a popup menu, and reads the menu while it is up
// (saving its picture under the snapshot name when one is given); then
// presses Down `downs` times and Enter, or Escape when downs is 0.
template <class F>
MenuSeen DuringMenu(F open, int downs, const char* snapshot = nullptr)
{
    Detail::Script() = Detail::MenuScript();
    Detail::Script().downs = downs;
    Detail::Script().snapshot = snapshot;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, Detail::kMenuPollMs, &Detail::PollMenu);
    open();
    ::KillTimer(nullptr, timer);
    PumpPending();
    return Detail::Script().seen;
}

} // namespace StorageTest

namespace StorageTest {

// Types into the modal dialog's control and presses OK, waiting for the
// dialog's answer (for a refusal that keeps it open).
inline void EnterAndOkNow(CWnd* dialog, int id, const char* text)
{
    ::SetDlgItemTextA(dialog->m_hWnd, id, text);
    ::SendMessageA(dialog->m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog->m_hWnd, IDOK)));
}

// The databases in a scratch folder, and the shared settings that the storage
// controls write put back afterwards.
class StorageFixture : public ::testing::Test {
protected:
    NamedDbTest::DbFolder m_dbFolder;
    NamedDbTest::SavedValue m_lastDir{Kyvant::kSharedSettingsKey, "ImportExportLastDir"};
};

} // namespace StorageTest
