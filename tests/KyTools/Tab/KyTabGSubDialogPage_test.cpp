// Tests of the Tab page in a settings dialog: the mode that must be chosen,
// the arguments, the size checks, the final-size controls, registry state and
// task-file records.
#include "KyTools/Tab/KyTabGSubDialogPage.h"

#include "Host/SettingsHost.h"
#include "KyTools/Tab/TabResource.h"

#include <afxres.h>
#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace hosttest;
using Args = std::vector<std::string>;
using Ids = std::vector<int>;

// The three mode buttons.
const Ids kModes = {IDC_KY_TAB_TABS_TO_SPACES, IDC_KY_TAB_SPACES_TO_TABS,
                    IDC_KY_TAB_SPACES_TO_SPACES};

class TabPage : public ::testing::Test, protected PageRunner<KyTabGSubDialogPage> {
protected:
    using PageRunner<KyTabGSubDialogPage>::Run;

    void SetUp() override
    {
        theApp.m_boxes.clear();
        m_key = FreshKey("Tab");
    }
    void TearDown() override { DeleteTestsKey(); }

    static Ids CheckedModes(CWnd& page)
    {
        Ids checked;
        for (int id : kModes) {
            if (Checked(page, id))
                checked.push_back(id);
        }
        return checked;
    }
    // Whether the final size's label and edit are enabled, as "11", "00" or a mix.
    static std::string FinalSizeEnabled(CWnd& page)
    {
        return std::string(1, Enabled(page, IDC_KY_TAB_FINAL_SIZE_LABEL) ? '1' : '0') +
               (Enabled(page, IDC_KY_TAB_FINAL_SIZE) ? '1' : '0');
    }

    Kyvant::RegKey m_key;
};

TEST_F(TabPage, DefaultsRefuseOKUntilAModeIsChosen)
{
    Ids modes;
    int focus = 0;
    const INT_PTR result = Run(m_key, [&](KyTabGSubDialogPage& page, SettingsHost& host) {
        modes = CheckedModes(page);
        host.PressOK();
        focus = FocusId();
        SaveWindowPng(host.m_hWnd, "tab_page_no_mode");
        Click(page, IDC_KY_TAB_TABS_TO_SPACES);
        host.PressOK();
    });
    EXPECT_TRUE(modes.empty());
    EXPECT_EQ(IDC_KY_TAB_TABS_TO_SPACES, focus);
    EXPECT_EQ(Args{ResourceText(IDS_KY_TAB_NO_MODE)}, BoxTexts());
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ((Args{"-s", "-n8"}), Argv());
}

