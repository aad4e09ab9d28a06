// Writing the Dir record stream.
#include "DirRecords.h"

#include <stdexcept>

namespace Kyvant {
namespace StandIn {

DirRecordWriter::DirRecordWriter(ByteSink& sink) : sink_(sink), folderWritten_(false) {}

void DirRecordWriter::Add(const DirItem& item)
{
    WriteFolder(item.folder);
    const char id = static_cast<char>(DirRecordId::Details);
    std::string record(1, id);
    record.append(reinterpret_cast<const char*>(&item.details), sizeof item.details);
    sink_.Write(record);
    WriteText(DirRecordId::Name, item.name);
}

void DirRecordWriter::AddWithoutDetails(const std::string& folder, const std::string& name)
{
    WriteFolder(folder);
    WriteText(DirRecordId::Name, name);
}

void DirRecordWriter::WriteFolder(const std::string& folder)
{
    if (folderWritten_ && folder == folder_)
        return;
    WriteText(DirRecordId::Folder, folder);
    folder_ = folder;
    folderWritten_ = true;
}

void DirRecordWriter::WriteText(DirRecordId id, const std::string& text)
{
    if (text.find('\n') != std::string::npos)
        throw std::runtime_error("Name with a line end cannot be listed: " + text);
    std::string record(1, static_cast<char>(id));
    record += text;
    record += '\n';
    sink_.Write(record);
}

} // namespace StandIn
} // namespace Kyvant
