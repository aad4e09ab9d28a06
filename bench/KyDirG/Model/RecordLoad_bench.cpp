// 1,000,000 Dir records (a details record and a name each, 100 names to a
// folder) read from a pipe through the record reader into the listing,
// against reading the same bytes from the pipe in the same chunks without
// parsing, in the same run; between them, the reader parsing into a sink
// that keeps nothing. Prints records per second of each way, the listing's
// ratio to the plain read, and the memory each listed item takes.
// Usage: KyDirG_records_bench
#include "BenchSupport.h"
#include "PipeFeed.h"
#include "FinderLink/Results/LineReader.h"
#include "KyDir/Gui/App/KyDirGApp.h"
#include "KyDir/Gui/Finder/Finder.h"
#include "KyDir/Gui/Model/DirModel.h"
#include "KyDir/Gui/Model/RecordReader.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

using namespace KyBench;
using Kyvant::DirResults::FileDetails;
using Kyvant::DirResults::RecordReader;

namespace {

const int kRecords = 1000000;
const int kPerFolder = 100;
const int kRounds = 3;

// The application object the front-end's code asks for.
CKyDirGApp theApp;

// What the Dir program sends for a tree of kRecords files.
std::string MakeStream()
{
    std::string out;
    out.reserve(static_cast<std::size_t>(kRecords) * 64);
    char text[128];
    FileDetails details = {};
    details.attributes = FILE_ATTRIBUTE_ARCHIVE;
    details.lastWriteTime.dwHighDateTime = 0x01D9A000;
    for (int i = 0; i < kRecords; ++i) {
        if (i % kPerFolder == 0) {
            std::snprintf(text, sizeof text,
                          "\x01"
                          "C:\\Projects\\module%03d\\folder%05d\\\n",
                          i / kPerFolder / 100, i / kPerFolder);
            out += text;
        }
        details.size = static_cast<unsigned long long>(i) * 37;
        details.reserved = static_cast<DWORD>(i % 1000);
        out += '\0';
        out.append(reinterpret_cast<const char*>(&details), sizeof details);
        std::snprintf(text, sizeof text, "\x02source%07d.cpp\n", i);
        out += text;
    }
    return out;
}

// The baseline: the same reads, nothing parsed.
unsigned long long PlainRead(int fd)
{
    std::vector<char> chunk(RecordReader::kChunkSize);
    unsigned long long total = 0;
    for (int got; (got = _read(fd, chunk.data(), RecordReader::kChunkSize)) > 0;)
        total += static_cast<unsigned long long>(got);
    return total;
}

class Counter : public Kyvant::DirResults::ItemSink {
public:
    void OnItem(const Kyvant::ky_F&, const char*, unsigned, const FileDetails*) override
    {
        ++items;
    }
    unsigned items = 0;
};

} // namespace

int main()
{
    AfxWinInit(GetModuleHandleA(nullptr), nullptr, GetCommandLineA(), SW_HIDE);
    const std::string stream = MakeStream();
    std::printf("%d records in %d folders, %.1f MB\n", kRecords, kRecords / kPerFolder,
                stream.size() / 1e6);

    Finder finder;
    Finder::Model& model = finder.GetModel();
    const auto load = [&](int fd) {
        RecordReader reader;
        Kyvant::FinderLink::DescriptorSource source(fd);
        reader.Run(source, model);
    };

    const unsigned long long before = CommittedPrivate();
    ThroughPipe(stream, load);
    const unsigned long long after = CommittedPrivate();
    std::printf("listing: %u items\n", model.GetItemCount());
    const double perItem =
        (static_cast<double>(after) - static_cast<double>(before)) / model.GetItemCount();

    double bestPlain = 1e9, bestParse = 1e9, bestLoad = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        unsigned long long bytes = 0;
        const double plain = ThroughPipe(stream, [&](int fd) { bytes = PlainRead(fd); });
        Counter counted;
        const double parsed = ThroughPipe(stream, [&](int fd) {
            RecordReader reader;
            Kyvant::FinderLink::DescriptorSource source(fd);
            reader.Run(source, counted);
        });
        model.Clear();
        const double loaded = ThroughPipe(stream, load);
        bestPlain = std::min(bestPlain, plain);
        bestParse = std::min(bestParse, parsed);
        bestLoad = std::min(bestLoad, loaded);
        std::printf("round %d: plain read %.3f s (%llu bytes), parsed %.3f s (%u names), into "
                    "the listing %.3f s (%u items)\n",
                    round + 1, plain, bytes, parsed, counted.items, loaded, model.GetItemCount());
    }
    std::printf("plain read: %.0f records/s\n", kRecords / bestPlain);
    std::printf("parsed only: %.0f records/s\n", kRecords / bestParse);
    std::printf("into the listing: %.0f records/s\n", kRecords / bestLoad);
    std::printf("ratio listing/plain read: %.2f of the speed (%.1f times the time)\n",
                bestPlain / bestLoad, bestLoad / bestPlain);
    std::printf("memory per listed item: %.1f bytes\n", perItem);
    finder.Discard();
    return 0;
}
