// KyFind's run: options, patterns, then the walk over the file arguments.
#include "KyFindApp.h"

#include "FileSearcher.h"
#include "FindOptions.h"
#include "PatternSet.h"

#include "KyConTool/App/GetOpt.h"
#include "KyStandInTool/ByteSink.h"
#include "KyStandInTool/CommandLine.h"

#include <stdexcept>

namespace Kyvant {
namespace StandIn {

namespace {

const char kFrontEnd[] = "KyFindG.exe";
const char kDisplayName[] = "Kyvant Find";

} // namespace

KyFindApp::KyFindApp() : LinkedConApp(ky_F(kFrontEnd), ky_S(kDisplayName), kFindTaskProtocol) {}

void KyFindApp::Main(int argc, char** argv)
{
    CommandLine commandLine(argc, argv, {kIdeOutputWord});
    const FindOptions options = ParseFindOptions(commandLine);
    if (options.patterns.empty())
        throw std::runtime_error("No pattern given");
    if (commandLine.FileArgc() <= 1)
        throw std::runtime_error("No file arguments given");
    const PatternSet patterns(options);
    StdoutSink sink;
    FileSearcher searcher(options, patterns, sink);
    optind = 1;
    GuiProcessFoldersAndFiles(commandLine.FileArgc(), commandLine.Files(), searcher);
}

} // namespace StandIn
} // namespace Kyvant
