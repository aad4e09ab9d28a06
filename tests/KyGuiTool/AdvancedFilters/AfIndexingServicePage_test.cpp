// Tests of the Indexing Service page: the mode controls that follow the
// master and the query's text, the query history in the combo box and the
// query put at its head on OK, the large editor with the query's lines, and
// the filter set or cleared by OK.
#include "KyGuiTool/AdvancedFilters/AfIndexingServicePage.h"

#include "AdvancedFilters/AdvancedFiltersDriving.h"
#include "KyConTool/IndexingService/IndexingServiceMRU.h"
#include "KyStd/Registry/RegKey.h"
#include "KyStd/Registry/RegMRU.h"

using namespace aftest;
using namespace Kyvant::AdvancedFiltration;
using Kyvant::IndexingService::QueryMRU;

namespace {

const int kIndexingServicePage = 3;
const char kHistoryParent[] = "Software\\Kyvant\\Tools\\Shared\\PathPlanDB";
const char kHistoryName[] = "ISQueryMRU";

INT_PTR RunIndexingServicePage(Filters& filters,
                               const std::function<void(CPropertySheet&, CWnd&)>& script)
{
    AdvancedFiltersPropertySheet sheet(filters, IDS_KY_ADVANCED_FILTERS);
    return RunSheet(sheet, [&](AdvancedFiltersPropertySheet& s) {
        script(s, ShowPage(s, kIndexingServicePage));
    });
}

// The history as the registry holds it now, most recent first.
Strings StoredHistory()
{
    Kyvant::RegMRUReader<Kyvant::ky_S> list(Kyvant::RegKey(HKEY_CURRENT_USER, kHistoryParent),
                                            kHistoryName);
    Strings entries;
    for (const Kyvant::ky_S* e = list.GetFirst(); e != nullptr; e = list.GetNext())
        entries.push_back(e->c_str());
    return entries;
}

std::string ModeState(CWnd& page)
{
    const bool label = Enabled(page, IDC_KY_AF_IS_MODE_LABEL);
    const bool combo = Enabled(page, IDC_KY_AF_IS_MODE);
    return label == combo ? (combo ? "on" : "off") : "mixed";
}

} // namespace

TEST(AfIndexingServicePage,
     TheModeFollowsTheMasterAndWhetherTheQueryHasTextAndTheButtonIsAsHighAsTheCombo)
{
    QueryMRU::Instance().Add(Kyvant::ky_S("from the history"));
    Filters filters;
    Strings states;
    CRect button, query;
    RunIndexingServicePage(filters, [&](CPropertySheet& sheet, CWnd& page) {
        ::GetWindowRect(Item(page, IDC_KY_AF_IS_QUERY_BUTTON), &button);
        ::GetWindowRect(Item(page, IDC_KY_AF_IS_QUERY), &query);
        const auto note = [&] { states.push_back(ModeState(page)); };
        note();
        Click(page, IDC_KY_AF_IS_ON);
        note();
        Type(page, IDC_KY_AF_IS_QUERY, "word");
        note();
        Snapshot(sheet, "advanced-filters-indexing-service");
        Type(page, IDC_KY_AF_IS_QUERY, "");
        note();
        Choose(page, IDC_KY_AF_IS_QUERY, 0);
        note();
        Click(page, IDC_KY_AF_IS_ON);
        note();
        states.push_back(Enabled(page, IDC_KY_AF_IS_QUERY) ? "query on" : "query off");
        sheet.PressButton(PSBTN_CANCEL);
    });
    EXPECT_EQ((Strings{"off", "off", "on", "off", "on", "off", "query off"}), states);
    EXPECT_EQ(query.Height(), button.Height());
}

