// Writing the file-list pipe: ints, counted names, and each kind of record and heartbeat.
#include "KyReplace/Console/Engine/FileListWriter.h"

#include "KyStd/Processes/PipeIO.h"

namespace Kyvant {

void FileListWriter::AddInt(int value)
{
    const unsigned v = static_cast<unsigned>(value);
    const char bytes[4] = {static_cast<char>(v), static_cast<char>(v >> 8),
                           static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
    pending_.insert(pending_.end(), bytes, bytes + 4);
}

void FileListWriter::AddText(const ky_BSB<char>& text)
{
    AddInt(static_cast<int>(text.length()));
    pending_.insert(pending_.end(), text.data(), text.data() + text.length());
}

// Each item goes out whole in one write.
void FileListWriter::Flush()
{
    const std::vector<char> data(std::move(pending_));
    pending_.clear();
    CRT::WritePipe(fd_, data.data(), static_cast<unsigned>(data.size()));
}

void FileListWriter::WaitFlag(bool waited)
{
    AddInt(waited ? 1 : 0);
    Flush();
}

void FileListWriter::FileRecord(const ky_BSB<char>& name, bool binary)
{
    AddInt(1);
    AddText(name);
    AddInt(binary ? 1 : 0);
    Flush();
}

void FileListWriter::TempName(const ky_BSB<char>& name)
{
    AddText(name);
    Flush();
}

void FileListWriter::FailedRecord(const ky_BSB<char>& name)
{
    AddInt(-1);
    AddText(name);
    AddInt(1);
    Flush();
}

void FileListWriter::EndOfList()
{
    AddInt(0);
    AddInt(-1);
    AddInt(0);
    Flush();
}

void FileListWriter::ShortEndOfList()
{
    AddInt(-1);
    AddInt(0);
    Flush();
}

void FileListWriter::HeartbeatStart()
{
    AddInt(1);
    Flush();
}

void FileListWriter::HeartbeatEnd()
{
    AddInt(0);
    Flush();
}

} // namespace Kyvant
