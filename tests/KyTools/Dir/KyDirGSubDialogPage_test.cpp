// Tests of the Dir page in a settings dialog: the arguments of its options,
// the enabling rules, what OK tells and asks the host, the registry state
// with the list-file history, task-file records (taken only at the field's
// size and within range), a new task, and the two editors.
#include "Dir/DirPageReport.h"
#include "Dir/DirTestSupport.h"

#include "KyConTool/IndexingService/IndexingServiceMRU.h"
#include "KyGuiTool/PathLists/PathListsResource.h"
#include "KyStd/Registry/RegValues.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace dirtest;

const char kOut[] = "C:\\out.txt";

struct Shown {
    bool append, quote, full, folders, service;
    int mode, column, direction;
    std::string listFile, query;
};

Shown Read(CWnd& page)
{
    auto index = [&](int id) {
        return static_cast<int>(page.GetDlgItem(id)->SendMessage(CB_GETCURSEL));
    };
    return Shown{Checked(page, IDC_KY_DIR_APPEND),
                 Checked(page, IDC_KY_DIR_QUOTE_NAMES),
                 Checked(page, IDC_KY_DIR_FULL_PATHS),
                 Checked(page, IDC_KY_DIR_INCLUDE_FOLDERS),
                 Checked(page, IDC_KY_DIR_USE_INDEXING_SERVICE),
                 index(IDC_KY_DIR_MODE),
                 index(IDC_KY_DIR_SORT),
                 index(IDC_KY_DIR_ORDER),
                 Text(page, IDC_KY_DIR_LIST_FILE),
                 Text(page, IDC_KY_DIR_QUERY)};
}

// The enabled state of the controls from the check box to the order combo.
std::vector<int> EnabledServiceControls(CWnd& page)
{
    std::vector<int> ids;
    for (int id = IDC_KY_DIR_USE_INDEXING_SERVICE; id <= IDC_KY_DIR_ORDER; ++id) {
        if (page.GetDlgItem(id) != nullptr && Enabled(page, id))
            ids.push_back(id);
    }
    return ids;
}

using DirPage = DirPageTest;

