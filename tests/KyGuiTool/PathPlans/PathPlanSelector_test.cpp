// Tests of the path-plan chooser page in the settings dialog: the label and
// buttons over an empty and a filled database, checks by click and by name,
// missing names, the arguments and state it keeps, and plans stored on the
// editor page meanwhile.
#include "PathPlans/PathPlanTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace pathplantest;

const std::string kChooserKey = PageKey(kChooserGuid);

// The chooser is the page remembered for this tool.
void StartOnChooser()
{
    SetValue(OptionsKey(), "PageGUID", kChooserGuid);
}

HWND List(PathPlanSelectorSubDialog& page)
{
    return ::GetDlgItem(page.m_hWnd, IDC_KY_PP_CHOOSER_LIST);
}

// A click on the check box in front of the row, as the mouse gives it.
void ClickCheck(PathPlanSelectorSubDialog& page, int row)
{
    RECT rect;
    ::SendMessageA(List(page), LB_GETITEMRECT, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(&rect));
    const LPARAM at = MAKELPARAM(rect.left + 6, (rect.top + rect.bottom) / 2);
    ::SendMessageA(List(page), WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageA(List(page), WM_LBUTTONUP, 0, at);
}

Strings Checked(PathPlanSelectorSubDialog& page)
{
    auto* list = static_cast<KyCheckListBoxBase*>(CWnd::FromHandlePermanent(List(page)));
    Strings names;
    const Strings rows = StorageTest::ListEntries(List(page));
    for (size_t i = 0; i < rows.size(); ++i) {
        if (list->GetCheck(static_cast<int>(i)) == KyCheckListBoxBase::kChecked)
            names.push_back(rows[i]);
    }
    return names;
}

TEST_F(PathPlanTest, AnEmptyDatabaseGivesNothingToCheckAndOkAsksForAPlan)
{
    StartOnChooser();
    Host host;
    std::string label;
    bool all = true, none = true, open = false;
    const INT_PTR result = host.Run([&] {
        label = Host::Text(host.Chooser(), IDC_KY_PP_CHOOSER_LABEL);
        all = Host::Enabled(host.Chooser(), IDC_KY_PP_CHECK_ALL);
        none = Host::Enabled(host.Chooser(), IDC_KY_PP_CHECK_NONE);
        host.Ok();
        open = ::IsWindowVisible(host.dialog.m_hWnd) != FALSE;
        host.Cancel();
    });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ("&Path Plans:", label);
    EXPECT_FALSE(all);
    EXPECT_FALSE(none);
    EXPECT_TRUE(open);
    ASSERT_FALSE(Boxes().empty());
    EXPECT_EQ("You must select at least one Path Plan.", Boxes()[0]);
}

TEST_F(PathPlanTest, CheckedPlansFollowTheFiltersInListOrderAndAreKept)
{
    for (const char* name : {"e", "b", "a", "d", "c"})
        StorePlan(name, {"C:\\"});
    SetValue(kChooserKey, "Masks", "*.txt");
    StartOnChooser();
    Host host;
    std::string label, afterAll, afterNone;
    Strings rows;
    bool all = false, none = false;
    host.Run([&] {
        rows = StorageTest::ListEntries(List(host.Chooser()));
        ClickCheck(host.Chooser(), 3);
        ClickCheck(host.Chooser(), 1);
        label = Host::Text(host.Chooser(), IDC_KY_PP_CHOOSER_LABEL);
        all = Host::Enabled(host.Chooser(), IDC_KY_PP_CHECK_ALL);
        none = Host::Enabled(host.Chooser(), IDC_KY_PP_CHECK_NONE);
        StorageTest::Snapshot(host.dialog.m_hWnd, "PathPlanChooserTwoOfFive");
        Host::Click(host.Chooser(), IDC_KY_PP_CHECK_ALL);
        afterAll = Host::Text(host.Chooser(), IDC_KY_PP_CHOOSER_LABEL);
        Host::Click(host.Chooser(), IDC_KY_PP_CHECK_NONE);
        afterNone = Host::Text(host.Chooser(), IDC_KY_PP_CHOOSER_LABEL);
        ClickCheck(host.Chooser(), 3);
        ClickCheck(host.Chooser(), 1);
        host.Ok();
    });
    EXPECT_EQ((Strings{"a", "b", "c", "d", "e"}), rows);
    EXPECT_EQ("&Path Plans (2 / 5):", label);
    EXPECT_TRUE(all);
    EXPECT_TRUE(none);
    EXPECT_EQ("&Path Plans (5 / 5):", afterAll);
    EXPECT_EQ("&Path Plans:", afterNone);
    EXPECT_EQ((Strings{"@m*.txt", "@Pb", "@Pd"}), Host::Args());
    EXPECT_EQ("b\x01"
              "d",
              Value(kChooserKey, "PathPlanList"));
    EXPECT_EQ("b\x01"
              "d",
              Value(PreviousToolKey(kChooserGuid), "PathPlanList"));
}

TEST_F(PathPlanTest, StoredNamesCheckTheirPlansWhateverTheirCaseAndMissingOnesAreListedOnce)
{
    for (const char* name : {"SRC", "Docs", "Tests"})
        StorePlan(name, {"C:\\"});
    SetValue(kChooserKey, "PathPlanList",
             "src\x01gone\x01tests\x01"
             "lost");
    StartOnChooser();
    Host host;
    Strings checked;
    int caret = -1;
    host.Run([&] {
        checked = Checked(host.Chooser());
        caret = static_cast<int>(::SendMessageA(List(host.Chooser()), LB_GETCARETINDEX, 0, 0));
        host.Ok();
    });
    EXPECT_EQ((Strings{"SRC", "Tests"}), checked);
    EXPECT_EQ(1, caret);
    EXPECT_EQ((Strings{"The following Path Plans are missing and could not be checked:\n\n"
                       "\tgone\n\tlost\n"}),
              Boxes());
    EXPECT_EQ((Strings{"@PSRC", "@PTests"}), Host::Args());
}

TEST_F(PathPlanTest, APlanStoredOnTheEditorPageJoinsTheListUncheckedAndOtherChecksStay)
{
    for (const char* name : {"alpha", "gamma"})
        StorePlan(name, {"C:\\"});
    SetValue(kChooserKey, "PathPlanList", "gamma");
    StartOnChooser();
    Host host;
    Strings rows, checked;
    std::string label;
    host.Run([&] {
        host.tabs->SetActivePage(0u, false, true);
        host.SetRules({"C:\\new\\"});
        Host::Type(host.Editor(), IDC_KY_PP_DEPTH, "1");
        Host::Type(host.Editor(), IDC_KY_PP_MASKS, "*");
        ::SetDlgItemTextA(host.Editor().m_hWnd, IDC_KY_PP_PLAN_NAMES, "beta");
        Host::Click(host.Editor(), IDC_KY_PP_PLAN_SAVE);
        host.tabs->SetActivePage(1u, false, true);
        rows = StorageTest::ListEntries(List(host.Chooser()));
        checked = Checked(host.Chooser());
        label = Host::Text(host.Chooser(), IDC_KY_PP_CHOOSER_LABEL);
        host.Cancel();
    });
    EXPECT_EQ((Strings{"alpha", "beta", "gamma"}), rows);
    EXPECT_EQ((Strings{"gamma"}), checked);
    EXPECT_EQ("&Path Plans (1 / 3):", label);
}

} // namespace
