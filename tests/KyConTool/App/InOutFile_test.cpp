// Checked input and safely replaced output files, in this process with an
// application object in console mode (warnings on standard error, skips).
#include "KyConTool/App/InOutFile.h"
#include "KyStd/Win32/NewerFunctions.h"
#include "StderrCapture.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

using namespace Kyvant;
using kytest::ReadFile;
using kytest::ScratchDir;
using kytest::WriteFile;

namespace {

BOOL WINAPI MoveFileExAsOn95(LPCSTR, LPCSTR, DWORD)
{
    SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
    return FALSE;
}

// The table of newer functions as Windows 95 has them, until the end of the scope.
class ActAsWindows95 {
public:
    ActAsWindows95() : saved_(Win32::Newer())
    {
        Win32::Newer().moveFileEx = &MoveFileExAsOn95;
        Win32::Newer().getVolumePathName = nullptr;
    }
    ~ActAsWindows95() { Win32::Newer() = saved_; }
    ActAsWindows95(const ActAsWindows95&) = delete;
    ActAsWindows95& operator=(const ActAsWindows95&) = delete;

private:
    Win32::NewerFunctions saved_;
};

// The temporary files the suite makes in the system's temporary folder.
std::vector<std::string> TempFiles()
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((kytest::TempFolder() + "kyf*.tmp").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE)
        return names;
    do
        names.push_back(fd.cFileName);
    while (FindNextFileA(h, &fd));
    FindClose(h);
    std::sort(names.begin(), names.end());
    return names;
}

class InProcessApp : public KyConApp {
public:
    InProcessApp() : KyConApp(ky_F("none.exe"), ky_S("In-process")) {}
    void Main(int, char**) override {}
};

class Files : public ::testing::Test {
protected:
    static void SetUpTestSuite() { static InProcessApp app; }
    ScratchDir dir;
};

// Whether opening the file with the flags skips it (NonFatalError).
bool Skipped(const std::string& path, unsigned flags, std::string* warning = nullptr)
{
    StreamCapture capture;
    try {
        InFile file(ky_F(path.c_str()), flags);
    } catch (const KyConApp::NonFatalError&) {
        if (warning)
            *warning = capture.Stop();
        return true;
    }
    return false;
}

} // namespace

