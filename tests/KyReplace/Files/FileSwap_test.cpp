// Putting a changed file in place: every step's failure leaves the original.
#include "KyReplace/Console/Files/FileSwap.h"
#include "ReplaceTestSupport.h"

#include <gtest/gtest.h>

#include <string>

using namespace reptest;
using Kyvant::ky_F;

namespace {

// The system's operations, except that one of them fails.
class FailingOps : public Kyvant::FileOps {
public:
    explicit FailingOps(std::string failing) : failing_(std::move(failing)) {}

    bool GetAttributes(const ky_F& f, DWORD& a) override
    {
        return Ok("attr") && sys().GetAttributes(f, a);
    }
    bool SetAttributes(const ky_F& f, DWORD a) override
    {
        return Ok("setattr") && sys().SetAttributes(f, a);
    }
    bool MakeTempFile(const ky_F& b, ky_F& n) override
    {
        return Ok("temp") && sys().MakeTempFile(b, n);
    }
    bool HardLink(const ky_F& e, const ky_F& l) override
    {
        return Ok("link") && sys().HardLink(e, l);
    }
    bool Copy(const ky_F& f, const ky_F& t, bool overwrite) override
    {
        return Ok("copy") && sys().Copy(f, t, overwrite);
    }
    bool MoveReplace(const ky_F& f, const ky_F& t) override
    {
        // "move" fails the last move (the changed file), "movebak" the first.
        const bool last = !(t.length() > 4 && t.substr(t.length() - 4) == ".bak");
        return Ok(last ? "move" : "movebak") && sys().MoveReplace(f, t);
    }
    bool Delete(const ky_F& f) override { return sys().Delete(f); }

private:
    static Kyvant::FileOps& sys() { return Kyvant::SystemFileOps(); }
    bool Ok(const char* op)
    {
        if (failing_ != op)
            return true;
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    std::string failing_;
};

} // namespace

TEST(FileSwap, EveryStepFailsSafely)
{
    struct Case {
        const char* failing;
        bool backups;
        bool oldBackup;
        bool swapped;
        bool oldBackupReplaced; // as the error tells
    } const cases[] = {
        {"", false, false, true, false},       {"", true, true, true, false},
        {"link", true, false, true, false}, // falls back to a copy
        {"link", true, true, true, false},     {"copy", true, true, true, false}, // the link serves
        {"attr", true, false, false, false},   {"temp", true, true, false, false},
        {"movebak", true, true, false, false}, {"move", false, false, false, false},
        {"move", true, false, false, false},   {"move", true, true, false, true},
    };
    for (const Case& c : cases) {
        Scratch dir;
        WriteFile(dir["f.txt"], "old");
        WriteFile(dir["changed.tmp"], "new");
        if (c.oldBackup)
            WriteFile(dir["f.txt.bak"], "older");
        FailingOps ops(c.failing);
        const std::string label = std::string(c.failing) + (c.backups ? " +B" : "");
        try {
            const Kyvant::SwapResult r = Kyvant::SwapIntoPlace(
                dir["f.txt"].c_str(), dir["changed.tmp"].c_str(), c.backups, ops);
            EXPECT_TRUE(c.swapped) << label;
            EXPECT_EQ(c.backups, r.backedUp) << label;
            EXPECT_EQ("new", ReadFile(dir["f.txt"])) << label;
            if (c.backups) {
                EXPECT_EQ("old", ReadFile(dir["f.txt.bak"])) << label;
            }
        } catch (const Kyvant::SwapError& e) {
            EXPECT_FALSE(c.swapped) << label;
            EXPECT_EQ(c.oldBackupReplaced, e.OldBackupReplaced()) << label;
            EXPECT_EQ("old", ReadFile(dir["f.txt"])) << label;
            EXPECT_EQ("new", ReadFile(dir["changed.tmp"])) << label;
            if (c.oldBackup && !c.oldBackupReplaced) {
                EXPECT_EQ("older", ReadFile(dir["f.txt.bak"])) << label;
            }
        }
        std::vector<std::string> expected = {"f.txt"};
        if (c.backups && (c.swapped || c.oldBackup))
            expected.push_back("f.txt.bak");
        if (!c.swapped)
            expected.insert(expected.begin(), "changed.tmp");
        EXPECT_EQ(expected, List(dir.path())) << label;
    }
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
