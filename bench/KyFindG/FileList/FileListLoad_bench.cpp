// 1,000,000 match lines over 20,000 files as a find task: the finder
// stand-in replays them into the results pipe, the results reader parses
// them into the model, and the file list, hosted in a frame, grows on its
// monitor timer; timed from Go (the finder's first byte follows it) to the
// end of the results reader and to the tick that lists every file's row
// with its final count and stops the timer (the timer ticks once a second,
// so the last rows wait up to a second after the reader's end). Baseline,
// in the same run: the same bytes read from a pipe into lines without
// parsing. Prints each round, the medians of the rounds, the ratios of the
// task's times to the baseline (target: all rows listed under 3 s) and the
// memory each match takes beyond its text (target: under 200 bytes). Needs
// a display. Usage: KyFindG_filelist_load_bench
#include "BenchSupport.h"
#include "PipeFeed.h"
#include "KyFindG/FinderOutput.h"
#include "FinderLink/Results/LineReader.h"
#include "KyFindG/FileList/FileListHost.h"
#include "KyFind/Gui/Model/FinderModel.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

using namespace KyBench;
using Kyvant::FinderLink::DescriptorSource;
using Kyvant::FinderLink::LineReader;
using Kyvant::FinderLink::LineSink;

namespace {

const int kFiles = kFinderFiles;
const int kLinesPerFile = kFinderLinesPerFile;
const int kLines = kFinderLines;
const int kGroupEvery = kFinderGroupEvery;
const int kGroupsPerFile = kLinesPerFile - 2 * (kLinesPerFile / kGroupEvery);
const int kRounds = 5;
const double kTargetSeconds = 3.0;
const double kTargetBytesPerMatch = 200;
const double kTimeoutSeconds = 120;

FindBenchApp theApp;

class CountingSink : public LineSink {
public:
    void OnLine(const char*, unsigned) override { ++lines; }
    unsigned lines = 0;
};

// The bytes written into a pipe from another thread, read as lines.
double LinesFromPipe(const std::string& bytes, unsigned& lines)
{
    CountingSink sink;
    const double elapsed = ThroughPipe(bytes, [&](int fd) {
        LineReader reader(true);
        DescriptorSource source(fd);
        reader.Run(source, sink);
    });
    lines = sink.lines;
    return elapsed;
}

struct TaskTimes {
    double readerDone = -1; // Go to the end of the results reader
    double listed = -1;     // Go to the tick that listed every row
};

// One task over the replayed output, the list growing on its timer.
TaskTimes RunTask(FileListHost& host)
{
    Finder& finder = host.GetFinder();
    FileListView& view = host.View();
    TaskTimes times;
    if (!finder.Start())
        return times;
    const double t0 = Now();
    while (Now() - t0 < kTimeoutSeconds) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        PumpPending();
        if (times.readerDone < 0 && !finder.IsRunning())
            times.readerDone = Now() - t0;
        if (!view.IsMonitorTimerRunning() && finder.GetCurrentJob() == nullptr) {
            if (view.GetListCtrl().GetItemCount() == kFiles)
                times.listed = Now() - t0;
            break;
        }
    }
    return times;
}

} // namespace

int main()
{
    StartApp(theApp);
    const std::string output = MakeFinderOutput();
    std::printf("%d match lines over %d files, %.1f MB\n", kLines, kFiles, output.size() / 1e6);
    const std::string replay = TempFolder() + "KyFindG_filelist_load_bench.txt";
    {
        FILE* file = std::fopen(replay.c_str(), "wb");
        std::fwrite(output.data(), 1, output.size(), file);
        std::fclose(file);
    }
    Kyvant::ky_S(("replay=" + replay).c_str()).PutEnv("KYTEST_TASK_LINK", Kyvant::ky_S::npos, true);

    // The finder's own search: a pattern and one file without matches.
    const std::string quiet = TempFolder() + "KyFindG_filelist_load_bench_quiet.txt";
    std::fclose(std::fopen(quiet.c_str(), "wb"));
    FileListHost host({"KyFind", "-ealpha", "@!", quiet});
    Finder::Model& model = host.GetFinder().GetModel();
    std::vector<double> lineTimes, readerTimes, listedTimes;
    double perMatch = 0;
    for (int round = 0; round < kRounds; ++round) {
        unsigned lines = 0;
        const double lineTime = LinesFromPipe(output, lines);
        host.GetFinder().Discard();
        const unsigned long long before = CommittedPrivate();
        const TaskTimes times = RunTask(host);
        const unsigned long long after = CommittedPrivate();
        if (times.listed < 0) {
            std::printf("round %d: the list did not show all %d files (%d rows, %u in the model)\n",
                        round + 1, kFiles, host.View().GetListCtrl().GetItemCount(),
                        model.GetFileCount());
            return 1;
        }
        if (round == 0)
            perMatch = (static_cast<double>(after) - static_cast<double>(before) -
                        static_cast<double>(model.GetTextBytesCommitted())) /
                       static_cast<double>(kLines);
        std::printf("round %d: lines only %.3f s (%u lines); task: reader done %.3f s, all rows "
                    "listed %.3f s (%u files, %llu match groups)\n",
                    round + 1, lineTime, lines, times.readerDone, times.listed,
                    model.GetFileCount(), model.GetMatchTotal());
        lineTimes.push_back(lineTime);
        readerTimes.push_back(times.readerDone);
        listedTimes.push_back(times.listed);
    }
    const unsigned long long groups = 1ull * kFiles * kGroupsPerFile;
    std::printf("expected match groups: %llu, shown: %llu\n", groups, model.GetMatchTotal());
    const double lineMedian = Median(lineTimes), readerMedian = Median(readerTimes),
                 listedMedian = Median(listedTimes);
    std::printf("medians of %d rounds: lines only %.3f s; reader done %.3f s (%.2f times lines "
                "only); all rows listed %.3f s (%.2f times lines only)\n",
                kRounds, lineMedian, readerMedian, readerMedian / lineMedian, listedMedian,
                listedMedian / lineMedian);
    std::printf("all rows listed: median %.3f s (target under %.1f s: %s)\n", listedMedian,
                kTargetSeconds, listedMedian < kTargetSeconds ? "met" : "missed");
    std::printf("memory per match beyond its text: %.1f bytes (target under %.0f: %s)\n", perMatch,
                kTargetBytesPerMatch, perMatch < kTargetBytesPerMatch ? "met" : "missed");
    DeleteFileA(replay.c_str());
    DeleteFileA(quiet.c_str());
    return 0;
}
