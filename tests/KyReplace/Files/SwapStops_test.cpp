// A swap that stops after any one of its file operations, as a killed
// process stops: the file's name always holds its old or its new bytes.
#include "KyReplace/Console/Files/FileSwap.h"
#include "ReplaceTestSupport.h"

#include <gtest/gtest.h>

#include <string>

using namespace reptest;
using Kyvant::ky_F;

namespace {

const int kMostSteps = 40;

struct Stopped {};

// The system's operations, of which only the first few run: the next call
// stops the swap with no further call and no clean-up.
class StoppingOps : public Kyvant::FileOps {
public:
    explicit StoppingOps(int allowed) : left_(allowed) {}

    bool GetAttributes(const ky_F& f, DWORD& a) override
    {
        return Step() && sys().GetAttributes(f, a);
    }
    bool SetAttributes(const ky_F& f, DWORD a) override
    {
        return Step() && sys().SetAttributes(f, a);
    }
    bool Rename(const ky_F& f, const ky_F& t) override { return Step() && sys().Rename(f, t); }
    bool MoveReplace(const ky_F& f, const ky_F& t) override
    {
        return Step() && sys().MoveReplace(f, t);
    }
    bool HeldWithoutDeleteShare(const ky_F& f) override
    {
        return Step() && sys().HeldWithoutDeleteShare(f);
    }
    bool HasOneStepReplace() override { return sys().HasOneStepReplace(); }
    bool Link(const ky_F& f, const ky_F& t) override { return Step() && sys().Link(f, t); }
    bool Copy(const ky_F& f, const ky_F& t) override { return Step() && sys().Copy(f, t); }
    bool RenameAside(const ky_F& f, ky_F& aside) override
    {
        return Step() && sys().RenameAside(f, aside);
    }
    bool Delete(const ky_F& f) override { return Step() && sys().Delete(f); }

private:
    static Kyvant::FileOps& sys() { return Kyvant::SystemFileOps(); }
    bool Step()
    {
        if (left_-- == 0)
            throw Stopped();
        return true;
    }
    int left_;
};

bool Exists(const std::string& file)
{
    return GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

TEST(SwapStops, TheFileKeepsItsNameAfterEveryStep)
{
    for (const bool backups : {false, true}) {
        for (const bool older : {false, true}) {
            for (int allowed = 0;; ++allowed) {
                ASSERT_LT(allowed, kMostSteps);
                const std::string label = std::string(backups ? "backups" : "no backups") +
                                          (older ? ", older backup" : "") + ", stopped after " +
                                          std::to_string(allowed) + " steps";
                Scratch dir;
                const std::string file = dir["f.txt"], backup = dir["f.txt.bak"];
                WriteFile(file, "old");
                WriteFile(dir["changed.tmp"], "new");
                if (older)
                    WriteFile(backup, "older");
                StoppingOps ops(allowed);
                bool finished = false;
                try {
                    Kyvant::SwapIntoPlace(file.c_str(), dir["changed.tmp"].c_str(), backups, ops);
                    finished = true;
                } catch (const Stopped&) {
                }

                ASSERT_TRUE(Exists(file)) << label;
                const std::string now = ReadFile(file);
                EXPECT_TRUE(now == "old" || now == "new") << label << ": " << now;
                if (Exists(backup)) {
                    const std::string kept = ReadFile(backup);
                    EXPECT_TRUE(kept == "old" || (older && kept == "older")) << label;
                }
                if (finished) {
                    EXPECT_EQ("new", now) << label;
                    if (backups) {
                        EXPECT_EQ("old", ReadFile(backup)) << label;
                    }
                    break;
                }
            }
        }
    }
}
