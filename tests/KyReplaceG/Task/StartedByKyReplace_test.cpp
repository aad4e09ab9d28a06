// A front-end that KyReplace started: KyReplace run without arguments
// starts the tests' front-end beside it, which reuses that KyReplace,
// starting none of its own, and shows the task dialog inside the job's
// construction; a KyReplace that ends first fails the start.
#include "Task/JobSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

using namespace replgtest;

namespace {

const int kLogPolls = 400;
const DWORD kLogPollMs = 50;

class StartedByKyReplace : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::getenv("DISPLAY"))
            GTEST_SKIP() << "no X display for the front-end's window";
    }

    // KyReplace from the front-end's folder, the build's DLLs on the PATH.
    kytest::ProgramRun Run(const std::string& script)
    {
        const char* path = std::getenv("PATH");
        const std::string folder = reptest::BinDir() + "replaceg-frontend";
        return kytest::RunProgram(
            folder + "\\KyReplace.exe", {}, "",
            {"PATH=" + reptest::BinDir() + ";" + (path ? path : ""),
             "KYTEST_REPLACEG_SCRIPT=log=" + logs["frontend.log"] + ";" + script},
            folder, kJobTimeoutMs);
    }

    // The front-end's log, once it is complete: the front-end ends after
    // the KyReplace it waited for.
    std::vector<std::string> Log()
    {
        std::string text;
        for (int i = 0; i < kLogPolls; ++i) {
            text = kytest::ReadFile(logs["frontend.log"]);
            if (text.size() >= 4 && text.compare(text.size() - 4, 4, "end\n") == 0)
                break;
            Sleep(kLogPollMs);
        }
        std::vector<std::string> lines;
        size_t start = 0;
        for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
            lines.push_back(text.substr(start, end - start));
        return lines;
    }

    reptest::Scratch dir, logs;
};

} // namespace

TEST_F(StartedByKyReplace, ReusesItAndRunsTheDialogInsideTheStart)
{
    const std::string a = dir["a.txt"];
    kytest::WriteFile(a, Fixture("greeting.txt"));
    const kytest::ProgramRun run = Run("args=-phello|-qbye|@!|" + a + ";replies=0,3");
    EXPECT_EQ(0u, run.exitCode) << run.err;
    EXPECT_TRUE(
        InOrder(Log(), {"console=yes", "dialog accepted", "released run=1 failed=0",
                        "started here=0", "400 single=0", "405 name=" + a, "407 size=22 got=22",
                        "reply 0", "reply 3", "404 count=1 word0=1", "401", "ended", "end"}));
    EXPECT_EQ("bye world\nsay hello\n", kytest::ReadFile(a));
}

TEST_F(StartedByKyReplace, KyReplaceEndingFirstFailsTheStart)
{
    const std::string a = dir["a.txt"];
    kytest::WriteFile(a, Fixture("greeting.txt"));
    const kytest::ProgramRun run = Run("dialog=cancel;args=-phello|-qbye|@!|" + a);
    EXPECT_EQ(2u, run.exitCode) << run.err;
    EXPECT_TRUE(InOrder(Log(), {"console=yes", "dialog cancelled", "released run=0 failed=1",
                                "start failed: Unable to initialize KyReplace - Code 3 (dialog "
                                "failed)",
                                "end"}));
    EXPECT_EQ(Fixture("greeting.txt"), kytest::ReadFile(a));
}
