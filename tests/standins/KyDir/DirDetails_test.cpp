// The find data KyDir looks up for a name that came without it: what the
// finder gives for files and folders, nothing for a missing name, and only
// the attributes for a drive's root.
#include "KyDir/DirWalker.h"

#include "common/TempFolder.h"
#include "common/WholeFile.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

using Kyvant::StandIn::LookUpDetails;
using Details = Kyvant::ky_filename_argv_iterator::FileDetails;

namespace {

bool SameTime(const FILETIME& a, const FILETIME& b)
{
    return CompareFileTime(&a, &b) == 0;
}

} // namespace

TEST(DirDetails, AsTheFinderGivesThemForFilesAndFolders)
{
    const std::string folder = kytest::NewFolder(kytest::TempFolder(), "kydir_details_");
    kytest::WriteFile(folder + "five.txt", "12345");
    CreateDirectoryA((folder + "sub").c_str(), nullptr);
    SetFileAttributesA((folder + "five.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    const struct {
        std::string path;
        std::string found; // the name the finder is asked for
    } cases[] = {
        {folder + "five.txt", folder + "five.txt"},
        {folder + "sub", folder + "sub"},
        {folder + "sub\\", folder + "sub"},
        {folder + "sub/", folder + "sub"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        WIN32_FIND_DATAA expected;
        const HANDLE h = FindFirstFileA(c.found.c_str(), &expected);
        ASSERT_NE(INVALID_HANDLE_VALUE, h);
        FindClose(h);
        Details got;
        ASSERT_TRUE(LookUpDetails(c.path, got));
        EXPECT_EQ(expected.dwFileAttributes, got.attributes);
        EXPECT_TRUE(SameTime(expected.ftLastWriteTime, got.lastWriteTime));
        EXPECT_TRUE(SameTime(expected.ftCreationTime, got.creationTime));
        EXPECT_EQ((static_cast<unsigned long long>(expected.nFileSizeHigh) << 32) |
                      expected.nFileSizeLow,
                  got.size);
        EXPECT_EQ(0u, got.reserved);
    }
    Details missing;
    EXPECT_FALSE(LookUpDetails(folder + "none.txt", missing));
    SetFileAttributesA((folder + "five.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    kytest::RemoveTree(folder);
}

TEST(DirDetails, ADrivesRootHasOnlyItsAttributes)
{
    Details root;
    ASSERT_TRUE(LookUpDetails("C:\\", root));
    EXPECT_EQ(GetFileAttributesA("C:\\"), root.attributes);
    EXPECT_EQ(0u, root.lastWriteTime.dwLowDateTime | root.lastWriteTime.dwHighDateTime);
    EXPECT_EQ(0u, root.creationTime.dwLowDateTime | root.creationTime.dwHighDateTime);
    EXPECT_EQ(0u, root.size);
}