TEST(AfIndexingServicePage, ListsTheHistoryPutsTheQueryAtItsHeadOnOkAndTheMasterOffClearsTheFilter)
{
    QueryMRU::Instance().Add(Kyvant::ky_S("second"));
    QueryMRU::Instance().Add(Kyvant::ky_S("first"));
    Filters filters;
    filters.IndexingService().Set(Kyvant::IndexingService::QueryTypePhrase, Kyvant::ky_S("second"));
    Strings listed;
    int selected = -1, mode = -1;
    std::string tab;
    EXPECT_EQ(IDOK, RunIndexingServicePage(filters, [&](CPropertySheet& sheet, CWnd& page) {
                  listed = Entries(page, IDC_KY_AF_IS_QUERY);
                  selected = Selected(page, IDC_KY_AF_IS_QUERY);
                  mode = Selected(page, IDC_KY_AF_IS_MODE);
                  tab = TabCaptions(sheet)[kIndexingServicePage];
                  Type(page, IDC_KY_AF_IS_QUERY, "a new query");
                  Choose(page, IDC_KY_AF_IS_MODE, Kyvant::IndexingService::QueryTypeAnyTerm);
                  sheet.PressButton(PSBTN_OK);
              }));
    ASSERT_GE(listed.size(), 2u);
    EXPECT_EQ((Strings{"first", "second"}), Strings(listed.begin(), listed.begin() + 2));
    EXPECT_EQ(1, selected);
    EXPECT_EQ(Kyvant::IndexingService::QueryTypePhrase, mode);
    EXPECT_EQ("* Indexing Service", tab);
    EXPECT_TRUE(filters.IndexingService().Active());
    EXPECT_EQ(Kyvant::IndexingService::QueryTypeAnyTerm, filters.IndexingService().GetQueryType());
    EXPECT_STREQ("a new query", filters.IndexingService().GetQuery().c_str());
    const Strings stored = StoredHistory();
    ASSERT_GE(stored.size(), 3u);
    EXPECT_EQ((Strings{"a new query", "first", "second"}),
              Strings(stored.begin(), stored.begin() + 3));
    const size_t capacity = QueryMRU::kSize;
    EXPECT_LE(stored.size(), capacity);

    EXPECT_EQ(IDOK, RunIndexingServicePage(filters, [](CPropertySheet& sheet, CWnd& page) {
                  Click(page, IDC_KY_AF_IS_ON);
                  sheet.PressButton(PSBTN_OK);
              }));
    EXPECT_TRUE(filters == Filters());
}

TEST(AfIndexingServicePage, TheQueryEditorShowsEachLineAndJoinsThemBackWithLineFeeds)
{
    Filters filters;
    filters.IndexingService().Set(Kyvant::IndexingService::QueryTypeQuery,
                                  Kyvant::ky_S("@size > 100\nand #filename *.txt"));
    std::string caption, shownInEditor, queryAfter, modeAfter;
    EXPECT_EQ(IDOK, RunIndexingServicePage(filters, [&](CPropertySheet& sheet, CWnd& page) {
                  OnNextModalIdle([&](CWnd* editor) {
                      caption = Text(editor->m_hWnd);
                      const HWND edit = ::FindWindowExA(editor->m_hWnd, nullptr, "Edit", nullptr);
                      shownInEditor = Text(edit);
                      ::SendMessageA(edit, EM_SETSEL, 0, -1);
                      ::SendMessageA(edit, EM_REPLACESEL, TRUE,
                                     reinterpret_cast<LPARAM>("one\r\ntwo\r\n\r\nthree"));
                      Snapshot(*editor, "advanced-filters-query-editor");
                      ::SendMessageA(editor->m_hWnd, WM_COMMAND, IDOK, 0);
                  });
                  MouseClick(page, IDC_KY_AF_IS_QUERY_BUTTON);
                  queryAfter = Text(page, IDC_KY_AF_IS_QUERY);
                  modeAfter = ModeState(page);
                  sheet.PressButton(PSBTN_OK);
              }));
    EXPECT_EQ("Query Editor", caption);
    EXPECT_EQ("@size > 100\r\nand #filename *.txt", shownInEditor);
    EXPECT_EQ("one\ntwo\n\nthree", queryAfter);
    EXPECT_EQ("on", modeAfter);
    EXPECT_STREQ("one\ntwo\n\nthree", filters.IndexingService().GetQuery().c_str());
}

TEST(AfIndexingServicePage, AQueryMadeLongerThanTheLimitInTheEditorIsRefused)
{
    Filters filters;
    Boxes boxes;
    const std::string tooLong(AfIndexingServicePage::kMaxQueryLength + 1, 'q');
    bool focused = false;
    EXPECT_EQ(IDCANCEL, RunIndexingServicePage(filters, [&](CPropertySheet& sheet, CWnd& page) {
                  Click(page, IDC_KY_AF_IS_ON);
                  OnNextModalIdle([&](CWnd* editor) {
                      const HWND edit = ::FindWindowExA(editor->m_hWnd, nullptr, "Edit", nullptr);
                      ::SetWindowTextA(edit, tooLong.c_str());
                      ::SendMessageA(editor->m_hWnd, WM_COMMAND, IDOK, 0);
                  });
                  MouseClick(page, IDC_KY_AF_IS_QUERY_BUTTON);
                  sheet.PressButton(PSBTN_OK);
                  focused = ::IsChild(Item(page, IDC_KY_AF_IS_QUERY), ::GetFocus()) != FALSE;
                  sheet.PressButton(PSBTN_CANCEL);
              }));
    EXPECT_EQ(Strings{"Enter no more than 4096 characters."}, boxes.Texts());
    EXPECT_TRUE(focused);
    EXPECT_TRUE(filters == Filters());
}
