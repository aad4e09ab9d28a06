// The result model: result lines into files and matches, the counting of
// match groups, erasing files while lines arrive and clearing between tasks.
#include "KyFind/Gui/Model/FinderModel.h"

#include "KyStd/Core/Errors.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <string>
#include <thread>
#include <vector>

namespace {

class ResultModel : public ::testing::Test {
protected:
    bool Add(const std::string& line) { return model.AddLine(line.data(), line.size()); }
    std::string FullName(int file) { return model.GetFile(file)->GetFullFileName().c_str(); }
    unsigned long long SumOfFileCounts()
    {
        unsigned long long sum = 0;
        for (unsigned i = 0; i < model.GetFileCount(); ++i)
            sum += model.GetFile(static_cast<int>(i))->GetMatchCount();
        return sum;
    }

    Finder finder;
    Finder::Model& model = finder.GetModel();
};

} // namespace

TEST_F(ResultModel, MatchLineFields)
{
    ASSERT_TRUE(Add("C:\\a(1)\\b.c(12):x(3):text"));
    ASSERT_EQ(1u, model.GetFileCount());
    Finder::Model::FileRec* file = model.GetFile(0);
    EXPECT_STREQ("C:\\a(1)\\", file->GetFolder().c_str());
    EXPECT_STREQ("b.c", file->GetName().c_str());
    const Finder::Model::MatchRec* match = Finder::Model::GetMatch(*file, 0);
    ASSERT_NE(nullptr, match);
    EXPECT_EQ(12, match->line);
    EXPECT_EQ(3, match->position);
    EXPECT_STREQ("text", match->text);
    EXPECT_EQ(nullptr, Finder::Model::GetMatch(*file, 1));
    EXPECT_EQ(nullptr, Finder::Model::GetMatch(*file, -1));
    EXPECT_EQ(nullptr, model.GetFile(1));
}

TEST_F(ResultModel, LinesThatAreNoMatch)
{
    const char* const lines[] = {
        "C:\\f.txt(12):only one field",         "C:\\f.txt():x(3):empty first field",
        "C:\\f.txt(12):x():empty second field", "no fields at all",
        "C:\\f.txt(12)x(3)text without colons", "",
    };
    for (const char* line : lines)
        EXPECT_FALSE(Add(line)) << line;
    EXPECT_EQ(0u, model.GetFileCount());
    EXPECT_EQ(0u, model.GetMatchTotal());
}

TEST_F(ResultModel, NumberFieldThatIsNoWholeNumberThrows)
{
    const struct {
        std::string line;
        int error;
    } cases[] = {
        {"C:\\f.txt(1x):x(3):t", EINVAL},
        {"C:\\f.txt(12):x(3y):t", EINVAL},
        {"C:\\f.txt(99999999999):x(3):t", ERANGE},
        {std::string("C:\\f.txt(1\0):x(3):t", 19), EINVAL},  // a NUL byte
        {"C:\\f.txt(1\xB7):x(3):t", EINVAL},                  // as the line reader shows a NUL
        {"C:\\f.txt(12):x(\xB7):t", EINVAL},
    };
    for (const auto& c : cases) {
        try {
            Add(c.line);
            ADD_FAILURE() << "no error for " << c.line;
        } catch (const Kyvant::rtl_error& e) {
            EXPECT_EQ(c.error, e.code()) << c.line;
            EXPECT_STREQ(Kyvant::rtl_error(c.error).what(), e.what()) << c.line;
        }
    }
    EXPECT_EQ(0u, model.GetFileCount());
}

TEST_F(ResultModel, GroupsCountOnceAndAtTheirFirstFile)
{
    Add("::3");
    Add("C:\\a.txt(1):x(0):one");
    Add("C:\\a.txt(2):x(4):two");
    Add("C:\\b.txt(3):x(8):three");
    Add("C:\\b.txt(9):x(1):alone");
    EXPECT_EQ(2u, model.GetMatchTotal());
    ASSERT_EQ(2u, model.GetFileCount());
    EXPECT_EQ(1u, model.GetFile(0)->GetMatchCount());
    EXPECT_EQ(1u, model.GetFile(1)->GetMatchCount());
    EXPECT_EQ(2u, model.GetFile(1)->GetMatches().size());

    // A line that is no match takes no place in a group.
    Add("::2");
    Add("not a match");
    Add("C:\\b.txt(10):x(0):first of two");
    Add("C:\\b.txt(11):x(0):second of two");
    EXPECT_EQ(3u, model.GetMatchTotal());
}

