// Tests of folder enumeration: find data, the filters, exclusion lists, hooks and FindFiles.
#include "FileTestTree.h"
#include "KyStd/Files/FileFilter.h"
#include "KyStd/Files/FileFinder.h"
#include "KyStd/Files/FileInfo.h"
#include "KyStd/Files/FileName.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

using namespace Kyvant;
using KyTest::FileTestTree;

namespace {

using Names = std::vector<std::string>;

std::string Joined(Names names)
{
    std::sort(names.begin(), names.end());
    std::string out;
    for (const std::string& n : names)
        out += (out.empty() ? "" : ",") + n;
    return out;
}

// Accepted names of one walk, sorted and joined by ','.
std::string Walk(const std::string& folder, const FileFilterBase& filter,
                 const Names& exclusions = Names())
{
    std::vector<const char*> entries;
    for (const std::string& e : exclusions)
        entries.push_back(e.c_str());
    forward_input_sequencer<std::vector<const char*>> seq(entries);
    FileFinder finder(ky_F(folder.c_str()), filter, &seq);
    Names accepted;
    if (finder.FindFirst()) {
        do {
            if (finder.Accept())
                accepted.push_back(filter.GetFileInfo().cFileName);
        } while (finder.FindNext());
    }
    return Joined(accepted);
}

class FinderTree : public ::testing::Test {
protected:
    void SetUp() override
    {
        t.File("a.txt", 10);
        t.File("b.cpp");
        t.File("c.h");
        t.Dir("obj");
        t.Dir("sub");
        t.Dir("src");
        t.File("src\\obj");
        t.File("src\\x.txt");
    }
    FileTestTree t;
};

// Records what the finder tells the filter.
class RecordingFilter : public FileFilter {
public:
    using FileFilter::FileFilter;
    void OnExcluded(const FileInfo& entry) override { excluded.push_back(entry.cFileName); }
    void OnNothingFound(const ky_F& pattern, const input_sequencer<const char*>& files,
                        const input_sequencer<const char*>& folders) override
    {
        nothingFound = pattern.c_str();
        for (; !files.at_end(); files.next())
            excludedFiles.push_back(files.current());
        for (; !folders.at_end(); folders.next())
            excludedFolders.push_back(folders.current());
    }
    Names excluded, excludedFiles, excludedFolders;
    std::string nothingFound;
};

} // namespace

TEST(FileInfo, SizesAndTimesFromFindData)
{
    FileInfo big;
    big.nFileSizeHigh = 1;
    big.nFileSizeLow = 5;
    EXPECT_EQ(big.GetSize64(), 0x100000005ULL);
    try {
        big.GetSize();
        ADD_FAILURE() << "no exception for a 4 GB size";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "FileInfo::GetSize: File size exceeds 32 bits.");
    }
    big.nFileSizeHigh = 0;
    big.nFileSizeLow = 0xFFFFFFFFu;
    EXPECT_EQ(big.GetSize(), 0xFFFFFFFFul);

    big.ftLastWriteTime = ConvertToFILETIME(1000000000L);
    long t = 0;
    EXPECT_TRUE(big.GetLastWriteTime(t));
    EXPECT_EQ(t, 1000000000L);
    EXPECT_FALSE(big.GetCreationTime(t)); // zero FILETIME: 1601
    EXPECT_EQ(t, -1);

    struct Row {
        const char* name;
        bool dots;
    } rows[] = {{".", true}, {"..", true}, {"...", false}, {".a", false}, {"", false}};
    for (const Row& r : rows) {
        std::strcpy(big.cFileName, r.name);
        EXPECT_EQ(big.IsDots(), r.dots) << r.name;
    }
}

TEST_F(FinderTree, FiltersChooseFilesFoldersOrBothNeverDots)
{
    EXPECT_EQ(Walk(t.Path(), FileFilter()), "a.txt,b.cpp,c.h");
    EXPECT_EQ(Walk(t.Path(), FileFilter("*.txt, *.H")), "a.txt,c.h");
    EXPECT_EQ(Walk(t.Path(), FileFilter("*", "*.cpp")), "a.txt,c.h");
    EXPECT_EQ(Walk(t.Path(), DirFilter()), "obj,src,sub");
    EXPECT_EQ(Walk(t.Path(), DirFilter("s*")), "src,sub");
    EXPECT_EQ(Walk(t.Path(), FileAndDirFilter()), "a.txt,b.cpp,c.h,obj,src,sub");
    EXPECT_EQ(Walk(t.Path(), FileAndDirFilter("*.h", nullptr, "o*", nullptr)), "c.h,obj");
    EXPECT_EQ(Walk(t.Path("sub"), FileAndDirFilter()), "");
}

