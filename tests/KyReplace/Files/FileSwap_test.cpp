// Putting a changed file in place: every step's failure leaves the original.
#include "KyReplace/Console/Files/FileSwap.h"
#include "ReplaceTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using namespace reptest;
using Kyvant::ky_F;

namespace {

bool EndsWith(const ky_F& name, const char* end)
{
    const unsigned n = static_cast<unsigned>(std::strlen(end));
    return name.length() >= n && ky_F(name.substr(name.length() - n)) == end;
}

// The system's operations, except that the named steps fail: "95" (no
// one-step replace, as on Windows 95), "held" (another program holds the
// original without sharing delete), "attr" (reading attributes), "replace"
// (the one-step replace), "link" (the backup as a second name, linked or
// copied), "hardlink" (links refused, as on FAT: the backup is copied),
// "aside-bak" (moving an older backup aside), "aside" (moving the original
// aside), "tobak" (original to backup by renaming, where the name is free),
// "move" (changed copy to the original's name), "back" (the original's
// bytes back to its name), "older-back" (an older backup back to its name),
// "unlink" (deleting the backup, as while another program holds the file).
class FailingOps : public Kyvant::FileOps {
public:
    explicit FailingOps(std::string failing) : failing_("," + std::move(failing) + ",") {}

    bool GetAttributes(const ky_F& f, DWORD& a) override
    {
        return Ok("attr") && sys().GetAttributes(f, a);
    }
    bool SetAttributes(const ky_F& f, DWORD a) override { return sys().SetAttributes(f, a); }
    bool Rename(const ky_F& f, const ky_F& t) override
    {
        const char* step = EndsWith(f, "changed.tmp") ? "move"
                           : EndsWith(t, ".bak") ? (EndsWith(f, "f.txt") ? "tobak" : "older-back")
                                                 : "back";
        if (std::string(step) == "tobak" &&
            GetFileAttributesA(t.c_str()) != INVALID_FILE_ATTRIBUTES)
            return sys().Rename(f, t); // fails as it would anyway
        return Ok(step) && sys().Rename(f, t);
    }
    bool MoveReplace(const ky_F& f, const ky_F& t) override
    {
        return Ok("95", ERROR_CALL_NOT_IMPLEMENTED) && Ok("replace") && sys().MoveReplace(f, t);
    }
    bool HeldWithoutDeleteShare(const ky_F& f) override
    {
        return !Ok("held") || sys().HeldWithoutDeleteShare(f);
    }
    bool HasOneStepReplace() override { return Ok("95") && sys().HasOneStepReplace(); }
    bool Link(const ky_F& f, const ky_F& t) override
    {
        if (GetFileAttributesA(t.c_str()) != INVALID_FILE_ATTRIBUTES)
            return sys().Link(f, t); // fails as it would anyway
        return Ok("link") && Ok("hardlink", ERROR_INVALID_FUNCTION) && sys().Link(f, t);
    }
    bool Copy(const ky_F& f, const ky_F& t) override
    {
        if (GetFileAttributesA(t.c_str()) != INVALID_FILE_ATTRIBUTES)
            return sys().Copy(f, t); // fails as it would anyway
        return Ok("link") && sys().Copy(f, t);
    }
    bool RenameAside(const ky_F& f, ky_F& aside) override
    {
        return Ok(EndsWith(f, ".bak") ? "aside-bak" : "aside") && sys().RenameAside(f, aside);
    }
    bool Delete(const ky_F& f) override
    {
        return (!EndsWith(f, ".bak") || Ok("unlink")) && sys().Delete(f);
    }

private:
    static Kyvant::FileOps& sys() { return Kyvant::SystemFileOps(); }
    bool Ok(const char* step, DWORD error = ERROR_ACCESS_DENIED)
    {
        if (failing_.find(std::string(",") + step + ",") == std::string::npos)
            return true;
        SetLastError(error);
        return false;
    }
    std::string failing_;
};

// "name=content" for each file of the folder in name order; an aside name shows
// as "kyf*".
std::string Contents(const Scratch& dir)
{
    std::vector<std::string> entries;
    for (const std::string& name : List(dir.path())) {
        const bool aside = name.size() > 3 && name.compare(0, 3, "kyf") == 0;
        entries.push_back((aside ? "kyf*" : name) + "=" + ReadFile(dir[name]));
    }
    std::string text;
    for (const std::string& e : entries)
        text += (text.empty() ? "" : " ") + e;
    return text;
}

} // namespace

