// Record engine benchmarks: B-tree inserts and lookups of 16-byte keys, and
// ISAM adds and keyed reads, each timed against a replay of exactly the
// system calls the engine made (the calls its file format and locking
// require), and the B-tree against std::map as the CPU floor. Each time is
// the median of the runs.
// Usage: KyDB_bench [B-tree keys [ISAM records [runs ["bulk"]]]]; "bulk"
// runs the B-tree inserts and lookups with the large pool alone.
#include "AnsweredWrites.h"
#include "BenchSupport.h"
#include "CallReplay.h"
#include "KyDB/Engine/BlockPool.h"
#include "KyDB/Engine/BTree.h"
#include "KyDB/Engine/FileAccess.h"
#include "KyDB/Engine/Isam.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

using namespace Kyvant;
using namespace KyDBBench;

namespace {

using KyBench::Now;

std::string NewFolder(const char* label)
{
    static int n = 0;
    std::string dir = KyBench::TempFolder() + "kydb_bench_" +
                      std::to_string(GetCurrentProcessId()) + "_" + label + std::to_string(++n);
    CreateDirectoryA(dir.c_str(), nullptr);
    return dir;
}

void RemoveFolder(const std::string& dir)
{
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileA((dir + "\\" + fd.cFileName).c_str());
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryA(dir.c_str());
}

// Marks the timed sections of one workload run.
class Sections {
public:
    explicit Sections(bool recording) : recording_(recording) {}
    void Begin() { marks_.push_back(recording_ ? static_cast<double>(RecordedCount()) : Now()); }
    void End() { marks_.push_back(recording_ ? static_cast<double>(RecordedCount()) : Now()); }
    std::size_t Count() const { return marks_.size() / 2; }
    double Seconds(std::size_t i) const { return marks_[2 * i + 1] - marks_[2 * i]; }
    std::size_t First(std::size_t i) const { return static_cast<std::size_t>(marks_[2 * i]); }
    std::size_t Last(std::size_t i) const { return static_cast<std::size_t>(marks_[2 * i + 1]); }

private:
    bool recording_;
    std::vector<double> marks_;
};

using Workload = std::function<void(const std::string& dir, Sections& sections)>;

struct Measured {
    std::vector<double> engine, baseline;
    std::vector<std::string> calls;
};

int g_repeats = 3;

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n == 0 ? 0 : (n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2);
}

// Records the workload's calls once, then runs the workload timed and the
// recorded calls alone in turns, keeping the median time of each: the
// machine is shared, and flush times in particular vary from one run to
// the next.
Measured Measure(const Workload& work)
{
    Measured m;
    std::string dir = NewFolder("r");
    Sections marks(true);
    std::vector<Call> calls;
    {
        CallRecorder recorder;
        work(dir, marks);
        calls = recorder.Take();
    }
    for (std::size_t i = 0; i < marks.Count(); ++i)
        m.calls.push_back(Summary(calls, marks.First(i), marks.Last(i)));
    std::vector<std::vector<double>> engine(marks.Count()), baseline(marks.Count());
    for (int round = 0; round < g_repeats; ++round) {
        std::string runDir = NewFolder("e");
        Sections timed(false);
        work(runDir, timed);
        RemoveFolder(runDir);
        for (std::size_t i = 0; i < timed.Count() && i < engine.size(); ++i)
            engine[i].push_back(timed.Seconds(i));
        std::vector<std::pair<std::size_t, std::size_t>> sections;
        for (std::size_t i = 0; i < marks.Count(); ++i)
            sections.emplace_back(marks.First(i), marks.Last(i));
        std::string replayDir = NewFolder("b");
        std::vector<double> seconds = Replay(calls, dir, replayDir, sections);
        RemoveFolder(replayDir);
        for (std::size_t i = 0; i < seconds.size() && i < baseline.size(); ++i)
            baseline[i].push_back(seconds[i]);
    }
    RemoveFolder(dir);
    for (std::size_t i = 0; i < marks.Count(); ++i) {
        m.engine.push_back(Median(engine[i]));
        m.baseline.push_back(Median(baseline[i]));
    }
    return m;
}

