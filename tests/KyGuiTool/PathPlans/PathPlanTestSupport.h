// What the path-plan page tests share: a scratch database and clean
// registry keys per test, the settings dialog with the path-plan tab control
// as its file-search part run by a script in its modal loop, the registry
// places the pages keep their settings in, the Explorer hand-off written as
// the shell extension writes it with a clock of the test's, and reading
// back what the pages show.
#pragma once

#include "KyConTool/Filters/AdvancedFilters.h"
#include "KyDB/NamedDbTestEnv.h"
#include "KyGuiTool/PathLists/PathListsResource.h"
#include "KyGuiTool/PathPlans/ExplorerHandoff.h"
#include "KyGuiTool/PathPlans/KyPathPlanSubDialogTabCtrl.h"
#include "KyGuiTool/PathPlans/PathPlanEditorSubDialog.h"
#include "KyGuiTool/PathPlans/PathPlanPageGuids.h"
#include "KyGuiTool/PathPlans/PathPlanSelectorSubDialog.h"
#include "KyGuiTool/PathPlans/PathPlansResource.h"
#include "KyGuiTool/Settings/AppBridges.h"
#include "KyGuiTool/Settings/KyBaseDialog.h"
#include "Settings/SettingsTestSupport.h"
#include "common/WholeFile.h"

#include <afxwin.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace pathplantest {

using Strings = std::vector<std::string>;
using NamedDbTest::RegValue;
using settingstest::BoxAnswers;
using settingstest::HeldKeys;

const char kToolsKey[] = "Software\\Kyvant\\Tools";
const char kPathPlanDbKey[] = "Software\\Kyvant\\Tools\\Shared\\PathPlanDB";
const char kHandoffKey[] = "Software\\Kyvant\\Tools\\PathPlanTests\\ShellExArgs";
const std::string kEditorGuid = Kyvant::PageGuids::PathPlan::Editor.c_str();
const std::string kChooserGuid = Kyvant::PageGuids::PathPlan::Chooser.c_str();

inline std::string OptionsKey()
{
    return std::string(kToolsKey) + "\\" + AfxGetAppName() + "\\KyvantToolOptions";
}
// What this tool last used on the page.
inline std::string PageKey(const std::string& guid)
{
    return OptionsKey() + "\\" + guid;
}
// What any tool last used on the page.
inline std::string PreviousToolKey(const std::string& guid)
{
    return std::string(kPathPlanDbKey) + "\\" + guid + "\\PreviousTool";
}
inline std::string MasksHistoryKey()
{
    return std::string(kPathPlanDbKey) + "\\MasksMRU";
}

// A REG_SZ value ("<missing>" when absent).
inline std::string Value(const std::string& key, const char* name)
{
    const RegValue value = RegValue::Read(key, name);
    return value.exists ? value.data.c_str() : "<missing>";
}
inline void SetValue(const std::string& key, const char* name, const std::string& text)
{
    RegValue::String(text).Write(key, name);
}
// A sequence list: values "0", "1", ... under the key's subkey.
inline Strings List(const std::string& key, const char* name)
{
    Strings items;
    for (int i = 0;; ++i) {
        const RegValue value = RegValue::Read(key + "\\" + name, std::to_string(i).c_str());
        if (!value.exists)
            return items;
        items.push_back(value.data.c_str());
    }
}
inline void SetList(const std::string& key, const char* name, const Strings& items)
{
    Kyvant::RegKey(HKEY_CURRENT_USER, key.c_str()).DeleteKey(name);
    for (size_t i = 0; i < items.size(); ++i)
        SetValue(key + "\\" + name, std::to_string(i).c_str(), items[i]);
}
// The masks history, most recent first.
inline Strings MasksHistory()
{
    const std::string order = Value(MasksHistoryKey(), "Order");
    Strings entries;
    for (char code : order)
        entries.push_back(Value(MasksHistoryKey(), std::string(1, code).c_str()));
    return entries;
}

// The text form of a filter as the filters print it.
inline std::string FilterText(const char* text)
{
    Kyvant::AdvancedFiltration::Filters filters;
    filters.Parse(Kyvant::ky_I(text));
    std::vector<Kyvant::ky_BSB<char>> texts;
    filters.StoreAsStrings(Kyvant::back_insert_sequencer<std::vector<Kyvant::ky_BSB<char>>>(texts));
    return texts.at(0).c_str();
}

inline void StorePlan(const char* name, const Strings& paths, const char* masks = "*",
                      const char* depth = "+")
{
    Kyvant::PathPlanItem::StringList list;
    for (const std::string& path : paths)
        list.push_back(Kyvant::ky_S(path.c_str()));
    Kyvant::PathPlanDB::Instance().Insert(
        Kyvant::ky_I(name), Kyvant::PathPlanItem(list, Kyvant::ky_S(masks), Kyvant::ky_S(depth),
                                                 Kyvant::PathPlanItem::StringList(),
                                                 Kyvant::PathPlanItem::StringList()));
}

