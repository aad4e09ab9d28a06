// Tests of the Find pages' arguments in a settings dialog: the grep family's
// option letters and pattern, the Fgrep alternatives and their refusals, the
// Perl page's words, and the refusal of an empty pattern.
#include "KyTools/Find/KyFindGTabCtrl.h"

#include "Find/FindDriving.h"

#include <gtest/gtest.h>

namespace {

using namespace findtest;

const char kIde[] = "--kyvant_ide_output";
const char kRequired[] = "You must enter a value for this field.";

// The focus is in the pattern combo (on its edit control).
bool FocusInPattern(CWnd& page)
{
    const HWND combo = page.GetDlgItem(IDC_KY_FIND_PATTERN)->m_hWnd;
    const HWND focus = ::GetFocus();
    return focus == combo || ::IsChild(combo, focus);
}

using FindArguments = FindTabs;

TEST_F(FindArguments, GrepFamilyOptionLettersAndPattern)
{
    const struct {
        const char* name;
        int tab;
        Ids clicks;
        const char* pattern;
        Args argv;
    } cases[] = {
        {"Grep, ignore case, line numbers",
         kGrep,
         {IDC_KY_FIND_IGNORE_CASE},
         "a.*b",
         {"-inG", kIde, "-ea.*b", "@!"}},
        {"line numbers and file names only both off give h",
         kGrep,
         {IDC_KY_FIND_LINE_NUMBERS},
         "x",
         {"-hG", kIde, "-ex", "@!"}},
        {"both on give nl", kGrep, {IDC_KY_FIND_NAMES_ONLY}, "x", {"-nlG", kIde, "-ex", "@!"}},
        {"file names only without line numbers",
         kGrep,
         {IDC_KY_FIND_NAMES_ONLY, IDC_KY_FIND_LINE_NUMBERS},
         "x",
         {"-lG", kIde, "-ex", "@!"}},
        {"Plain Text has ignore case on and gives F",
         kPlain,
         {},
         "a.b",
         {"-inF", kIde, "-ea.b", "@!"}},
        {"Egrep gives E", kEgrep, {}, "a|b", {"-nE", kIde, "-ea|b", "@!"}},
        {"Fgrep gives F", kFgrep, {}, "word", {"-nF", kIde, "-eword", "@!"}},
        {"binary mode is aU, context lines C last",
         kGrep,
         {IDC_KY_FIND_BINARY_MODE, IDC_KY_FIND_CONTEXT_LINES},
         "x",
         {"-aUnGC", kIde, "-ex", "@!"}},
        {"every box of the Grep page",
         kGrep,
         {IDC_KY_FIND_IGNORE_CASE, IDC_KY_FIND_WHOLE_WORDS, IDC_KY_FIND_INVERTED,
          IDC_KY_FIND_BINARY_MODE, IDC_KY_FIND_NAMES_ONLY, IDC_KY_FIND_CONTEXT_LINES},
         "x",
         {"-iwvaUnlGC", kIde, "-ex", "@!"}},
        {"a pattern with blanks and quotes is one argument",
         kEgrep,
         {},
         "say \"hi\" |  bye",
         {"-nE", kIde, "-esay \"hi\" |  bye", "@!"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_key = FreshKey("Find");
        EXPECT_EQ(IDOK, Accept(c.tab, c.clicks, c.pattern));
        EXPECT_EQ(c.argv, Argv());
        EXPECT_TRUE(BoxTexts().empty());
    }
}

TEST_F(FindArguments, FgrepAlternativesAreOneArgumentEach)
{
    const struct {
        const char* pattern;
        Args argv;
    } cases[] = {
        {"a|b\\|c", {"-nF", kIde, "-ea", "-eb|c", "@!"}},
        {"one\\\\|two|three", {"-nF", kIde, "-eone\\", "-etwo", "-ethree", "@!"}},
        {"\\a\\b", {"-nF", kIde, "-eab", "@!"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pattern);
        EXPECT_EQ(IDOK, Accept(kFgrep, {}, c.pattern));
        EXPECT_EQ(c.argv, Argv());
    }
}

TEST_F(FindArguments, FgrepRefusalsKeepTheDialogOpenWithTheFocusInThePattern)
{
    const struct {
        const char* pattern;
        UINT message;
    } cases[] = {
        {"a|", IDS_KY_FIND_TRAILING_BAR},        {"|", IDS_KY_FIND_TRAILING_BAR},
        {"|a", IDS_KY_FIND_ADJACENT_BARS},       {"a||b", IDS_KY_FIND_ADJACENT_BARS},
        {"a\\", IDS_KY_FIND_TRAILING_BACKSLASH},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pattern);
        theApp.m_boxes.clear();
        bool focusInPattern = false;
        const INT_PTR result = RunOn(kFgrep, [&](KyFindGTabCtrl&, CWnd& page, SettingsHost& host) {
            TypePattern(page, c.pattern);
            Click(page, IDC_KY_FIND_IGNORE_CASE);
            host.PressOK();
            focusInPattern = FocusInPattern(page);
        });
        EXPECT_EQ(kLeftOpen, result);
        ASSERT_EQ(1u, theApp.m_boxes.size());
        EXPECT_EQ(ResourceText(c.message), theApp.m_boxes[0].text);
        EXPECT_EQ(static_cast<UINT>(MB_OK), theApp.m_boxes[0].type & MB_TYPEMASK);
        EXPECT_EQ(c.message, theApp.m_boxes[0].help);
        EXPECT_TRUE(focusInPattern);
        EXPECT_EQ(0, m_host->saves);
    }
}

TEST_F(FindArguments, FgrepRefusalShownForReal)
{
    BoxAnswers answers({IDOK}, "find_fgrep_refusal");
    const INT_PTR result = RunOn(kFgrep, [&](KyFindGTabCtrl&, CWnd& page, SettingsHost& host) {
        TypePattern(page, "|a");
        host.PressOK();
    });
    EXPECT_EQ(kLeftOpen, result);
    EXPECT_EQ(Args{ResourceText(IDS_KY_FIND_ADJACENT_BARS)}, BoxTexts());
}

TEST_F(FindArguments, PerlPageWords)
{
    const struct {
        const char* name;
        Ids clicks;
        Args argv;
    } cases[] = {
        {"defaults: line numbers only", {}, {"-zperl", "-P", "-pa+b", "-nrY", "@!"}},
        {"every box",
         {IDC_KY_FIND_IGNORE_CASE, IDC_KY_FIND_WHOLE_WORDS, IDC_KY_FIND_DOT_MATCHES_NL,
          IDC_KY_FIND_XREGEX, IDC_KY_FIND_BINARY_MODE, IDC_KY_FIND_LINE_MODE,
          IDC_KY_FIND_NAMES_ONLY},
         {"-zperl", "-P", "-pa+b", "-nriwsxILYZ", "@!"}},
        {"no box", {IDC_KY_FIND_LINE_NUMBERS}, {"-zperl", "-P", "-pa+b", "-nr", "@!"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_key = FreshKey("Find");
        EXPECT_EQ(IDOK, Accept(kPerl, c.clicks, "a+b"));
        EXPECT_EQ(c.argv, Argv());
    }
}

TEST_F(FindArguments, AnEmptyPatternIsRefusedOnEveryPage)
{
    for (int tab : {kPlain, kGrep, kEgrep, kFgrep, kPerl}) {
        SCOPED_TRACE(tab);
        theApp.m_boxes.clear();
        bool focusInPattern = false;
        const INT_PTR result = RunOn(tab, [&](KyFindGTabCtrl&, CWnd& page, SettingsHost& host) {
            TypePattern(page, "");
            host.PressOK();
            focusInPattern = FocusInPattern(page);
            if (tab == kPerl)
                Screenshot(host, "find_perl_page_empty_pattern");
        });
        EXPECT_EQ(kLeftOpen, result);
        EXPECT_EQ(Args{kRequired}, BoxTexts());
        EXPECT_TRUE(focusInPattern);
        EXPECT_EQ(0, m_host->saves);
    }
}

TEST_F(FindArguments, OnlyTheShownPageContributes)
{
    const INT_PTR result = RunOn(kGrep, [&](KyFindGTabCtrl& tabs, CWnd& grep, SettingsHost& host) {
        TypePattern(grep, "from grep");
        Click(grep, IDC_KY_FIND_IGNORE_CASE);
        ClickTab(tabs, kPerl);
        TypePattern(tabs.GetActivePage(), "from perl");
        Screenshot(host, "find_perl_page");
        host.PressOK();
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ((Args{"-zperl", "-P", "-pfrom perl", "-nrY", "@!"}), Argv());
}

} // namespace
