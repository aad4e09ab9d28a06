// The console tool that the tests run: one application object per process.
// Main performs the actions named by its non-option words and records what
// it saw in the file named by KYTEST_RECORD; a word without a known action
// is announced to the front-end as a file three times. Its front-end is the
// double unless KYTEST_FRONTEND names another program.
#include "KyConTool/App/GetOpt.h"
#include "KyConTool/App/InOutFile.h"
#include "KyConTool/App/KyConApp.h"
#include "KyConTool/App/ProtocolPrefix.h"

#include <windows.h>
#include <process.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

using namespace Kyvant;

namespace {

void Record(const std::string& line)
{
    if (const char* path = std::getenv("KYTEST_RECORD")) {
        if (std::FILE* f = std::fopen(path, "a")) {
            std::fprintf(f, "%s\n", line.c_str());
            std::fclose(f);
        }
    }
}

const char* FrontEnd()
{
    const char* named = std::getenv("KYTEST_FRONTEND");
    return named ? named : "KyConTool_double.exe";
}

class TestTool : public KyConApp {
public:
    TestTool() : KyConApp(ky_F(FrontEnd()), ky_S("Kyvant Test Tool")) {}

    // The double's script comes through KYTEST_DOUBLE_SCRIPT; _spawn joins
    // the words unquoted, so the script is quoted here.
    bool RunGuiTarget(const char* const* argv) override
    {
        const char* script = std::getenv("KYTEST_DOUBLE_SCRIPT");
        const std::string quoted = "\"" + std::string(script ? script : "") + "\"";
        const char* const withScript[] = {argv[0], quoted.c_str(), nullptr};
        return KyConApp::RunGuiTarget(withScript);
    }

    void Main(int argc, char** argv) override
    {
        argc_ = argc;
        argv_ = argv;
        Record("main argc=" + std::to_string(argc) +
               " pid=" + std::to_string(GetCurrentProcessId()));
        for (int i = 0; i < argc; ++i)
            Record("arg" + std::to_string(i) + "=" + argv[i]);
        getopt_reset(1, nullptr);
        while (getopt(argc, argv, "v") != -1) {
        }
        for (int i = optind; i < argc; ++i)
            Act(argv[i]);
        Record("main done");
    }

private:
    static std::string Attributes(const std::string& name)
    {
        return std::to_string(GetFileAttributesA(name.c_str()) & FILE_ATTRIBUTE_READONLY);
    }

    void Act(const std::string& word)
    {
        if (word == GetPureShellArgSep().c_str())
            return;
        const size_t colon = word.find(':');
        const std::string verb = word.substr(0, colon);
        const std::string arg = colon == std::string::npos ? "" : word.substr(colon + 1);
        const ky_F name(arg.c_str());
        if (verb == "merge1") {
            ExitCode.Merge(1);
        } else if (verb == "nonfatal") {
            ThrowNonFatalError();
        } else if (verb == "usage") {
            Usage();
        } else if (verb == "second") {
            TestTool another;
        } else if (verb == "again") {
            Go(argc_, argv_);
        } else if (verb == "say") {
            Say(arg.c_str(), true);
        } else if (verb == "warn") {
            Warn(arg.c_str(), true);
        } else if (verb == "fatal") {
            Fatal(arg.c_str(), true);
        } else if (verb == "fatalexit") {
            FatalExit(arg.c_str(), true);
        } else if (verb == "fatalusage") {
            FatalUsage(arg.c_str(), true);
        } else if (verb == "throw") {
            throw std::runtime_error(arg);
        } else if (verb == "env") {
            Record(arg + (std::getenv(arg.c_str()) ? " set" : " unset"));
        } else if (verb == "prefix") {
            Record("prefix=" + std::string(GetProtocolPrefix().c_str()));
        } else if (verb == "child") {
            // Another tool started from here sees the same prefix.
            char self[MAX_PATH];
            GetModuleFileNameA(nullptr, self, MAX_PATH);
            _spawnl(_P_WAIT, self, "KyConTool_tool", "prefix", nullptr);
        } else if (verb == "checkterm") {
            // "checkterm:<path>" announces that path instead.
            GuiStartFile(ky_F(arg.empty() ? "checking" : arg.c_str()));
            for (int i = 0; i < 400; ++i) {
                Sleep(25);
                GuiCheckTerm();
            }
            Record("survived");
        } else if (verb == "infile") {
            try {
                InFile file(name, 0);
                Record("opened " + arg);
            } catch (const NonFatalError&) {
                Record("skipped " + arg);
            }
        } else if (verb == "attrib") {
            GuiAttribHandler handler(name, 7, FILE_ATTRIBUTE_READONLY, false, false, false);
            Record("attrib during=" + Attributes(arg) + " skip=" + std::to_string(handler.Skip()));
            handler.Restore();
            Record("attrib after=" + Attributes(arg));
        } else if (verb == "longbox") {
            SetGuiDisplayName(ky_S(200, 'D'));
            Warn(std::string(4000, 'W').c_str(), false);
        } else if (verb == "longcaption") {
            SetGuiDisplayName(ky_S(5000, 'D'));
            Warn("short", false);
        } else if (verb == "stdout") {
            OutFile out(GetStdinPseudoFileName(), 0);
            out.Write("through OutFile\n", 16);
            out.Close();
            Say("after Close", false);
        } else {
            for (int i = 0; i < 3; ++i)
                GuiStartFile(ky_F(word.c_str()));
        }
    }

    int argc_ = 0;
    char** argv_ = nullptr;
};

} // namespace

int main(int argc, char** argv)
{
    TestTool app;
    try {
        app.Go(argc, argv);
    } catch (const KyConApp::FatalError&) {
    } catch (const KyConApp::NonFatalError&) {
    } catch (const std::exception& e) {
        app.FatalExit(e.what(), true);
    }
    return app.ExitCode;
}
