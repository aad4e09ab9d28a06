// Writing the Dir record stream.
#include "DirRecords.h"

#include <stdexcept>

namespace Kyvant {
namespace StandIn {

namespace {

void CheckFramable(const std::string& text)
{
    if (text.find('\n') != std::string::npos)
        throw std::runtime_error("Name with a line end cannot be listed: " + text);
}

} // namespace

DirRecordWriter::DirRecordWriter(ByteSink& sink) : sink_(sink), folderWritten_(false) {}

void DirRecordWriter::Add(const DirItem& item)
{
    Write(item.folder, item.name, &item.details);
}

void DirRecordWriter::AddWithoutDetails(const std::string& folder, const std::string& name)
{
    Write(folder, name, nullptr);
}

void DirRecordWriter::Write(const std::string& folder, const std::string& name,
                            const ky_filename_argv_iterator::FileDetails* details)
{
    CheckFramable(folder);
    CheckFramable(name);
    const bool newFolder = !folderWritten_ || folder != folder_;
    records_.clear();
    if (newFolder)
        AppendText(DirRecordId::Folder, folder);
    if (details) {
        records_ += static_cast<char>(DirRecordId::Details);
        records_.append(reinterpret_cast<const char*>(details), sizeof *details);
    }
    AppendText(DirRecordId::Name, name);
    sink_.Write(records_);
    if (newFolder) {
        folder_ = folder;
        folderWritten_ = true;
    }
}

void DirRecordWriter::AppendText(DirRecordId id, const std::string& text)
{
    records_ += static_cast<char>(id);
    records_ += text;
    records_ += '\n';
}

} // namespace StandIn
} // namespace Kyvant
