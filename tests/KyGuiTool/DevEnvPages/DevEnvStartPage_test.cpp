// Tests of the page the path-plan tabs open on when a development
// environment started the tool, and where the page shown at OK is
// remembered: apart for Visual C++ 6, for Visual Studio .NET and for a start
// outside both.
#include "DevEnvPages/DevEnvTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace devenvtest {
namespace {

const char kVcVariable[] = "KYVANT_VC_CLSID";
const char kVsNetVariable[] = "KYVANT_VSNET_CLSID";
const char kSomeClass[] = "{00000000-0000-0000-0000-000000000001}";
const char kUnknownGuid[] = "{00000000-0000-0000-0000-0000000000AA}";
const char kNone[] = "";

class DevEnvStartPage : public DevEnvPageTest {
protected:
    // The stored value, or none when empty.
    static void Remember(const char* value, const std::string& guid)
    {
        if (!guid.empty())
            SetValue(OptionsKey(), value, guid);
    }
};

TEST_F(DevEnvStartPage, AToolStartedFromAnEnvironmentOpensOnThePageLastUsedFromIt)
{
    struct Case {
        const char* name;
        bool fromVc;
        bool fromVsNet;
        std::string pageGuid, vcPageGuid, vsNetPageGuid;
        const char* shown;
    };
    const Case cases[] = {
        {"Visual C++ the first time", true, false, kChooserGuid, kNone, kEditorGuid, "VC++ 5/6"},
        {"Visual C++ again", true, false, kChooserGuid, kEditorGuid, kChooserGuid,
         "Path Plan Editor"},
        {"Visual C++ with a page that is gone", true, false, kChooserGuid, kUnknownGuid, kNone,
         "VC++ 5/6"},
        {"VS.NET the first time", false, true, kChooserGuid, kEditorGuid, kNone, "VS.NET"},
        {"VS.NET again", false, true, kEditorGuid, kChooserGuid, kVcGuid, "VC++ 5/6"},
        {"both variables count as VS.NET", true, true, kChooserGuid, kEditorGuid, kNone, "VS.NET"},
        {"outside both", false, false, kVsNetGuid, kEditorGuid, kChooserGuid, "VS.NET"},
    };
    for (const Case& c : cases) {
        ClearKeys();
        Remember("PageGUID", c.pageGuid);
        Remember("VcPageGUID", c.vcPageGuid);
        Remember("VsNetPageGUID", c.vsNetPageGuid);
        EnvVar vc(kVcVariable, c.fromVc ? kSomeClass : nullptr);
        EnvVar vsNet(kVsNetVariable, c.fromVsNet ? kSomeClass : nullptr);
        m_firstBox = theApp.m_boxes.size();
        Host host;
        std::string shown;
        host.Run([&] {
            shown = host.tabs->GetActivePageCaption().c_str();
            host.Cancel();
        });
        EXPECT_EQ(c.shown, shown) << c.name;
        EXPECT_EQ(Strings{}, Boxes()) << c.name;
    }
}

// An Explorer selection shows the editor whoever started the tool.
TEST_F(DevEnvStartPage, AnExplorerSelectionStillOpensTheEditor)
{
    EnvVar vc(kVcVariable, kSomeClass);
    WriteHandoff(TempHandoffFile("C:\\picked\\\n"), kSecond);
    Host host;
    std::string shown;
    host.Run([&] {
        shown = host.tabs->GetActivePageCaption().c_str();
        host.Cancel();
    });
    EXPECT_EQ("Path Plan Editor", shown);
}

TEST_F(DevEnvStartPage, OkRemembersThePageUnderTheValueOfWhoeverStartedTheTool)
{
    struct Case {
        const char* name;
        bool fromVc;
        bool fromVsNet;
        const char* value;
    };
    const Case cases[] = {
        {"Visual C++", true, false, "VcPageGUID"},
        {"VS.NET", false, true, "VsNetPageGUID"},
        {"outside", false, false, "PageGUID"},
    };
    const char* const values[] = {"PageGUID", "VcPageGUID", "VsNetPageGUID"};
    EnvVar msvcDir("MSVCDir", "C:\\VC98");
    for (const Case& c : cases) {
        ClearKeys();
        for (const char* value : values)
            SetValue(OptionsKey(), value, kUnknownGuid);
        SetDwordValue(PageKey(kVcGuid), "MSVCDirActive", 1);
        SetDwordValue(PageKey(kVcGuid), "MSVCDirInclude", 1);
        SetValue(PageKey(kVcGuid), "Masks", "*.h");
        EnvVar vc(kVcVariable, c.fromVc ? kSomeClass : nullptr);
        EnvVar vsNet(kVsNetVariable, c.fromVsNet ? kSomeClass : nullptr);
        Host host;
        host.Run([&] {
            host.tabs->SetActivePage(Kyvant::PageGuids::PathPlan::VcChooser, false, true);
            host.Ok();
        });
        for (const char* value : values) {
            EXPECT_EQ(std::string(value) == c.value ? kVcGuid : kUnknownGuid,
                      Value(OptionsKey(), value))
                << c.name << " " << value;
        }
        EXPECT_EQ((Strings{"@m*.h", "@d+", "@p%MSVCDir%\\include\\"}), Host::Args()) << c.name;
    }
}

} // namespace
} // namespace devenvtest
