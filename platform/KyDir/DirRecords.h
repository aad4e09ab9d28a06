// The Dir front-end's record stream: record 1 (the folder and '\n') before
// the first item of each new folder, record 0 (the 40-byte find data) before
// a name that has details, record 2 (the name and '\n').
#pragma once

#include "DirItem.h"

#include "KyStandInTool/ByteSink.h"

#include <cstdint>
#include <string>

namespace Kyvant {
namespace StandIn {

enum class DirRecordId : std::uint8_t { Details = 0, Folder = 1, Name = 2 };

// An item's records go to the sink in one write; an item that cannot be
// framed writes nothing.
class DirRecordWriter : public DirItemSink {
public:
    explicit DirRecordWriter(ByteSink& sink);
    // Texts with a '\n' of their own cannot be framed: std::runtime_error.
    void Add(const DirItem& item) override;
    // The same, for a name whose details are not known.
    void AddWithoutDetails(const std::string& folder, const std::string& name);

private:
    void Write(const std::string& folder, const std::string& name,
               const ky_filename_argv_iterator::FileDetails* details);
    void AppendText(DirRecordId id, const std::string& text);

    ByteSink& sink_;
    std::string folder_;
    bool folderWritten_;
    std::string records_; // the item's records, its storage kept
};

} // namespace StandIn
} // namespace Kyvant
