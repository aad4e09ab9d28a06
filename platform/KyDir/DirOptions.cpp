// Reading KyDir's option letters.
#include "DirOptions.h"

#include "KyConTool/App/GetOpt.h"
#include "KyStandInTool/CommandLine.h"

#include <stdexcept>

namespace Kyvant {
namespace StandIn {

namespace {

const char kLetters[] = "o:a:fqF";

void TakeListFile(DirOptions& out, ListFileMode mode)
{
    out.listFileMode = mode;
    out.listFile = optarg ? optarg : "";
    if (out.listFile.empty())
        throw std::runtime_error("Empty list file name");
}

} // namespace

DirOptions ParseDirOptions(CommandLine& commandLine)
{
    DirOptions out;
    getopt_reset(0, nullptr);
    for (int c; (c = getopt(commandLine.OptionCount(), commandLine.Options(), kLetters)) != -1;) {
        switch (c) {
        case 'o': TakeListFile(out, ListFileMode::Overwrite); break;
        case 'a': TakeListFile(out, ListFileMode::Append); break;
        case 'f': out.fullPaths = true; break;
        case 'q': out.quoteNames = true; break;
        case 'F': out.includeFolders = true; break;
        default:
            throw std::runtime_error(std::string("Unknown option or missing argument: -") +
                                     optvalue);
        }
    }
    commandLine.TakeGetoptEnd(optind);
    return out;
}

} // namespace StandIn
} // namespace Kyvant
