// The path-plan language (item checks, rendering, depth texts, macros), the
// stored form of a plan and the plan-reference cycle check.
#include "KyDB/Named/PathPlanDB.h"
#include "NamedDbTestEnv.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>

using namespace Kyvant;
using namespace NamedDbTest;
using Strings = std::vector<std::string>;

namespace {

PathPlanItem::StringList List(const Strings& items)
{
    PathPlanItem::StringList list;
    for (const std::string& s : items)
        list.push_back(ky_S(s.c_str(), static_cast<unsigned>(s.size())));
    return list;
}

PathPlanItem Plan(const Strings& paths, const char* masks = "", const char* depth = "",
                  const Strings& exceptions = {}, const Strings& advanced = {})
{
    return PathPlanItem(List(paths), masks, depth, List(exceptions), List(advanced));
}

// The variable as the C runtime and the process see it.
std::string Env(const char* name)
{
    const char* v = std::getenv(name);
    char buf[64];
    DWORD n = GetEnvironmentVariableA(name, buf, sizeof buf);
    return std::string(v ? v : "-") + "|" + (n ? std::string(buf, n) : "-");
}

} // namespace

TEST(PathPlanLanguage, PathListItems)
{
    struct Case {
        const char* item;
        const char* error;
        bool needsPathCode;
    } cases[] = {
        {"C:\\src", "", true},
        {" @d", "", true},
        {"@@literal", "", false},
        {"@c", "", false},
        {"@Pname", "", false},
        {"", "Empty item in path list", false},
        {"@", "Unescaped escape code; use \"@@\" instead", false},
        {"@z", "Unknown escape code \"z\"", false},
        {"@d ", "Missing argument to \"@d \"", false},
        {"@P\t ", "Missing argument to \"@P\t \"", false},
        {"@x", "Missing argument to \"@x\"", false},
    };
    for (const Case& c : cases) {
        bool needs = !c.needsPathCode;
        EXPECT_EQ(c.error, ErrorOf([&] { PathPlanDB::ValidateForPathList(c.item, needs); }))
            << c.item;
        EXPECT_EQ(!*c.error, PathPlanDB::IsValidInPathList(c.item)) << c.item;
        if (!*c.error) {
            EXPECT_EQ(c.needsPathCode, needs) << c.item;
        }
    }
    EXPECT_FALSE(PathPlanDB::IsCode('\0'));
    EXPECT_TRUE(PathPlanDB::IsCode('!') && !PathPlanDB::CodeRequiresArgument('!'));
}

TEST(PathPlanLanguage, FolderDepthTexts)
{
    struct Case {
        const char* text;
        int depth; // -1: refused
    } cases[] = {
        {"+", INT_MAX}, {"INFINITE", INT_MAX},   {"-", 0},   {"", 0},      {"-5", 0},
        {"  12", 12},   {"2147483647", INT_MAX}, {"5a", -1}, {"deep", -1}, {"99999999999", -1},
    };
    for (const Case& c : cases) {
        if (c.depth >= 0)
            EXPECT_EQ(c.depth, PathPlanDB::TextToMaxRecDepth(c.text)) << c.text;
        else
            EXPECT_EQ(std::string("Bad folder depth number: ") + c.text,
                      ErrorOf([&] { PathPlanDB::TextToMaxRecDepth(c.text); }));
    }
    ky_S text;
    EXPECT_TRUE(PathPlanDB::MaxRecDepthToText(INT_MAX, text));
    EXPECT_STREQ("+", text.c_str());
    EXPECT_FALSE(PathPlanDB::MaxRecDepthToText(-3, text));
    EXPECT_STREQ("0", text.c_str());
}

TEST(PathPlanLanguage, Macros)
{
    SetEnvironmentVariableA("KYNDB_BARE", "old");
    _putenv("KYNDB_BARE=old");
    const char* words[] = {"KYNDB_SET=a=b", "KYNDB_BARE", ""};
    PathPlanDB::RecordCommandLineMacros(words, words + 3);
    EXPECT_EQ("a=b|a=b", Env("KYNDB_SET"));
    EXPECT_EQ("-|-", Env("KYNDB_BARE"));
    PathPlanDB::EraseMacro("KYNDB_SET");
    EXPECT_EQ("-|-", Env("KYNDB_SET"));
}

