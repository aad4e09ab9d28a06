// Tests of the path-plan editor page in the settings dialog: the arguments
// it hands over, what OK keeps in the registry, Restore and its Shift form,
// the Shift forms and editors of Advanced and Exceptions, the checks on OK,
// the stored plan's save question, and settings that do not parse.
#include "PathPlans/PathPlanTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace pathplantest;

const std::string kEditorKey = PageKey(kEditorGuid);
const std::string kEditorPrevious = PreviousToolKey(kEditorGuid);

void SeedEditor(const std::string& key, const Strings& rules, const char* masks, const char* depth,
                const Strings& exceptions = {}, const Strings& filters = {})
{
    SetList(key, "Paths", rules);
    SetValue(key, "Masks", masks);
    SetValue(key, "MaxRecursionDepth", depth);
    SetList(key, "Exceptions", exceptions);
    SetList(key, "AdvancedFilters", filters);
}

TEST_F(PathPlanTest, EditorHandsOverDepthMasksExceptionsFiltersThenRules)
{
    const std::string size = FilterText("S>=10KB");
    SeedEditor(kEditorKey, {"C:\\src\\"}, "*.c", "Infinite", {"*\\obj\\"}, {size});
    Host host;
    std::string advanced, exceptions, depth;
    const INT_PTR result = host.Run([&] {
        advanced = Host::Text(host.Editor(), IDC_KY_PP_ADVANCED);
        exceptions = Host::Text(host.Editor(), IDC_KY_PP_EXCEPTIONS);
        depth = Host::Text(host.Editor(), IDC_KY_PP_DEPTH);
        host.Ok();
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ("* Advanced...", advanced);
    EXPECT_EQ("* Exceptions...", exceptions);
    EXPECT_EQ("Infinite", depth);
    EXPECT_EQ((Strings{"@dInfinite", "@m*.c", "@x*\\obj\\", "@a" + size, "@pC:\\src\\"}),
              Host::Args());
}

TEST_F(PathPlanTest, ANamedPlanGoesByNameAloneAndEmptyMasksGiveNoMasks)
{
    StorePlan("Sources", {"C:\\src\\"}, "*.cpp");
    SetValue(kEditorKey, "Plan", "Sources");
    Host named;
    std::string shown;
    named.Run([&] {
        shown = Host::Text(named.Editor(), IDC_KY_PP_MASKS);
        named.Ok();
    });
    EXPECT_EQ("*.cpp", shown);
    EXPECT_EQ((Strings{"@PSources"}), Host::Args());

    SeedEditor(kEditorKey, {"C:\\src\\main.c", "@Lliteral"}, "", "");
    SetValue(kEditorKey, "Plan", "");
    Host unnamed;
    unnamed.Run([&] { unnamed.Ok(); });
    EXPECT_EQ((Strings{"@pC:\\src\\main.c", "@Lliteral"}), Host::Args());
}

TEST_F(PathPlanTest, OkKeepsTheSettingsForThisToolAndForAnyToolAndRemembersTheMasks)
{
    // A full history of 20 masks, most recent first.
    std::string order;
    for (int i = 0; i < 20; ++i) {
        const char code = static_cast<char>('!' + i);
        order += code;
        SetValue(MasksHistoryKey(), std::string(1, code).c_str(), "old" + std::to_string(i));
    }
    SetValue(MasksHistoryKey(), "Order", order);
    SeedEditor(kEditorKey, {"C:\\src\\", "C:\\inc\\"}, "*.h", "2", {"*\\obj\\"},
               {FilterText("S<=1MB")});
    Host host;
    Strings offered;
    host.Run([&] {
        offered = StorageTest::ComboEntries(::GetDlgItem(host.Editor().m_hWnd, IDC_KY_PP_MASKS));
        host.Ok();
    });
    ASSERT_EQ(20u, offered.size());
    EXPECT_EQ("old0", offered[0]);
    const Strings history = MasksHistory();
    ASSERT_EQ(20u, history.size());
    EXPECT_EQ("*.h", history[0]);
    EXPECT_EQ("old18", history[19]);
    for (const std::string& key : {kEditorKey, kEditorPrevious}) {
        SCOPED_TRACE(key);
        EXPECT_EQ((Strings{"C:\\src\\", "C:\\inc\\"}), List(key, "Paths"));
        EXPECT_EQ("*.h", Value(key, "Masks"));
        EXPECT_EQ("2", Value(key, "MaxRecursionDepth"));
        EXPECT_EQ("", Value(key, "Plan"));
        EXPECT_EQ((Strings{"*\\obj\\"}), List(key, "Exceptions"));
        EXPECT_EQ((Strings{FilterText("S<=1MB")}), List(key, "AdvancedFilters"));
    }
    EXPECT_EQ(kEditorGuid, Value(OptionsKey(), "PageGUID"));
}

TEST_F(PathPlanTest, RulesTooLongForTheRegistryLeaveNoListButThePlanAndDepthAreKept)
{
    SeedEditor(kEditorKey, {"C:\\old\\"}, "*", "1");
    SeedEditor(kEditorPrevious, {"C:\\old\\"}, "*", "1");
    const std::string a = "C:\\" + std::string(4096, 'a') + "\\";
    const std::string b = "C:\\" + std::string(4096, 'b') + "\\";
    Host host;
    host.Run([&] {
        host.SetRules({a, b});
        Host::Type(host.Editor(), IDC_KY_PP_DEPTH, "3");
        host.Ok();
    });
    EXPECT_EQ((Strings{"@d3", "@m*", "@p" + a, "@p" + b}), Host::Args());
    for (const std::string& key : {kEditorKey, kEditorPrevious}) {
        SCOPED_TRACE(key);
        EXPECT_TRUE(List(key, "Paths").empty());
        EXPECT_EQ("", Value(key, "Plan"));
        EXPECT_EQ("3", Value(key, "MaxRecursionDepth"));
    }
}

TEST_F(PathPlanTest, RestoreTakesAnyToolsSettingsAndShiftRestoreThisToolsOwn)
{
    SeedEditor(kEditorKey, {"C:\\own\\"}, "*.own", "1");
    SeedEditor(kEditorPrevious, {"C:\\any\\"}, "*.any", "3", {"*\\bin\\"});
    Host host;
    Strings started, restored, shiftRestored;
    std::string restoredMasks, restoredDepth, restoredExceptions, shiftExceptions;
    bool modified = false;
    host.Run([&] {
        started = host.Rules();
        Host::Click(host.Editor(), IDC_KY_PP_RESTORE);
        restored = host.Rules();
        restoredMasks = Host::Text(host.Editor(), IDC_KY_PP_MASKS);
        restoredDepth = Host::Text(host.Editor(), IDC_KY_PP_DEPTH);
        restoredExceptions = Host::Text(host.Editor(), IDC_KY_PP_EXCEPTIONS);
        modified = host.dialog.DocIsModified();
        {
            HeldKeys shift(true, false);
            Host::Click(host.Editor(), IDC_KY_PP_RESTORE);
        }
        shiftRestored = host.Rules();
        shiftExceptions = Host::Text(host.Editor(), IDC_KY_PP_EXCEPTIONS);
        host.Cancel();
    });
    EXPECT_EQ((Strings{"C:\\own\\"}), started);
    EXPECT_EQ((Strings{"C:\\any\\"}), restored);
    EXPECT_EQ("*.any", restoredMasks);
    EXPECT_EQ("3", restoredDepth);
    EXPECT_EQ("* Exceptions...", restoredExceptions);
    EXPECT_TRUE(modified);
    EXPECT_EQ((Strings{"C:\\own\\"}), shiftRestored);
    EXPECT_EQ("Exceptions...", shiftExceptions);
}

TEST_F(PathPlanTest, RestoreWithNothingStoredGivesTheDefaultMasksAndEmptyLists)
{
    SeedEditor(kEditorKey, {"C:\\own\\"}, "*.own", "1", {"*\\obj\\"});
    Host host;
    Strings rules;
    std::string masks, depth, exceptions;
    host.Run([&] {
        Host::Click(host.Editor(), IDC_KY_PP_RESTORE);
        rules = host.Rules();
        masks = Host::Text(host.Editor(), IDC_KY_PP_MASKS);
        depth = Host::Text(host.Editor(), IDC_KY_PP_DEPTH);
        exceptions = Host::Text(host.Editor(), IDC_KY_PP_EXCEPTIONS);
        host.Cancel();
    });
    EXPECT_TRUE(rules.empty());
    EXPECT_EQ("", masks);
    EXPECT_EQ("", depth);
    EXPECT_EQ("Exceptions...", exceptions);
}

TEST_F(PathPlanTest, ShiftedAdvancedAndExceptionsClearOnlyWhatThereIs)
{
    SeedEditor(kEditorKey, {"C:\\src\\"}, "*", "1");
    Host empty;
    bool modified = true;
    std::string advanced, exceptions;
    empty.Run([&] {
        HeldKeys shift(true, false);
        Host::Click(empty.Editor(), IDC_KY_PP_ADVANCED);
        Host::Click(empty.Editor(), IDC_KY_PP_EXCEPTIONS);
        modified = empty.dialog.DocIsModified();
        advanced = Host::Text(empty.Editor(), IDC_KY_PP_ADVANCED);
        exceptions = Host::Text(empty.Editor(), IDC_KY_PP_EXCEPTIONS);
        empty.Cancel();
    });
    EXPECT_FALSE(modified);
    EXPECT_EQ("Advanced...", advanced);
    EXPECT_EQ("Exceptions...", exceptions);
    EXPECT_TRUE(Boxes().empty());

    SeedEditor(kEditorKey, {"C:\\src\\"}, "*", "1", {"*\\obj\\"}, {FilterText("S>=1KB")});
    Host full;
    full.Run([&] {
        {
            HeldKeys shift(true, false);
            Host::Click(full.Editor(), IDC_KY_PP_ADVANCED);
            Host::Click(full.Editor(), IDC_KY_PP_EXCEPTIONS);
        }
        modified = full.dialog.DocIsModified();
        advanced = Host::Text(full.Editor(), IDC_KY_PP_ADVANCED);
        exceptions = Host::Text(full.Editor(), IDC_KY_PP_EXCEPTIONS);
        full.Ok();
    });
    EXPECT_TRUE(modified);
    EXPECT_EQ("Advanced...", advanced);
    EXPECT_EQ("Exceptions...", exceptions);
    EXPECT_EQ((Strings{"@d1", "@m*", "@pC:\\src\\"}), Host::Args());
}

TEST_F(PathPlanTest, TheExceptionsEditorReplacesTheRulesAndAnUnchangedSheetMarksNothing)
{
    SeedEditor(kEditorKey, {"C:\\src\\"}, "*", "1", {"*\\old\\"});
    Host host;
    bool modifiedBySheet = true, modifiedByEditor = false;
    std::string caption, loaded, exceptions;
    host.Run([&] {
        OnNextModalIdle([](CWnd* sheet) { ::PostMessageA(sheet->m_hWnd, WM_COMMAND, IDOK, 0); });
        Host::Click(host.Editor(), IDC_KY_PP_ADVANCED);
        modifiedBySheet = host.dialog.DocIsModified();
        OnNextModalIdle([&](CWnd* editor) {
            caption = StorageTest::Text(editor->m_hWnd);
            HWND edit = ::GetDlgItem(editor->m_hWnd, IDC_KY_BIG_EDITOR_EDIT);
            loaded = StorageTest::Text(edit);
            ::SetWindowTextA(edit, "*\\a\\\r\n\r\n*\\b\\");
            ::SendMessageA(editor->m_hWnd, WM_COMMAND,
                           MAKEWPARAM(IDC_KY_BIG_EDITOR_EDIT, EN_CHANGE),
                           reinterpret_cast<LPARAM>(edit));
            ::PostMessageA(editor->m_hWnd, WM_COMMAND, IDOK, 0);
        });
        Host::Click(host.Editor(), IDC_KY_PP_EXCEPTIONS);
        modifiedByEditor = host.dialog.DocIsModified();
        exceptions = Host::Text(host.Editor(), IDC_KY_PP_EXCEPTIONS);
        host.Ok();
    });
    EXPECT_FALSE(modifiedBySheet);
    EXPECT_EQ("Exceptions Editor", caption);
    EXPECT_EQ("*\\old\\", loaded);
    EXPECT_TRUE(modifiedByEditor);
    EXPECT_EQ("* Exceptions...", exceptions);
    EXPECT_EQ((Strings{"@d1", "@m*", "@x*\\a\\", "@x*\\b\\", "@pC:\\src\\"}), Host::Args());
    EXPECT_EQ((Strings{"*\\a\\", "*\\b\\"}), List(kEditorKey, "Exceptions"));
}

// One check on OK: the rules, masks and depth given, the message shown (none
// when OK passes) and the control the focus goes back to.
struct CheckCase {
    const char* name;
    Strings rules;
    const char* masks;
    const char* depth;
    const char* message;
    int focus;
};

TEST_F(PathPlanTest, OkChecksTheRulesMasksAndDepth)
{
    const CheckCase cases[] = {
        {"no rules", {}, "*", "1", "The path list is empty.", IDC_KY_PP_RULES},
        {"folder without masks",
         {"C:\\src\\"},
         "",
         "1",
         "You must enter a value in the Masks field, because you have specified a search on at "
         "least one folder.",
         IDC_KY_PP_MASKS},
        {"folder without depth",
         {"C:\\src\\"},
         "*.c",
         "",
         "You must enter a value in the Folder Depth field, because you have specified a search "
         "on at least one folder.",
         IDC_KY_PP_DEPTH},
        {"drive without masks",
         {"D:"},
         "",
         "1",
         "You must enter a value in the Masks field, because "
         "you have specified a search on at least one folder.",
         IDC_KY_PP_MASKS},
        {"files need neither", {"C:\\src\\*.c"}, "", "", nullptr, 0},
        {"a literal is no folder", {"@Lx\\"}, "", "", nullptr, 0},
        {"a section is no folder", {"C:\\src\\|*.c|1"}, "", "", nullptr, 0},
        {"unreadable depth",
         {"C:\\src\\"},
         "*",
         "deep",
         "Bad folder depth number: deep",
         IDC_KY_PP_DEPTH},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.name);
        SeedEditor(kEditorKey, c.rules, c.masks, "");
        Host host;
        const size_t boxesBefore = Boxes().size();
        bool focused = false;
        Strings boxes;
        const INT_PTR result = host.Run([&] {
            Host::Type(host.Editor(), IDC_KY_PP_DEPTH, c.depth);
            host.Ok();
            const Strings all = Boxes();
            boxes.assign(all.begin() + static_cast<long>(boxesBefore), all.end());
            if (c.message == nullptr)
                return;
            focused = Host::HasFocus(host.Editor(), c.focus);
            host.Cancel();
        });
        if (c.message == nullptr) {
            EXPECT_EQ(IDOK, result);
            EXPECT_TRUE(boxes.empty());
            continue;
        }
        EXPECT_EQ(IDCANCEL, result);
        EXPECT_EQ((Strings{c.message}), boxes);
        EXPECT_TRUE(focused);
    }
}

TEST_F(PathPlanTest, LeavingAChangedStoredPlanOffersToSaveItAndCancelStays)
{
    StorePlan("Sources", {"C:\\src\\"}, "*.cpp", "1");
    SetValue(kEditorKey, "Plan", "Sources");
    Host host;
    bool openAfterCancel = false;
    int pageAfterCancel = -1;
    Strings questions;
    const INT_PTR result = host.Run([&] {
        Host::Type(host.Editor(), IDC_KY_PP_DEPTH, "5");
        {
            BoxAnswers answers({IDCANCEL, IDCANCEL});
            host.tabs->SetActivePage(1u, true, true);
            pageAfterCancel = host.tabs->GetActivePageIndex();
            host.Ok();
            questions = answers.Texts();
        }
        openAfterCancel = ::IsWindow(host.dialog.m_hWnd) && ::IsWindowVisible(host.dialog.m_hWnd);
        BoxAnswers answers({IDYES});
        host.Ok();
    });
    EXPECT_EQ((Strings{"Save changes to Path Plan \"Sources\"?",
                       "Save changes to Path Plan \"Sources\"?"}),
              questions);
    EXPECT_EQ(0, pageAfterCancel);
    EXPECT_TRUE(openAfterCancel);
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ((Strings{"@PSources"}), Host::Args());
    const auto stored = Kyvant::PathPlanDB::Instance().find(Kyvant::ky_I("Sources"));
    ASSERT_NE(Kyvant::PathPlanDB::Instance().end(), stored);
    EXPECT_STREQ("5", stored->second.Depth().c_str());
}

TEST_F(PathPlanTest, StoredSettingsThatDoNotParseAreReportedAndLeftOut)
{
    SeedEditor(kEditorKey, {"C:\\src\\"}, "*", "lots", {}, {"Snonsense", FilterText("S>=2KB")});
    Host host;
    std::string depth, advanced;
    size_t boxesAtStart = 0;
    host.Run([&] {
        boxesAtStart = Boxes().size();
        depth = Host::Text(host.Editor(), IDC_KY_PP_DEPTH);
        advanced = Host::Text(host.Editor(), IDC_KY_PP_ADVANCED);
        host.Ok();
        Host::Type(host.Editor(), IDC_KY_PP_DEPTH, "2");
        host.Ok();
    });
    ASSERT_EQ(1u, boxesAtStart);
    const Strings boxes = Boxes();
    EXPECT_NE(std::string::npos, boxes[0].find("Bad folder depth number: lots")) << boxes[0];
    EXPECT_NE(std::string::npos, boxes[0].find('\n')) << boxes[0];
    EXPECT_EQ("lots", depth);
    EXPECT_EQ("* Advanced...", advanced);
    ASSERT_EQ(2u, boxes.size());
    EXPECT_EQ("Bad folder depth number: lots", boxes[1]);
    EXPECT_EQ((Strings{"@d2", "@m*", "@a" + FilterText("S>=2KB"), "@pC:\\src\\"}), Host::Args());
}

} // namespace