TEST(FileSwap, EveryStepFailsSafely)
{
    using Kyvant::SwapState;
    struct Case {
        const char* failing; // comma-separated steps
        bool backups;
        bool oldBackup;
        bool swapped;
        SwapState state;   // when not swapped
        const char* named; // the error's name: "bak" or "aside"
        const char* files; // the folder afterwards
    } const cases[] = {
        {"", false, false, true, {}, "", "f.txt=new"},
        {"replace", false, false, true, {}, "", "f.txt=new"}, // by renames
        {"replace", false, true, true, {}, "", "f.txt=new f.txt.bak=older"},
        {"", true, false, true, {}, "", "f.txt=new f.txt.bak=old"},
        {"", true, true, true, {}, "", "f.txt=new f.txt.bak=old"},
        {"attr", true, true, false, SwapState::Unaltered, "bak",
         "changed.tmp=new f.txt=old f.txt.bak=older"},
        {"held", true, true, false, SwapState::Unaltered, "bak",
         "changed.tmp=new f.txt=old f.txt.bak=older"},
        {"aside-bak", true, true, false, SwapState::Unaltered, "bak",
         "changed.tmp=new f.txt=old f.txt.bak=older"},
        {"link", true, false, false, SwapState::Unaltered, "bak", "changed.tmp=new f.txt=old"},
        {"link", true, true, false, SwapState::Unaltered, "bak",
         "changed.tmp=new f.txt=old f.txt.bak=older"},
        {"link,older-back", true, true, false, SwapState::UnalteredOldBackupRemoved, "bak",
         "changed.tmp=new f.txt=old"},
        // The one-step replace refused (the original held, sharing delete).
        {"replace", true, false, true, {}, "", "f.txt=new f.txt.bak=old"},
        {"replace", true, true, true, {}, "", "f.txt=new f.txt.bak=old"},
        {"replace,aside", true, false, false, SwapState::Unaltered, "bak",
         "changed.tmp=new f.txt=old"},
        {"replace,aside", true, true, false, SwapState::Unaltered, "bak",
         "changed.tmp=new f.txt=old f.txt.bak=older"},
        {"replace,aside,older-back", true, true, false, SwapState::UnalteredOldBackupRemoved, "bak",
         "changed.tmp=new f.txt=old"},
        {"replace,move", true, true, false, SwapState::Unaltered, "bak",
         "changed.tmp=new f.txt=old f.txt.bak=older"},
        {"replace,move,back", true, true, false, SwapState::RemovedButBackedUp, "bak",
         "changed.tmp=new f.txt.bak=old"},
        {"replace,aside", false, false, false, SwapState::Unaltered, "bak",
         "changed.tmp=new f.txt=old"},
        {"replace,move", false, false, false, SwapState::Unaltered, "bak",
         "changed.tmp=new f.txt=old"},
        {"replace,move,back", false, false, false, SwapState::RemovedButBackedUp, "aside",
         "changed.tmp=new kyf*=old"},
        // The backup made but not taken back: an older backup stays aside.
        {"replace,aside,unlink", true, false, false, SwapState::BackupLinkKept, "bak",
         "changed.tmp=new f.txt=old f.txt.bak=old"},
        {"replace,aside,unlink", true, true, false, SwapState::BackupLinkKept, "bak",
         "changed.tmp=new f.txt=old f.txt.bak=old kyf*=older"},
        // Links refused (FAT, Windows NT 4): the backup is a copy.
        {"hardlink", true, false, true, {}, "", "f.txt=new f.txt.bak=old"},
        {"hardlink", true, true, true, {}, "", "f.txt=new f.txt.bak=old"},
        {"hardlink,replace", true, true, true, {}, "", "f.txt=new f.txt.bak=old"},
        {"hardlink,replace,aside", true, true, false, SwapState::Unaltered, "bak",
         "changed.tmp=new f.txt=old f.txt.bak=older"},
        {"hardlink,replace,move,back", true, true, false, SwapState::RemovedButBackedUp, "bak",
         "changed.tmp=new f.txt.bak=old"},
        {"hardlink,replace,aside,unlink", true, true, false, SwapState::BackupCopyKept, "bak",
         "changed.tmp=new f.txt=old f.txt.bak=old kyf*=older"},
        // Windows 95, 98 and ME: the original becomes the backup by renaming.
        {"95", true, false, true, {}, "", "f.txt=new f.txt.bak=old"},
        {"95", true, true, true, {}, "", "f.txt=new f.txt.bak=old"},
        {"95,tobak", true, true, false, SwapState::Unaltered, "bak",
         "changed.tmp=new f.txt=old f.txt.bak=older"},
        {"95,tobak,older-back", true, true, false, SwapState::UnalteredOldBackupRemoved, "bak",
         "changed.tmp=new f.txt=old"},
        {"95,move", true, false, false, SwapState::Unaltered, "bak", "changed.tmp=new f.txt=old"},
        {"95,move", true, true, false, SwapState::Unaltered, "bak",
         "changed.tmp=new f.txt=old f.txt.bak=older"},
        {"95,move,older-back", true, true, false, SwapState::UnalteredOldBackupRemoved, "bak",
         "changed.tmp=new f.txt=old"},
        {"95,move,back", true, true, false, SwapState::RemovedButBackedUp, "bak",
         "changed.tmp=new f.txt.bak=old"},
    };
    for (const Case& c : cases) {
        Scratch dir;
        WriteFile(dir["f.txt"], "old");
        WriteFile(dir["changed.tmp"], "new");
        if (c.oldBackup)
            WriteFile(dir["f.txt.bak"], "older");
        FailingOps ops(c.failing);
        const std::string label =
            std::string(c.failing) + (c.backups ? " +B" : "") + (c.oldBackup ? " +older" : "");
        try {
            const Kyvant::SwapResult r = Kyvant::SwapIntoPlace(
                dir["f.txt"].c_str(), dir["changed.tmp"].c_str(), c.backups, ops);
            EXPECT_TRUE(c.swapped) << label;
            EXPECT_EQ(c.backups, r.backedUp) << label;
        } catch (const Kyvant::SwapError& e) {
            EXPECT_FALSE(c.swapped) << label;
            EXPECT_EQ(c.state, e.State()) << label;
            const bool olderAside = c.oldBackup && (c.state == SwapState::BackupLinkKept ||
                                                    c.state == SwapState::BackupCopyKept);
            EXPECT_EQ(olderAside, !e.Aside().empty()) << label;
            const std::string name = e.Name().c_str();
            if (std::string(c.named) == "bak")
                EXPECT_EQ(dir["f.txt.bak"], name) << label;
            else
                EXPECT_EQ(dir.path() + "kyf", name.substr(0, dir.path().size() + 3)) << label;
        }
        EXPECT_EQ(c.files, Contents(dir)) << label;
    }
}