TEST(PathPlanItem, StoredForm)
{
    ky_S text;
    Plan({}, "*.cpp", "+").StoreContents(text);
    EXPECT_EQ(Seps("|*.cpp|+||"), text.c_str());
    PathPlanItem full = Plan({"a", "@Pb"}, "*.h", "2", {"x1", "x2"}, {"t>1", "s<2"});
    full.StoreContents(text);
    EXPECT_EQ(Seps("a^@Pb|*.h|2|x1^x2|t>1~s<2"), text.c_str());
    EXPECT_EQ(full, PathPlanItem().LoadContents(text));

    struct Case {
        const char* text;
        PathPlanItem item;
    } cases[] = {
        {"", Plan({})},
        {"p", Plan({"p"})},
        {"p^^q|m", Plan({"p", "q"}, "m")},
        {"||||a|b^c", Plan({}, "", "", {}, {Seps("a|b^c")})},
    };
    for (const Case& c : cases) {
        PathPlanItem item = Plan({"old"}, "old");
        EXPECT_EQ(c.item, item.LoadContents(Seps(c.text).c_str())) << c.text;
    }
    EXPECT_NE(Plan({"a"}), Plan({"A"}));
    EXPECT_NE(Plan({}, "", "", {"x"}), Plan({}, "", "", {}, {"x"}));
}

TEST(PathPlanRendering, Arguments)
{
    DbFolder folder;
    PathPlanDB& db = PathPlanDB::Instance();
    struct Case {
        PathPlanItem item;
        Strings words;
    } cases[] = {
        {Plan({}, "*.cpp", "+"), {"@d+", "@m*.cpp"}},
        {Plan({"C:\\src", "", "@Pother", "@@at"}, "", "", {"", "x"}, {"a1"}),
         {"@xx", "@aa1", "@pC:\\src", "@Pother", "@@at"}},
    };
    for (const Case& c : cases) {
        Words w;
        db.StoreAsCmdArgs(c.item, w);
        EXPECT_EQ(c.words, w.items);
    }
    Words w;
    EXPECT_EQ("Unknown escape code \"q\"", ErrorOf([&] { db.StoreAsCmdArgs(Plan({"@q"}), w); }));

    const TextList paths = {"p"}, exceptions = {"x"}, advanced = {"f"}, none;
    w.items.clear();
    db.StoreAsCmdArgs(Texts(paths), Texts(exceptions), "m", "", Texts(advanced), w);
    EXPECT_EQ(Strings({"@mm", "@xx", "@af", "@pp"}), w.items);
    w.items.clear();
    db.StoreFiltersAsCmdArgs(Texts(exceptions), "m", "4", Texts(none), w);
    EXPECT_EQ(Strings({"@d4", "@mm", "@xx"}), w.items);
    w.items.clear();
    db.StoreFiltersAsCmdArgs(Texts(none), "", Texts(advanced), w);
    EXPECT_EQ(Strings({"@af"}), w.items);
}

TEST(PathPlanRendering, NamedPlansFromAMapOpenedWithoutLoading)
{
    DbFolder folder;
    PathPlanDB::Instance().Insert("Sources", Plan({"C:\\src"}, "*.c"));
    PathPlanDB::Reset();

    PathPlanDB& db = PathPlanDB::Instance(false);
    Words w;
    const TextList names = {"Sources", "Other"};
    db.StoreAsCmdArgs(Texts(names), w, false);
    EXPECT_EQ(Strings({"@PSources", "@POther"}), w.items);
    EXPECT_EQ(0u, db.size());
    w.items.clear();
    db.StoreAsCmdArgs("sources", w, true);
    EXPECT_EQ(Strings({"@m*.c", "@pC:\\src"}), w.items);
    EXPECT_EQ(1u, db.size());
    EXPECT_EQ("Unknown Path Plan name: Other",
              ErrorOf([&] { db.StoreAsCmdArgs("Other", w, true); }));
}

TEST(PathPlanDB, ReferenceCycles)
{
    DbFolder folder;
    PathPlanDB& db = PathPlanDB::Instance();
    auto insert = [&](const char* name, const Strings& paths) {
        return ErrorOf([&] { db.Insert(name, Plan(paths)); });
    };
    EXPECT_EQ("Detected cycle in Path Plan: A", insert("A", {"@P A "}));
    EXPECT_EQ("Detected cycle in Path Plan: a", insert("A", {"x", "@Pa"}));
    EXPECT_EQ("", insert("A", {"@PB"}));
    EXPECT_EQ("Detected cycle in Path Plan: B", insert("B", {"@PA"}));
    EXPECT_TRUE(db.find("B") == db.end());
    EXPECT_EQ("", insert("B", {"@PC"}));
    EXPECT_EQ("", insert("C", {"@p@PA", "@Pmissing"})); // "@p" is no reference
    EXPECT_EQ("", insert("D", {"@PA", "@PB", "@PC"}));  // two chains to C
    EXPECT_EQ("Detected cycle in Path Plan: C", insert("C", {"@PD"}));
    EXPECT_TRUE(db.find("C")->second == Plan({"@p@PA", "@Pmissing"}));
}