TEST_F(DirPage, OptionsGiveTheArguments)
{
    using Script = std::function<void(CWnd&)>;
    const auto query = [](const char* text, int mode) -> Script {
        return [=](CWnd& page) {
            Click(page, IDC_KY_DIR_USE_INDEXING_SERVICE);
            TypeIn(page, IDC_KY_DIR_QUERY, text);
            Choose(page, IDC_KY_DIR_MODE, mode);
        };
    };
    const struct {
        const char* name;
        Script script;
        Args argv;
    } cases[] = {
        {"defaults", [](CWnd&) {}, {"-f"}},
        {"a list file",
         [](CWnd& p) { TypeIn(p, IDC_KY_DIR_LIST_FILE, kOut); },
         {"-oC:\\out.txt", "-f"}},
        {"appended to",
         [](CWnd& p) {
             TypeIn(p, IDC_KY_DIR_LIST_FILE, kOut);
             Click(p, IDC_KY_DIR_APPEND);
         },
         {"-aC:\\out.txt", "-f"}},
        {"names quoted, folders, no full paths",
         [](CWnd& p) {
             for (int id :
                  {IDC_KY_DIR_FULL_PATHS, IDC_KY_DIR_QUOTE_NAMES, IDC_KY_DIR_INCLUDE_FOLDERS})
                 Click(p, id);
         },
         {"-q", "-F"}},
        {"the service with an empty query",
         [](CWnd& p) { Click(p, IDC_KY_DIR_USE_INDEXING_SERVICE); },
         {"-f", "@i+", "@isRank[d]"}},
        {"a query in Normal mode", query("report", 0), {"-f", "@i+", "@iqreport", "@isRank[d]"}},
        {"Phrase", query("a b", 1), {"-f", "@i+", "@ipa b", "@isRank[d]"}},
        {"All words", query("a b", 2), {"-f", "@i+", "@iaa b", "@isRank[d]"}},
        {"Any word", query("a b", 3), {"-f", "@i+", "@ina b", "@isRank[d]"}},
        {"Modified ascending",
         [](CWnd& p) {
             Click(p, IDC_KY_DIR_USE_INDEXING_SERVICE);
             Choose(p, IDC_KY_DIR_SORT, 3);
             Choose(p, IDC_KY_DIR_ORDER, 0);
         },
         {"-f", "@i+", "@isWrite[a]"}},
        {"Size",
         [](CWnd& p) {
             Click(p, IDC_KY_DIR_USE_INDEXING_SERVICE);
             Choose(p, IDC_KY_DIR_SORT, 2);
         },
         {"-f", "@i+", "@isSize[d]"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_key = FreshKey("Dir");
        EXPECT_EQ(c.argv, OkArgs([&](KyDirGSubDialogPage& page) { c.script(page); }));
        EXPECT_TRUE(BoxTexts().empty());
    }
}

// Append is there only for a named list file: typed, or chosen from the
// history (while the choice is being made the edit text is still the old).
TEST_F(DirPage, AppendFollowsTheListFile)
{
    Kyvant::WriteRegistryDWORD(m_key.get(), "AppendToFile", 1);
    std::vector<bool> enabled;
    Args argv = OkArgs([&](KyDirGSubDialogPage& page) {
        enabled.push_back(Enabled(page, IDC_KY_DIR_APPEND));
        EXPECT_TRUE(Checked(page, IDC_KY_DIR_APPEND));
        TypeIn(page, IDC_KY_DIR_LIST_FILE, kOut);
        enabled.push_back(Enabled(page, IDC_KY_DIR_APPEND));
        TypeIn(page, IDC_KY_DIR_LIST_FILE, "");
        enabled.push_back(Enabled(page, IDC_KY_DIR_APPEND));
    });
    EXPECT_EQ((std::vector<bool>{false, true, false}), enabled);
    EXPECT_EQ(Args{"-f"}, argv) << "an empty list file gives no argument, even appended to";

    // The history kept nothing then; now it keeps the named file. A choice
    // from the list enables Append while the edit still shows the old text.
    int remembered = -1;
    OkArgs([&](KyDirGSubDialogPage& page) {
        remembered =
            static_cast<int>(page.GetDlgItem(IDC_KY_DIR_LIST_FILE)->SendMessage(CB_GETCOUNT));
        TypeIn(page, IDC_KY_DIR_LIST_FILE, kOut);
    });
    EXPECT_EQ(0, remembered);
    int selected = -1;
    Run([&](KyDirGSubDialogPage& page, SettingsHost&) {
        CWnd* combo = page.GetDlgItem(IDC_KY_DIR_LIST_FILE);
        TypeIn(page, IDC_KY_DIR_LIST_FILE, "");
        enabled.push_back(Enabled(page, IDC_KY_DIR_APPEND));
        combo->SendMessage(CB_SETCURSEL, 0);
        combo->GetWindow(GW_CHILD)->SetWindowText("");
        selected = static_cast<int>(combo->SendMessage(CB_GETCURSEL));
        page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_KY_DIR_LIST_FILE, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(combo->m_hWnd));
        enabled.push_back(Enabled(page, IDC_KY_DIR_APPEND));
    });
    EXPECT_EQ(0, selected);
    EXPECT_EQ((std::vector<bool>{false, true, false, false, true}), enabled);
}

TEST_F(DirPage, ServiceBoxEnablesItsControlsAndTheModeNeedsAQuery)
{
    const std::vector<int> allButMode = {IDC_KY_DIR_USE_INDEXING_SERVICE,
                                         IDC_KY_DIR_QUERY_BUTTON,
                                         IDC_KY_DIR_QUERY,
                                         IDC_KY_DIR_SORT_LABEL,
                                         IDC_KY_DIR_SORT,
                                         IDC_KY_DIR_ORDER_LABEL,
                                         IDC_KY_DIR_ORDER};
    std::vector<int> all = allButMode;
    all.insert(all.begin() + 3, {IDC_KY_DIR_MODE_LABEL, IDC_KY_DIR_MODE});
    std::vector<std::vector<int>> states;
    int modified = 0;
    Run([&](KyDirGSubDialogPage& page, SettingsHost& host) {
        states.push_back(EnabledServiceControls(page));
        const int before = m_bridge->modified;
        Click(page, IDC_KY_DIR_USE_INDEXING_SERVICE);
        states.push_back(EnabledServiceControls(page));
        TypeIn(page, IDC_KY_DIR_QUERY, "report");
        states.push_back(EnabledServiceControls(page));
        SaveWindowPng(host.m_hWnd, "dir_page");
        TypeIn(page, IDC_KY_DIR_QUERY, "");
        states.push_back(EnabledServiceControls(page));
        TypeIn(page, IDC_KY_DIR_QUERY, "again");
        Click(page, IDC_KY_DIR_USE_INDEXING_SERVICE);
        states.push_back(EnabledServiceControls(page));
        modified = m_bridge->modified - before;
    });
    EXPECT_EQ((std::vector<std::vector<int>>{{IDC_KY_DIR_USE_INDEXING_SERVICE},
                                             allButMode,
                                             all,
                                             allButMode,
                                             {IDC_KY_DIR_USE_INDEXING_SERVICE}}),
              states);
    EXPECT_GE(modified, 4);

    // A stored query with the service on opens with the mode enabled.
    Kyvant::WriteRegistryDWORD(m_key.get(), "UseIndexingService", 1);
    Kyvant::WriteRegistryString(m_key.get(), "Query", Kyvant::ky_S("stored"));
    Run([&](KyDirGSubDialogPage& page, SettingsHost&) {
        EXPECT_EQ(all, EnabledServiceControls(page));
        EXPECT_EQ("stored", Text(page, IDC_KY_DIR_QUERY));
    });
}

TEST_F(DirPage, OkTellsTheHostOfTheListFileAndAsksIt)
{
    // Refused: the dialog stays, nothing is stored.
    Run([&](KyDirGSubDialogPage& page, SettingsHost& host) {
        m_bridge->allow = false;
        Click(page, IDC_KY_DIR_USE_INDEXING_SERVICE);
        TypeIn(page, IDC_KY_DIR_LIST_FILE, kOut);
        host.PressOK();
    });
    EXPECT_EQ(std::vector<bool>{true}, m_bridge->allowAsked);
    EXPECT_EQ(std::vector<bool>{false}, m_bridge->listFileNamed) << "only the first word";
    EXPECT_EQ(0, m_host->saves);

    for (const char* listFile : {kOut, ""}) {
        SCOPED_TRACE(listFile);
        OkArgs([&](KyDirGSubDialogPage& page) { TypeIn(page, IDC_KY_DIR_LIST_FILE, listFile); });
        EXPECT_EQ(std::vector<bool>{false}, m_bridge->allowAsked);
        EXPECT_EQ((std::vector<bool>{false, *listFile != '\0'}), m_bridge->listFileNamed);
    }

    // A host of another kind is not asked.
    class OtherHost : public CountingBridge {};
    KyDirGSubDialogPage page(Kyvant::rc_ptr<Kyvant::AppBridge>(new OtherHost), m_key);
    SettingsHost host(page);
    EXPECT_EQ(IDOK, host.Run([&] { host.PressOK(); }));
}

TEST_F(DirPage, StateIsStoredAndShownAgain)
{
    OkArgs([&](KyDirGSubDialogPage& page) {
        TypeIn(page, IDC_KY_DIR_LIST_FILE, kOut);
        for (int id : {IDC_KY_DIR_APPEND, IDC_KY_DIR_QUOTE_NAMES, IDC_KY_DIR_FULL_PATHS,
                       IDC_KY_DIR_INCLUDE_FOLDERS, IDC_KY_DIR_USE_INDEXING_SERVICE})
            Click(page, id);
        TypeIn(page, IDC_KY_DIR_QUERY, "report");
        Choose(page, IDC_KY_DIR_MODE, 2);
        Choose(page, IDC_KY_DIR_SORT, 1);
        Choose(page, IDC_KY_DIR_ORDER, 0);
    });
    const struct {
        const char* name;
        DWORD value;
    } stored[] = {
        {"AppendToFile", 1},       {"QuoteFileNames", 1}, {"FullPaths", 0}, {"IncludeFolders", 1},
        {"UseIndexingService", 1}, {"Mode", 2},           {"SortOrder", 1}, {"SortDir", 0}};
    for (const auto& v : stored)
        EXPECT_EQ(v.value, ReadDword(m_key, v.name)) << v.name;
    EXPECT_STREQ(kOut, Kyvant::ky_S().LoadStringA(m_key.get(), "ListFileName", nullptr).c_str());
    EXPECT_STREQ("report", Kyvant::ky_S().LoadStringA(m_key.get(), "Query", nullptr).c_str());
    EXPECT_EQ("report",
              std::string(Kyvant::IndexingService::QueryMRU::Instance().GetFirst()->c_str()));

    Shown shown{};
    Run([&](KyDirGSubDialogPage& page, SettingsHost&) { shown = Read(page); });
    EXPECT_TRUE(shown.append && shown.quote && !shown.full && shown.folders && shown.service);
    EXPECT_EQ(2, shown.mode);
    EXPECT_EQ(1, shown.column);
    EXPECT_EQ(0, shown.direction);
    EXPECT_EQ(kOut, shown.listFile);
    EXPECT_EQ("report", shown.query);

    // Without the service the query and its settings are left as they were.
    Kyvant::WriteRegistryString(m_key.get(), "Query", Kyvant::ky_S("kept"));
    OkArgs([&](KyDirGSubDialogPage& page) {
        Click(page, IDC_KY_DIR_USE_INDEXING_SERVICE);
        Choose(page, IDC_KY_DIR_MODE, 0);
    });
    EXPECT_EQ(0u, ReadDword(m_key, "UseIndexingService"));
    EXPECT_EQ(2u, ReadDword(m_key, "Mode"));
    EXPECT_STREQ("kept", Kyvant::ky_S().LoadStringA(m_key.get(), "Query", nullptr).c_str());
}

TEST_F(DirPage, StoredValuesOutOfRangeOrOfAnotherTypeTakeTheirDefaults)
{
    Kyvant::WriteRegistryDWORD(m_key.get(), "UseIndexingService", 1);
    Kyvant::WriteRegistryDWORD(m_key.get(), "Mode", 4);
    Kyvant::WriteRegistryDWORD(m_key.get(), "SortOrder", 0xFFFFFFFF);
    Kyvant::WriteRegistryDWORD(m_key.get(), "SortDir", 2);
    Kyvant::WriteRegistryString(m_key.get(), "FullPaths", Kyvant::ky_S("0"));
    Kyvant::WriteRegistryDWORD(m_key.get(), "ListFileName", 7);
    Shown shown{};
    const Args argv = OkArgs([&](KyDirGSubDialogPage& page) {
        shown = Read(page);
        TypeIn(page, IDC_KY_DIR_QUERY, "q");
    });
    EXPECT_EQ((Args{"-f", "@i+", "@iqq", "@isRank[d]"}), argv);
    EXPECT_EQ(0, shown.mode);
    EXPECT_EQ(0, shown.column);
    EXPECT_EQ(1, shown.direction);
    EXPECT_TRUE(shown.full);
    EXPECT_EQ("", shown.listFile);

    // No key at all: the defaults, and OK stores nothing.
    KyDirGSubDialogPage page(Kyvant::rc_ptr<Kyvant::AppBridge>(new DirBridge), Kyvant::RegKey());
    SettingsHost host(page);
    EXPECT_EQ(IDOK, host.Run([&] { host.PressOK(); }));
    EXPECT_EQ(Args{"-f"}, host.argv);
}

TEST_F(DirPage, TheHistoryKeepsTwentyListFilesMostRecentFirst)
{
    for (int i = 1; i <= 21; ++i) {
        const std::string name = "C:\\list" + std::to_string(i) + ".txt";
        OkArgs([&](KyDirGSubDialogPage& page) { TypeIn(page, IDC_KY_DIR_LIST_FILE, name); });
    }
    // An entry used again moves to the front; an empty one is not kept.
    OkArgs([&](KyDirGSubDialogPage& page) { TypeIn(page, IDC_KY_DIR_LIST_FILE, "C:\\list5.txt"); });
    OkArgs([&](KyDirGSubDialogPage& page) { TypeIn(page, IDC_KY_DIR_LIST_FILE, ""); });
    Args entries;
    Run([&](KyDirGSubDialogPage& page, SettingsHost&) {
        CComboBox& combo = *static_cast<CComboBox*>(page.GetDlgItem(IDC_KY_DIR_LIST_FILE));
        for (int i = 0; i < combo.GetCount(); ++i) {
            CString text;
            combo.GetLBText(i, text);
            entries.push_back(static_cast<LPCSTR>(text));
        }
    });
    ASSERT_EQ(20u, entries.size());
    EXPECT_EQ("C:\\list5.txt", entries[0]);
    EXPECT_EQ("C:\\list21.txt", entries[1]);
    EXPECT_EQ("C:\\list2.txt", entries.back());
    EXPECT_EQ(entries.end(), std::find(entries.begin(), entries.end(), "C:\\list1.txt"));
}

TEST_F(DirPage, RecordsAreWrittenInOrderAndReadBack)
{
    OkArgs([&](KyDirGSubDialogPage& page) {
        TypeIn(page, IDC_KY_DIR_LIST_FILE, kOut);
        Click(page, IDC_KY_DIR_APPEND);
        Click(page, IDC_KY_DIR_USE_INDEXING_SERVICE);
        TypeIn(page, IDC_KY_DIR_QUERY, "report");
        Choose(page, IDC_KY_DIR_SORT, 3);
    });
    const std::string records = SaveRecords(*m_page);
    EXPECT_EQ(Record(2004, kOut) + Record(2003, Flag(true)) + Record(2000, Flag(true)) +
                  Record(2001, Flag(false)) + Record(2002, Flag(false)) + Record(2006, "report") +
                  Record(2005, Flag(true)) + Record(2007, Int32(0)) + Record(2008, Int32(3)) +
                  Record(2009, Int32(1)),
              records);

    m_key = FreshKey("Dir");
    const Args argv = OkArgs([&](KyDirGSubDialogPage& page) { LoadRecords(page, records); });
    EXPECT_EQ((Args{"-aC:\\out.txt", "-f", "@i+", "@iqreport", "@isWrite[d]"}), argv);
}

// Records of other types are ignored, and a record counts only with the
// payload size of its field; a mode, column or direction out of range is
// the default.
TEST_F(DirPage, RecordsAreTakenOnlyAtTheirFieldsSizeAndInRange)
{
    const std::string base = Record(2005, Flag(true)) + Record(2006, "q") + Record(2007, Int32(1)) +
                             Record(2008, Int32(2)) + Record(2009, Int32(0)) +
                             Record(2001, Flag(true));
    const Args baseArgs = {"-f", "-q", "@i+", "@ipq", "@isSize[a]"};
    const struct {
        const char* name;
        std::string records;
        Args argv;
    } cases[] = {
        {"as given", "", baseArgs},
        {"other types", Record(1999, Int32(3)) + Record(2010, "x") + Record(4000, Flag(false)),
         baseArgs},
        {"short payloads",
         Record(2001, "") + Record(2007, std::string(3, '\0')) + Record(2009, "\1"), baseArgs},
        {"long payloads",
         Record(2001, std::string(2, '\0')) + Record(2008, Int32(0) + std::string(1, '\0')) +
             Record(2005, std::string(4, '\0')),
         baseArgs},
        {"out of range",
         Record(2007, Int32(4)) + Record(2008, Int32(-1)) + Record(2009, Int32(2)),
         {"-f", "-q", "@i+", "@iqq", "@isRank[d]"}},
        {"texts of any length",
         Record(2004, std::string(kOut) + "x") + Record(2006, ""),
         {"-oC:\\out.txtx", "-f", "-q", "@i+", "@isSize[a]"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_key = FreshKey("Dir");
        EXPECT_EQ(c.argv,
                  OkArgs([&](KyDirGSubDialogPage& page) { LoadRecords(page, base + c.records); }));
        EXPECT_TRUE(BoxTexts().empty());
    }
}

// A new task takes the built-in defaults, not the stored settings; a loaded
// task shows the service's controls as it says and puts the focus first.
TEST_F(DirPage, NewTaskAndLoadedTask)
{
    Kyvant::WriteRegistryDWORD(m_key.get(), "FullPaths", 0);
    Kyvant::WriteRegistryDWORD(m_key.get(), "UseIndexingService", 1);
    Kyvant::WriteRegistryDWORD(m_key.get(), "SortDir", 0);
    Kyvant::WriteRegistryString(m_key.get(), "ListFileName", Kyvant::ky_S(kOut));
    std::vector<int> serviceControls;
    int focus = 0;
    const Args argv = OkArgs([&](KyDirGSubDialogPage& page) {
        page.DocOnNew();
        page.UpdateData(FALSE);
        page.DocOnFinishNew();
        serviceControls = EnabledServiceControls(page);
        page.GetDlgItem(IDC_KY_DIR_QUOTE_NAMES)->SetFocus();
        LoadRecords(page, Record(2005, Flag(true)));
        focus = FocusId();
    });
    EXPECT_EQ(std::vector<int>{IDC_KY_DIR_USE_INDEXING_SERVICE}, serviceControls);
    EXPECT_EQ(IDC_KY_DIR_USE_INDEXING_SERVICE, focus);
    EXPECT_EQ((Args{"-f", "@i+", "@isRank[d]"}), argv);
}

TEST_F(DirPage, ListFileButtonPutsTheChosenFileInTheCombo)
{
    std::string filter;
    int modified = 0;
    bool appendOn = false;
    int focus = 0;
    const std::string chosen = "C:\\listing.txt";
    const Args argv = OkArgs([&](KyDirGSubDialogPage& page) {
        const int before = m_bridge->modified;
        OnNextModalIdle([&](CWnd* hook) {
            HWND dialog = ::GetParent(hook->m_hWnd);
            char type[64] = "";
            ::GetDlgItemTextA(dialog, cmb1, type, sizeof type);
            filter = type;
            for (int id : {cmb13, edt1})
                if (::GetDlgItem(dialog, id) != nullptr)
                    ::SetDlgItemTextA(dialog, id, chosen.c_str());
            ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                           reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
        });
        ClickEditorButton(page, IDC_KY_DIR_LIST_FILE_BUTTON);
        modified = m_bridge->modified - before;
        appendOn = Enabled(page, IDC_KY_DIR_APPEND);
        const HWND combo = page.GetDlgItem(IDC_KY_DIR_LIST_FILE)->m_hWnd;
        focus = ::IsChild(combo, ::GetFocus()) ? IDC_KY_DIR_LIST_FILE : FocusId();
    });
    EXPECT_EQ("Text Files (*.txt)", filter);
    EXPECT_EQ((Args{"-o" + chosen, "-f"}), argv);
    EXPECT_GT(modified, 0);
    EXPECT_TRUE(appendOn);
    EXPECT_EQ(IDC_KY_DIR_LIST_FILE, focus);
}

TEST_F(DirPage, QueryEditorShowsAndKeepsLineBreaks)
{
    std::string caption, shown;
    bool modeOn = false;
    const Args argv = OkArgs([&](KyDirGSubDialogPage& page) {
        Click(page, IDC_KY_DIR_USE_INDEXING_SERVICE);
        TypeIn(page, IDC_KY_DIR_QUERY, "old");
        OnNextModalIdle([&](CWnd* editor) {
            char text[256] = "";
            ::GetWindowTextA(editor->m_hWnd, text, sizeof text);
            caption = text;
            const HWND edit = editor->GetDlgItem(IDC_KY_BIG_EDITOR_EDIT)->m_hWnd;
            ::GetWindowTextA(edit, text, sizeof text);
            shown = text;
            ::SendMessageA(edit, EM_SETSEL, 0, -1);
            ::SendMessageA(edit, EM_REPLACESEL, TRUE,
                           reinterpret_cast<LPARAM>("#size > 10\r\n& report"));
            ::SendMessageA(editor->m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                           reinterpret_cast<LPARAM>(::GetDlgItem(editor->m_hWnd, IDOK)));
        });
        ClickEditorButton(page, IDC_KY_DIR_QUERY_BUTTON);
        OnNextModalIdle(nullptr);
        modeOn = Enabled(page, IDC_KY_DIR_MODE);
    });
    EXPECT_EQ("Query Editor", caption);
    EXPECT_EQ("old", shown);
    EXPECT_TRUE(modeOn);
    EXPECT_EQ((Args{"-f", "@i+", "@iq#size > 10\n& report", "@isRank[d]"}), argv);
}

// The page as this prefix's Windows (with the Indexing Service) shows it;
// the probe test compares Windows NT 4 with it.
TEST_F(DirPage, WithTheServiceEveryControlShows)
{
    std::vector<std::string> lines;
    Run([&](KyDirGSubDialogPage& page, SettingsHost&) { lines = dirpage::Describe(page); });
    ASSERT_EQ(5u, lines.size());
    EXPECT_EQ("hidden 0", lines[0]);
    EXPECT_EQ("list file button 68", lines[1]);
    EXPECT_EQ("page 6 102", lines[2]) << "in the proxy's place";
    EXPECT_EQ("argv -f", lines[3]);
    EXPECT_EQ("records 2004= 2003=00 2000=01 2001=00 2002=00 2006= 2005=00 2007=00000000 "
              "2008=00000000 2009=01000000",
              lines[4]);
}

} // namespace
