// Reading and searching one file for KyFind.
#include "FileSearcher.h"

#include "FileHits.h"
#include "FileText.h"
#include "ResultLines.h"

#include "KyConTool/App/InOutFile.h"

#include <limits>
#include <utility>

namespace Kyvant {
namespace StandIn {

namespace {

// A size the walk reports beyond this is not reserved up front.
const unsigned long long kLargestSizeHint = 256ull << 20;

} // namespace

std::string ResultLinesOf(const std::string& fileName, std::string bytes,
                          const FindOptions& options, const PatternSet& patterns)
{
    FileText file(std::move(bytes), options.keepCR, options.lineNumbers);
    const std::size_t limit = options.namesOnly ? 1 : std::numeric_limits<std::size_t>::max();
    return FormatHits(fileName, file, FindHits(file, patterns, options, limit), options);
}

FileSearcher::FileSearcher(const FindOptions& options, const PatternSet& patterns, ByteSink& sink)
    : options_(options), patterns_(patterns), sink_(sink)
{
}

void FileSearcher::Process(const ky_F& name, ky_filename_argv_iterator::FileDetails* details,
                           bool isFolder)
{
    if (isFolder)
        return;
    try {
        Search(name, details);
    } catch (const KyConApp::NonFatalError&) {
        // reported and counted in the exit code; on with the next file
    }
}

void FileSearcher::Search(const ky_F& name, const ky_filename_argv_iterator::FileDetails* details)
{
    KyConApp& app = KyConApp::Instance();
    if (!details && !app.GuiCheckIfFsObjectExists(name, false, false))
        return;
    if (details)
        app.GuiStartFile(name);
    sink_.Write(ResultLinesOf(name.c_str(), ReadAll(name, details ? details->size : 0), options_,
                              patterns_));
}

// A binary file (NUL bytes in its first block) is searched only when binary
// files are asked for; otherwise the application object reports and skips it.
// The bytes go into one buffer made as large as the walk says the file is.
std::string FileSearcher::ReadAll(const ky_F& name, unsigned long long sizeHint) const
{
    const unsigned flags = options_.searchBinaryFiles
                               ? InFile::kNoChecks | InFile::kRelaxed | InFile::kNoBinaryTest
                               : InFile::kNoChecks;
    InFile in(name, flags);
    std::string bytes;
    if (sizeHint < kLargestSizeHint)
        bytes.reserve(static_cast<std::size_t>(sizeHint));
    bytes.append(in.BufferBegin(), in.BufferEnd());
    while (in.Read())
        bytes.append(in.BufferBegin(), in.BufferEnd());
    return bytes;
}

} // namespace StandIn
} // namespace Kyvant
