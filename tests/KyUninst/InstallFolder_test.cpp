// The installation folder taken from the uninstaller's command line.
#include "KyUninst/InstallFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

struct FolderCase {
    const char* commandLine;
    const char* folder;
};

class InstallFolder : public ::testing::TestWithParam<FolderCase> {};

TEST_P(InstallFolder, IsTheQuotedPathUpToItsLastBackslash)
{
    EXPECT_EQ(GetParam().folder, KyUninst::InstallFolder(GetParam().commandLine));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, InstallFolder,
    ::testing::Values(
        FolderCase{"setup.exe -c\"C:\\Program Files\\Kyvant\\Uninst.isu\"",
                   "C:\\Program Files\\Kyvant\\"},
        FolderCase{"setup.exe -c\"C:\\Kyvant\\Uninst.isu\" -f\"C:\\Other\\log.txt\"",
                   "C:\\Kyvant\\"},
        FolderCase{"setup.exe -c\"C:\\Kyvant\\Uninst.isu", "C:\\Kyvant\\"},
        FolderCase{"setup.exe -c\"C:\\Kyvant\\\"", "C:\\Kyvant\\"},
        FolderCase{"setup.exe -c\"Uninst.isu\" -f\"C:\\Other\\log.txt\"", ""},
        FolderCase{"setup.exe -c C:\\Kyvant\\Uninst.isu", ""},
        FolderCase{"setup.exe -C\"C:\\Kyvant\\Uninst.isu\"", ""},
        FolderCase{"", ""}));

TEST(InstallFolderLength, FoldersOfMaxPathCharactersAreRefused)
{
    const std::string shortest = std::string("C:\\") + std::string(MAX_PATH - 5, 'a') + "\\";
    ASSERT_EQ(static_cast<size_t>(MAX_PATH - 1), shortest.size());
    EXPECT_EQ(shortest, KyUninst::InstallFolder(("-c\"" + shortest + "x\"").c_str()));
    const std::string longer = std::string("C:\\") + std::string(MAX_PATH - 4, 'a') + "\\";
    EXPECT_EQ("", KyUninst::InstallFolder(("-c\"" + longer + "x\"").c_str()));
}

} // namespace