TEST_F(Files, BinaryDetectionOnTheFirstBlock)
{
    const std::string block(InFile::kBufferSize, 'a');
    const struct {
        const char* title;
        std::string content;
        unsigned flags;
        int binary; // -1: not determined
    } cases[] = {
        {"empty", "", 0, 0},
        {"text", "plain\r\ntext", 0, 0},
        {"NUL byte", std::string("a\0b", 3), InFile::kRelaxed, 1},
        {"NUL as the last byte of the first block", block.substr(1) + '\0', InFile::kRelaxed, 1},
        {"NUL only after the first block", block + '\0', 0, 0},
        {"no first read", std::string("a\0b", 3), InFile::kNoFirstRead, -1},
        {"no binary test", std::string("a\0b", 3), InFile::kNoBinaryTest, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        WriteFile(dir["f.bin"], c.content);
        InFile file(ky_F(dir["f.bin"].c_str()), c.flags);
        if (c.binary < 0) {
            EXPECT_THROW(
                try { file.IsBinary(); } catch (const std::runtime_error& e) {
                    EXPECT_STREQ(e.what(), "Binary file status asked for but not determined");
                    throw;
                },
                std::runtime_error);
        } else {
            EXPECT_EQ(file.IsBinary(), c.binary == 1);
        }
        if (c.content.empty()) {
            EXPECT_FALSE(file.Read());
        }
    }
}

TEST_F(Files, InputChecksSkipWithAWarning)
{
    WriteFile(dir["bin"], std::string("\0", 1));
    WriteFile(dir["ro"], "x");
    SetFileAttributesA(dir["ro"].c_str(), FILE_ATTRIBUTE_READONLY);
    std::string warning;
    EXPECT_TRUE(Skipped(dir["missing"], 0, &warning));
    EXPECT_NE(warning.find(": " + dir["missing"] + "\n"), std::string::npos);
    EXPECT_TRUE(Skipped(dir["bin"], 0, &warning));
    EXPECT_EQ(warning, ": Binary file: " + dir["bin"] + "\n");
    EXPECT_TRUE(Skipped(dir["ro"], 0, &warning));
    EXPECT_EQ(warning, ": Read-only file: " + dir["ro"] + "\n");
    EXPECT_FALSE(Skipped(dir["ro"], InFile::kHiddenSystemOnly));
    EXPECT_TRUE(Skipped(dir["missing"], InFile::kNoChecks, &warning)) << "the open fails";
    EXPECT_NE(warning.find(": " + dir["missing"] + "\n"), std::string::npos);

    // Relaxed: read-only is cleared while the file is open, then restored.
    {
        InFile file(ky_F(dir["ro"].c_str()), InFile::kRelaxed);
        EXPECT_EQ(GetFileAttributesA(dir["ro"].c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    }
    EXPECT_NE(GetFileAttributesA(dir["ro"].c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
}

TEST_F(Files, ReadsBlockByBlockAndRewinds)
{
    WriteFile(dir["big"], std::string(40000, 'z'));
    InFile file(ky_F(dir["big"].c_str()), 0);
    EXPECT_EQ(file.BufferEnd() - file.BufferBegin(), 16384);
    ASSERT_TRUE(file.Read());
    EXPECT_EQ(file.BufferEnd() - file.BufferBegin(), 16384);
    ASSERT_TRUE(file.Read());
    EXPECT_EQ(file.BufferEnd() - file.BufferBegin(), 40000 - 2 * 16384);
    EXPECT_FALSE(file.Read());
    file.Rewind();
    ASSERT_TRUE(file.Read());
    EXPECT_EQ(file.BufferEnd() - file.BufferBegin(), 16384);
}

TEST_F(Files, OutputReplacesTheTargetOnlyOnClose)
{
    const std::string big(50000, 'n');
    for (unsigned flags : {0u, static_cast<unsigned>(OutFile::kTempInTempFolder)}) {
        SCOPED_TRACE(flags);
        WriteFile(dir["target"], "old");
        {
            OutFile out(ky_F(dir["target"].c_str()), flags);
            out.Write("discarded", 9);
        }
        EXPECT_EQ(ReadFile(dir["target"]), "old");
        {
            OutFile out(ky_F(dir["target"].c_str()), flags);
            out.Write("kept", 4);
            out.Cancel(false);
        }
        EXPECT_EQ(ReadFile(dir["target"]), "old");
        OutFile out(ky_F(dir["target"].c_str()), flags);
        out.Write(big.data(), static_cast<unsigned>(big.size()));
        out.Close();
        EXPECT_EQ(ReadFile(dir["target"]), big);
        EXPECT_EQ(dir.Files(), std::vector<std::string>{"target"}) << "no temporary file left";
    }
}

TEST_F(Files, SwappedTemporaryFilesGoToTheOtherTarget)
{
    WriteFile(dir["a"], "");
    WriteFile(dir["b"], "");
    OutFile a(ky_F(dir["a"].c_str()), 0), b(ky_F(dir["b"].c_str()), 0);
    a.Write("for a", 5);
    b.Write("for b", 5);
    a.SwapTempFile(b);
    a.Close();
    b.Close();
    EXPECT_EQ(ReadFile(dir["a"]), "for b");
    EXPECT_EQ(ReadFile(dir["b"]), "for a");
}

TEST_F(Files, FailedReplaceKeepsTheOriginal)
{
    WriteFile(dir["target"], "original bytes");
    OutFile out(ky_F(dir["target"].c_str()), 0);
    out.Write("new bytes", 9);
    HANDLE lock = CreateFileA(dir["target"].c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    std::string message;
    try {
        out.Close();
    } catch (const std::runtime_error& e) {
        message = e.what();
    }
    CloseHandle(lock);
    EXPECT_NE(message.find("The original file was not altered"), std::string::npos) << message;
    EXPECT_EQ(ReadFile(dir["target"]), "original bytes");
    // The new contents stay in the temporary file that the message names.
    const std::vector<std::string> files = dir.Files();
    ASSERT_EQ(files.size(), 2u);
    const std::string& temp = files[0] == "target" ? files[1] : files[0];
    EXPECT_EQ(ReadFile(dir[temp]), "new bytes");
    EXPECT_NE(message.find(temp), std::string::npos);
}

TEST_F(Files, HiddenTargetStaysHidden)
{
    WriteFile(dir["hidden"], "old");
    SetFileAttributesA(dir["hidden"].c_str(), FILE_ATTRIBUTE_HIDDEN);
    if (!(GetFileAttributesA(dir["hidden"].c_str()) & FILE_ATTRIBUTE_HIDDEN))
        GTEST_SKIP() << "the file system keeps no hidden bit here";
    OutFile out(ky_F(dir["hidden"].c_str()), 0);
    out.Write("new", 3);
    out.Close();
    EXPECT_EQ(ReadFile(dir["hidden"]), "new");
    EXPECT_NE(GetFileAttributesA(dir["hidden"].c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
}

TEST_F(Files, StandardInputPseudoNameWritesToStandardOutput)
{
    StreamCapture capture(1);
    OutFile out(KyConApp::GetStdinPseudoFileName(), 0);
    EXPECT_TRUE(out.IsStdout());
    out.Write("to stdout", 9);
    out.Close();
    EXPECT_EQ(capture.Stop(), "to stdout");
}

// Without a working MoveFileExA or GetVolumePathNameA (Windows 95). The
// scratch folder lies on another drive than the temporary folder, so the
// second case also tells volumes apart by their drives.
TEST_F(Files, OutputReplacesTheTargetOnWindows95Too)
{
    ActAsWindows95 system;
    for (unsigned flags : {0u, static_cast<unsigned>(OutFile::kTempInTempFolder)}) {
        SCOPED_TRACE(flags);
        WriteFile(dir["target"], "old");
        const std::vector<std::string> tempsBefore = TempFiles();
        OutFile out(ky_F(dir["target"].c_str()), flags);
        out.Write("new", 3);
        out.Close();
        EXPECT_EQ("new", ReadFile(dir["target"]));
        EXPECT_EQ(std::vector<std::string>{"target"}, dir.Files()) << "no file left beside it";
        EXPECT_EQ(tempsBefore, TempFiles()) << "none left in the temporary folder";
    }
}
