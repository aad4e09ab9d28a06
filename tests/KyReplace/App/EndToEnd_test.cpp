// Whole runs of KyReplace.exe with the stand-in engine over real files.
#include "ReplaceTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace reptest;

namespace {

const std::string kProgram = "KyReplace.exe: ";

bool CanHide(const std::string& file)
{
    return SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_HIDDEN) &&
           (GetFileAttributesA(file.c_str()) & FILE_ATTRIBUTE_HIDDEN);
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

} // namespace

TEST(KyReplaceRun, BackupsResultsRelaxedOpening)
{
    Scratch dir, logs;
    const std::string original = "one hello two\r\nhello\r\n";
    const std::string untouched = "nothing to see\r\n";
    WriteFile(dir["a.txt"], original);
    WriteFile(dir["a.txt.bak"], "stale backup");
    WriteFile(dir["b.txt"], untouched);
    WriteFile(dir["old.bak"], "hello");
    const bool hidden = CanHide(dir["a.txt"]);
    const std::vector<std::string> tempsBefore = List(TempDir(), "kyf*.tmp");
    SharedSetting options("PerlOptions", "--test-trace=" + logs["trace.log"]);

    // The script lies among the temporary folder's kyf*.tmp files.
    const ProgramRun run =
        RunKyReplace({"-NBVA", "-phello", "-qbye", "@!", dir.path() + "*", TempDir() + "kyf*.tmp"});

    EXPECT_EQ(0u, run.exitCode) << run.err;
    EXPECT_EQ(kProgram + dir["a.txt"] + ": Made 2 replacements.\n\t(Original backed up as: " +
                  dir["a.txt.bak"] + ").\n" + kProgram + "Made 2 replacements in 1 file.\n",
              run.out);
    EXPECT_EQ("one bye two\r\nbye\r\n", ReadFile(dir["a.txt"]));
    EXPECT_EQ(original, ReadFile(dir["a.txt.bak"]));
    EXPECT_EQ(untouched, ReadFile(dir["b.txt"]));
    EXPECT_EQ("hello", ReadFile(dir["old.bak"]));
    EXPECT_EQ((std::vector<std::string>{"a.txt", "a.txt.bak", "b.txt", "old.bak"}),
              List(dir.path()));
    EXPECT_EQ(tempsBefore, List(TempDir(), "kyf*.tmp"));
    if (hidden) {
        EXPECT_TRUE(GetFileAttributesA(dir["a.txt"].c_str()) & FILE_ATTRIBUTE_HIDDEN);
    }

    const std::vector<std::string> trace = Lines(ReadFile(logs["trace.log"]));
    ASSERT_FALSE(trace.empty());
    const std::string script = trace[0].substr(7);
    for (const std::string& line : trace) {
        EXPECT_FALSE(Contains(line, ".bak ")) << line;
        EXPECT_FALSE(Contains(line, "file " + script + " ")) << line;
    }
}

TEST(KyReplaceRun, HiddenFileIsSkippedWithoutRelaxedOpening)
{
    Scratch dir;
    WriteFile(dir["h.txt"], "hello");
    WriteFile(dir["c.txt"], "hello");
    if (!CanHide(dir["h.txt"]))
        GTEST_SKIP() << "no hidden attribute on this file system";

    const ProgramRun run =
        RunKyReplace({"-NV", "-C", "-phello", "-qbye", "@!", dir["h.txt"], dir["c.txt"]});

    EXPECT_EQ(1u, run.exitCode);
    EXPECT_TRUE(Contains(run.err, kProgram + "Hidden file: " + dir["h.txt"] + "\n")) << run.err;
    EXPECT_EQ("hello", ReadFile(dir["h.txt"]));
    EXPECT_EQ("bye", ReadFile(dir["c.txt"]));
}

