// Tests of the EOL page in a settings dialog: arguments of the two groups,
// the refusal of equal modes, registry state, task-file records and the focus
// after a load.
#include "KyTools/EOL/KyEOLGSubDialogPage.h"

#include "Host/SettingsHost.h"
#include "KyTools/EOL/EOLResource.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace hosttest;
using Args = std::vector<std::string>;
using Ids = std::vector<int>;

class EOLPage : public ::testing::Test, protected PageRunner<KyEOLGSubDialogPage> {
protected:
    using PageRunner<KyEOLGSubDialogPage>::Run;

    void SetUp() override
    {
        theApp.m_boxes.clear();
        m_key = FreshKey("EOL");
    }
    void TearDown() override { DeleteTestsKey(); }

    INT_PTR ClickAndOK(const Ids& clicks)
    {
        return Run(m_key, [&](KyEOLGSubDialogPage& page, SettingsHost& host) {
            for (int id : clicks)
                Click(page, id);
            host.PressOK();
        });
    }
    // The checked input and output buttons and the verbose box.
    static Ids Shown(CWnd& page) { return CheckedIn(page, IDC_KY_EOL_IN_DOS, IDC_KY_EOL_OUT_MAC); }

    Kyvant::RegKey m_key;
};

TEST_F(EOLPage, ButtonsGiveInputThenOutputArguments)
{
    const struct {
        const char* name;
        Ids clicks;
        Args argv;
    } cases[] = {
        {"defaults", {}, {"-ia", "-d"}},
        {"unix to dos", {IDC_KY_EOL_IN_UNIX}, {"-iu", "-d"}},
        {"dos to mac, verbose",
         {IDC_KY_EOL_IN_DOS, IDC_KY_EOL_OUT_MAC, IDC_KY_EOL_VERBOSE},
         {"-id", "-m", "-v"}},
        {"all to unix", {IDC_KY_EOL_OUT_UNIX}, {"-ia", "-u"}},
        {"mac to dos", {IDC_KY_EOL_IN_MAC}, {"-im", "-d"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_key = FreshKey("EOL");
        EXPECT_EQ(IDOK, ClickAndOK(c.clicks));
        EXPECT_EQ(c.argv, Argv());
        EXPECT_TRUE(BoxTexts().empty());
    }
}

TEST_F(EOLPage, EqualModesAreRefusedWithTheFocusOnTheOutput)
{
    const struct {
        Ids clicks;
        int output;
    } cases[] = {
        {{IDC_KY_EOL_IN_UNIX, IDC_KY_EOL_OUT_UNIX}, IDC_KY_EOL_OUT_UNIX},
        {{IDC_KY_EOL_IN_DOS}, IDC_KY_EOL_OUT_DOS},
        {{IDC_KY_EOL_IN_MAC, IDC_KY_EOL_OUT_MAC}, IDC_KY_EOL_OUT_MAC},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.output);
        theApp.m_boxes.clear();
        int focus = 0;
        const INT_PTR result = Run(m_key, [&](KyEOLGSubDialogPage& page, SettingsHost& host) {
            for (int id : c.clicks)
                Click(page, id);
            host.PressOK();
            focus = FocusId();
            if (c.output == IDC_KY_EOL_OUT_UNIX)
                SaveWindowPng(host.m_hWnd, "eol_page");
        });
        EXPECT_EQ(kLeftOpen, result);
        EXPECT_EQ(Args{ResourceText(IDS_KY_EOL_SAME_MODES)}, BoxTexts());
        EXPECT_EQ(c.output, focus);
        EXPECT_EQ(0, m_host->saves);
    }
}

TEST_F(EOLPage, StateRoundTripsThroughTheRegistry)
{
    ASSERT_EQ(IDOK, ClickAndOK({IDC_KY_EOL_IN_MAC, IDC_KY_EOL_OUT_UNIX, IDC_KY_EOL_VERBOSE}));
    EXPECT_EQ(2u, ReadDword(m_key, "InputMode"));
    EXPECT_EQ(1u, ReadDword(m_key, "OutputMode"));
    EXPECT_EQ(1u, ReadDword(m_key, "Verbose"));

    Ids shown;
    Run(m_key, [&](KyEOLGSubDialogPage& page, SettingsHost&) { shown = Shown(page); });
    EXPECT_EQ((Ids{IDC_KY_EOL_IN_MAC, IDC_KY_EOL_VERBOSE, IDC_KY_EOL_OUT_UNIX}), shown);

    // "All of the above" is stored as 1000.
    ASSERT_EQ(IDOK, ClickAndOK({IDC_KY_EOL_IN_ALL}));
    EXPECT_EQ(1000u, ReadDword(m_key, "InputMode"));
}

TEST_F(EOLPage, MissingKeyAndUnknownStoredModesTakeTheFirstButtons)
{
    WriteDword(m_key, "InputMode", 3);
    WriteDword(m_key, "OutputMode", 0xFFFFFFFF);
    const Kyvant::RegKey noKey;
    for (bool withKey : {false, true}) {
        SCOPED_TRACE(withKey ? "unknown values" : "no key");
        Ids shown;
        Run(withKey ? m_key : noKey,
            [&](KyEOLGSubDialogPage& page, SettingsHost&) { shown = Shown(page); });
        EXPECT_EQ(withKey ? (Ids{IDC_KY_EOL_IN_DOS, IDC_KY_EOL_OUT_DOS})
                          : (Ids{IDC_KY_EOL_IN_ALL, IDC_KY_EOL_OUT_DOS}),
                  shown);
    }
}

TEST_F(EOLPage, RecordsAreWrittenInOrderAndReadBack)
{
    ASSERT_EQ(IDOK, ClickAndOK({IDC_KY_EOL_OUT_MAC, IDC_KY_EOL_VERBOSE}));
    const std::string records = SaveRecords(*m_page);
    EXPECT_EQ(Record(3000, Int32(1000)) + Record(3001, Int32(2)) +
                  Record(3002, std::string(1, '\1')),
              records);

    m_key = FreshKey("EOL");
    Run(m_key, [&](KyEOLGSubDialogPage& page, SettingsHost& host) {
        LoadRecords(page, records);
        host.PressOK();
    });
    EXPECT_EQ((Args{"-ia", "-m", "-v"}), Argv());
}

TEST_F(EOLPage, StoredModeValuesSelectTheirButtons)
{
    const struct {
        const char* name;
        std::string records;
        Ids shown;
    } cases[] = {
        {"1000 is all of the above",
         Record(3000, Int32(1000)) + Record(3001, Int32(1)),
         {IDC_KY_EOL_IN_ALL, IDC_KY_EOL_VERBOSE, IDC_KY_EOL_OUT_UNIX}},
        {"an unknown value is DOS/Windows",
         Record(3000, Int32(7)) + Record(3001, Int32(-1)),
         {IDC_KY_EOL_IN_DOS, IDC_KY_EOL_VERBOSE, IDC_KY_EOL_OUT_DOS}},
        {"short payloads change nothing",
         Record(3000, std::string(3, '\0')) + Record(3001, "") + Record(3002, ""),
         {IDC_KY_EOL_IN_UNIX, IDC_KY_EOL_VERBOSE, IDC_KY_EOL_OUT_MAC}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteDword(m_key, "InputMode", 1);
        WriteDword(m_key, "OutputMode", 2);
        WriteDword(m_key, "Verbose", 1);
        Ids shown;
        Run(m_key, [&](KyEOLGSubDialogPage& page, SettingsHost&) {
            LoadRecords(page, c.records + Record(4000, "other"));
            shown = Shown(page);
        });
        EXPECT_EQ(c.shown, shown);
    }
}

TEST_F(EOLPage, LoadPutsTheFocusOnTheFirstControl)
{
    int focus = 0;
    Run(m_key, [&](KyEOLGSubDialogPage& page, SettingsHost&) {
        page.GetDlgItem(IDC_KY_EOL_VERBOSE)->SetFocus();
        LoadRecords(page, Record(3000, Int32(0)) + Record(3001, Int32(1)));
        focus = FocusId();
    });
    EXPECT_EQ(IDC_KY_EOL_IN_DOS, focus);
}

TEST_F(EOLPage, NewTaskAndClicks)
{
    WriteDword(m_key, "InputMode", 2);
    WriteDword(m_key, "Verbose", 1);
    Ids shown;
    int modified = 0;
    Run(m_key, [&](KyEOLGSubDialogPage& page, SettingsHost&) {
        page.DocOnNew();
        page.UpdateData(FALSE);
        page.DocOnFinishNew();
        shown = Shown(page);
        const int before = m_bridge->modified;
        for (int id : {IDC_KY_EOL_IN_UNIX, IDC_KY_EOL_OUT_MAC, IDC_KY_EOL_VERBOSE})
            Click(page, id);
        modified = m_bridge->modified - before;
    });
    EXPECT_EQ((Ids{IDC_KY_EOL_IN_ALL, IDC_KY_EOL_OUT_DOS}), shown);
    EXPECT_EQ(3, modified);
}

} // namespace
