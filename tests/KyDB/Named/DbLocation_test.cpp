// Choosing the database folder: the application-data default with the
// created folders recorded, a stale DBPath, the library's own folder.
#include "NamedDbTestEnv.h"

#include <gtest/gtest.h>

using namespace Kyvant;
using namespace NamedDbTest;
using Strings = std::vector<std::string>;

namespace {

const char kShellFolders[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

// A user seen for the first time: the application-data folder is a scratch
// folder and DBPath and DBCreatedPaths are absent; all is put back afterwards.
class FreshUser {
public:
    FreshUser()
    {
        RegValue::String(appData_.Path(), REG_EXPAND_SZ).Write(kShellFolders, "AppData");
        SetShared(kDbPathValue, RegValue());
        SetShared(kDbCreatedPathsValue, RegValue());
    }
    std::string AppData(const std::string& rest = "") const { return appData_.Path(rest); }

private:
    SharedSettingsGuard settings_;
    SavedValue appDataValue_{kShellFolders, "AppData"};
    ScratchFolder appData_;
};

// The REG_MULTI_SZ value DBCreatedPaths (empty when absent).
Strings CreatedPaths()
{
    const RegValue v = RegValue::Read(kSharedSettingsKey, kDbCreatedPathsValue);
    Strings paths;
    if (!v.exists)
        return paths;
    EXPECT_EQ(static_cast<DWORD>(REG_MULTI_SZ), v.type);
    EXPECT_EQ(std::string(2, '\0'), v.data.substr(v.data.size() - 2));
    for (std::size_t at = 0; v.data[at]; at += paths.back().size() + 1)
        paths.push_back(v.data.c_str() + at);
    return paths;
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ModuleFolder()
{
    char path[MAX_PATH];
    std::string s(path, GetModuleFileNameA(GetKyDBModule(), path, MAX_PATH));
    return s.substr(0, s.find_last_of("\\/"));
}

} // namespace

TEST(DbLocation, FirstUseMakesTheFolderAndFillsTheMaskSets)
{
    FreshUser user;
    ASSERT_FALSE(Exists(ModuleFolder() + "\\KyMask.db"));
    const std::string tools = user.AppData("Kyvant\\Tools");

    EXPECT_EQ(10u, MaskDB::Instance().size());
    EXPECT_EQ(tools, SharedValue(kDbPathValue));
    EXPECT_EQ(Strings({user.AppData("Kyvant"), tools}), CreatedPaths());
    EXPECT_TRUE(Exists(tools + "\\KyMask.db") && Exists(tools + "\\KyMask.idx"));
    EXPECT_TRUE(PathPlanDB::Instance().empty());
    EXPECT_TRUE(ReplacePlanDB::Instance().empty());
    EXPECT_EQ(tools + "\\KyReplacePlan.db", ReplacePlanDB::Instance().GetDbFileName().c_str());

    // A DBPath naming a deleted folder is forgotten with the record of
    // created folders, and the folder is chosen again.
    ResetAll();
    SetShared(kDbPathValue, RegValue::String(user.AppData("gone")));
    EXPECT_EQ(tools + "\\KyPathPlan", LocateDatabase(GetKyDBModule(), "KyPathPlan").c_str());
    EXPECT_EQ(tools, SharedValue(kDbPathValue));
    EXPECT_TRUE(CreatedPaths().empty());
}

TEST(DbLocation, OnlyFoldersMadeNowAreRecorded)
{
    FreshUser user;
    CreateDirectoryA(user.AppData("Kyvant").c_str(), nullptr);
    LocateDatabase(GetKyDBModule(), "KyMask");
    EXPECT_EQ(Strings({user.AppData("Kyvant\\Tools")}), CreatedPaths());
}

TEST(DbLocation, FolderThatCannotBeMade)
{
    FreshUser user;
    CloseHandle(CreateFileA(user.AppData("Kyvant").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            0, nullptr));
    try {
        LocateDatabase(GetKyDBModule(), "KyMask");
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_EQ("Failed to create directory: " + user.AppData("Kyvant"), e.what());
    }
    EXPECT_EQ("", SharedValue(kDbPathValue));
}

TEST(DbLocation, FilesBesideTheLibraryAreUsed)
{
    FreshUser user;
    const std::string probe = ModuleFolder() + "\\KyLocateProbe.db";
    CloseHandle(CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    const std::string base = LocateDatabase(GetKyDBModule(), "KyLocateProbe").c_str();
    DeleteFileA(probe.c_str());
    EXPECT_EQ(ModuleFolder() + "\\KyLocateProbe", base);
    EXPECT_EQ(ModuleFolder(), SharedValue(kDbPathValue));
    EXPECT_FALSE(Exists(user.AppData("Kyvant")));
}
