// Failing writes and flushes while inserting: every failure is reported, and
// the file stays readable with everything that was reported inserted.
#include "BTreeCheck.h"
#include "KyDB/Engine/BlockPool.h"
#include "KyDB/Engine/BTree.h"
#include "KyDBTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Kyvant;
using namespace KyDBTest;

namespace {

std::string KeyOf(int i)
{
    return "fault key " + std::to_string(i * 7919 % 1000) + std::string(i % 13, 'x');
}

// One run: `count` inserts with the N-th operation of `kind` failing.
// Returns whether the fault fired.
bool RunWithFault(const ScratchDir& dir, Fault::Kind kind, int n, int count)
{
    const std::string path =
        dir.Path("f" + std::to_string(kind) + "_" + std::to_string(n) + ".idx");
    EXPECT_NE(PoolCreate(512, 6), nullptr);
    BTreeHandle* h = BtCreate(path.c_str(), nullptr, nullptr, 0);
    EXPECT_NE(h, nullptr);
    std::vector<bool> reported(count, false);
    bool fired;
    int failures = 0;
    {
        Fault fault(kind, n);
        for (int i = 0; i < count; ++i) {
            std::string key = KeyOf(i);
            int r = BtInsert(h, key.data(), static_cast<std::uint32_t>(key.size()), i, false);
            EXPECT_TRUE(r == 1 || r == -1);
            reported[i] = r == 1;
            failures += r != 1;
        }
        fired = fault.Fired();
        BtClose(h);
        BtCloseAll();
    }
    EXPECT_EQ(failures > 0, fired) << "N=" << n;
    // Reopened without faults: sound, and holding every reported insert.
    EXPECT_NE(PoolCreate(512, 6), nullptr);
    TreeReport report = CheckTreeFile(path);
    EXPECT_EQ(report.problem, "") << "N=" << n;
    h = BtOpen(path.c_str(), nullptr, nullptr, false, true);
    if (h) {
        for (int i = 0; i < count; ++i) {
            if (!reported[i])
                continue;
            std::string key = KeyOf(i);
            std::int32_t item = i;
            EXPECT_EQ(BtFind(h, key.data(), static_cast<std::uint32_t>(key.size()), &item),
                      kBtFound)
                << "N=" << n << " key " << i;
        }
    } else {
        EXPECT_EQ(CbtError(), kCbtCorrupt) << "N=" << n;
    }
    BtCloseAll();
    return fired;
}

} // namespace

TEST(BTreeFaults, FailingWritesAreReportedAndLoseNothingReported)
{
    ScratchDir dir;
    int n = 1;
    while (RunWithFault(dir, Fault::Write, n, 60) && !HasFatalFailure())
        ++n;
    EXPECT_GT(n, 60);
}

TEST(BTreeFaults, FailingFlushesAreReported)
{
    ScratchDir dir;
    int n = 1;
    while (RunWithFault(dir, Fault::Flush, n, 60) && !HasFatalFailure())
        ++n;
    EXPECT_GT(n, 20);
}