TEST(KyReplaceRun, FilesThatCannotBeOpened)
{
    struct Case {
        std::vector<std::string> options;
        DWORD exitCode;
        const char* after; // b.txt afterwards
        const char* message;
    } const cases[] = {
        {{"-NV"}, 3, "hello", "missing.txt"},     // stops after the failed record
        {{"-NV", "-C"}, 1, "bye", "missing.txt"}, // goes on
        {{"-C", "-NV"}, 1, "bye", "missing.txt"}, // "-C" anywhere before "@!"
        {{"-NV", "-Cx"}, 2, "hello", "The -C option must appear by itself"},
    };
    for (const Case& c : cases) {
        Scratch dir;
        WriteFile(dir["b.txt"], "hello");
        std::vector<std::string> args = c.options;
        for (const char* a : {"-phello", "-qbye", "@!"})
            args.push_back(a);
        args.push_back(dir["missing.txt"]);
        args.push_back(dir["b.txt"]);
        const ProgramRun run = RunKyReplace(args);
        EXPECT_EQ(c.exitCode, run.exitCode) << args[1] << run.err;
        EXPECT_EQ(c.after, ReadFile(dir["b.txt"])) << args[1];
        EXPECT_TRUE(Contains(run.err, c.message)) << run.err;
        EXPECT_EQ((std::vector<std::string>{"b.txt"}), List(dir.path()));
    }
}

TEST(KyReplaceRun, ConfirmationWithoutFrontEndStopsBeforeTheEngine)
{
    Scratch dir, logs;
    WriteFile(dir["a.txt"], "hello");
    SharedSetting options("PerlOptions", "--test-trace=" + logs["trace.log"]);

    const ProgramRun run = RunKyReplace({"-V", "-phello", "-qbye", "@!", dir["a.txt"]});

    EXPECT_EQ(2u, run.exitCode);
    EXPECT_EQ(kProgram +
                  "Stopped due to the following error:\nReplace Rule confirmation was requested "
                  "but is not supported\nat the command line. To override all confirmation, add "
                  "-N to\nthe front of your KyReplace command line.\n",
              run.err);
    EXPECT_EQ("hello", ReadFile(dir["a.txt"]));
    EXPECT_TRUE(List(logs.path()).empty()) << "the engine ran";
}

TEST(KyReplaceRun, StandardInputWhenNoFilesFollow)
{
    Scratch logs;
    SharedSetting options("PerlOptions", "--test-trace=" + logs["trace.log"]);

    const ProgramRun run = RunKyReplace({"-NV", "-phello", "-qbye"}, "hello\nworld hello\n");

    EXPECT_EQ(0u, run.exitCode) << run.err;
    EXPECT_EQ("bye\nworld bye\n", run.out);
    std::vector<std::string> trace = Lines(ReadFile(logs["trace.log"]));
    trace.erase(std::remove(trace.begin(), trace.end(), "heartbeat"), trace.end());
    ASSERT_EQ(3u, trace.size());
    EXPECT_EQ("wait 0 file <STDIN> binary 0 temp -", trace[1]);
    EXPECT_EQ("wait 0 end", trace[2]);
}

// The stream as the engine parsed it: heartbeats, a temporary file reused
// while files stay unchanged, the binary flag, a failed record, the end.
TEST(KyReplaceRun, FileListStream)
{
    Scratch dir, logs;
    WriteFile(dir["a.txt"], "hello");
    WriteFile(dir["b.txt"], "nothing");
    WriteFile(dir["c.dat"], std::string("bin\0ary hello", 13));
    SharedSetting options("PerlOptions", "--test-trace=" + logs["trace.log"]);

    const ProgramRun run =
        RunKyReplace({"-NA", "-C", "-phello", "-qbye", "@!", dir.path() + "*", dir["missing.txt"]});

    EXPECT_EQ(1u, run.exitCode) << run.err;
    std::vector<std::string> records;
    int heartbeats = 0;
    for (const std::string& line : Lines(ReadFile(logs["trace.log"])))
        if (line == "heartbeat")
            ++heartbeats;
        else if (line.compare(0, 7, "script ") != 0)
            records.push_back(line);
    EXPECT_GE(heartbeats, 1);
    ASSERT_EQ(5u, records.size());
    const std::string first = "wait 0 file " + dir["a.txt"] + " binary 0 temp ";
    const std::string second = "wait 0 file " + dir["b.txt"] + " binary 0 temp ";
    const std::string third = "wait 0 file " + dir["c.dat"] + " binary 1 temp ";
    ASSERT_EQ(first, records[0].substr(0, first.size()));
    ASSERT_EQ(second, records[1].substr(0, second.size()));
    ASSERT_EQ(third, records[2].substr(0, third.size()));
    const std::string temp1 = records[0].substr(first.size());
    const std::string temp2 = records[1].substr(second.size());
    EXPECT_EQ(0u, temp1.find(dir.path()));
    EXPECT_NE(temp1, temp2) << "a changed file takes its temporary file along";
    EXPECT_EQ(temp2, records[2].substr(third.size())) << "an unchanged file leaves it for the next";
    EXPECT_EQ("wait 0 failed " + dir["missing.txt"], records[3]);
    EXPECT_EQ("wait 0 end", records[4]);
    EXPECT_EQ(std::string("bin\0ary bye", 11), ReadFile(dir["c.dat"]));
    EXPECT_EQ((std::vector<std::string>{"a.txt", "b.txt", "c.dat"}), List(dir.path()));
}

