// Running replace jobs in this process against the real KyReplace and the
// engine stand-in: fixture files copied into a scratch folder, the
// engine's switches in the "PerlOptions" setting, the view's log checked
// line by line in order, and the named objects of a finished job.
#pragma once

#include "View/TestReplaceView.h"

#include "KyReplace/ReplaceTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace replgtest {

const DWORD kJobTimeoutMs = 60000;

inline std::string Fixture(const char* name)
{
    return kytest::ReadFile(std::string(KY_TEST_DATA_DIR "/data/") + name);
}

// Lines that must appear in the log in this order, others between them.
inline ::testing::AssertionResult InOrder(const std::vector<std::string>& log,
                                          const std::vector<std::string>& expected)
{
    size_t at = 0;
    for (const std::string& line : expected) {
        while (at < log.size() && log[at] != line)
            ++at;
        if (at == log.size()) {
            std::string all;
            for (const std::string& l : log)
                all += "  " + l + "\n";
            return ::testing::AssertionFailure() << "missing in order: " << line << "\nlog:\n"
                                                 << all;
        }
        ++at;
    }
    return ::testing::AssertionSuccess();
}

inline bool HasLine(const std::vector<std::string>& log, const std::string& start)
{
    for (const std::string& line : log)
        if (line.compare(0, start.size(), start) == 0)
            return true;
    return false;
}

// One job in a view of its own, with the engine's switches set meanwhile.
class JobRun {
public:
    explicit JobRun(const ViewScript& script, const std::string& engineOptions = "") : view_(script)
    {
        if (!engineOptions.empty())
            options_.reset(new reptest::SharedSetting("PerlOptions", engineOptions));
        view_.Create("Replace job test");
    }

    // Starts the task and serves messages until it ended.
    bool Run()
    {
        view_.StartTask();
        return PumpUntil([this] { return view_.Ended(); }, kJobTimeoutMs);
    }

    TestReplaceView& view() { return view_; }
    const std::vector<std::string>& log() const { return view_.Log(); }

private:
    std::unique_ptr<reptest::SharedSetting> options_;
    TestReplaceView view_;
};

// The protocol prefix this process's jobs use.
inline std::string OwnPrefix()
{
    return std::to_string(GetCurrentProcessId()) + "_";
}

// Names of the task's kernel objects that can still be opened under the
// prefix: none once a job and its KyReplace are gone.
std::vector<std::string> OpenTaskObjects(const std::string& prefix);

} // namespace replgtest
