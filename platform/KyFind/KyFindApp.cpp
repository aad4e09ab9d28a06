// KyFind's run: options, patterns, then the walk over the file arguments;
// the task link's made-up and replayed lines.
#include "KyFindApp.h"

#include "FileSearcher.h"
#include "FindOptions.h"
#include "PatternSet.h"

#include "KyConTool/App/GetOpt.h"
#include "KyStandInTool/ByteSink.h"
#include "KyStandInTool/CommandLine.h"
#include "KyStd/Core/Errors.h"

#include <windows.h>

#include <cerrno>
#include <cstdio>
#include <stdexcept>
#include <string>

namespace Kyvant {
namespace StandIn {

namespace {

const char kFrontEnd[] = "KyFindG.exe";
const char kDisplayName[] = "Kyvant Find";
const unsigned kSlowLinesPerFile = 4;
const unsigned kSlowGroupLines = 2;
const std::size_t kReplayChunk = 65536;

// The file's bytes into the results as they are.
void Replay(const char* path, ByteSink& sink)
{
    FILE* file = std::fopen(path, "rb");
    if (!file)
        throw rtl_error(errno);
    std::string chunk(kReplayChunk, '\0');
    std::size_t read = 0;
    while ((read = std::fread(&chunk[0], 1, chunk.size(), file)) > 0)
        sink.Write(chunk.data(), read);
    std::fclose(file);
    std::fflush(stdout);
}

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

void KyFindApp::WriteTestResults(const TaskLinkSwitches& switches)
{
    StdoutSink sink;
    for (unsigned i = 0; i < switches.slowLines; ++i) {
        const unsigned file = i / kSlowLinesPerFile;
        const unsigned line = i % kSlowLinesPerFile;
        std::string text;
        if (line == 0)
            text = "::" + std::to_string(kSlowGroupLines) + "\n";
        text += "C:\\KySlow\\file" + std::to_string(file) + ".txt(" + std::to_string(line + 1) +
                "):x(0):slow line " + std::to_string(i) + "\n";
        if (i + 1 == switches.slowLines)
            HoldLastResult();
        sink.Write(text);
        std::fflush(stdout);
        Sleep(switches.slowMs);
    }
    if (switches.badNumber) {
        sink.Write(std::string("C:\\KyBad\\bad.txt(1x):x(0):a line number that is no number\n"));
        std::fflush(stdout);
    }
    if (!switches.replay.empty())
        Replay(switches.replay.c_str(), sink);
}

} // namespace StandIn
} // namespace Kyvant
