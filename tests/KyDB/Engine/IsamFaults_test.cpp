// Failing writes while adding records: every failure is reported and undone,
// and after reopening exactly the records reported added are there.
#include "IsamTestSupport.h"
#include "KyDB/Engine/BTree.h"
#include "KyDB/Engine/Isam.h"
#include "KyDBTestSupport.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace Kyvant;
using namespace KyDBTest;

namespace {

// Adds `count` records to a fresh database with the N-th write failing;
// returns whether the fault fired.
bool AddWithFault(const ScratchDir& dir, bool shared, int n, int count)
{
    const std::string base = dir.Path("fault" + std::to_string(shared) + "_" + std::to_string(n));
    IsamDatabase* db = CreateKeyValue(base);
    EXPECT_NE(db, nullptr);
    // A second index, so that a failed add has keys to take back in two indexes.
    const char* byValue[] = {"value,C:5", nullptr};
    EXPECT_EQ(IsamAddIndex(db, "byValue", byValue), 1);
    if (shared) {
        EXPECT_EQ(IsamClose(db), 1);
        db = IsamOpen(base.c_str(), true, false);
    }
    IsamIndex* keys = IsamOpenIndex(db, "keys,U");
    std::set<std::string> reported;
    bool fired;
    {
        Fault fault(Fault::Write, n);
        for (int i = 0; i < count; ++i) {
            std::string key = "record " + std::to_string(i * 37 % 101);
            std::string value(i % 7 == 0 ? 600 : 20 + i, 'v');
            if (i % 10 == 9) { // now and then a delete, so free space is reused
                const std::string victim = "record " + std::to_string((i - 3) * 37 % 101);
                if (FindKey(db, keys, victim) != kIsamFound)
                    continue;
                int r = IsamDeleteRecord(db, keys);
                EXPECT_TRUE(r == 1 || r == -1);
                if (r == 1)
                    reported.erase(victim);
                continue;
            }
            int r = Add(db, keys, key, value);
            EXPECT_TRUE(r == 1 || r == -1);
            if (r == 1)
                reported.insert(key);
        }
        fired = fault.Fired();
        IsamClose(db);
    }
    db = IsamOpen(base.c_str(), false, true);
    EXPECT_NE(db, nullptr);
    IsamIndex* physical = IsamOpenIndex(db, kPhysicalIndex);
    std::set<std::string> stored;
    for (const Row& row : Walk(db, physical))
        EXPECT_TRUE(stored.insert(row.key).second) << "N=" << n << " twice: " << row.key;
    for (const std::string& key : reported)
        EXPECT_EQ(stored.count(key), 1u) << "N=" << n << " lost " << key;
    keys = IsamOpenIndex(db, "keys,U");
    for (const std::string& key : stored) {
        int r = FindKey(db, keys, key);
        bool damaged = r == -1 && IsamError() == kIsamCbt && CbtError() == kCbtCorrupt;
        EXPECT_TRUE(r == kIsamFound || damaged) << "N=" << n << " " << key;
        if (r == kIsamFound) {
            EXPECT_EQ(ReadRow(db, keys).key, key);
        }
    }
    IsamClose(db);
    return fired;
}

} // namespace

TEST(IsamFaults, FailedAddsAreUndoneAndReportedAddsKept)
{
    ScratchDir dir;
    int n = 1;
    while (AddWithFault(dir, false, n, 40) && !::testing::Test::HasFailure())
        ++n;
    EXPECT_GT(n, 40);
    IsamShutdown();
}

TEST(IsamFaults, SharedDatabaseToo)
{
    ScratchDir dir;
    int n = 1;
    while (AddWithFault(dir, true, n, 25) && !::testing::Test::HasFailure())
        ++n;
    EXPECT_GT(n, 20);
    IsamShutdown();
}
