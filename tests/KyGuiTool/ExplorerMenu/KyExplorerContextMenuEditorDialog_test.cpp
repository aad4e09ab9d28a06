// Tests of the Explorer context-menu editor, run modally and driven by
// clicks, keys and messages: loading and saving the stored list, the command
// controls of the current row, caption checks, separators, Reset, Cancel,
// browsing for a task file and context help.
#include "KyGuiTool/ExplorerMenu/KyExplorerContextMenuEditorDialog.h"

#include "ExplorerMenu/EditorDriver.h"
#include "ExplorerMenu/RegistryReading.h"
#include "KyShellX/ExplorerMenuSettings.h"
#include "TaskFiles/ScratchFolder.h"

#include <dlgs.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using menutest::BoxAnswers;
using menutest::BoxTexts;
using menutest::Editor;
using menutest::kLeftOpen;
using Values = std::map<std::string, std::string>;

const char kNoCommand[] = "This menu item has no associated command.";
const char kBarInCaption[] = "Menu item names cannot contain the vertical bar (pipe) character.";
const char kLoneDash[] = "A solitary dash is not a legal menu item name. To add a separator bar, "
                         "press the \"Add Separator\" button.";
const char kEmptyMenu[] = "The Explorer Context Menu is empty or contains only separators. Saving "
                          "it will remove it altogether. Save anyway?";
const char kSaveChanges[] = "Save changes to the Explorer Context Menu?";
const char kDiscardChanges[] = "Discard changes to the context menu?";

// Tool indexes in the editor's list.
const int kReplaceTool = 4;
const int kTouchTool = 6;

Values StoredMenu()
{
    return menutest::Values(HKEY_CURRENT_USER, kytest::kMenuListKey);
}

Values Numbered(const std::vector<std::string>& entries)
{
    Values values;
    for (size_t i = 0; i < entries.size(); ++i)
        values[std::to_string(i)] = entries[i];
    return values;
}

class MenuEditor : public ::testing::Test {
protected:
    void SetUp() override
    {
        kytest::RemoveToolList();
        theApp.m_boxes.clear();
    }
    void TearDown() override { kytest::RemoveToolList(); }

    Editor m_editor;
};

TEST_F(MenuEditor, LoadsEntriesInNumericOrderAndShowsTheFirst)
{
    std::vector<std::pair<std::string, std::string>> values;
    std::vector<std::string> expected;
    for (int i = 10; i >= 0; --i)
        values.emplace_back(std::to_string(i), "Item " + std::to_string(i) + "|:KyTab.exe");
    for (int i = 0; i <= 10; ++i)
        expected.push_back("Item " + std::to_string(i) + "|:KyTab.exe");
    kytest::WriteToolValues(values);

    const INT_PTR result = m_editor.Run([&](Editor& e) {
        EXPECT_EQ(expected, e.Entries());
        EXPECT_EQ(0, e.GetCurrentRow());
        EXPECT_EQ("tool Tab", e.Shown());
        EXPECT_FALSE(e.IsModified());
    });
    EXPECT_EQ(kLeftOpen, result);
}

TEST_F(MenuEditor, UnreadableListIsReportedAndKept)
{
    kytest::WriteToolValues({{"0", "A|:KyFindG.exe"}, {"first", "B|:KyDirG.exe"}});
    const Values stored = StoredMenu();
    EXPECT_EQ(IDCANCEL, m_editor.Run([](Editor& e) {
        EXPECT_TRUE(e.Entries().empty());
        e.Click(IDCANCEL);
    }));
    EXPECT_EQ(std::vector<std::string>{"The stored Explorer Context Menu could not be read:\n\n"
                                       "   Invalid argument\n\nIt stays as it is unless you "
                                       "save a new one."},
              BoxTexts());
    EXPECT_EQ(stored, StoredMenu());
}

TEST_F(MenuEditor, SavingWritesValuesFromZeroInPlaceOfTheOldOnes)
{
    kytest::WriteToolValues({{"12", "D|:KyTouch.exe"},
                             {"0", "A|:KyFindG.exe"},
                             {"3", "-"},
                             {"7", "C|C:\\Tasks\\c.kydir"}});
    EXPECT_EQ(IDOK, m_editor.Run([](Editor& e) { e.Click(IDOK); }));
    EXPECT_EQ(Numbered({"A|:KyFindG.exe", "-", "C|C:\\Tasks\\c.kydir", "D|:KyTouch.exe"}),
              StoredMenu());
    EXPECT_TRUE(BoxTexts().empty());
}

