// A console tool for the iterator tests: skips its options and prints, one
// per line, what GuiProcessFoldersAndFiles gives for its file arguments
// ("/" after a folder, "?" when there are no details). Its front-end is the
// double unless KYTEST_FRONTEND names another program.
#include "KyConTool/App/GetOpt.h"
#include "KyConTool/App/KyConApp.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

namespace {

const char* FrontEnd()
{
    const char* named = std::getenv("KYTEST_FRONTEND");
    return named ? named : "KyConTool_double.exe";
}

class IterTool : public Kyvant::KyConApp {
public:
    IterTool() : KyConApp(FrontEnd(), "IterTool") {}

    void Main(int argc, char** argv) override
    {
        getopt_reset(1, nullptr);
        while (getopt(argc, argv, "x") != -1) {
        }
        struct Printer : FileDetailProcessor {
            void Process(const Kyvant::ky_F& name,
                         Kyvant::ky_filename_argv_iterator::FileDetails* details,
                         bool isFolder) override
            {
                std::printf("%s%s%s\n", name.c_str(), isFolder ? "/" : "", details ? "" : "?");
            }
        } printer;
        GuiProcessFoldersAndFiles(argc, argv, printer);
    }
};

} // namespace

int main(int argc, char** argv)
{
    IterTool tool;
    try {
        tool.Go(argc, argv);
    } catch (const Kyvant::KyConApp::FatalError&) {
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 2;
    }
    return tool.ExitCode;
}