TEST(KyReplaceRun, EngineTroubleReachesTheUser)
{
    struct Case {
        const char* options;
        DWORD exitBits;
        std::vector<std::string> messages; // "<a>" stands for the file's name
    } const cases[] = {
        {"--test-never-ready", 2, {"Perl didn't start properly."}},
        {"--test-abend",
         2,
         {"An error occurred while processing \"<a>\": ",
          ": This original file was not altered.\n"}},
        {"\"--test-stderr-line=first line\" \"--test-stderr-tail=last words\"",
         0,
         {kProgram + "KyPerl: first line\n", kProgram + "last words\n"}},
    };
    for (const Case& c : cases) {
        Scratch dir;
        WriteFile(dir["a.txt"], "hello");
        SharedSetting options("PerlOptions", c.options);
        const ProgramRun run = RunKyReplace({"-N", "-phello", "-qbye", "@!", dir["a.txt"]});
        EXPECT_EQ(c.exitBits, run.exitCode & 2) << c.options << "\n" << run.err;
        for (std::string m : c.messages) {
            const std::size_t at = m.find("<a>");
            if (at != std::string::npos)
                m.replace(at, 3, dir["a.txt"]);
            EXPECT_TRUE(Contains(run.err, m)) << c.options << "\n" << run.err;
        }
        EXPECT_EQ(c.exitBits ? "hello" : "bye", ReadFile(dir["a.txt"]));
        EXPECT_EQ((std::vector<std::string>{"a.txt"}), List(dir.path()));
    }
}

TEST(KyReplaceRun, EngineProgramFromTheRegistry)
{
    Scratch dir;
    WriteFile(dir["a.txt"], "hello");
    SharedSetting program("PerlAppName", "NoSuchEngine.exe");

    const ProgramRun run = RunKyReplace({"-N", "-phello", "-qbye", "@!", dir["a.txt"]});

    EXPECT_EQ(2u, run.exitCode);
    EXPECT_TRUE(Contains(run.err, "No such file or directory")) << run.err;
    EXPECT_EQ("hello", ReadFile(dir["a.txt"]));
}

TEST(KyReplaceRun, FailedBackupLeavesTheOriginal)
{
    Scratch dir;
    WriteFile(dir["a.txt"], "hello");
    // A folder where the backup should go makes the backup step fail.
    CreateDirectoryA(dir["a.txt.bak"].c_str(), nullptr);
    WriteFile(dir["a.txt.bak\\keep"], "x");

    const ProgramRun run = RunKyReplace({"-NBV", "-phello", "-qbye", "@!", dir["a.txt"]});

    EXPECT_EQ(2u, run.exitCode & 2);
    EXPECT_TRUE(Contains(run.err, "An error occurred while processing \"" + dir["a.txt"] + "\": "))
        << run.err;
    EXPECT_TRUE(Contains(run.err, ": This original file was not altered.\n")) << run.err;
    EXPECT_EQ("hello", ReadFile(dir["a.txt"]));
    EXPECT_EQ((std::vector<std::string>{"a.txt", "a.txt.bak"}), List(dir.path()));
    EXPECT_EQ(kProgram + "Made 0 replacements in 0 files.\n", run.out);
}

TEST(KyReplaceRun, StartUpObjectThatExistsAlreadyIsReported)
{
    const std::string prefix = "KyRepTest_" + std::to_string(GetCurrentProcessId()) + "_";
    HANDLE taken = CreateEventA(nullptr, TRUE, FALSE,
                                (prefix + "Kyvant_KyReplace_Perl_HasQuit_Event").c_str());

    const ProgramRun run = RunKyReplace({"-N", "-phello", "-qbye"}, "hello",
                                        {"Kyvant_Protocol_Prefix_EnvVar=" + prefix});
    CloseHandle(taken);

    EXPECT_EQ(2u, run.exitCode);
    EXPECT_EQ(0u, run.err.find(kProgram + "Cannot create " + prefix +
                               "Kyvant_KyReplace_Perl_HasQuit_Event: "))
        << run.err;
    EXPECT_EQ("", run.out);
}
