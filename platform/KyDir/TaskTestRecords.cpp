// The made-up records of the task link's test switches.
#include "KyDirApp.h"

#include "DirRecords.h"

#include "KyStandInTool/ByteSink.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace Kyvant {
namespace StandIn {

namespace {

const char kSlowFolder[] = "C:\\KySlow\\";
const char kBadFolder[] = "C:\\KyBad\\";
const char kSplitFolder[] = "C:\\KySplit\\";
const char kUnknownRecordId = 3;
// The split file's name is longer than several of the front-end's reads.
const std::size_t kSplitNameLength = 20000;
const std::size_t kSplitPiece = 1000;
const DWORD kSplitPauseMs = 2;

// Each write reaches the pipe at once.
class FlushedSink : public ByteSink {
public:
    using ByteSink::Write;
    void Write(const void* data, std::size_t size) override
    {
        m_out.Write(data, size);
        std::fflush(stdout);
    }

private:
    StdoutSink m_out;
};

DirItem MadeUp(const char* folder, const std::string& name, unsigned size)
{
    DirItem item;
    item.folder = folder;
    item.name = name;
    item.details.attributes = FILE_ATTRIBUTE_ARCHIVE;
    item.details.size = size;
    return item;
}

// The bytes of the records of one item, written in pieces with pauses.
void WriteInPieces(FlushedSink& sink, const DirItem& item)
{
    StringSink bytes;
    DirRecordWriter(bytes).Add(item);
    const std::string& text = bytes.Text();
    // The folder record and the details record's first half, its second half
    // alone, then the name record piece by piece.
    const std::size_t detailsStart = text.find('\n') + 1;
    const std::size_t half = detailsStart + 1 + sizeof item.details / 2;
    sink.Write(text.substr(0, half));
    Sleep(kSplitPauseMs);
    const std::size_t nameStart = detailsStart + 1 + sizeof item.details;
    sink.Write(text.substr(half, nameStart - half));
    for (std::size_t at = nameStart; at < text.size(); at += kSplitPiece) {
        Sleep(kSplitPauseMs);
        sink.Write(text.substr(at, kSplitPiece));
    }
}

} // namespace

void KyDirApp::WriteTestResults(const TaskLinkSwitches& switches)
{
    FlushedSink sink;
    DirRecordWriter records(sink);
    for (unsigned i = 0; i < switches.slowLines; ++i) {
        if (i + 1 == switches.slowLines)
            HoldLastResult();
        records.Add(MadeUp(kSlowFolder, "file" + std::to_string(i) + ".txt", i));
        Sleep(switches.slowMs);
    }
    if (switches.splitName)
        WriteInPieces(sink, MadeUp(kSplitFolder, std::string(kSplitNameLength, 'n') + ".txt",
                                   kSplitNameLength));
    if (switches.badRecord) {
        records.Add(MadeUp(kBadFolder, "before.txt", 1));
        sink.Write(&kUnknownRecordId, 1);
        records.Add(MadeUp(kBadFolder, "after.txt", 2));
    }
}

} // namespace StandIn
} // namespace Kyvant