// Each test starts with an empty database and no stored page settings,
// history or hand-off, and leaves none.
class PathPlanTest : public ::testing::Test {
protected:
    PathPlanTest() : m_firstBox(theApp.m_boxes.size()) { ClearKeys(); }
    ~PathPlanTest() override
    {
        Kyvant::ExplorerHandoff::SetClockFunction(nullptr);
        ClearKeys();
    }

    static void ClearKeys()
    {
        const Kyvant::RegKey tools(HKEY_CURRENT_USER, kToolsKey);
        tools.DeleteKey("PathPlanTests");
        Kyvant::RegKey(tools, AfxGetAppName()).DeleteKey("KyvantToolOptions");
        for (const std::string& guid : {kEditorGuid, kChooserGuid})
            Kyvant::RegKey(HKEY_CURRENT_USER, kPathPlanDbKey).DeleteKey(guid.c_str());
        Kyvant::RegKey(HKEY_CURRENT_USER, kPathPlanDbKey).DeleteKey("MasksMRU");
    }

    // The texts of the message boxes shown since the test began.
    Strings Boxes() const
    {
        Strings texts;
        for (size_t i = m_firstBox; i < theApp.m_boxes.size(); ++i)
            texts.push_back(theApp.m_boxes[i].text);
        return texts;
    }

    NamedDbTest::DbFolder m_db;
    size_t m_firstBox;
};

// The time the hand-off's age is measured at, in the tests' hands.
inline FILETIME& Now()
{
    static FILETIME now = {};
    return now;
}
inline void WINAPI TestClock(FILETIME* now)
{
    *now = Now();
}

// 100 ns units.
const long long kSecond = 10000000;

// The shell extension's hand-off: the file's name and a time stamp the
// given age before the tests' clock (negative: in the future).
inline void WriteHandoff(const std::string& file, long long age)
{
    const unsigned long long now = 132000000000000000ULL;
    Now().dwLowDateTime = static_cast<DWORD>(now);
    Now().dwHighDateTime = static_cast<DWORD>(now >> 32);
    Kyvant::ExplorerHandoff::SetClockFunction(&TestClock);
    const unsigned long long stamp = now - static_cast<unsigned long long>(age);
    SetValue(kHandoffKey, "PathsFile", file);
    const DWORD low = static_cast<DWORD>(stamp);
    const DWORD high = static_cast<DWORD>(stamp >> 32);
    RegValue{true, REG_DWORD, std::string(reinterpret_cast<const char*>(&low), 4)}.Write(
        kHandoffKey, "TimeLo");
    RegValue{true, REG_DWORD, std::string(reinterpret_cast<const char*>(&high), 4)}.Write(
        kHandoffKey, "TimeHi");
}

// The number of values left under the hand-off key.
inline DWORD HandoffValues()
{
    return Kyvant::RegKey(HKEY_CURRENT_USER, kHandoffKey).GetNumValues();
}

// A file in the user's temporary folder as the shell extension makes it.
inline std::string TempHandoffFile(const std::string& contents)
{
    char name[MAX_PATH];
    ::GetTempFileNameA(kytest::TempFolder().c_str(), "kyf", 0, name);
    kytest::WriteFile(name, contents);
    return name;
}

