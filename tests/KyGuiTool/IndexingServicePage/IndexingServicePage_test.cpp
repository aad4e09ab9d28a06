// Tests of the Indexing Service page in the settings dialog: the first
// start and the checks on OK, the arguments it hands over, what it keeps in
// the registry and the query history, Restore, the mode controls, the
// query's larger editor, and its layout when it grows.
#include "IndexingServicePage/IndexingServicePageTestSupport.h"

#include "KyGui/Helpers/WndEx.h"
#include "KyGuiTool/PathLists/PathListsResource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace istree;

const char kMasksMessage[] = "You must enter a value in the Masks field, because you have "
                             "specified a search on at least one folder.";

std::string ComboText(CWnd& page, int id)
{
    return Host::Text(page, id);
}

// The query, mode, sort column and direction as the page shows them.
Strings SearchShown(CWnd& page)
{
    return {ComboText(page, IDC_KY_IS_QUERY), ComboText(page, IDC_KY_IS_MODE),
            ComboText(page, IDC_KY_IS_SORT), ComboText(page, IDC_KY_IS_ORDER)};
}

bool ModeEnabled(CWnd& page)
{
    const bool label = Host::Enabled(page, IDC_KY_IS_MODE_LABEL);
    EXPECT_EQ(label, Host::Enabled(page, IDC_KY_IS_MODE));
    return label;
}

// A choice in a drop list, as the user makes it.
void Choose(CWnd& page, int id, int index)
{
    HWND combo = ::GetDlgItem(page.m_hWnd, id);
    ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageA(page.m_hWnd, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(combo));
}

