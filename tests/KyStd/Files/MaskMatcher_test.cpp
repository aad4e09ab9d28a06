// Tests of the mask matchers: include and exclude lists, list texts, merged masks, rewinding.
#include "KyStd/Files/FileFilter.h"
#include "KyStd/Files/MaskMatcher.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Kyvant;

namespace {

class RecordingMatcher : public MaskMatcher {
public:
    using MaskMatcher::MaskMatcher;
    void OnRejected(const char* name) override { rejected += std::string(name) + ";"; }
    std::string rejected;
};

} // namespace

TEST(MaskMatcher, IncludeAndExcludeLists)
{
    RecordingMatcher m("*.cpp, *.h", "test*");
    struct Row {
        const char* name;
        bool accepted;
        const char* rejected;
    } rows[] = {
        {"a.CPP", true, ""},
        {"b.txt", false, ""},
        {"test.h", false, "test.h;"},
        {"x.h", true, ""},
        {"TEST.cpp", false, "TEST.cpp;"},
        {"cpp", false, ""},
    };
    for (const Row& r : rows) {
        m.rejected.clear();
        EXPECT_EQ(m.Accept(r.name), r.accepted) << r.name;
        EXPECT_EQ(m.rejected, r.rejected) << r.name;
    }
}

TEST(MaskMatcher, ListTextsAndMergedMask)
{
    struct Row {
        const char *includes, *excludes, *merged, *accepts, *refuses;
    } rows[] = {
        {"", nullptr, "*", "anything", nullptr},
        {nullptr, nullptr, "*", "anything", nullptr},
        {"*.cpp", nullptr, "*.cpp", "a.cpp", "a.h"},
        {"  *.cpp  ,", nullptr, "*.cpp", "b.cpp", "b.c"},
        {",, ,*.h", "", "*.h", "x.h", "x.hpp"},
        {"*.cpp,*.h", nullptr, "*", "x.h", "x.c"},
        {nullptr, "*.obj , *.pdb", "*", "x.cpp", "x.PDB"},
    };
    for (const Row& r : rows) {
        MaskMatcher m(r.includes, r.excludes);
        const char* label = r.includes ? r.includes : "(null)";
        EXPECT_EQ(std::string(m.GetMergedMask().c_str()), r.merged) << label;
        EXPECT_TRUE(m.Accept(r.accepts)) << label;
        if (r.refuses) {
            EXPECT_FALSE(m.Accept(r.refuses)) << label;
        }
        // A copy owns lists of its own.
        MaskMatcher copy(m);
        m.Init("nothing.matches", nullptr);
        EXPECT_TRUE(copy.Accept(r.accepts)) << label;
    }
}

TEST(MaskMatcher, BorrowedSequencersAreRewoundEachTime)
{
    std::vector<const char*> inc = {"*.txt", "*.md"}, exc = {"secret*"};
    forward_input_sequencer<std::vector<const char*>> incSeq(inc), excSeq(exc);
    MaskMatcher m(incSeq, excSeq);
    for (int round = 0; round < 2; ++round) {
        EXPECT_TRUE(m.Accept("read.md"));
        EXPECT_FALSE(m.Accept("secret.txt"));
        EXPECT_FALSE(m.Accept("a.c"));
    }
    EXPECT_EQ(std::string(m.GetMergedMask().c_str()), "*");
    inc.pop_back();
    forward_input_sequencer<std::vector<const char*>> one(inc);
    EXPECT_EQ(std::string(MaskMatcher(one).GetMergedMask().c_str()), "*.txt");
}

TEST(MaskMatcher, FileAndDirFilterSearchPattern)
{
    auto mask = [](FileFilterBase&& f) { return std::string(f.GetMaskForFindFirst().c_str()); };
    EXPECT_EQ(mask(FileAndDirFilter("*.x", nullptr, "*.X", nullptr)), "*.x");
    EXPECT_EQ(mask(FileAndDirFilter("*.x", nullptr, "*.y", nullptr)), "*");
    EXPECT_EQ(mask(FileFilter("*.cpp")), "*.cpp");
}
