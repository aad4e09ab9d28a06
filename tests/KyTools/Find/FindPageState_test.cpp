// Tests of what the Find pages keep: their registry values and pattern lists
// under each page's GUID subkey, the binary-mode flag of the tab control,
// task-file records written and read, new tasks, and the marks of a
// modified task.
#include "KyTools/Find/KyFindGTabCtrl.h"

#include "Find/FindDriving.h"
#include "KyStd/Registry/RegMRU.h"
#include "KyTools/Find/KyFindGFlavor.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using namespace findtest;
using Values = std::map<std::string, DWORD>;

std::string GuidOf(KyFindGFlavor flavor)
{
    return Kyvant::FindFlavors::Guid(flavor).c_str();
}

// The DWORD values of a key.
Values DwordValues(const Kyvant::RegKey& key)
{
    Values values;
    for (DWORD i = 0;; ++i) {
        char name[256];
        DWORD nameLength = sizeof name;
        DWORD type = 0;
        DWORD data = 0;
        DWORD size = sizeof data;
        const LONG result = ::RegEnumValueA(key.get(), i, name, &nameLength, nullptr, &type,
                                            reinterpret_cast<BYTE*>(&data), &size);
        if (result == ERROR_NO_MORE_ITEMS)
            return values;
        if (result == ERROR_SUCCESS && type == REG_DWORD)
            values[name] = data;
    }
}

std::vector<std::string> StoredPatterns(const Kyvant::RegKey& pageKey)
{
    Kyvant::RegMRUReader<Kyvant::ky_S> list(pageKey, "MRUPatterns");
    std::vector<std::string> patterns;
    for (const Kyvant::ky_S* p = list.GetFirst(); p != nullptr; p = list.GetNext())
        patterns.push_back(p->c_str());
    return patterns;
}

std::string Flag(int value)
{
    return std::string(1, static_cast<char>(value));
}

using FindState = FindTabs;

TEST_F(FindState, EachPageKeepsTheTableOfValuesUnderItsGuid)
{
    const Values grepFamily = {{"IgnoreCase", 0},   {"WholeWords", 0},  {"Inverted", 0},
                               {"ContextLines", 0}, {"LineNumbers", 1}, {"FileNamesOnly", 0},
                               {"BinaryMode", 0}};
    Values plain = grepFamily;
    plain["IgnoreCase"] = 1;
    const Values perl = {{"IgnoreCase", 0},    {"WholeWords", 0}, {"LineNumbers", 1},
                         {"FileNamesOnly", 0}, {"BinaryMode", 0}, {"DotMatchesNL", 0},
                         {"XRegEx", 0},        {"LineMode", 0}};
    const struct {
        int tab;
        KyFindGFlavor flavor;
        Values values;
    } cases[] = {
        {kPlain, KyFindGFlavor::PlainText, plain},  {kGrep, KyFindGFlavor::Grep, grepFamily},
        {kEgrep, KyFindGFlavor::Egrep, grepFamily}, {kFgrep, KyFindGFlavor::Fgrep, grepFamily},
        {kPerl, KyFindGFlavor::Perl, perl},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tab);
        m_key = FreshKey("Find");
        ASSERT_EQ(IDOK, Accept(c.tab, {}, "p"));
        const std::string guid = GuidOf(c.flavor);
        EXPECT_EQ(c.values, DwordValues(Kyvant::RegKey(m_key, guid.c_str())));
        Kyvant::ky_S stored;
        stored.LoadStringA(m_key.get(), "PageGUID", nullptr);
        EXPECT_EQ(guid, stored.c_str());
    }
}

TEST_F(FindState, StoredValuesAreShownAndClickedBoxesStored)
{
    const Kyvant::RegKey grep(m_key, GuidOf(KyFindGFlavor::Grep).c_str());
    for (const char* name : {"IgnoreCase", "Inverted", "BinaryMode"})
        WriteDword(grep, name, 1);
    WriteDword(grep, "LineNumbers", 0);
    Ids shown;
    RunOn(kGrep, [&](KyFindGTabCtrl&, CWnd& page, SettingsHost& host) {
        shown = Boxes(page);
        Click(page, IDC_KY_FIND_INVERTED);
        Click(page, IDC_KY_FIND_CONTEXT_LINES);
        TypePattern(page, "x");
        host.PressOK();
    });
    EXPECT_EQ((Ids{IDC_KY_FIND_IGNORE_CASE, IDC_KY_FIND_BINARY_MODE, IDC_KY_FIND_INVERTED}), shown);
    EXPECT_EQ((Args{"-iaUhGC", "--kyvant_ide_output", "-ex", "@!"}), Argv());
    EXPECT_EQ(0u, ReadDword(grep, "Inverted"));
    EXPECT_EQ(1u, ReadDword(grep, "ContextLines"));
    EXPECT_EQ(1u, ReadDword(grep, "BinaryMode"));
}