TEST_F(ResultModel, TextIsCutTo200Characters)
{
    const std::string text(300, 'q');
    ASSERT_TRUE(Add("C:\\f.txt(1):x(0):" + text));
    EXPECT_EQ(text.substr(0, 200), Finder::Model::GetMatch(*model.GetFile(0), 0)->text);
}

TEST_F(ResultModel, OneFileInTwoRunsMakesTwoRows)
{
    Add("C:\\a.txt(1):x(0):one");
    Add("c:/A.TXT(2):x(0):same file, other spelling");
    Add("C:\\b.txt(1):x(0):other");
    Add("C:\\a.txt(5):x(0):again");
    ASSERT_EQ(3u, model.GetFileCount());
    EXPECT_EQ(2u, model.GetFile(0)->GetMatches().size());
    EXPECT_EQ("C:\\a.txt", FullName(2));
}

TEST_F(ResultModel, ClearInsideAGroupStartsTheNextTaskAfresh)
{
    Add("::3");
    Add("C:\\a.txt(1):x(0):first of three");
    model.Clear();
    EXPECT_EQ(0u, model.GetFileCount());
    EXPECT_EQ(0u, model.GetMatchTotal());
    Add("C:\\b.txt(1):x(0):first line of the next task");
    Add("C:\\b.txt(2):x(0):second line");
    EXPECT_EQ(2u, model.GetMatchTotal());
    EXPECT_EQ(2u, model.GetFile(0)->GetMatchCount());
}

TEST_F(ResultModel, ErasedFilesLeaveTheTotalAndTheirLaterLines)
{
    for (const char* name : {"a", "b", "c", "d"}) {
        for (int line = 1; line <= 3; ++line)
            Add(std::string("C:\\") + name + ".txt(" + std::to_string(line) + "):x(0):t");
    }
    Finder::Model::FileList& files = model.GetFiles();
    const std::vector<Finder::Model::FileList::iterator> doomed = {
        files.iterator_at(3), files.iterator_at(1), files.iterator_at(3)};
    std::vector<int> removed;
    model.EraseFiles(doomed, &removed);
    EXPECT_EQ((std::vector<int>{1, 3}), removed);
    EXPECT_EQ(6u, model.GetMatchTotal());
    EXPECT_EQ("C:\\c.txt", FullName(1));

    // d.txt was the file receiving lines: its further lines are dropped, the
    // next file gets a row of its own.
    EXPECT_FALSE(Add("C:\\d.txt(4):x(0):late line of an erased file"));
    EXPECT_TRUE(Add("C:\\e.txt(1):x(0):next file"));
    ASSERT_EQ(3u, model.GetFileCount());
    EXPECT_EQ("C:\\e.txt", FullName(2));
    EXPECT_EQ(7u, model.GetMatchTotal());
    EXPECT_EQ(SumOfFileCounts(), model.GetMatchTotal());
}

// The reader adds groups over many files while this thread erases files,
// the one receiving lines included: no update of the counts is lost.
TEST_F(ResultModel, TotalStaysTheSumOfTheFileCountsUnderConcurrentErasing)
{
    const int kFiles = 20000;
    std::atomic<bool> reading(true);
    std::thread reader([&] {
        for (int file = 0; file < kFiles; ++file) {
            const std::string name = "C:\\many\\file" + std::to_string(file) + ".txt(";
            Add("::2");
            for (int line = 1; line <= 5; ++line)
                Add(name + std::to_string(line) + "):x(0):some text");
        }
        reading = false;
    });
    unsigned erasures = 0;
    while (reading) {
        Finder::Model::FileList& files = model.GetFiles();
        const unsigned size = files.size();
        if (size < 3)
            continue;
        model.EraseFiles({files.iterator_at(size - 1), files.iterator_at(size / 2)}, nullptr);
        ++erasures;
        ASSERT_LE(model.GetMatchTotal(), 4ull * kFiles) << "a torn or wrapped total";
    }
    reader.join();
    EXPECT_GT(erasures, 100u);
    EXPECT_EQ(SumOfFileCounts(), model.GetMatchTotal());
    EXPECT_GT(model.GetMatchTotal(), 0u);
}
