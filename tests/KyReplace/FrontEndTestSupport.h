// Runs of KyReplace with the double of its front-end (KyReplaceG.exe in the
// folder "frontend-double" beside the test), either started by KyReplace
// or starting KyReplace itself, and the double's log of what it received.
#pragma once

#include "ReplaceTestSupport.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace reptest {

struct FrontEndRun {
    ProgramRun run; // KyReplace's, or the double's when it started KyReplace
    std::string log;
};

// A log the double wrote, once its last line is there (at most 20 s).
inline std::string ReadDoubleLog(const std::string& path)
{
    std::string text;
    for (int i = 0; i < 400; ++i) {
        text = ReadFile(path);
        if (text.find("end code=") != std::string::npos)
            break;
        Sleep(50);
    }
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

inline std::string DoubleFolder()
{
    return BinDir() + "frontend-double";
}

inline FrontEndRun Finish(ProgramRun run, const std::string& logPath)
{
    FrontEndRun result;
    result.run = run;
    result.log = ReadDoubleLog(logPath);
    return result;
}

// KyReplace without arguments starts the front-end of its own folder: a
// copy of KyReplace in the double's folder starts the double (the build's
// DLLs come from the bin folder on the PATH).
inline FrontEndRun RunKyReplaceWithDouble(const std::string& logPath, const std::string& script,
                                          std::vector<std::string> env = {})
{
    const char* path = std::getenv("PATH");
    env.push_back("PATH=" + DoubleFolder() + ";" + BinDir() + ";" + (path ? path : ""));
    env.push_back("KYTEST_REPLACEG_SCRIPT=log=" + logPath + ";" + script);
    return Finish(RunProgram(DoubleFolder() + "\\KyReplace.exe", {}, "", env, "", 60000), logPath);
}

// The double starts KyReplace (from the test's folder) and logs its exit
// code as "kyreplace exit=N"; KyReplace's output is the double's.
inline FrontEndRun RunDoubleFirst(const std::string& logPath, const std::string& script,
                                  const std::vector<std::string>& env = {})
{
    return Finish(RunProgram(DoubleFolder() + "\\KyReplaceG.exe", {"log=" + logPath + ";" + script},
                             "", env, BinDir(), 60000),
                  logPath);
}

} // namespace reptest
