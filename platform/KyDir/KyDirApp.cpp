// KyDir's run: options, the walk, and the listing on standard output, in
// the list file or, in a task, as records for the front-end.
#include "KyDirApp.h"

#include "DirOptions.h"
#include "DirRecords.h"
#include "DirWalker.h"
#include "ListFile.h"
#include "ListingText.h"

#include "KyConTool/App/GetOpt.h"
#include "KyStandInTool/CommandLine.h"

#include <cstdlib>
#include <stdexcept>

namespace Kyvant {
namespace StandIn {

namespace {

const char kFrontEnd[] = "KyDirG.exe";
const char kDisplayName[] = "Kyvant Dir";
// Set to anything: the console gets the task's record stream, for the
// benchmark that compares the front-end with a reader of the bare records.
const char kRecordsVariable[] = "KYBENCH_DIR_RECORDS";

bool RecordsToConsole()
{
    return std::getenv(kRecordsVariable) != nullptr;
}

} // namespace

KyDirApp::KyDirApp() : LinkedConApp(ky_F(kFrontEnd), ky_S(kDisplayName), kDirTaskProtocol) {}

void KyDirApp::Main(int argc, char** argv)
{
    CommandLine commandLine(argc, argv, {});
    const DirOptions options = ParseDirOptions(commandLine);
    if (commandLine.FileArgc() <= 1)
        throw std::runtime_error("No file arguments given");
    if (options.listFileMode == ListFileMode::None && (InTask() || RecordsToConsole())) {
        StdoutSink sink;
        DirRecordWriter records(sink);
        Walk(commandLine.FileArgc(), commandLine.Files(), options, records);
        // The front-end's reader ends with the records, not with this
        // process, whose end (the modules' unloading) takes a while.
        sink.Close();
        return;
    }
    if (options.listFileMode == ListFileMode::None) {
        ConsoleListing listing(options);
        Walk(commandLine.FileArgc(), commandLine.Files(), options, listing);
        return;
    }
    // The list file changes only after the whole walk went through.
    ListFileText text(options);
    Walk(commandLine.FileArgc(), commandLine.Files(), options, text);
    WriteListFile(options.listFile, options.listFileMode, text.Text());
}

void KyDirApp::Walk(int argc, char** argv, const DirOptions& options, DirItemSink& sink)
{
    // Walked folders are reported (before their contents, with full paths)
    // in console mode too, as in the task link, so that "-F" can list them.
    guiFlag_ = true;
    DirWalker walker(options.includeFolders, sink);
    optind = 1;
    GuiProcessFoldersAndFiles(argc, argv, walker);
}

} // namespace StandIn
} // namespace Kyvant