// The engine's own time in the first section of the workload: its writes
// and flushes answered at once, the blocks it wrote read back from memory
// (the median of the runs).
double EngineAlone(const Workload& work)
{
    std::vector<double> seconds;
    for (int round = 0; round < g_repeats; ++round) {
        std::string dir = NewFolder("c");
        Sections timed(false);
        {
            AnsweredWrites answered;
            work(dir, timed);
        }
        RemoveFolder(dir);
        seconds.push_back(timed.Seconds(0));
    }
    return Median(seconds);
}

void Report(const char* what, int ops, double engine, double baseline, const std::string& calls)
{
    std::printf("  %-34s %9.0f ops/s  (%.3f s); same calls alone %.3f s; ratio %.2f\n", what,
                ops / engine, engine, baseline, baseline > 0 ? engine / baseline : 0.0);
    std::printf("  %-34s calls: %s\n", "", calls.empty() ? "none" : calls.c_str());
}

std::vector<std::string> RandomKeys(int count, unsigned seed)
{
    static const char chars[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::mt19937 rng(seed);
    std::vector<std::string> keys(count, std::string(16, ' '));
    for (std::string& k : keys)
        for (char& c : k)
            c = chars[rng() % 36];
    return keys;
}

void BTreeBench(int poolBlocks, int count, const char* label, bool durableToo = true)
{
    std::printf("B-tree, %d random 16-byte keys, unshared, %s pool (%d x 512 bytes):\n", count,
                label, poolBlocks);
    const std::vector<std::string> keys = RandomKeys(count, 7);
    std::vector<std::string> order = keys;
    std::shuffle(order.begin(), order.end(), std::mt19937(11));
    int failures = 0;
    const Workload bulk = [&](const std::string& dir, Sections& s) {
        PoolCreate(512, poolBlocks);
        std::string path = dir + "\\bench.idx";
        BTreeHandle* h = BtCreate(path.c_str(), nullptr, nullptr, 0);
        // Inserts under an explicit exclusive lock, written back every 1,000.
        s.Begin();
        BtLock(h, kBtExclusive);
        for (int i = 0; i < count; ++i) {
            if (BtInsert(h, keys[i].data(), 16, i, false) != 1)
                ++failures;
            if (i % 1000 == 999) {
                BtUnlock(h, kBtExclusive);
                BtLock(h, kBtExclusive);
            }
        }
        BtUnlock(h, kBtExclusive);
        s.End();
        s.Begin();
        for (const std::string& k : order) {
            std::int32_t item = 0;
            if (BtFind(h, k.data(), 16, &item) != kBtFound)
                ++failures;
        }
        s.End();
        BtCloseAll();
    };
    Measured m = Measure(bulk);
    Report("insert (write-back every 1,000)", count, m.engine[0], m.baseline[0], m.calls[0]);
    const double alone = EngineAlone(bulk);
    std::printf("  %-34s %.3f s with writes and flushes answered at once, written blocks read "
                "from memory: %.0f%% of the engine's time\n",
                "", alone, m.engine[0] > 0 ? 100 * alone / m.engine[0] : 0.0);
    Report("lookup", count, m.engine[1], m.baseline[1], m.calls[1]);
    if (!durableToo) {
        if (failures)
            std::printf("  !! %d operations failed\n", failures);
        return;
    }

    const int durable = count / 20;
    Measured d = Measure([&](const std::string& dir, Sections& s) {
        PoolCreate(512, poolBlocks);
        std::string path = dir + "\\durable.idx";
        BTreeHandle* h = BtCreate(path.c_str(), nullptr, nullptr, 0);
        s.Begin();
        for (int i = 0; i < durable; ++i)
            if (BtInsert(h, keys[i].data(), 16, i, false) != 1)
                ++failures;
        s.End();
        BtCloseAll();
    });
    Report(("insert, each written (" + std::to_string(durable) + ")").c_str(), durable, d.engine[0],
           d.baseline[0], d.calls[0]);
    if (failures)
        std::printf("  !! %d operations failed\n", failures);
}

void MapFloor(int count)
{
    const std::vector<std::string> keys = RandomKeys(count, 7);
    std::vector<std::string> order = keys;
    std::shuffle(order.begin(), order.end(), std::mt19937(11));
    std::map<std::string, int> map;
    double t0 = Now();
    for (int i = 0; i < count; ++i)
        map.emplace(keys[i], i);
    double t1 = Now();
    long found = 0;
    for (const std::string& k : order)
        found += static_cast<long>(map.count(k));
    double t2 = Now();
    std::printf(
        "std::map floor, %d keys: insert %.0f ops/s (%.3f s), lookup %.0f ops/s (%.3f s)%s\n",
        count, count / (t1 - t0), t1 - t0, count / (t2 - t1), t2 - t1, found == count ? "" : " !!");
}

void IsamBench(bool shared, int count)
{
    std::printf("ISAM, %d records (16-character key, 100-byte value), %s, default pool:\n", count,
                shared ? "shared" : "unshared");
    const std::vector<std::string> keys = RandomKeys(count, 3);
    std::vector<std::string> order = keys;
    std::shuffle(order.begin(), order.end(), std::mt19937(5));
    const std::string value(99, 'v');
    int failures = 0;
    Measured m = Measure([&](const std::string& dir, Sections& s) {
        std::string base = dir + "\\bench";
        const char* fields[] = {"key", "value,C", nullptr};
        IsamDatabase* db = IsamCreate(base.c_str(), 0, fields);
        const char* parts[] = {"key", nullptr};
        IsamAddIndex(db, "keys,U", parts);
        IsamClose(db);
        db = IsamOpen(base.c_str(), shared, false);
        IsamIndex* index = IsamOpenIndex(db, "keys,U");
        s.Begin();
        for (const std::string& k : keys) {
            const char* values[] = {k.c_str(), value.c_str()};
            if (IsamAddRecord(db, values, index) != 1)
                ++failures;
        }
        s.End();
        char buffer[256];
        char* out[2];
        s.Begin();
        for (const std::string& k : order) {
            const char* values[] = {k.c_str(), nullptr};
            if (IsamFind(db, index, values) != kIsamFound ||
                IsamReadRecord(db, index, buffer, sizeof buffer, out) != 1)
                ++failures;
        }
        s.End();
        IsamShutdown();
    });
    Report("add", count, m.engine[0], m.baseline[0], m.calls[0]);
    Report("find and read by key", count, m.engine[1], m.baseline[1], m.calls[1]);
    if (failures)
        std::printf("  !! %d operations failed\n", failures);
}

} // namespace