struct EmptyMenuCase {
    int answer;
    INT_PTR result;
    bool removed;
};

TEST_F(MenuEditor, OnlySeparatorsAskBeforeTheMenuIsRemoved)
{
    const EmptyMenuCase cases[] = {
        {IDYES, IDOK, true}, {IDNO, IDCANCEL, false}, {IDCANCEL, kLeftOpen, false}};
    for (const EmptyMenuCase& c : cases) {
        SCOPED_TRACE(c.answer);
        kytest::WriteToolList({"-", "-"});
        BoxAnswers answers({c.answer}, c.answer == IDYES ? "kyguitool-ecm-empty-menu" : nullptr);
        Editor editor;
        EXPECT_EQ(c.result, editor.Run([](Editor& e) { e.Click(IDOK); }));
        EXPECT_EQ(std::vector<std::string>{kEmptyMenu}, BoxTexts());
        EXPECT_TRUE(menutest::KeyExists(HKEY_CURRENT_USER, kytest::kMenuListKey));
        EXPECT_EQ(c.removed ? Values() : Numbered({"-", "-"}), StoredMenu());
    }
}

TEST_F(MenuEditor, CaptionsRefuseABarAndALoneDashAndKeepTheCommand)
{
    kytest::WriteToolList({"Find|:KyFindG.exe"});
    const INT_PTR result = m_editor.Run([](Editor& e) {
        e.EditCaption("Fi|nd");
        e.EditCaption("-");
        EXPECT_EQ((std::vector<std::string>{kBarInCaption, kLoneDash}), BoxTexts());
        EXPECT_TRUE(e.List().Editing()) << "the edit stays open";
        e.EditCaption("Found");
        EXPECT_FALSE(e.List().Editing());
        EXPECT_EQ("tool Find", e.Shown());
        e.Click(IDOK);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(Numbered({"Found|:KyFindG.exe"}), StoredMenu());
}

TEST_F(MenuEditor, ItemWithoutACommandIsShownAndTheEditorStaysOpen)
{
    for (const char* bare : {"Bare", "Empty|"}) {
        SCOPED_TRACE(bare);
        theApp.m_boxes.clear();
        kytest::WriteToolList({"Find|:KyFindG.exe", "-", bare});
        Editor editor;
        const INT_PTR result = editor.Run([](Editor& e) {
            e.Click(IDOK);
            EXPECT_EQ(std::vector<std::string>{kNoCommand}, BoxTexts());
            EXPECT_EQ(2, e.List().GetCurSel());
            EXPECT_EQ(2, e.GetCurrentRow());
            EXPECT_EQ("none", e.Shown());
            EXPECT_EQ("11000", e.EnabledControls()) << "both radios ready for a choice";
        });
        EXPECT_EQ(kLeftOpen, result);
        EXPECT_EQ(Numbered({"Find|:KyFindG.exe", "-", bare}), StoredMenu());
    }
}

TEST_F(MenuEditor, ToolCommandsMatchWithoutRegardToCaseAndSurviveSelection)
{
    kytest::WriteToolList({"Find it|:kyfindg.exe", "Dir|:KyDirG.exe"});
    const INT_PTR result = m_editor.Run([](Editor& e) {
        EXPECT_EQ("tool Find", e.Shown());
        e.ClickRow(1);
        EXPECT_EQ("tool Dir", e.Shown());
        e.ClickRow(0);
        EXPECT_EQ("tool Find", e.Shown());
        e.Click(IDOK);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(Numbered({"Find it|:KyFindG.exe", "Dir|:KyDirG.exe"}), StoredMenu());
}

TEST_F(MenuEditor, CommandControlsFollowTheCurrentRow)
{
    kytest::WriteToolList({"Saved|C:\\Tasks\\a.kyrep", "-", "Bare"});
    const INT_PTR result = m_editor.Run([](Editor& e) {
        EXPECT_EQ("file C:\\Tasks\\a.kyrep", e.Shown());
        EXPECT_EQ("11011", e.EnabledControls());
        e.ClickRow(1);
        EXPECT_EQ("none", e.Shown());
        EXPECT_EQ("00000", e.EnabledControls()) << "a separator has no command";
        e.ClickRow(3);
        EXPECT_EQ("00000", e.EnabledControls()) << "nor has the new row";
        EXPECT_FALSE(e.IsModified());

        e.ClickRow(2);
        EXPECT_EQ("11000", e.EnabledControls());
        e.Click(IDC_KY_ECM_STANDARD_TOOL);
        EXPECT_EQ("11100", e.EnabledControls());
        e.ChooseTool(kTouchTool);
        e.ClickRow(0);
        EXPECT_TRUE(e.IsModified());
        e.Click(IDOK);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(Numbered({"Saved|C:\\Tasks\\a.kyrep", "-", "Bare|:KyTouch.exe"}), StoredMenu());
}

TEST_F(MenuEditor, SeparatorsMovesAndDeletionsKeepCommandsWithTheirRows)
{
    kytest::WriteToolList({"A|:KyFindG.exe", "B|:KyDirG.exe", "C|:KyTab.exe"});
    const INT_PTR result = m_editor.Run([](Editor& e) {
        e.ChooseTool(kReplaceTool); // row A, not yet stored
        e.PressAltKey(VK_DOWN);
        EXPECT_EQ(1, e.GetCurrentRow()) << "the current row moves with its item";
        e.ClickRow(2);
        e.Click(IDC_KY_ECM_ADD_SEPARATOR);
        EXPECT_EQ(2, e.GetCurrentRow());
        EXPECT_EQ("00000", e.EnabledControls());
        e.ClickRow(0);
        e.PressKey(VK_DELETE);
        EXPECT_EQ(0, e.GetCurrentRow());
        EXPECT_EQ("tool Replace", e.Shown());
        EXPECT_EQ((std::vector<std::string>{"A|:KyReplaceG.exe", "-", "C|:KyTab.exe"}),
                  e.Entries());
        // A row other than the current one that moves takes the command controls along.
        e.List().MoveItem(2, 0);
        EXPECT_EQ(0, e.GetCurrentRow());
        EXPECT_EQ("tool Tab", e.Shown());
        e.Click(IDOK);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(Numbered({"C|:KyTab.exe", "A|:KyReplaceG.exe", "-"}), StoredMenu());
}

TEST_F(MenuEditor, ResetAsksOnlyWhenTheListWasChanged)
{
    kytest::WriteToolList({"Only|:KyTab.exe"});
    const std::vector<std::string> defaults = kytest::DefaultToolList();
    BoxAnswers answers({IDNO, IDYES});
    const INT_PTR result = m_editor.Run([&](Editor& e) {
        e.Click(IDC_KY_ECM_RESET);
        EXPECT_TRUE(BoxTexts().empty());
        EXPECT_EQ(defaults, e.Entries());
        EXPECT_TRUE(e.IsModified());
        SaveWindowPng(e.m_hWnd, "kyguitool-ecm-editor");

        e.PressKey(VK_DELETE);
        e.Click(IDC_KY_ECM_RESET);
        EXPECT_EQ(defaults.size() - 1, e.Entries().size()) << "No keeps the changes";
        e.Click(IDC_KY_ECM_RESET);
        EXPECT_EQ(defaults, e.Entries());
        EXPECT_EQ((std::vector<std::string>{kDiscardChanges, kDiscardChanges}), BoxTexts());
    });
    EXPECT_EQ(kLeftOpen, result);
    EXPECT_EQ(Numbered({"Only|:KyTab.exe"}), StoredMenu());
}

struct CancelCase {
    const char* what;
    bool modify;
    std::vector<int> answers;
    std::vector<std::string> boxes;
    INT_PTR result;
    std::vector<std::string> stored;
};

TEST_F(MenuEditor, CancelAsksOnlyWhenModifiedAndClosesOnlyAfterASave)
{
    const std::vector<std::string> original = {"A|:KyFindG.exe", "Bare"};
    const std::vector<std::string> fixed = {"A|:KyFindG.exe", "Bare|:KyTab.exe"};
    const CancelCase cases[] = {
        {"unmodified", false, {}, {}, IDCANCEL, original},
        {"No", true, {IDNO}, {kSaveChanges}, IDCANCEL, original},
        {"Cancel", true, {IDCANCEL}, {kSaveChanges}, kLeftOpen, original},
        {"Yes, save fails", true, {IDYES}, {kSaveChanges, kNoCommand}, kLeftOpen, original},
    };
    for (const CancelCase& c : cases) {
        SCOPED_TRACE(c.what);
        kytest::WriteToolList(original);
        BoxAnswers answers(c.answers);
        Editor editor;
        const INT_PTR result = editor.Run([&c](Editor& e) {
            if (c.modify) {
                e.Click(IDC_KY_ECM_ADD_SEPARATOR);
                e.PressKey(VK_DELETE); // the separator goes again, the change stays
            }
            e.Click(IDCANCEL);
        });
        EXPECT_EQ(c.result, result);
        EXPECT_EQ(c.boxes, BoxTexts());
        EXPECT_EQ(Numbered(c.stored), StoredMenu());
    }

    SCOPED_TRACE("Yes, save succeeds");
    kytest::WriteToolList(original);
    BoxAnswers answers({IDYES});
    Editor editor;
    const INT_PTR result = editor.Run([](Editor& e) {
        e.ClickRow(1);
        e.Click(IDC_KY_ECM_STANDARD_TOOL);
        e.ChooseTool(5);
        e.Click(IDCANCEL);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(Numbered(fixed), StoredMenu());
}

// Types the path into the open dialog and presses its OK button.
void ChooseFile(CWnd* hook, const std::string& path)
{
    HWND dialog = ::GetParent(hook->m_hWnd);
    for (int id : {cmb13, edt1}) {
        if (::GetDlgItem(dialog, id) != nullptr)
            ::SetDlgItemTextA(dialog, id, path.c_str());
    }
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
}

TEST_F(MenuEditor, BrowsingFillsTheFileNameAndRemembersTheFolder)
{
    tasktest::ScratchFolder folder;
    const std::string task = folder["saved.kyfnd"];
    kytest::WriteFile(task, "task");
    std::string stored = folder.Path();
    stored.pop_back();
    const std::string programKey = std::string(kytest::kToolsKey) + "\\" + theApp.m_pszAppName;
    const std::string sharedKey = std::string(kytest::kToolsKey) + "\\Shared";
    kytest::WriteToolList({"Saved|C:\\Tasks\\old.kyfnd"});

    const INT_PTR result = m_editor.Run([&](Editor& e) {
        OnNextModalIdle([&](CWnd* hook) { ChooseFile(hook, task); });
        CWnd* browse = e.GetDlgItem(IDC_KY_ECM_BROWSE);
        browse->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        browse->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        PumpPending();
        EXPECT_EQ("file " + task, e.Shown());
        EXPECT_TRUE(e.IsModified());
        e.Click(IDOK);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(Numbered({"Saved|" + task}), StoredMenu());
    for (const std::string& key : {programKey, sharedKey}) {
        EXPECT_EQ(stored, menutest::StringValue(HKEY_CURRENT_USER, key, "TaskFileLastLocation"))
            << key;
        HKEY open = nullptr;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_SET_VALUE, &open) == 0) {
            ::RegDeleteValueA(open, "TaskFileLastLocation");
            ::RegCloseKey(open);
        }
    }
    ::RegDeleteKeyA(HKEY_CURRENT_USER, programKey.c_str());
}

struct HelpCall {
    HWND window;
    UINT command;
    const DWORD* table;
};

std::vector<HelpCall> g_help;

BOOL RecordHelp(HWND window, LPCSTR, UINT command, ULONG_PTR data)
{
    g_help.push_back({window, command, reinterpret_cast<const DWORD*>(data)});
    return TRUE;
}

// The help id the table gives a control; 0 when it has none.
DWORD HelpIdOf(const DWORD* table, DWORD control)
{
    for (; table[0] != 0; table += 2) {
        if (table[0] == control)
            return table[1];
    }
    return 0;
}

TEST_F(MenuEditor, ContextHelpOnControlsUsesTheirHelpIds)
{
    g_help.clear();
    AFX_WINHELPPROC previous = AfxSetWinHelpProc(&RecordHelp);
    m_editor.Run([](Editor& e) {
        HELPINFO info = {};
        info.cbSize = sizeof info;
        info.iContextType = HELPINFO_WINDOW;
        info.iCtrlId = IDC_KY_ECM_LIST;
        info.hItemHandle = e.List().m_hWnd;
        e.SendMessage(WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
        e.SendMessage(WM_CONTEXTMENU,
                      reinterpret_cast<WPARAM>(e.GetDlgItem(IDC_KY_ECM_RESET)->m_hWnd), 0);
        e.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(e.m_hWnd), 0);
    });
    AfxSetWinHelpProc(previous);
    ASSERT_EQ(2u, g_help.size());
    EXPECT_EQ(static_cast<UINT>(HELP_WM_HELP), g_help[0].command);
    EXPECT_EQ(static_cast<UINT>(HELP_CONTEXTMENU), g_help[1].command);
    const DWORD* table = g_help[0].table;
    for (DWORD control : {4000u, 4001u, 4002u, 4003u, 4004u, 4005u, 4006u, 4008u})
        EXPECT_EQ((control << 16) | 25078u, HelpIdOf(table, control)) << control;
    EXPECT_EQ(0u, HelpIdOf(table, 4007u));
}

} // namespace
