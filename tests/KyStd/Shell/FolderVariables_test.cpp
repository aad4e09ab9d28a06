// Tests of the special-folder table's lookups and of folder variables expanded in paths.
#include "KyStd/Shell/Co.h"
#include "KyStd/Shell/FolderVariables.h"
#include "KyStd/Shell/ShellFolderTable.h"
#include "KyStd/Shell/ShellNames.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

using namespace Kyvant;

TEST(ShellFolderTable, EveryNameIsFoundInAnyCaseAndPrefixesAreNot)
{
    ASSERT_EQ(40, Shell::GetShellFolderCount());
    for (int i = 0; i < 40; ++i) {
        const Shell::ShellFolderDesc* row = Shell::GetShellFolderDesc(i);
        ASSERT_NE(nullptr, row);
        EXPECT_STREQ(row->name, Shell::GetShellFolderCSIDLName(i));
        std::string lower = row->name, upper = row->name;
        for (size_t k = 0; k < lower.size(); ++k) {
            lower[k] = static_cast<char>(tolower(static_cast<unsigned char>(lower[k])));
            upper[k] = static_cast<char>(toupper(static_cast<unsigned char>(upper[k])));
        }
        for (const std::string& name : {std::string(row->name), lower, upper}) {
            int csidl = -1;
            EXPECT_TRUE(Shell::GetCSIDL(name.c_str(), csidl)) << name;
            EXPECT_EQ(row->csidl, csidl) << name;
        }
    }
    EXPECT_EQ(nullptr, Shell::GetShellFolderDesc(40));
    EXPECT_EQ(nullptr, Shell::GetShellFolderCSIDLName(-1));
    EXPECT_EQ(36, Shell::GetShellFolderDesc(39)->csidl);
    EXPECT_EQ(3, Shell::GetShellFolderDesc(3)->level);

    for (const char* name :
         {"Desk", "Desktops", "", "Common_", "Windows ", static_cast<const char*>(nullptr)}) {
        int csidl = -7;
        EXPECT_FALSE(Shell::GetCSIDL(name, csidl)) << (name ? name : "null");
        EXPECT_EQ(-7, csidl);
    }
}

TEST(FolderVariables, KnownNamesExpandOthersStay)
{
    Co::Initializer com;
    const std::string windows = Shell::GetSpecialFolderPath(CSIDL_WINDOWS).c_str();
    const std::string programs = Shell::GetSpecialFolderPath(CSIDL_PROGRAM_FILES).c_str();
    const struct {
        const char* path;
        std::string expanded;
    } cases[] = {
        {"<ProgramFiles>\\x<Unknown>\\y", programs + "\\x<Unknown>\\y"},
        {"a<Windows", "a<Windows"},
        {"a>b<Windows>", "a>b" + windows},
        {"<<Windows>>", "<" + windows + ">"},
        {"<WINDOWS>\\<windows>", windows + "\\" + windows},
        {"<>", "<>"},
    };
    for (const auto& c : cases) {
        ky_F path(c.path);
        EXPECT_EQ(0, Shell::ExpandFolderVariables(path)) << c.path;
        EXPECT_STREQ(c.expanded.c_str(), path.c_str()) << c.path;
    }

    // Wine has no alternate start-up folder: the shell refuses it.
    ky_F path("<AltStartup>\\<Windows>");
    long hr = Shell::ExpandFolderVariables(path);
    if (hr == 0)
        GTEST_SKIP() << "this system has an alternate start-up folder";
    EXPECT_GT(0, hr);
    EXPECT_STREQ(("<AltStartup>\\" + windows).c_str(), path.c_str());
}
