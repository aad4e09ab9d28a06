// Tests of the Find pages' initial pattern, with the development
// environments' stand-ins published as their add-in publishes them: the
// selection that Visual C++ 6 or VS.NET shows, when it may seed the pattern,
// and VS.NET left alone once Visual C++ 6 was found.
#include "KyTools/Find/DevEnvPatternSeed.h"

#include "Find/FindDriving.h"
#include "KyConTool/DevEnvTestSupport.h"
#include "devenv/DevEnvModel.h"

#include <gtest/gtest.h>

#include <objbase.h>

#include <functional>

namespace {

using namespace findtest;
using DevEnvStandIn::ComRef;
using DevEnvStandIn::DispObject;
using DevEnvStandIn::TextPoint;

class PatternSeed : public FindTabs {
protected:
    void SetUp() override
    {
        FindTabs::SetUp();
        ::CoInitialize(nullptr);
    }
    void TearDown() override
    {
        ::CoUninitialize();
        FindTabs::TearDown();
    }

    // The pattern the first page shows, and what VS.NET was asked.
    std::string ShownPattern()
    {
        std::string shown = "<not run>";
        RunOn(kPlain,
              [&](KyFindGTabCtrl&, CWnd& page, SettingsHost&) { shown = PatternText(page); });
        return shown;
    }
};

// Visual C++ 6, whose object also leads to a VS.NET object, so that asking
// VS.NET would leave calls in the latter's log.
struct VcSetup {
    ComRef<DispObject> app = DevEnvStandIn::VcApplication();
    ComRef<DispObject> dte = DevEnvStandIn::Dte(L"7.10");
    VcSetup() { app->Answer(DevEnvStandIn::kDteIid, dte.get()); }
};

TEST_F(PatternSeed, VisualCppSelectionWithinOneLine)
{
    const struct {
        const char* name;
        std::function<void(DispObject*)> set;
        const char* pattern;
    } cases[] = {
        {"one line",
         [](DispObject* app) {
             DevEnvStandIn::SetVcActiveTextDocument(
                 app, L"C:\\src\\a.cpp", DevEnvStandIn::VcTextSelection(7, 7, L"needle").get());
         },
         "needle"},
        {"a line end is dropped",
         [](DispObject* app) {
             DevEnvStandIn::SetVcActiveTextDocument(
                 app, L"C:\\src\\a.cpp", DevEnvStandIn::VcTextSelection(3, 3, L"tail\r\n").get());
         },
         "tail"},
        {"two lines seed nothing",
         [](DispObject* app) {
             DevEnvStandIn::SetVcActiveTextDocument(
                 app, L"C:\\src\\a.cpp", DevEnvStandIn::VcTextSelection(3, 4, L"a\r\nb").get());
         },
         ""},
        {"an empty selection seeds nothing",
         [](DispObject* app) {
             DevEnvStandIn::SetVcActiveTextDocument(
                 app, L"C:\\src\\a.cpp", DevEnvStandIn::VcTextSelection(2, 2, L"").get());
         },
         ""},
        {"no active document", [](DispObject*) {}, ""},
        {"a document that is no text document",
         [](DispObject* app) {
             app->Set(L"ActiveDocument",
                      DevEnvStandIn::VcDocument(L"C:\\res\\a.rc", L"Resource").get());
         },
         ""},
        {"a failing selection",
         [](DispObject* app) {
             ComRef<DispObject> selection = DevEnvStandIn::VcTextSelection(1, 1, L"x");
             selection->Fail(L"Text", E_FAIL, true);
             DevEnvStandIn::SetVcActiveTextDocument(app, L"C:\\src\\a.cpp", selection.get());
         },
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        VcSetup vc;
        DevEnvStandIn::SetDteActiveSelection(
            vc.dte.get(), L"C:\\src\\b.cpp",
            DevEnvStandIn::DteTextSelection({1, 1}, {1, 4}, L"net").get());
        c.set(vc.app.get());
        devtest::Handoff handoff(vc.app.get(), false);
        EXPECT_EQ(c.pattern, ShownPattern());
        EXPECT_FALSE(vc.app->Calls().empty());
        EXPECT_TRUE(vc.dte->Calls().empty());
    }
}

TEST_F(PatternSeed, VsNetSelectionWithinOneLineOrOneWholeLine)
{
    const struct {
        const char* name;
        TextPoint top, bottom;
        const wchar_t* text;
        const char* pattern;
    } cases[] = {
        {"within one line", {4, 5}, {4, 11}, L"needle", "needle"},
        {"a whole line without its CR LF", {4, 1}, {5, 1}, L"whole line\r\n", "whole line"},
        {"a line feed alone is dropped", {4, 1}, {5, 1}, L"unix line\n", "unix line"},
        {"an empty selection", {4, 5}, {4, 5}, L"", ""},
        {"two lines", {4, 1}, {5, 3}, L"ab\r\ncd", ""},
        {"the next line not at its start", {4, 2}, {5, 2}, L"b\r\nc", ""},
        {"two whole lines", {4, 1}, {6, 1}, L"a\r\nb\r\n", ""},
        {"only a line end", {4, 9}, {5, 1}, L"\r\n", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ComRef<DispObject> dte = DevEnvStandIn::Dte(L"7.10");
        DevEnvStandIn::SetDteActiveSelection(
            dte.get(), L"C:\\src\\b.cpp",
            DevEnvStandIn::DteTextSelection(c.top, c.bottom, c.text).get());
        devtest::Handoff handoff(dte.get(), true);
        EXPECT_EQ(c.pattern, ShownPattern());
        EXPECT_FALSE(dte->Calls().empty());
    }
}

TEST_F(PatternSeed, NoEnvironmentOrAFailingOneSeedsNothing)
{
    EXPECT_EQ("", ShownPattern());
    {
        // The variables name a class that nothing published.
        devtest::EnvVar vc("KYVANT_VC_CLSID", "{2DF49261-E61A-11D3-B29C-00E0291D2688}");
        EXPECT_EQ("", ShownPattern());
    }
    {
        ComRef<DispObject> dte = DevEnvStandIn::Dte(L"7.10");
        dte->Fail(L"ActiveDocument", RPC_E_DISCONNECTED, false);
        devtest::Handoff handoff(dte.get(), true);
        EXPECT_EQ("", ShownPattern());
    }
}

TEST_F(PatternSeed, ASeedInThePatternListIsSelectedAndUsed)
{
    Accept(kPlain, {}, "older");
    Accept(kPlain, {}, "needle");
    Accept(kPlain, {}, "newest");
    VcSetup vc;
    DevEnvStandIn::SetVcActiveTextDocument(vc.app.get(), L"C:\\src\\a.cpp",
                                           DevEnvStandIn::VcTextSelection(2, 2, L"needle").get());
    devtest::Handoff handoff(vc.app.get(), false);
    int selected = -2;
    RunOn(kPlain, [&](KyFindGTabCtrl&, CWnd& page, SettingsHost& host) {
        selected = static_cast<CComboBox*>(page.GetDlgItem(IDC_KY_FIND_PATTERN))->GetCurSel();
        Screenshot(host, "find_plain_page_seeded");
        host.PressOK();
    });
    EXPECT_EQ(1, selected);
    EXPECT_EQ((Args{"-inF", "--kyvant_ide_output", "-eneedle", "@!"}), Argv());
}

TEST(PatternSeedText, OneLineFeedThenOneCarriageReturnGo)
{
    const struct {
        const char* text;
        const char* trimmed;
    } cases[] = {
        {"a\r\n", "a"},     {"a\n", "a"}, {"a\r", "a"},   {"a\n\n", "a\n"},
        {"a\r\r\n", "a\r"}, {"\r\n", ""}, {"a b", "a b"}, {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_STREQ(c.trimmed,
                     Kyvant::DevEnvPatternSeed::TrimLineEnd(Kyvant::ky_S(c.text)).c_str());
    }
}

} // namespace