TEST(FileSwap, ReadOnlyOlderBackupGivesWay)
{
    Scratch dir;
    WriteFile(dir["f.txt"], "old");
    WriteFile(dir["changed.tmp"], "new");
    WriteFile(dir["f.txt.bak"], "older");
    SetFileAttributesA(dir["f.txt.bak"].c_str(), FILE_ATTRIBUTE_READONLY);

    Kyvant::SwapIntoPlace(dir["f.txt"].c_str(), dir["changed.tmp"].c_str(), true);

    EXPECT_EQ("f.txt=new f.txt.bak=old", Contents(dir));
}

TEST(FileSwap, ReadOnlyOriginalTakesBackItsBackupLink)
{
    Scratch dir;
    WriteFile(dir["f.txt"], "old");
    WriteFile(dir["changed.tmp"], "new");
    SetFileAttributesA(dir["f.txt"].c_str(), FILE_ATTRIBUTE_READONLY);
    FailingOps ops("replace,aside");

    EXPECT_THROW(Kyvant::SwapIntoPlace(dir["f.txt"].c_str(), dir["changed.tmp"].c_str(), true, ops),
                 Kyvant::SwapError);

    EXPECT_EQ("changed.tmp=new f.txt=old", Contents(dir));
    EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_READONLY),
              GetFileAttributesA(dir["f.txt"].c_str()) & FILE_ATTRIBUTE_READONLY);
    SetFileAttributesA(dir["f.txt"].c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(FileSwap, KeepsHiddenAndSystemBits)
{
    Scratch dir;
    WriteFile(dir["f.txt"], "old");
    WriteFile(dir["changed.tmp"], "new");
    const DWORD bits = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    SetFileAttributesA(dir["f.txt"].c_str(), bits);
    if ((GetFileAttributesA(dir["f.txt"].c_str()) & bits) != bits)
        GTEST_SKIP() << "no hidden and system attributes on this file system";

    Kyvant::SwapIntoPlace(dir["f.txt"].c_str(), dir["changed.tmp"].c_str(), true);

    EXPECT_EQ(bits, GetFileAttributesA(dir["f.txt"].c_str()) & bits);
    EXPECT_EQ("new", ReadFile(dir["f.txt"]));
}
