// "@i" items and path items searched through the Indexing Service: the
// option stack they fill, and the rows that reach the tool.
#include "IndexingServiceTestSupport.h"
#include "IterTestSupport.h"
#include "KyConTool/Args/OptionsList.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace Kyvant;
using itertest::Walk;
using itertest::WalkError;
using ::testing::ElementsAre;

namespace {

using IndexingService::OptionsList;

class IndexingServiceItems : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(istest::InstallStandIns());
        Walk({"@c"}, 0, "");
        // A catalog of rows under the tree: files, a missing one, a folder.
        tree.Add("a.txt", 3);
        tree.Add("b.txt", 30);
        tree.Add("c.log", 30);
        tree.Add("sub\\d.txt", 40);
        tree.Add("dir.txt\\");
        std::string rows;
        for (const char* name : {"a.txt", "b.txt", "c.log", "sub\\d.txt", "gone.txt", "dir.txt"}) {
            bool folder = std::string(name) == "dir.txt";
            rows += "row|*|Web|" + tree(name) + "|" + (folder ? "0" : "3") + "|" +
                    (folder ? "0x10" : "0x20") + "|130000000000000000|1\n";
        }
        script.Write(rows);
    }
    void TearDown() override { Walk({"@c"}, 0, ""); }

    itertest::Tree tree;
    istest::QueryScript script;
};

} // namespace

TEST_F(IndexingServiceItems, QueryItemsWithPathItemsYieldOnlyExistingMatchingFiles)
{
    const std::string root = tree.Root();
    struct Case {
        std::vector<std::string> args;
        std::vector<std::string> files;
        const char* depth; // as the command was made
    };
    const Case cases[] = {
        {{"@icWeb", "@iqcontent words", "@p" + root + "*.txt|+"},
         {"a.txt", "b.txt", "sub\\d.txt"},
         "depth=1"},
        // Depth 0: the service searches shallow and rows below the folder go.
        {{"@icWeb", "@ipsome phrase", "@p" + root + "*.txt"}, {"a.txt", "b.txt"}, "depth=0"},
        // The section's advanced filter holds the rows to the files' sizes.
        {{"@icWeb", "@p" + root + "*.txt|+||S>=10"}, {"b.txt", "sub\\d.txt"}, "depth=1"},
        // A depth limit of 1 keeps the direct sub-folders.
        {{"@icWeb", "@p" + root + "*|1"}, {"a.txt", "b.txt", "c.log", "sub\\d.txt"}, "depth=1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.back());
        script.ClearLog();
        EXPECT_EQ(Walk(c.args, 0, root), c.files);
        std::vector<std::string> made = script.Log("CIMakeICommand");
        ASSERT_EQ(made.size(), 1u);
        EXPECT_EQ(made[0], "CIMakeICommand scopes=1 scope=" + root + " " + c.depth +
                               " catalog=Web machine=.");
        Walk({"@c"}, 0, "");
    }
}

TEST_F(IndexingServiceItems, TheItemsQueryReachesTheService)
{
    Walk({"@icWeb", "@ianext words", "@p" + tree.Root() + "*.txt"}, 0, tree.Root());
    std::vector<std::string> sent = script.Log("CITextToFullTreeEx");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_NE(sent[0].find("next & words"), std::string::npos) << sent[0];
    EXPECT_NE(sent[0].find("#filename"), std::string::npos) << sent[0];
}

TEST_F(IndexingServiceItems, WholeCatalogItemSearchesTheSystemCatalog)
{
    script.Append("row|*|System|" + tree("a.txt") + "|3|0x20|1|1\n");
    EXPECT_THAT(Walk({"@m*.txt", "@i\\"}, 0, tree.Root()), ElementsAre("a.txt"));
    EXPECT_THAT(script.Log("CIMakeICommand"),
                ElementsAre("CIMakeICommand scopes=1 scope=\\ depth=1 catalog=System machine=."));
    EXPECT_EQ(std::string(OptionsList::Top().catalog.c_str()), "System");
}

TEST_F(IndexingServiceItems, SubCodesFillTheOptionStack)
{
    Walk({"@i+", "@is size[a] ", "@imfar", "@icDocs", "@ipa b"}, 0, "");
    OptionsList::Item top = OptionsList::Top();
    EXPECT_TRUE(top.use);
    EXPECT_TRUE(top.force);
    EXPECT_EQ(std::string(top.sort.c_str()), "size[a]");
    EXPECT_EQ(std::string(top.machine.c_str()), "far");
    EXPECT_EQ(std::string(top.catalog.c_str()), "Docs");
    EXPECT_EQ(std::string(top.query.c_str()), "\"a b\"");

    Walk({"@i-"}, 0, "");
    EXPECT_FALSE(OptionsList::Top().use);
    // Any other sub-code turns the service on again, not forced.
    Walk({"@iqx"}, 0, "");
    EXPECT_TRUE(OptionsList::Top().use);
    EXPECT_FALSE(OptionsList::Top().force);
    Walk({"@i*"}, 0, "");
    EXPECT_TRUE(OptionsList::Top().use);
}

TEST_F(IndexingServiceItems, BadSubCodesAreErrorsAndChangeNothing)
{
    struct Case {
        const char* item;
        const char* error;
    };
    const Case cases[] = {
        {"@i+x", "Extraneous characters following: @i+"},
        {"@i* more", "Extraneous characters following: @i*"},
        {"@i-1", "Extraneous characters following: @i-"},
        {"@i\\x", "Extraneous characters following: @i\\"},
        {"@iz", "Unknown sub-code in: @iz"},
        {"@iQfoo", "Unknown sub-code in: @iQ"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        EXPECT_EQ(WalkError({c.item}), c.error);
        EXPECT_FALSE(OptionsList::Top().use);
        EXPECT_TRUE(OptionsList::Top().catalog.empty());
    }
}
