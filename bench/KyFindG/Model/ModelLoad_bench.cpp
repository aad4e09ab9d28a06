// 1,000,000 match lines over 20,000 files read from a pipe through the line
// reader and the result-line parser into the result model, against reading
// the same bytes from the pipe into lines without parsing, in the same run.
// Prints lines per second of both ways and their ratio, and the memory each
// match takes beyond its text: the committed memory the model added (heap
// and list nodes) less the text heaps, over the match count; the target is
// under 200 bytes. Usage: KyFindG_model_bench
#include "BenchSupport.h"
#include "PipeFeed.h"
#include "KyFindG/FinderOutput.h"
#include "FinderLink/Results/LineReader.h"
#include "KyFind/Gui/App/KyFindGApp.h"
#include "KyFind/Gui/Finder/Finder.h"
#include "KyFind/Gui/Model/FinderModel.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <thread>

using namespace KyBench;
using Kyvant::FinderLink::DescriptorSource;
using Kyvant::FinderLink::LineReader;
using Kyvant::FinderLink::LineSink;

namespace {

const int kFiles = kFinderFiles;
const int kLines = kFinderLines;
const int kRounds = 3;
const double kTargetBytesPerMatch = 200;

// The application object the front-end's code asks for (the finder's
// panes read their settings through it).
CKyFindGApp theApp;

class CountingSink : public LineSink {
public:
    void OnLine(const char*, unsigned) override { ++lines; }
    unsigned lines = 0;
};

class ModelSink : public LineSink {
public:
    explicit ModelSink(Finder::Model& model) : m_model(model) {}
    void OnLine(const char* text, unsigned length) override { m_model.AddLine(text, length); }

private:
    Finder::Model& m_model;
};

} // namespace

int main()
{
    const std::string output = MakeFinderOutput();
    std::printf("%d match lines over %d files, %.1f MB\n", kLines, kFiles, output.size() / 1e6);

    Finder finder;
    Finder::Model& model = finder.GetModel();

    // The first load, measured for memory.
    const unsigned long long before = CommittedPrivate();
    ThroughPipe(output, [&](int fd) {
        LineReader reader(true);
        DescriptorSource source(fd);
        ModelSink sink(model);
        reader.Run(source, sink);
    });
    const unsigned long long after = CommittedPrivate();
    const unsigned long long matches = 0ull + kLines;
    const double perMatch = (static_cast<double>(after) - static_cast<double>(before) -
                             static_cast<double>(model.GetTextBytesCommitted())) /
                            static_cast<double>(matches);
    std::printf("model: %u files, %llu match groups, text heaps %.1f MB\n", model.GetFileCount(),
                model.GetMatchTotal(), model.GetTextBytesCommitted() / 1e6);

    double bestLines = 1e9, bestModel = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        CountingSink counted;
        const double lines = ThroughPipe(output, [&](int fd) {
            LineReader reader(true);
            DescriptorSource source(fd);
            reader.Run(source, counted);
        });
        model.Clear();
        const double loaded = ThroughPipe(output, [&](int fd) {
            LineReader reader(true);
            DescriptorSource source(fd);
            ModelSink sink(model);
            reader.Run(source, sink);
        });
        bestLines = lines < bestLines ? lines : bestLines;
        bestModel = loaded < bestModel ? loaded : bestModel;
        std::printf("round %d: lines only %.3f s (%u lines), into the model %.3f s\n", round + 1,
                    lines, counted.lines, loaded);
    }
    std::printf("lines only: %.0f lines/s\n", kLines / bestLines);
    std::printf("into the model: %.0f lines/s\n", kLines / bestModel);
    std::printf("ratio model/lines only: %.2f of the speed (%.2f times the time)\n",
                bestLines / bestModel, bestModel / bestLines);
    std::printf("memory per match beyond its text: %.1f bytes (target under %.0f: %s)\n", perMatch,
                kTargetBytesPerMatch, perMatch < kTargetBytesPerMatch ? "met" : "missed");
    return 0;
}
