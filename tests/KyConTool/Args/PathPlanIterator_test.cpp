// Path plans: their words under a settings record of their own, nested
// plans, the outer records' masks and rules, and the cycle guard.
#include "IterTestSupport.h"
#include "KyConTool/Args/PathPlanIterator.h"
#include "KyDB/Named/PathPlanDB.h"

#include <gtest/gtest.h>

using namespace itertest;
using Kyvant::PathPlanDB;
using Kyvant::PathPlanItem;

namespace {

class PathPlanTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Walk({"@c"}, 0, "");
        tree.Add({"src\\a.c", "src\\b.h", "src\\obj\\o.c", "src\\deep\\d.h", "docs\\x.txt"});
    }
    void TearDown() override { Walk({"@c"}, 0, ""); }

    static void Insert(const char* name, const std::vector<std::string>& paths,
                       const char* masks = "", const char* depth = "",
                       const std::vector<std::string>& exceptions = {})
    {
        PathPlanItem::StringList p, x, none;
        for (const std::string& s : paths)
            p.push_back(Kyvant::ky_S(s.c_str()));
        for (const std::string& s : exceptions)
            x.push_back(Kyvant::ky_S(s.c_str()));
        PathPlanDB::Instance().Insert(name, PathPlanItem(p, masks, depth, x, none));
    }
    Names Run(const std::vector<std::string>& args) { return Walk(args, 0, tree.Root()); }

    ScratchDatabases dbs;
    Tree tree;
};

} // namespace

TEST_F(PathPlanTest, WordsScopedNestedAndFilteredByOuterRecords)
{
    Insert("Sources", {tree("src\\")}, "*.c,*.h", "+");
    Insert("Docs", {tree("docs\\*.txt")});
    Insert("All", {"@PSources", "@PDocs"});
    Insert("Twice", {"@PDocs", "@PDocs"});

    const Names sources = {"src\\a.c", "src\\b.h", "src\\deep\\d.h", "src\\obj\\o.c"};
    struct Case {
        std::vector<std::string> args;
        Names expected;
    };
    const Case cases[] = {
        {{"@PSources"}, sources},
        {{"@P  sources "}, sources},
        // The plan's masks and depth stay inside it.
        {{"@PSources", "@m*.txt", "@p" + tree("docs\\")},
         {"src\\a.c", "src\\b.h", "src\\deep\\d.h", "src\\obj\\o.c", "docs\\x.txt"}},
        {{"@PSources", "@p" + tree("src\\*")},
         {"src\\a.c", "src\\b.h", "src\\deep\\d.h", "src\\obj\\o.c", "src\\a.c", "src\\b.h"}},
        // Outer masks, filters and rules also hold for the plan's items.
        {{"@m*.h", "@PSources"}, {"src\\b.h", "src\\deep\\d.h"}},
        {{"@x:obj;:deep", "@PSources"}, {"src\\a.c", "src\\b.h"}},
        {{"@aS>=1", "@PSources"}, {}},
        {{"@PAll"}, {"src\\a.c", "src\\b.h", "src\\deep\\d.h", "src\\obj\\o.c", "docs\\x.txt"}},
        {{"@PTwice"}, {"docs\\x.txt", "docs\\x.txt"}},
        {{"@PDocs", "@PDocs"}, {"docs\\x.txt", "docs\\x.txt"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        Walk({"@c"}, 0, "");
        EXPECT_EQ(Run(c.args), c.expected);
    }
    EXPECT_EQ(WalkError({"@PNope"}), "Unknown Path Plan name: Nope");

    // The plan iterator on its own, and the shared equality.
    Kyvant::ky_filename_PathPlan_iterator it("docs", nullptr, 0), end;
    ASSERT_TRUE(it != end);
    EXPECT_STRCASEEQ(it->c_str(), tree("docs\\x.txt").c_str());
    ASSERT_NE(it.GetFileDetails(), nullptr);
    EXPECT_FALSE(it.IsFolder());
    Kyvant::ky_filename_PathPlan_iterator copy = it;
    it++;
    EXPECT_TRUE(it == end && copy == end);
}

TEST_F(PathPlanTest, CyclesAreRefused)
{
    // A plan being expanded cannot start again inside itself.
    Insert("Docs", {tree("docs\\*.txt")});
    {
        Kyvant::ky_filename_PathPlan_iterator outer("Docs", nullptr, 0);
        try {
            Kyvant::ky_filename_PathPlan_iterator inner("docs", nullptr, 0);
            ADD_FAILURE() << "no cycle error";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "Infinite set cycle detected");
        }
    }
    EXPECT_EQ(Run({"@PDocs"}), (Names{"docs\\x.txt"})) << "the guard forgot the name";

    // A cycle the database let through (its first link was dropped from
    // memory before the second was stored) fails when it is walked.
    Insert("Self", {"@PLoop"});
    PathPlanDB::Instance().Erase("Self", false);
    Insert("Loop", {"@PSelf"});
    ScratchDatabases::Reset();
    PathPlanDB::Instance(false); // opened again, reading plans one by one
    EXPECT_NE(WalkError({"@PSelf"}).find("cycle"), std::string::npos);
    EXPECT_NE(WalkError({"@PLoop"}).find("cycle"), std::string::npos);
}