TEST_F(TabPage, ModeSizesAndSwitchesGiveTheArguments)
{
    const struct {
        const char* name;
        int mode;
        const char* size;
        const char* finalSize;
        Ids switches;
        Args argv;
    } cases[] = {
        {"spaces to spaces", IDC_KY_TAB_SPACES_TO_SPACES, "4", "2", {}, {"-u", "-n4", "-f2"}},
        {"spaces to tabs, both switches",
         IDC_KY_TAB_SPACES_TO_TABS,
         "32",
         "9",
         {IDC_KY_TAB_EVERYWHERE, IDC_KY_TAB_VERBOSE},
         {"-t", "-n32", "-v", "-e"}},
        {"tabs to spaces leaves out the final size",
         IDC_KY_TAB_TABS_TO_SPACES,
         "1",
         "5",
         {},
         {"-s", "-n1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_key = FreshKey("Tab");
        const INT_PTR result = Run(m_key, [&](KyTabGSubDialogPage& page, SettingsHost& host) {
            Click(page, c.mode);
            Type(page, IDC_KY_TAB_SIZE, c.size);
            Type(page, IDC_KY_TAB_FINAL_SIZE, c.finalSize);
            for (int id : c.switches)
                Click(page, id);
            host.PressOK();
        });
        EXPECT_EQ(IDOK, result);
        EXPECT_EQ(c.argv, Argv());
    }
}

TEST_F(TabPage, SizesOutsideOneToThirtyTwoAreRefused)
{
    const struct {
        int edit;
        const char* text;
        UINT prompt;
    } cases[] = {
        {IDC_KY_TAB_SIZE, "0", AFX_IDP_PARSE_INT_RANGE},
        {IDC_KY_TAB_SIZE, "33", AFX_IDP_PARSE_INT_RANGE},
        {IDC_KY_TAB_SIZE, "", AFX_IDP_PARSE_INT},
        // Checked even while its edit is disabled.
        {IDC_KY_TAB_FINAL_SIZE, "33", AFX_IDP_PARSE_INT_RANGE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.edit) + " \"" + c.text + "\"");
        theApp.m_boxes.clear();
        int focus = 0;
        const INT_PTR result = Run(m_key, [&](KyTabGSubDialogPage& page, SettingsHost& host) {
            Click(page, IDC_KY_TAB_TABS_TO_SPACES);
            Type(page, c.edit, c.text);
            host.PressOK();
            focus = FocusId();
        });
        EXPECT_EQ(kLeftOpen, result);
        ASSERT_EQ(1u, theApp.m_boxes.size());
        EXPECT_EQ(c.prompt, theApp.m_boxes[0].help);
        if (c.edit == IDC_KY_TAB_SIZE) {
            EXPECT_EQ(c.edit, focus);
        }
        EXPECT_EQ(0, m_host->saves);
    }
}

TEST_F(TabPage, FinalSizeControlsFollowSpacesToSpaces)
{
    std::vector<std::string> enabled;
    Run(m_key, [&](KyTabGSubDialogPage& page, SettingsHost&) {
        enabled.push_back(FinalSizeEnabled(page));
        for (int id : {IDC_KY_TAB_SPACES_TO_SPACES, IDC_KY_TAB_SPACES_TO_TABS,
                       IDC_KY_TAB_SPACES_TO_SPACES, IDC_KY_TAB_TABS_TO_SPACES}) {
            Click(page, id);
            enabled.push_back(FinalSizeEnabled(page));
        }
        LoadRecords(page, Record(6000, Int32(KyTabGSubDialogPage::SpacesToSpaces)));
        enabled.push_back(FinalSizeEnabled(page));
        page.DocOnNew();
        page.UpdateData(FALSE);
        page.DocOnFinishNew();
        enabled.push_back(FinalSizeEnabled(page));
    });
    EXPECT_EQ((std::vector<std::string>{"00", "11", "00", "11", "00", "11", "00"}), enabled);
}

TEST_F(TabPage, StateRoundTripsThroughTheRegistry)
{
    Run(m_key, [&](KyTabGSubDialogPage& page, SettingsHost& host) {
        Click(page, IDC_KY_TAB_SPACES_TO_SPACES);
        Type(page, IDC_KY_TAB_SIZE, "6");
        Type(page, IDC_KY_TAB_FINAL_SIZE, "3");
        Click(page, IDC_KY_TAB_EVERYWHERE);
        host.PressOK();
    });
    const struct {
        const char* name;
        DWORD value;
    } stored[] = {
        {"ReplaceEverywhere", 1}, {"TabSize", 6}, {"FinalTabSize", 3}, {"Verbose", 0}, {"Mode", 2}};
    for (const auto& value : stored)
        EXPECT_EQ(value.value, ReadDword(m_key, value.name)) << value.name;

    Run(m_key, [&](KyTabGSubDialogPage& page, SettingsHost& host) {
        EXPECT_EQ(Ids{IDC_KY_TAB_SPACES_TO_SPACES}, CheckedModes(page));
        EXPECT_EQ("6", Text(page, IDC_KY_TAB_SIZE));
        EXPECT_EQ("11", FinalSizeEnabled(page));
        host.PressOK();
    });
    EXPECT_EQ((Args{"-u", "-n6", "-f3", "-e"}), Argv());
}

TEST_F(TabPage, MissingKeyAndBadStoredModeChooseNoMode)
{
    WriteDword(m_key, "Mode", 9);
    const Kyvant::RegKey noKey;
    for (bool withKey : {false, true}) {
        SCOPED_TRACE(withKey ? "bad mode" : "no key");
        Run(withKey ? m_key : noKey, [&](KyTabGSubDialogPage& page, SettingsHost&) {
            EXPECT_TRUE(CheckedModes(page).empty());
            EXPECT_EQ("8", Text(page, IDC_KY_TAB_SIZE));
            EXPECT_EQ("8", Text(page, IDC_KY_TAB_FINAL_SIZE));
        });
    }
}

// A final size outside 1..32 from the registry or a task file would be
// refused on OK in an edit the user cannot reach: it opens as the default.
TEST_F(TabPage, StoredFinalSizesOutsideOneToThirtyTwoOpenAsTheDefault)
{
    const struct {
        const char* name;
        DWORD stored; // in the registry
        std::string records;
    } cases[] = {
        {"registry 0", 0, ""},
        {"registry 33", 33, ""},
        {"registry -1", 0xFFFFFFFF, ""},
        {"record 0", 5, Record(6002, Int32(0))},
        {"record 40", 5, Record(6002, Int32(40))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        theApp.m_boxes.clear();
        m_key = FreshKey("Tab");
        WriteDword(m_key, "FinalTabSize", c.stored);
        std::string shown;
        const INT_PTR result = Run(m_key, [&](KyTabGSubDialogPage& page, SettingsHost& host) {
            if (!c.records.empty())
                LoadRecords(page, c.records);
            shown = Text(page, IDC_KY_TAB_FINAL_SIZE);
            Click(page, IDC_KY_TAB_TABS_TO_SPACES);
            host.PressOK();
        });
        EXPECT_EQ("8", shown);
        EXPECT_EQ(IDOK, result);
        EXPECT_TRUE(theApp.m_boxes.empty()) << BoxTexts().front();
        EXPECT_EQ(8u, ReadDword(m_key, "FinalTabSize"));
    }
}

TEST_F(TabPage, RecordsAreWrittenInOrderAndReadBack)
{
    Run(m_key, [&](KyTabGSubDialogPage& page, SettingsHost& host) {
        Click(page, IDC_KY_TAB_SPACES_TO_TABS);
        Type(page, IDC_KY_TAB_SIZE, "4");
        Click(page, IDC_KY_TAB_VERBOSE);
        host.PressOK();
    });
    const std::string records = SaveRecords(*m_page);
    EXPECT_EQ(Record(6000, Int32(1)) + Record(6001, Int32(4)) + Record(6002, Int32(8)) +
                  Record(6003, std::string(1, '\0')) + Record(6004, std::string(1, '\1')),
              records);
    const Args saved = Argv();

    m_key = FreshKey("Tab");
    int focus = 0;
    Run(m_key, [&](KyTabGSubDialogPage& page, SettingsHost& host) {
        Click(page, IDC_KY_TAB_EVERYWHERE);
        LoadRecords(page, records);
        focus = FocusId();
        host.PressOK();
    });
    EXPECT_EQ(IDC_KY_TAB_SIZE, focus);
    EXPECT_EQ(saved, Argv());
}

TEST_F(TabPage, StoredModesOutsideTheButtonsOpenWithNoMode)
{
    const struct {
        const char* name;
        std::string records;
    } cases[] = {
        {"-1", Record(6000, Int32(-1))},
        {"9", Record(6000, Int32(9))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        theApp.m_boxes.clear();
        WriteDword(m_key, "Mode", 0);
        const INT_PTR result = Run(m_key, [&](KyTabGSubDialogPage& page, SettingsHost& host) {
            LoadRecords(page, c.records);
            EXPECT_TRUE(CheckedModes(page).empty());
            host.PressOK();
        });
        EXPECT_EQ(kLeftOpen, result);
        EXPECT_EQ(Args{ResourceText(IDS_KY_TAB_NO_MODE)}, BoxTexts());
    }
}

TEST_F(TabPage, ShortRecordsChangeNothing)
{
    WriteDword(m_key, "Mode", 0);
    WriteDword(m_key, "TabSize", 5);
    WriteDword(m_key, "Verbose", 1);
    Run(m_key, [&](KyTabGSubDialogPage& page, SettingsHost& host) {
        LoadRecords(page, Record(6000, std::string(2, '\2')) + Record(6001, "") +
                              Record(6002, std::string(3, '\0')) + Record(6004, "") +
                              Record(6003, std::string(1, '\1')) + Record(7000, "other"));
        host.PressOK();
    });
    EXPECT_EQ((Args{"-s", "-n5", "-v", "-e"}), Argv());
}

TEST_F(TabPage, ClicksAndTypingMarkTheTaskModified)
{
    std::vector<int> counts;
    Run(m_key, [&](KyTabGSubDialogPage& page, SettingsHost&) {
        const std::vector<std::function<void()>> changes = {
            [&] { Click(page, IDC_KY_TAB_SPACES_TO_SPACES); },
            [&] { Click(page, IDC_KY_TAB_VERBOSE); },
            [&] { Click(page, IDC_KY_TAB_EVERYWHERE); },
            [&] { Type(page, IDC_KY_TAB_SIZE, "3"); },
            [&] { Type(page, IDC_KY_TAB_FINAL_SIZE, "2"); },
        };
        for (const auto& change : changes) {
            const int before = m_bridge->modified;
            change();
            counts.push_back(m_bridge->modified - before);
        }
    });
    EXPECT_EQ((std::vector<int>{1, 1, 1, 1, 1}), counts);
}

} // namespace
