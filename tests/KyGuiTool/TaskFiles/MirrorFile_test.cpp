// Tests of the safe task-file save: writing beside the target and replacing
// it at Close, the read-only and held-open targets, and abandoned saves.
#include "KyGuiTool/TaskFiles/MirrorFile.h"

#include "KyGuiTool/TaskFiles/ToolDocFile.h"
#include "TaskFiles/ScratchFolder.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

using kytest::ReadFile;
using kytest::WriteFile;
using Kyvant::ToolDoc::File;

const char kOriginal[] = "original bytes";
const char kSaveFailedEnd[] = "\n\nThis original file has not been altered.";

Kyvant::ky_F Path(const std::string& path)
{
    return Kyvant::ky_F(path.c_str());
}

ULONGLONG CreationTime(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    ::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
    return (static_cast<ULONGLONG>(data.ftCreationTime.dwHighDateTime) << 32) |
           data.ftCreationTime.dwLowDateTime;
}

// Gives the file a creation time in 2001; false when the file system keeps none.
bool BackdateCreation(const std::string& path, ULONGLONG& time)
{
    SYSTEMTIME old = {2001, 2, 0, 3, 4, 5, 6, 0};
    FILETIME when = {};
    ::SystemTimeToFileTime(&old, &when);
    time = (static_cast<ULONGLONG>(when.dwHighDateTime) << 32) | when.dwLowDateTime;
    HANDLE h = ::CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                             OPEN_EXISTING, 0, nullptr);
    ::SetFileTime(h, &when, nullptr, nullptr);
    ::CloseHandle(h);
    return CreationTime(path) == time;
}

std::string SaveError(const std::string& path, const char* contents, HANDLE* holdOpen = nullptr)
{
    try {
        File file(Path(path), File::kSaveMode);
        file.Write(4000, Kyvant::ky_S(contents));
        if (holdOpen != nullptr)
            *holdOpen = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
        file.Close();
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "";
}

std::string FullPath(const std::string& path)
{
    char full[MAX_PATH];
    ::GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    return full;
}

TEST(MirrorFile, WritesBesideTheTargetAndReplacesItAtClose)
{
    tasktest::ScratchFolder folder;
    const std::string target = folder["task.kyfnd"];
    WriteFile(target, kOriginal);
    ULONGLONG created = 0;
    const bool keepsCreation = BackdateCreation(target, created);

    Kyvant::MirrorFile file(Path(target), File::kSaveMode);
    file.Write("new", 3);
    file.Flush();
    EXPECT_TRUE(file.IsMirrored());
    EXPECT_STREQ(FullPath(target).c_str(), file.GetFilePath());
    const std::vector<std::string> during = folder.Files();
    ASSERT_EQ(2u, during.size()) << "the temporary file lies beside the target";
    EXPECT_EQ(kOriginal, ReadFile(target));
    EXPECT_STREQ(FullPath(folder[during[0] == "task.kyfnd" ? during[1] : during[0]]).c_str(),
                 file.GetTempPath().c_str());

    file.Close();
    EXPECT_EQ("new", ReadFile(target));
    EXPECT_EQ(std::vector<std::string>{"task.kyfnd"}, folder.Files());
    if (keepsCreation)
        EXPECT_EQ(created, CreationTime(target));
    else
        std::printf("the file system keeps no creation time: not compared\n");
}

TEST(MirrorFile, ReadOnlyTargetIsRefusedAndKept)
{
    tasktest::ScratchFolder folder;
    const std::string target = folder["task.kyfnd"];
    WriteFile(target, kOriginal);
    ::SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY);

    EXPECT_EQ("Cannot modify read-only file:\n\n   " + FullPath(target), SaveError(target, "new"));
    EXPECT_EQ(kOriginal, ReadFile(target));
    EXPECT_EQ(std::vector<std::string>{"task.kyfnd"}, folder.Files());
}

TEST(MirrorFile, TargetHeldOpenIsKeptWhole)
{
    tasktest::ScratchFolder folder;
    const std::string target = folder["task.kyfnd"];
    WriteFile(target, kOriginal);

    // Held open for reading without delete sharing, as a reader would.
    HANDLE holder = INVALID_HANDLE_VALUE;
    const std::string error = SaveError(target, "new contents", &holder);
    ASSERT_NE(INVALID_HANDLE_VALUE, holder);
    ::CloseHandle(holder);
    EXPECT_EQ("An error occurred while saving:\n\n   " + FullPath(target) + kSaveFailedEnd, error);
    EXPECT_EQ(kOriginal, ReadFile(target));
    EXPECT_EQ(std::vector<std::string>{"task.kyfnd"}, folder.Files()) << "no temporary file left";
}

TEST(MirrorFile, AbandonedSavesLeaveEverythingAsItWas)
{
    tasktest::ScratchFolder folder;
    const std::string existing = folder["existing.kyfnd"];
    WriteFile(existing, kOriginal);
    {
        Kyvant::MirrorFile file(Path(existing), File::kSaveMode);
        file.Write("new", 3);
        file.Abort();
    }
    {
        // A record stream that is not closed aborts its file.
        File file(Path(existing), File::kSaveMode);
        file.Write(4000, Kyvant::ky_S("new"));
    }
    {
        File file(Path(folder["new.kyfnd"]), File::kSaveMode);
        file.Write(4000, Kyvant::ky_S("new"));
        EXPECT_EQ(2u, folder.Files().size()) << "a new target is written in place";
        file.Abort();
    }
    EXPECT_EQ(kOriginal, ReadFile(existing));
    EXPECT_EQ(std::vector<std::string>{"existing.kyfnd"}, folder.Files());

    File file(Path(folder["new.kyfnd"]), File::kSaveMode);
    file.Write(4000, Kyvant::ky_S("kept"));
    file.Close();
    EXPECT_EQ(std::string("\xa0\x0f\x04\0\0\0kept", 10), ReadFile(folder["new.kyfnd"]));
}

} // namespace
