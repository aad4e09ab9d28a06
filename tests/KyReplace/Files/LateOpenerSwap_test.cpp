// A program that opens the file without sharing delete after the swap found
// it free: at each later step, what the folder holds and what is reported.
#include "FileHolderProcess.h"
#include "KyReplace/Console/App/ResultText.h"
#include "KyReplace/Console/Files/FileSwap.h"
#include "ReplaceTestSupport.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <memory>
#include <string>
#include <vector>

using namespace reptest;
using Kyvant::ky_F;

namespace {

// How the late opener shares the file: reading and writing, not deleting.
const char kOpenerShare[] = "rw";
const DWORD kOpenerShareMode = FILE_SHARE_READ | FILE_SHARE_WRITE;

// Another program that comes to hold the file.
class Opener {
public:
    virtual ~Opener() {}
    virtual void Arrive(const std::string& file) = 0;
    virtual bool Holding() const = 0;
    virtual void Leave() = 0;
};

// A handle of this process.
class HandleOpener : public Opener {
public:
    ~HandleOpener() override { Leave(); }
    void Arrive(const std::string& file) override
    {
        handle_ = CreateFileA(file.c_str(), GENERIC_READ, kOpenerShareMode, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    bool Holding() const override { return handle_ != INVALID_HANDLE_VALUE; }
    void Leave() override
    {
        if (Holding())
            CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

// A second process.
class ProcessOpener : public Opener {
public:
    void Arrive(const std::string& file) override
    {
        holder_.reset(new FileHolderProcess(file, kOpenerShare));
    }
    bool Holding() const override { return holder_ && holder_->Holding(); }
    void Leave() override { holder_.reset(); }

private:
    std::unique_ptr<FileHolderProcess> holder_;
};

// How the file system gives the backup the original's bytes.
enum class BackupWay {
    Linked, // a hard link (NTFS)
    Copied, // links refused (FAT), CopyFileA
};

// The system's operations. Each one after the check that nothing holds the
// original is a step, named by the operation and, from its second time on,
// its count ("link 2"); before the step named arrival the opener opens the
// original.
class LateOpenerOps : public Kyvant::FileOps {
public:
    LateOpenerOps(BackupWay way, const std::string& arrival, Opener& opener,
                  const std::string& original)
        : way_(way), arrival_(arrival), opener_(opener), original_(original)
    {
    }
    const std::vector<std::string>& Steps() const { return steps_; }

    bool GetAttributes(const ky_F& f, DWORD& a) override
    {
        Step("attr");
        return sys().GetAttributes(f, a);
    }
    bool SetAttributes(const ky_F& f, DWORD a) override
    {
        Step("setattr");
        return sys().SetAttributes(f, a);
    }
    bool Rename(const ky_F& f, const ky_F& t) override
    {
        Step("rename");
        return sys().Rename(f, t);
    }
    bool MoveReplace(const ky_F& f, const ky_F& t) override
    {
        Step("replace");
        return sys().MoveReplace(f, t);
    }
    bool HeldWithoutDeleteShare(const ky_F& f) override
    {
        const bool held = sys().HeldWithoutDeleteShare(f);
        checked_ = true;
        return held;
    }
    bool HasOneStepReplace() override { return sys().HasOneStepReplace(); }
    bool Link(const ky_F& f, const ky_F& t) override
    {
        Step("link");
        if (way_ == BackupWay::Copied) {
            SetLastError(ERROR_INVALID_FUNCTION);
            return false;
        }
        return sys().Link(f, t);
    }
    bool Copy(const ky_F& f, const ky_F& t) override
    {
        Step("copy");
        return sys().Copy(f, t);
    }
    bool RenameAside(const ky_F& f, ky_F& aside) override
    {
        Step("aside");
        return sys().RenameAside(f, aside);
    }
    bool Delete(const ky_F& f) override
    {
        Step("delete");
        return sys().Delete(f);
    }

private:
    static Kyvant::FileOps& sys() { return Kyvant::SystemFileOps(); }
    void Step(const std::string& operation)
    {
        if (!checked_)
            return;
        const int count = ++counts_[operation];
        const std::string step = count == 1 ? operation : operation + " " + std::to_string(count);
        steps_.push_back(step);
        if (step == arrival_)
            opener_.Arrive(original_);
    }

    BackupWay way_;
    std::string arrival_;
    Opener& opener_;
    std::string original_;
    bool checked_ = false;
    std::map<std::string, int> counts_;
    std::vector<std::string> steps_;
};

// The backup and the original end as two names of one file when a link
// cannot be taken back while the opener holds the original.
const char kLinkKept[] = "changed.tmp=new f.txt=old(linked) f.txt.bak=old(linked)";
const char kLinkKeptOlder[] = "changed.tmp=new f.txt=old(linked) f.txt.bak=old(linked) kyf*=older";
const char kLinkKeptReport[] = ": This original file was not altered. \"f.txt.bak\" could not "
                               "be removed: it is a second name of this file.";
const char kLinkKeptOlderReport[] =
    ": This original file was not altered, but the pre-existing backup file \"f.txt.bak\" was "
    "removed. Its contents are kept as: \"kyf*\". \"f.txt.bak\" could not be removed: it is a "
    "second name of this file.";
const char kUnaltered[] = ": This original file was not altered.";
const char kOldKeptNewIn[] = "f.txt=new f.txt.bak=old";

struct Row {
    BackupWay way;
    bool older;          // an older backup is there
    const char* arrival; // the step before which the opener opens the original
    const char* files;   // the folder afterwards ("kyf*": a name made aside)
    const char* report;  // the error report's ending; "" when swapped
};

// For each way and older backup, one row per step after the check, in order.
const Row kRows[] = {
    {BackupWay::Linked, false, "link", kLinkKept, kLinkKeptReport},
    {BackupWay::Linked, false, "replace", kLinkKept, kLinkKeptReport},

    {BackupWay::Linked, true, "link", kLinkKeptOlder, kLinkKeptOlderReport},
    {BackupWay::Linked, true, "aside", kLinkKeptOlder, kLinkKeptOlderReport},
    {BackupWay::Linked, true, "attr", kLinkKeptOlder, kLinkKeptOlderReport},
    {BackupWay::Linked, true, "link 2", kLinkKeptOlder, kLinkKeptOlderReport},
    {BackupWay::Linked, true, "replace", kLinkKeptOlder, kLinkKeptOlderReport},
    {BackupWay::Linked, true, "delete", kOldKeptNewIn, ""},

    {BackupWay::Copied, false, "link", "changed.tmp=new f.txt=old", kUnaltered},
    {BackupWay::Copied, false, "copy", "changed.tmp=new f.txt=old", kUnaltered},
    {BackupWay::Copied, false, "replace", "changed.tmp=new f.txt=old", kUnaltered},

    {BackupWay::Copied, true, "link", "changed.tmp=new f.txt=old f.txt.bak=older", kUnaltered},
    {BackupWay::Copied, true, "copy", "changed.tmp=new f.txt=old f.txt.bak=older", kUnaltered},
    {BackupWay::Copied, true, "aside", "changed.tmp=new f.txt=old f.txt.bak=older", kUnaltered},
    {BackupWay::Copied, true, "attr", "changed.tmp=new f.txt=old f.txt.bak=older", kUnaltered},
    {BackupWay::Copied, true, "copy 2", "changed.tmp=new f.txt=old f.txt.bak=older", kUnaltered},
    {BackupWay::Copied, true, "replace", "changed.tmp=new f.txt=old f.txt.bak=older", kUnaltered},
    {BackupWay::Copied, true, "delete", kOldKeptNewIn, ""},
};

std::string Label(const Row& row)
{
    return std::string(row.way == BackupWay::Linked ? "linked" : "copied") +
           (row.older ? ", older backup" : "") + ", opened before " + row.arrival;
}

const size_t kAsideNameSize = 11; // "kyf", four hex digits, ".tmp"

bool IsAsideName(const std::string& text, size_t at)
{
    const std::string prefix = "kyf", suffix = ".tmp";
    const size_t digits = 4;
    if (at + kAsideNameSize > text.size() || text.compare(at, prefix.size(), prefix) != 0 ||
        text.compare(at + prefix.size() + digits, suffix.size(), suffix) != 0)
        return false;
    for (size_t i = 0; i < digits; ++i) {
        if (!std::isxdigit(static_cast<unsigned char>(text[at + prefix.size() + i])))
            return false;
    }
    return true;
}

// text with the folder left out of names and names made aside as "kyf*".
std::string Relative(std::string text, const std::string& folder)
{
    for (size_t at; (at = text.find(folder)) != std::string::npos;)
        text.erase(at, folder.size());
    for (size_t at = 0; at < text.size(); ++at) {
        if (IsAsideName(text, at))
            text.replace(at, kAsideNameSize, "kyf*");
    }
    return text;
}

bool HasOtherNames(const std::string& file)
{
    const HANDLE handle =
        CreateFileA(file.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool linked = GetFileInformationByHandle(handle, &info) && info.nNumberOfLinks > 1;
    CloseHandle(handle);
    return linked;
}

// "name=content" for each file of the folder in name order, "(linked)" after
// a file with more than one name.
std::string Contents(const Scratch& dir)
{
    std::string text;
    for (const std::string& name : List(dir.path())) {
        text += (text.empty() ? "" : " ") + Relative(name, dir.path()) + "=" + ReadFile(dir[name]) +
                (HasOtherNames(dir[name]) ? "(linked)" : "");
    }
    return text;
}

struct Outcome {
    bool held = false; // the opener held the original, or the new file
    std::string files;
    std::string report;
    std::vector<std::string> steps;
};

// Swaps with backups over "old", the changed copy "new" and, when the row
// says so, an older backup "older"; the opener arrives as the row says.
Outcome SwapWithLateOpener(BackupWay way, bool older, const std::string& arrival, Opener& opener)
{
    Scratch dir;
    WriteFile(dir["f.txt"], "old");
    WriteFile(dir["changed.tmp"], "new");
    if (older)
        WriteFile(dir["f.txt.bak"], "older");
    LateOpenerOps ops(way, arrival, opener, dir["f.txt"]);
    Outcome outcome;
    try {
        Kyvant::SwapIntoPlace(dir["f.txt"].c_str(), dir["changed.tmp"].c_str(), true, ops);
    } catch (const Kyvant::SwapError& e) {
        outcome.report = Relative(Kyvant::SwapEnding(e).c_str(), dir.path());
    }
    outcome.files = Contents(dir);
    outcome.steps = ops.Steps();
    outcome.held = opener.Holding();
    opener.Leave();
    return outcome;
}

void CheckEveryRow(Opener& opener)
{
    for (const Row& row : kRows) {
        const Outcome outcome = SwapWithLateOpener(row.way, row.older, row.arrival, opener);
        ASSERT_TRUE(outcome.held) << Label(row);
        EXPECT_EQ(row.files, outcome.files) << Label(row);
        EXPECT_EQ(row.report, outcome.report) << Label(row);
    }
}

} // namespace

TEST(LateOpenerSwap, TheRowsNameEveryStepAfterTheCheck)
{
    HandleOpener none;
    for (const BackupWay way : {BackupWay::Linked, BackupWay::Copied}) {
        for (const bool older : {false, true}) {
            std::vector<std::string> listed;
            for (const Row& row : kRows) {
                if (row.way == way && row.older == older)
                    listed.push_back(row.arrival);
            }
            EXPECT_EQ(listed, SwapWithLateOpener(way, older, "", none).steps)
                << (way == BackupWay::Linked ? "linked" : "copied") << (older ? ", older" : "");
        }
    }
}

TEST(LateOpenerSwap, OpenedInThisProcess)
{
    HandleOpener opener;
    CheckEveryRow(opener);
}

TEST(LateOpenerSwap, OpenedByAnotherProcess)
{
    ProcessOpener opener;
    CheckEveryRow(opener);
}
