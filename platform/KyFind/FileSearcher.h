// The per-file step of KyFind: reads each file that the walk gives, finds
// its hits and writes their result lines to the sink.
#pragma once

#include "FindOptions.h"
#include "PatternSet.h"

#include "KyConTool/App/KyConApp.h"
#include "KyStandInTool/ByteSink.h"

#include <string>

namespace Kyvant {
namespace StandIn {

// The result lines of one file from its bytes, as the search writes them.
std::string ResultLinesOf(const std::string& fileName, std::string bytes,
                          const FindOptions& options, const PatternSet& patterns);

class FileSearcher : public KyConApp::FileDetailProcessor {
public:
    FileSearcher(const FindOptions& options, const PatternSet& patterns, ByteSink& sink);
    // Folders are passed over; a file that cannot be read is reported
    // through the application object and skipped.
    void Process(const ky_F& name, ky_filename_argv_iterator::FileDetails* details,
                 bool isFolder) override;

private:
    void Search(const ky_F& name, const ky_filename_argv_iterator::FileDetails* details);
    std::string ReadAll(const ky_F& name, unsigned long long sizeHint) const;

    const FindOptions& options_;
    const PatternSet& patterns_;
    ByteSink& sink_;
};

} // namespace StandIn
} // namespace Kyvant
