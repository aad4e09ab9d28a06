// Replacing moves and moves aside on systems with and without a working
// MoveFileExA, the kind of system chosen through the table of newer functions.
#include "KyStd/Files/MoveReplacing.h"
#include "KyStd/Files/RenameAside.h"
#include "KyStd/Win32/NewerFunctions.h"
#include "common/TempFolder.h"
#include "common/WholeFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using Kyvant::ky_F;
using Kyvant::Win32::NewerFunctions;

namespace {

BOOL WINAPI MoveFileExAsOn95(LPCSTR, LPCSTR, DWORD)
{
    SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
    return FALSE;
}

enum class System { Current, Windows95, WithoutMoveFileEx };

// Makes the table of newer functions look like the given system's until
// the end of the scope.
class ActAs {
public:
    explicit ActAs(System system) : saved_(Kyvant::Win32::Newer())
    {
        if (system == System::Windows95)
            Kyvant::Win32::Newer().moveFileEx = &MoveFileExAsOn95;
        if (system == System::WithoutMoveFileEx)
            Kyvant::Win32::Newer().moveFileEx = nullptr;
    }
    ~ActAs() { Kyvant::Win32::Newer() = saved_; }
    ActAs(const ActAs&) = delete;
    ActAs& operator=(const ActAs&) = delete;

private:
    NewerFunctions saved_;
};

class Folder {
public:
    Folder()
    {
        static int counter = 0;
        path_ = kytest::TempFolder() + "kystd_move_" + std::to_string(GetCurrentProcessId()) + "_" +
                std::to_string(++counter) + "\\";
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~Folder() { kytest::RemoveTree(path_); }
    std::string operator[](const std::string& name) const { return path_ + name; }
    // "name=content" of each file, in name order.
    std::string Contents() const
    {
        std::vector<std::string> entries;
        WIN32_FIND_DATAA fd;
        HANDLE h = FindFirstFileA((path_ + "*").c_str(), &fd);
        if (h != INVALID_HANDLE_VALUE) {
            do {
                if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                    entries.push_back(std::string(fd.cFileName) + "=" +
                                      kytest::ReadFile(path_ + fd.cFileName));
            } while (FindNextFileA(h, &fd));
            FindClose(h);
        }
        std::sort(entries.begin(), entries.end());
        std::string text;
        for (const std::string& e : entries)
            text += (text.empty() ? "" : " ") + e;
        return text;
    }

private:
    std::string path_;
};

} // namespace

TEST(MoveReplacing, EverySystemReplacesOrLeavesTheTarget)
{
    struct Case {
        System system;
        bool target;
        bool source;
        bool moved;
        const char* after;
    } const cases[] = {
        {System::Current, true, true, true, "to=new"},
        {System::Current, false, true, true, "to=new"},
        {System::Current, true, false, false, "to=old"},
        {System::Windows95, true, true, true, "to=new"},
        {System::Windows95, false, true, true, "to=new"},
        {System::Windows95, true, false, false, "to=old"},
        {System::WithoutMoveFileEx, true, true, true, "to=new"},
        {System::WithoutMoveFileEx, true, false, false, "to=old"},
    };
    for (const Case& c : cases) {
        const std::string label = std::to_string(static_cast<int>(c.system)) +
                                  (c.target ? " target" : "") + (c.source ? " source" : "");
        ActAs system(c.system);
        Folder dir;
        if (c.target)
            kytest::WriteFile(dir["to"], "old");
        if (c.source)
            kytest::WriteFile(dir["from"], "new");
        const bool moved = Kyvant::MoveReplacing(dir["from"].c_str(), dir["to"].c_str());
        EXPECT_EQ(c.moved, moved) << label;
        if (!moved) {
            EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), GetLastError()) << label;
        }
        EXPECT_EQ(c.after, dir.Contents()) << label;
    }
}

TEST(MoveReplacing, RenameAsideGivesAFreeNameInTheSameFolder)
{
    Folder dir;
    kytest::WriteFile(dir["a"], "first");
    kytest::WriteFile(dir["b"], "second");
    ky_F asideA, asideB;
    ASSERT_TRUE(Kyvant::RenameAside(dir["a"].c_str(), asideA));
    ASSERT_TRUE(Kyvant::RenameAside(dir["b"].c_str(), asideB));
    EXPECT_NE(asideA, asideB);
    EXPECT_EQ("first", kytest::ReadFile(asideA.c_str()));
    EXPECT_EQ("second", kytest::ReadFile(asideB.c_str()));
    EXPECT_EQ(dir["kyf"], std::string(asideA.c_str()).substr(0, dir["kyf"].size()));

    ky_F untouched("unchanged");
    EXPECT_FALSE(Kyvant::RenameAside(dir["missing"].c_str(), untouched));
    EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), GetLastError());
    EXPECT_EQ(ky_F("unchanged"), untouched);
}