TEST_F(FindState, PatternListKeepsTwentyMostRecentFirst)
{
    const Kyvant::RegKey egrep(m_key, GuidOf(KyFindGFlavor::Egrep).c_str());
    {
        Kyvant::RegMRUReader<Kyvant::ky_S> list(egrep, "MRUPatterns");
        Kyvant::RegMRUWriter<Kyvant::ky_S> writer(list, 64);
        for (int i = 1; i <= 20; ++i)
            writer.Add(Kyvant::ky_S(("p" + std::to_string(i)).c_str()));
    }
    std::vector<std::string> shown;
    Accept(kEgrep, {}, "new");
    std::vector<std::string> stored = StoredPatterns(egrep);
    ASSERT_EQ(20u, stored.size());
    EXPECT_EQ("new", stored.front());
    EXPECT_EQ("p2", stored.back());

    // A pattern used again moves to the front; the combo lists them in order.
    RunOn(kEgrep, [&](KyFindGTabCtrl&, CWnd& page, SettingsHost& host) {
        shown = PatternList(page);
        TypePattern(page, "p10");
        host.PressOK();
    });
    EXPECT_EQ(stored, shown);
    stored = StoredPatterns(egrep);
    ASSERT_EQ(20u, stored.size());
    EXPECT_EQ("p10", stored[0]);
    EXPECT_EQ("new", stored[1]);
    EXPECT_EQ(1, std::count(stored.begin(), stored.end(), "p10"));

    // An empty pattern is never added.
    RunOn(kEgrep, [&](KyFindGTabCtrl& tabs, CWnd&, SettingsHost&) {
        tabs.DocOnNew();
        tabs.SaveState();
    });
    EXPECT_EQ(stored, StoredPatterns(egrep));
}

TEST_F(FindState, ChoosingAListedPatternSelectsIt)
{
    Accept(kGrep, {}, "first");
    Accept(kGrep, {}, "second");
    int modified = 0;
    RunOn(kGrep, [&](KyFindGTabCtrl&, CWnd& page, SettingsHost& host) {
        const int before = m_bridge->modified;
        CComboBox* combo = static_cast<CComboBox*>(page.GetDlgItem(IDC_KY_FIND_PATTERN));
        combo->SetCurSel(1);
        page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_KY_FIND_PATTERN, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(combo->m_hWnd));
        modified = m_bridge->modified - before;
        host.PressOK();
    });
    EXPECT_EQ(1, modified);
    EXPECT_EQ("-efirst", Argv()[2]);
}

TEST_F(FindState, SaveStateGivesTheTabControlTheActivePagesBinaryMode)
{
    Accept(kGrep, {IDC_KY_FIND_BINARY_MODE}, "x");
    EXPECT_TRUE(m_page->GetBinaryMode());
    // The Grep page keeps its binary mode on, but Perl is the page shown.
    Accept(kPerl, {}, "x");
    EXPECT_FALSE(m_page->GetBinaryMode());
    Accept(kPerl, {IDC_KY_FIND_BINARY_MODE}, "x");
    EXPECT_TRUE(m_page->GetBinaryMode());
}

TEST_F(FindState, RecordsAreWrittenInEachPagesOrder)
{
    std::string grep;
    RunOn(kGrep, [&](KyFindGTabCtrl& tabs, CWnd& page, SettingsHost&) {
        TypePattern(page, "a|b");
        Click(page, IDC_KY_FIND_WHOLE_WORDS);
        Click(page, IDC_KY_FIND_CONTEXT_LINES);
        page.UpdateData(TRUE);
        grep = SaveRecords(tabs);
    });
    EXPECT_EQ(Record(4000, GuidOf(KyFindGFlavor::Grep)) + Record(4001, "a|b") +
                  Record(4002, Flag(0)) + Record(4003, Flag(1)) + Record(4007, Flag(0)) +
                  Record(4008, Flag(1)) + Record(4005, Flag(1)) + Record(4006, Flag(0)) +
                  Record(4004, Flag(0)),
              grep);

    std::string perl;
    RunOn(kPerl, [&](KyFindGTabCtrl& tabs, CWnd& page, SettingsHost&) {
        TypePattern(page, "x+");
        Click(page, IDC_KY_FIND_LINE_MODE);
        Click(page, IDC_KY_FIND_BINARY_MODE);
        page.UpdateData(TRUE);
        perl = SaveRecords(tabs);
    });
    EXPECT_EQ((std::vector<int>{4000, 4001, 4002, 4003, 4005, 4006, 4010, 4009, 4011, 4004}),
              RecordTypes(perl));
    EXPECT_EQ(Record(4000, GuidOf(KyFindGFlavor::Perl)) + Record(4001, "x+") +
                  Record(4002, Flag(0)) + Record(4003, Flag(0)) + Record(4005, Flag(1)) +
                  Record(4006, Flag(0)) + Record(4010, Flag(0)) + Record(4009, Flag(0)) +
                  Record(4011, Flag(1)) + Record(4004, Flag(1)),
              perl);
}