int main(int argc, char** argv)
{
    int btreeCount = argc > 1 ? std::atoi(argv[1]) : 100000;
    int isamCount = argc > 2 ? std::atoi(argv[2]) : 10000;
    if (argc > 3)
        g_repeats = std::max(1, std::atoi(argv[3]));
    // "bulk": the B-tree with the large pool alone.
    const bool bulkOnly = argc > 4 && std::string(argv[4]) == "bulk";
    char temp[MAX_PATH], fsName[64] = "?";
    GetTempPathA(MAX_PATH, temp);
    std::string root = std::string(temp).substr(0, 3);
    GetVolumeInformationA(root.c_str(), nullptr, 0, nullptr, nullptr, nullptr, fsName,
                          sizeof fsName);
    std::printf("KyDB benchmarks; files in %s (volume %s reports %s); median of %d runs\n\n", temp,
                root.c_str(), fsName, g_repeats);
    BTreeBench(8192, btreeCount, "large", !bulkOnly);
    if (bulkOnly) {
        std::printf("\nreplayed calls refused by the system: %ld\n", ReplayFailures());
        return 0;
    }
    BTreeBench(16, btreeCount, "default");
    MapFloor(btreeCount);
    std::printf("\n");
    IsamBench(false, isamCount);
    IsamBench(true, isamCount);
    std::printf("\nreplayed calls refused by the system: %ld\n", ReplayFailures());
    return 0;
}
