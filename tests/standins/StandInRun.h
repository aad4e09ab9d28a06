// Helpers of the stand-in tests: a scratch folder for fixture files, and
// running a stand-in of the build folder with its output captured.
#pragma once

#include "common/ChildProcess.h"
#include "common/ProgramFolder.h"
#include "common/TempFolder.h"
#include "common/WholeFile.h"

#include <windows.h>

#include <string>
#include <vector>

namespace sitest {

// A fresh folder (with a trailing backslash) on the scratch volume, removed
// with everything in it.
class Fixtures {
public:
    explicit Fixtures(const char* tag)
    {
        static int counter = 0;
        root_ = kytest::ScratchBase() + "kysi_" + tag + "_" +
                std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++counter) + "\\";
        CreateDirectoryA(root_.c_str(), nullptr);
    }
    ~Fixtures() { kytest::RemoveTree(root_); }
    Fixtures(const Fixtures&) = delete;
    Fixtures& operator=(const Fixtures&) = delete;

    const std::string& Root() const { return root_; }
    std::string operator()(const std::string& name) const { return root_ + name; }
    // Writes the file, making its folders first.
    void Add(const std::string& name, const std::string& bytes) const
    {
        for (std::size_t at = name.find('\\'); at != std::string::npos;
             at = name.find('\\', at + 1))
            CreateDirectoryA((root_ + name.substr(0, at)).c_str(), nullptr);
        kytest::WriteFile(root_ + name, bytes);
    }

private:
    std::string root_;
};

// Every "{D}" of text replaced with the folder.
inline std::string WithRoot(std::string text, const std::string& root)
{
    for (std::size_t at = text.find("{D}"); at != std::string::npos; at = text.find("{D}", at)) {
        text.replace(at, 3, root);
        at += root.size();
    }
    return text;
}

struct StandInRun {
    DWORD exitCode = 0xFFFFFFFF;
    std::string out; // byte for byte
    std::string err; // CR removed
};

// Runs the stand-in (for example "KyFind.exe") with the option words, "@!"
// and the file arguments.
inline StandInRun RunStandIn(const char* program, const std::vector<std::string>& options,
                             const std::vector<std::string>& files,
                             const std::vector<std::string>& env = {})
{
    std::vector<std::string> args = options;
    args.push_back("@!");
    args.insert(args.end(), files.begin(), files.end());
    StandInRun run;
    const kytest::ProgramRun done =
        kytest::RunProgram(kytest::ProgramFolder() + program, args, "", env, "", 60000, &run.out);
    run.exitCode = done.exitCode;
    run.err = done.err;
    return run;
}

} // namespace sitest