TEST_F(IndexingServiceTest, AFirstStartShowsThisComputerUncheckedAndOkAsksForACatalogThenMasks)
{
    Host host;
    Strings shown, search;
    bool mode = true, treeFocused = false, masksFocused = false;
    const INT_PTR result = host.Run([&] {
        PathPlanIndexingServiceSubDialog& page = Page(host);
        shown = Shown(Tree(host));
        search = SearchShown(page);
        mode = ModeEnabled(page);
        StorageTest::Snapshot(host.dialog.m_hWnd, "IndexingServiceFirstStart");
        host.Ok();
        treeFocused = Host::HasFocus(page, IDC_KY_IS_CATALOGS);
        ClickCheck(Tree(host), "My Computer/System");
        host.Ok();
        masksFocused = Host::HasFocus(page, IDC_KY_PP_MASKS);
        Host::Type(page, IDC_KY_PP_MASKS, "*.txt");
        host.Ok();
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ((Strings{"My Computer 0 1", "  System 2 1", "  Web 2 1"}), shown);
    EXPECT_EQ((Strings{"", "Normal", "Rank", "Descending"}), search);
    EXPECT_FALSE(mode);
    EXPECT_TRUE(treeFocused);
    EXPECT_TRUE(masksFocused);
    EXPECT_EQ((Strings{"You must check at least one catalog.", kMasksMessage}), Boxes());
    EXPECT_EQ((Strings{"@m*.txt", "@i+", "@isRank[d]", "@im.", "@icSystem", "@i\\"}), Host::Args());
    EXPECT_EQ((Strings{"\\"}), ListedScopes(m_query));
}

TEST_F(IndexingServiceTest, ArgumentsGiveTheSearchParametersThenEachCatalogSearchedOnItsOwn)
{
    struct Case {
        const char* what;
        Strings catalogs;
        std::string query;
        DWORD mode, sortBy, sortDirection;
        bool searchParameters;
        Strings args;
    };
    const Case cases[] = {
        {"phrase, by size",
         {".\\System", "far"},
         "x",
         1,
         2,
         1,
         true,
         {"@m*", "@i+", "@ipx", "@isSize[d]", "@im.", "@icSystem", "@i\\"}},
        {"two catalogs, any word, by date",
         {".\\System", ".\\Web"},
         "x y",
         3,
         3,
         0,
         true,
         {"@m*", "@i+", "@inx y", "@isWrite[a]", "@im.", "@icSystem", "@i\\", "@icWeb", "@i\\"}},
        {"no query, a whole computer and a catalog",
         {".\\\x01", "far\\Mail"},
         "",
         2,
         1,
         0,
         true,
         {"@m*", "@i+", "@isPath[a]", "@im.", "@icSystem", "@i\\", "@icWeb", "@i\\", "@imfar",
          "@icMail", "@i\\"}},
        {"out of range: the defaults",
         {"far\\Docs"},
         "y",
         7,
         9,
         5,
         true,
         {"@m*", "@i+", "@iqy", "@isRank[d]", "@imfar", "@icDocs", "@i\\"}},
        {"without search parameters",
         {".\\Web"},
         "z",
         1,
         2,
         0,
         false,
         {"@m*", "@im.", "@icWeb", "@i\\"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetValue(PageKeyPath(), "Masks", "*");
        SetList(PageKeyPath(), "Catalogs", c.catalogs);
        SeedSearch(PageKeyPath(), c.query, c.mode, c.sortBy, c.sortDirection);
        Host host;
        host.Run([&] {
            Page(host).UseSearchParameters(c.searchParameters);
            host.Ok();
        });
        EXPECT_EQ(c.args, Host::Args());
        EXPECT_EQ(Strings{}, Boxes());
    }
    // Only the queries of the pages that used them are remembered.
    EXPECT_EQ((Strings{"y", "x y", "x"}), QueryHistory(3));
}

TEST_F(IndexingServiceTest, OkKeepsTheSettingsForThisToolAndAnyToolAndRestoreBringsThemBack)
{
    SetValue(PageKeyPath(), "Masks", "*.doc");
    SetList(PageKeyPath(), "Catalogs", {".\\System", "far\\\x01", "gone\\Data"});
    SeedSearch(PageKeyPath(), "report", 2, 1, 0);
    Host first;
    first.Run([&] { first.Ok(); });
    for (const std::string& key : {PageKeyPath(), PreviousToolKey(kPageGuid)}) {
        SCOPED_TRACE(key);
        EXPECT_EQ((Strings{".\\System", "far\\<all>", "gone\\Data"}),
                  PrintableList(List(key, "Catalogs")));
        EXPECT_EQ("report", Value(key, "IS_Query"));
        EXPECT_EQ(2, Dword(key, "IS_Mode"));
        EXPECT_EQ(1, Dword(key, "IS_SortBy"));
        EXPECT_EQ(0, Dword(key, "IS_SortDir"));
        EXPECT_EQ("*.doc", Value(key, "Masks"));
    }
    EXPECT_EQ((Strings{"report"}), QueryHistory(1));
    const Strings firstArgs = Host::Args();

    // What any other tool last used comes back with Restore.
    SetList(PreviousToolKey(kPageGuid), "Catalogs", {".\\Web", "far"});
    SeedSearch(PreviousToolKey(kPageGuid), "other", 1, 3, 1);
    Host second;
    Strings shownAtStart, searchAtStart, shownRestored, searchRestored;
    second.Run([&] {
        shownAtStart = Shown(Tree(second));
        searchAtStart = SearchShown(Page(second));
        Host::Click(Page(second), IDC_KY_PP_RESTORE);
        shownRestored = Shown(Tree(second));
        searchRestored = SearchShown(Page(second));
        second.Cancel();
    });
    EXPECT_EQ((Strings{"My Computer 0 3", "  System 2 2", "  Web 2 1", "far 0 2", "  Docs 2 2",
                       "  Mail 2 2", "gone 1 3", "  Data 3 2"}),
              shownAtStart);
    EXPECT_EQ((Strings{"report", "All words", "Path", "Ascending"}), searchAtStart);
    EXPECT_EQ((Strings{"My Computer 0 3", "  System 2 1", "  Web 2 2", "far 0 1", "  Docs 2 1",
                       "  Mail 2 1", "gone 1 1", "  Data 3 1"}),
              shownRestored);
    EXPECT_EQ((Strings{"other", "Phrase", "Modified", "Descending"}), searchRestored);
    EXPECT_EQ(
        (Strings{"@m*.doc", "@i+", "@iareport", "@isPath[a]", "@im.", "@icSystem", "@i\\", "@imfar",
                 "@icDocs", "@i\\", "@icMail", "@i\\", "@imgone", "@icData", "@i\\"}),
        firstArgs);
}

TEST_F(IndexingServiceTest, ModeServesOnlyAQueryAndEveryChangeMarksTheTaskModified)
{
    Kyvant::IndexingService::QueryMRU::Instance().Add(Kyvant::ky_S("older"));
    Kyvant::IndexingService::QueryMRU::Instance().Add(Kyvant::ky_S("newest"));
    Host host;
    Strings history;
    std::vector<bool> modes, modified;
    host.Run([&] {
        PathPlanIndexingServiceSubDialog& page = Page(host);
        history = StorageTest::ComboEntries(::GetDlgItem(page.m_hWnd, IDC_KY_IS_QUERY));
        modes.push_back(ModeEnabled(page));
        Host::Type(page, IDC_KY_IS_QUERY, "word");
        modes.push_back(ModeEnabled(page));
        modified.push_back(host.dialog.DocIsModified());
        Host::Type(page, IDC_KY_IS_QUERY, "");
        modes.push_back(ModeEnabled(page));
        Choose(page, IDC_KY_IS_QUERY, 1);
        modes.push_back(ModeEnabled(page));
        for (int id : {IDC_KY_IS_MODE, IDC_KY_IS_SORT, IDC_KY_IS_ORDER}) {
            host.dialog.PostInitDialog(); // the marks cleared
            Choose(page, id, 1);
            modified.push_back(host.dialog.DocIsModified());
        }
        host.Cancel();
    });
    ASSERT_LE(2u, history.size());
    EXPECT_EQ((Strings{"newest", "older"}), Strings(history.begin(), history.begin() + 2));
    EXPECT_EQ((std::vector<bool>{false, true, false, true}), modes);
    EXPECT_EQ((std::vector<bool>{true, true, true, true}), modified);
}

TEST_F(IndexingServiceTest, TheQueryEditorShowsEachLineFeedAsALineBreakAndJoinsTheLinesBack)
{
    SetValue(PageKeyPath(), "Masks", "*");
    SetList(PageKeyPath(), "Catalogs", {".\\Web"});
    SeedSearch(PageKeyPath(), "alpha\nbeta", 0, 0, 1);
    Host host;
    std::string caption, edited, query;
    bool mode = false, modified = false;
    host.Run([&] {
        PathPlanIndexingServiceSubDialog& page = Page(host);
        OnNextModalIdle([&](CWnd* editor) {
            caption = StorageTest::Text(editor->m_hWnd);
            HWND edit = ::GetDlgItem(editor->m_hWnd, IDC_KY_BIG_EDITOR_EDIT);
            edited = StorageTest::Text(edit);
            ::SetWindowTextA(edit, "one\r\ntwo\r\nthree");
            ::SendMessageA(editor->m_hWnd, WM_COMMAND,
                           MAKEWPARAM(IDC_KY_BIG_EDITOR_EDIT, EN_CHANGE),
                           reinterpret_cast<LPARAM>(edit));
            ::PostMessageA(editor->m_hWnd, WM_COMMAND, IDOK, 0);
        });
        Host::MouseClick(page, IDC_KY_IS_QUERY_BUTTON);
        query = ComboText(page, IDC_KY_IS_QUERY);
        mode = ModeEnabled(page);
        modified = host.dialog.DocIsModified();
        host.Ok();
    });
    EXPECT_EQ("Query Editor", caption);
    EXPECT_EQ("alpha\r\nbeta", edited);
    EXPECT_EQ("one\ntwo\nthree", query);
    EXPECT_TRUE(mode);
    EXPECT_TRUE(modified);
    EXPECT_EQ((Strings{"@m*", "@i+", "@iqone\ntwo\nthree", "@isRank[d]", "@im.", "@icWeb", "@i\\"}),
              Host::Args());
}

} // namespace

namespace {

// A control's rectangle in its page's client coordinates.
CRect PlaceOf(CWnd& page, int id)
{
    return Kyvant::WndEx::WindowRect(*page.GetDlgItem(id), true);
}

TEST_F(IndexingServiceTest, ATallerPageStretchesTheTreeAndKeepsTheMasksRowAtTheBottom)
{
    const int kGrowth = 40;
    Host host;
    CRect treeBefore, treeAfter, masksBefore, masksAfter, restoreBefore, restoreAfter, query,
        button;
    host.Run([&] {
        PathPlanIndexingServiceSubDialog& page = Page(host);
        treeBefore = PlaceOf(page, IDC_KY_IS_CATALOGS);
        masksBefore = PlaceOf(page, IDC_KY_PP_MASKS);
        restoreBefore = PlaceOf(page, IDC_KY_PP_RESTORE);
        query = PlaceOf(page, IDC_KY_IS_QUERY);
        button = PlaceOf(page, IDC_KY_IS_QUERY_BUTTON);
        CRect client;
        page.GetClientRect(&client);
        ::SetWindowPos(page.m_hWnd, nullptr, 0, 0, client.Width(), client.Height() + kGrowth,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        treeAfter = PlaceOf(page, IDC_KY_IS_CATALOGS);
        masksAfter = PlaceOf(page, IDC_KY_PP_MASKS);
        restoreAfter = PlaceOf(page, IDC_KY_PP_RESTORE);
        host.Cancel();
    });
    EXPECT_EQ(treeBefore.top, treeAfter.top);
    EXPECT_EQ(treeBefore.Height() + kGrowth, treeAfter.Height());
    EXPECT_EQ(masksBefore.top + kGrowth, masksAfter.top);
    EXPECT_EQ(restoreBefore.top + kGrowth, restoreAfter.top);
    EXPECT_EQ(restoreBefore.left, restoreAfter.left);
    EXPECT_EQ(query.Height(), button.Height());
}

} // namespace