TEST_F(FinderTree, ExclusionLists)
{
    const std::string root = t.Path();
    std::string lowerSlashed = root + "/SRC/";
    std::transform(lowerSlashed.begin(), lowerSlashed.end(), lowerSlashed.begin(), ::tolower);
    struct Row {
        std::string folder;
        Names exclusions;
        const char* expected;
    } rows[] = {
        {root, {":obj"}, "a.txt,b.cpp,c.h,src,sub"},
        {root + "\\src", {":obj"}, "obj,x.txt"}, // a file named like the folder stays
        {root, {root + "\\a.txt"}, "b.cpp,c.h,obj,src,sub"},
        {root, {root + "\\sub\\"}, "a.txt,b.cpp,c.h,obj,src"},
        {root, {root + "\\a.txt , b.cpp"}, "c.h,obj,src,sub"},
        {root, {":obj,sub", ":o*"}, "a.txt,b.cpp,c.h,src"},
        {root, {lowerSlashed}, "a.txt,b.cpp,c.h,obj,sub"},
        {root, {root + "\\src\\x.txt", root + "x"}, "a.txt,b.cpp,c.h,obj,src,sub"},
        {root + "\\", {":sub\\"}, "a.txt,b.cpp,c.h,obj,src"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(Walk(r.folder, FileAndDirFilter(), r.exclusions), r.expected) << r.exclusions[0];

    // The folder itself or an ancestor, ending in a separator: nothing at all.
    const std::string parent = ky_F(root.c_str()).ToPathPart(false).c_str();
    for (const std::string& ancestor : {root + "\\", root.substr(0, 3), parent}) {
        FileAndDirFilter filter;
        const char* entry = ancestor.c_str();
        std::vector<const char*> list = {entry};
        forward_input_sequencer<std::vector<const char*>> seq(list);
        FileFinder finder(ky_F(root.c_str()), filter, seq);
        SetLastError(0);
        EXPECT_FALSE(finder.FindFirst()) << ancestor;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND)) << ancestor;
        EXPECT_FALSE(finder.Accept());
        EXPECT_FALSE(ky_F(root.c_str()).FindFiles(filter, &seq)) << ancestor;
    }
}

TEST_F(FinderTree, HooksSeeExcludedAndMissingEntries)
{
    RecordingFilter filter("*");
    Walk(t.Path(), filter, {t.Path("a.txt, c.h")});
    EXPECT_EQ(Joined(filter.excluded), "a.txt,c.h");
    EXPECT_TRUE(filter.nothingFound.empty());
    EXPECT_EQ(std::string(filter.GetSearchDir().c_str()), t.Path() + "\\");
    EXPECT_EQ(std::string(filter.GetSearchMask().c_str()), "*");

    RecordingFilter none("*.zzz");
    Walk(t.Path(), none, {":obj", t.Path("b.cpp")});
    EXPECT_EQ(none.nothingFound, t.Path("*.zzz"));
    EXPECT_EQ(Joined(none.excludedFiles), "b.cpp");
    EXPECT_EQ(Joined(none.excludedFolders), "obj");

    RecordingFilter missing;
    FileFinder finder(ky_F(t.Path("no-such-folder").c_str()), missing);
    EXPECT_FALSE(finder.FindFirst());
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
    EXPECT_EQ(missing.nothingFound, t.Path("no-such-folder\\*"));
    EXPECT_FALSE(finder.FindNext());
}

TEST_F(FinderTree, FindFilesIsTrueOnlyWhenSomethingWasAccepted)
{
    const ky_F root(t.Path().c_str());
    EXPECT_TRUE(root.FindFiles(FileFilter("*.txt")));
    EXPECT_FALSE(root.FindFiles(FileFilter("*.zzz")));
    EXPECT_FALSE(ky_F(t.Path("src").c_str()).FindFiles(DirFilter())); // only "." and ".."
    EXPECT_TRUE(ky_F(t.Path("src").c_str()).FindFiles(FileFilter()));
}
