// Reading and searching one file for KyFind.
#include "FileSearcher.h"

#include "FileHits.h"
#include "FileText.h"
#include "ResultLines.h"

#include "KyConTool/App/InOutFile.h"

#include <limits>

namespace Kyvant {
namespace StandIn {

FileSearcher::FileSearcher(const FindOptions& options, const PatternSet& patterns,
                           ByteSink& sink)
    : options_(options), patterns_(patterns), sink_(sink)
{
}

void FileSearcher::Process(const ky_F& name, ky_filename_argv_iterator::FileDetails* details,
                           bool isFolder)
{
    if (isFolder)
        return;
    try {
        Search(name, details != nullptr);
    } catch (const KyConApp::NonFatalError&) {
        // reported and counted in the exit code; on with the next file
    }
}

void FileSearcher::Search(const ky_F& name, bool hasDetails)
{
    KyConApp& app = KyConApp::Instance();
    if (!hasDetails && !app.GuiCheckIfFsObjectExists(name, false, false))
        return;
    if (hasDetails)
        app.GuiStartFile(name);
    const FileText file(ReadAll(name), options_.keepCR);
    const std::size_t limit =
        options_.namesOnly ? 1 : std::numeric_limits<std::size_t>::max();
    const std::vector<Hit> hits = FindHits(file, patterns_, options_, limit);
    sink_.Write(FormatHits(name.c_str(), file, hits, options_));
}

// A binary file (NUL bytes in its first block) is searched only when binary
// files are asked for; otherwise the application object reports and skips it.
std::string FileSearcher::ReadAll(const ky_F& name) const
{
    const unsigned flags = options_.searchBinaryFiles
                               ? InFile::kNoChecks | InFile::kRelaxed | InFile::kNoBinaryTest
                               : InFile::kNoChecks;
    InFile in(name, flags);
    std::string bytes(in.BufferBegin(), in.BufferEnd());
    while (in.Read())
        bytes.append(in.BufferBegin(), in.BufferEnd());
    return bytes;
}

} // namespace StandIn
} // namespace Kyvant