inline bool Exists(const std::string& file)
{
    return ::GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The settings dialog with the path-plan pages; the editor reads the
// hand-off key of these tests.
class Host : private settingstest::WithHandoffBlock {
public:
    Host()
        : dialog(settingstest::kHelpId, Kyvant::ky_S(settingstest::kTitle),
                 Kyvant::ky_F(settingstest::kGuiProgram),
                 Kyvant::ky_F(settingstest::kConsoleProgram),
                 Kyvant::ky_S(settingstest::kExtension), Kyvant::ky_S(settingstest::kFilter))
    {
        const Kyvant::rc_ptr<Kyvant::AppBridge> bridge(new Kyvant::PathPlanAppBridge(dialog));
        tabs = new KyPathPlanSubDialogTabCtrl(bridge, kHandoffKey);
        dialog.SetSubDialogs(nullptr, tabs);
        settingstest::ClearHandoff();
    }

    // Runs the script when the dialog's loop first idles; the dialog's
    // result. A dialog still open after the time limit fails the test.
    INT_PTR Run(std::function<void()> script)
    {
        OnNextModalIdle([script](CWnd*) { script(); });
        Running() = &dialog;
        const UINT_PTR timer = ::SetTimer(nullptr, 0, kLimitMs, &OnLimit);
        const INT_PTR result = dialog.DoModal();
        ::KillTimer(nullptr, timer);
        Running() = nullptr;
        return result;
    }

    PathPlanEditorSubDialog& Editor() { return tabs->GetEditor(); }
    PathPlanSelectorSubDialog& Chooser() { return tabs->GetSelector(); }
    void Ok() { Click(dialog, IDOK); }
    // Cancel, answering No to the questions whether to save the path plan
    // and the task.
    void Cancel()
    {
        BoxAnswers no({IDNO, IDNO});
        Click(dialog, IDCANCEL);
    }
    // The arguments handed over after the console program's name.
    static Strings Args()
    {
        Strings args = settingstest::HandoffStrings();
        if (!args.empty())
            args.erase(args.begin());
        return args;
    }

    static void Click(CWnd& window, int id)
    {
        ::SendMessageA(::GetDlgItem(window.m_hWnd, id), BM_CLICK, 0, 0);
    }
    // A left click in the middle of a control, as the mouse gives it (the
    // buttons that open a larger editor answer only that).
    static void MouseClick(CWnd& window, int id)
    {
        HWND control = ::GetDlgItem(window.m_hWnd, id);
        RECT rect;
        ::GetClientRect(control, &rect);
        const LPARAM middle = MAKELPARAM(rect.right / 2, rect.bottom / 2);
        ::SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, middle);
        ::SendMessageA(control, WM_LBUTTONUP, 0, middle);
    }
    static std::string Text(CWnd& window, int id)
    {
        char text[1024] = "";
        ::GetDlgItemTextA(window.m_hWnd, id, text, sizeof text);
        return text;
    }
    static bool Enabled(CWnd& window, int id)
    {
        return ::IsWindowEnabled(::GetDlgItem(window.m_hWnd, id)) != FALSE;
    }
    // Typing into a combo box's edit: the text, then the notification.
    static void Type(CWnd& page, int id, const char* text)
    {
        HWND combo = ::GetDlgItem(page.m_hWnd, id);
        ::SetWindowTextA(combo, text);
        ::SendMessageA(page.m_hWnd, WM_COMMAND, MAKEWPARAM(id, CBN_EDITCHANGE),
                       reinterpret_cast<LPARAM>(combo));
    }
    // The path list's rows without the new-rule row.
    Strings Rules()
    {
        Strings rows;
        HWND list = ::GetDlgItem(Editor().m_hWnd, IDC_KY_PP_RULES);
        const int count = static_cast<int>(::SendMessageA(list, LB_GETCOUNT, 0, 0));
        auto* box = static_cast<KyEditableListBox*>(CWnd::FromHandlePermanent(list));
        for (int i = 0; i < count; ++i) {
            const char* text = box->ItemText(i);
            if (text != nullptr)
                rows.push_back(text);
        }
        return rows;
    }
    // Replaces the rules as the Path Rule Editor does.
    void SetRules(const Strings& rules)
    {
        std::string text;
        for (const std::string& rule : rules)
            text += rule + "\r\n";
        OnNextModalIdle([text](CWnd* editor) {
            HWND edit = ::GetDlgItem(editor->m_hWnd, IDC_KY_BIG_EDITOR_EDIT);
            ::SetWindowTextA(edit, text.c_str());
            ::SendMessageA(editor->m_hWnd, WM_COMMAND,
                           MAKEWPARAM(IDC_KY_BIG_EDITOR_EDIT, EN_CHANGE),
                           reinterpret_cast<LPARAM>(edit));
            ::PostMessageA(editor->m_hWnd, WM_COMMAND, IDOK, 0);
        });
        MouseClick(Editor(), IDC_KY_PP_RULES_EDITOR);
    }
    // Whether the focus is on the page's control (or inside it, as in a
    // combo box's edit).
    static bool HasFocus(CWnd& page, int id)
    {
        HWND control = ::GetDlgItem(page.m_hWnd, id);
        HWND focus = ::GetFocus();
        return focus != nullptr && (focus == control || ::IsChild(control, focus));
    }

    KyBaseDialog dialog;
    KyPathPlanSubDialogTabCtrl* tabs;

private:
    static const UINT kLimitMs = 20000;

    static KyBaseDialog*& Running()
    {
        static KyBaseDialog* running = nullptr;
        return running;
    }
    static void CALLBACK OnLimit(HWND, UINT, UINT_PTR timer, DWORD)
    {
        ::KillTimer(nullptr, timer);
        if (Running() == nullptr || Running()->GetSafeHwnd() == nullptr)
            return;
        ADD_FAILURE() << "the settings dialog was still open";
        Running()->EndDialog(IDABORT);
        Running()->PostMessage(WM_NULL);
    }
};

} // namespace pathplantest