TEST_F(FindState, LoadingAGrepFileShowsGrepAndLeavesTheOtherPages)
{
    const std::string file = Record(4000, GuidOf(KyFindGFlavor::Grep)) + Record(4001, "loaded") +
                             Record(4002, Flag(1)) + Record(4007, Flag(1)) + Record(4005, Flag(0)) +
                             // Types the grep family does not use, and others.
                             Record(4009, Flag(1)) + Record(4010, Flag(1)) + Record(4011, Flag(1)) +
                             Record(4012, "junk") + Record(3000, Flag(1));
    std::string grepPattern, plainPattern, perlPattern;
    Ids grepBoxes, plainBoxes, perlBoxes;
    RunOn(kPlain, [&](KyFindGTabCtrl& tabs, CWnd& plain, SettingsHost& host) {
        TypePattern(plain, "plain text");
        ClickTab(tabs, kPerl);
        TypePattern(tabs.GetActivePage(), "perl text");
        ClickTab(tabs, kPlain);
        LoadRecords(tabs, file);
        EXPECT_EQ(kGrep, tabs.GetActivePageIndex());
        grepPattern = PatternText(tabs.GetActivePage());
        grepBoxes = Boxes(tabs.GetActivePage());
        Screenshot(host, "find_grep_page_loaded");
        ClickTab(tabs, kPlain);
        plainPattern = PatternText(plain);
        plainBoxes = Boxes(plain);
        ClickTab(tabs, kPerl);
        perlPattern = PatternText(tabs.GetActivePage());
        perlBoxes = Boxes(tabs.GetActivePage());
        ClickTab(tabs, kGrep);
        host.PressOK();
    });
    EXPECT_EQ("loaded", grepPattern);
    EXPECT_EQ((Ids{IDC_KY_FIND_IGNORE_CASE, IDC_KY_FIND_INVERTED}), grepBoxes);
    EXPECT_EQ("plain text", plainPattern);
    EXPECT_EQ((Ids{IDC_KY_FIND_IGNORE_CASE, IDC_KY_FIND_LINE_NUMBERS}), plainBoxes);
    EXPECT_EQ("perl text", perlPattern);
    EXPECT_EQ((Ids{IDC_KY_FIND_LINE_NUMBERS}), perlBoxes);
    EXPECT_EQ((Args{"-ivhG", "--kyvant_ide_output", "-eloaded", "@!"}), Argv());
}

TEST_F(FindState, PerlIgnoresTheGrepFamilysRecords)
{
    const std::string file = Record(4000, GuidOf(KyFindGFlavor::Perl)) + Record(4001, "a\nb") +
                             Record(4007, Flag(1)) + Record(4008, Flag(1)) + Record(4010, Flag(1)) +
                             Record(4002, "");
    RunOn(kPlain, [&](KyFindGTabCtrl& tabs, CWnd&, SettingsHost& host) {
        LoadRecords(tabs, file);
        host.PressOK();
    });
    ASSERT_FALSE(Argv().empty());
    EXPECT_EQ("-nrsY", Argv()[3]);
}

TEST_F(FindState, NewTaskTakesTheBuiltInDefaultsNotTheRegistry)
{
    for (KyFindGFlavor flavor : {KyFindGFlavor::PlainText, KyFindGFlavor::Grep}) {
        const Kyvant::RegKey key(m_key, GuidOf(flavor).c_str());
        WriteDword(key, "IgnoreCase", flavor == KyFindGFlavor::Grep ? 1 : 0);
        WriteDword(key, "LineNumbers", 0);
        WriteDword(key, "WholeWords", 1);
    }
    const struct {
        int tab;
        Ids boxes;
    } cases[] = {
        {kPlain, {IDC_KY_FIND_IGNORE_CASE, IDC_KY_FIND_LINE_NUMBERS}},
        {kGrep, {IDC_KY_FIND_LINE_NUMBERS}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tab);
        Ids before, after;
        std::string pattern;
        RunOn(c.tab, [&](KyFindGTabCtrl& tabs, CWnd& page, SettingsHost&) {
            before = Boxes(page);
            TypePattern(page, "old");
            Click(page, IDC_KY_FIND_NAMES_ONLY);
            tabs.DocOnNew();
            page.UpdateData(FALSE);
            tabs.DocOnFinishNew();
            after = Boxes(page);
            pattern = PatternText(page);
        });
        EXPECT_NE(c.boxes, before);
        EXPECT_EQ(c.boxes, after);
        EXPECT_EQ("", pattern);
    }
}

TEST_F(FindState, TypingChoosingAndClickingMarkTheTaskModified)
{
    for (int tab : {kGrep, kPerl}) {
        SCOPED_TRACE(tab);
        int typed = 0, clicked = 0;
        RunOn(tab, [&](KyFindGTabCtrl&, CWnd& page, SettingsHost&) {
            int before = m_bridge->modified;
            TypePattern(page, "ab");
            typed = m_bridge->modified - before;
            before = m_bridge->modified;
            for (int id = IDC_KY_FIND_IGNORE_CASE; id <= IDC_KY_FIND_INVERTED; ++id) {
                if (page.GetDlgItem(id) != nullptr)
                    Click(page, id);
            }
            clicked = m_bridge->modified - before;
        });
        EXPECT_GE(typed, 2);
        EXPECT_EQ(tab == kPerl ? 8 : 7, clicked);
    }
}

} // namespace
