// The persistent named-item maps: size limit, letter case and renames,
// read-only maps, refused values, failed writes, sharing between processes
// and files that are in use or damaged.
#include "KyDB/Engine/DbError.h"
#include "KyDB/Engine/FileAccess.h"
#include "NamedDbTestEnv.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace Kyvant;
using namespace NamedDbTest;
using KyDBTest::ReadAll;
using Strings = std::vector<std::string>;

namespace {

PathPlanItem Plan(const char* path, const char* masks = "*.c")
{
    PathPlanItem::StringList paths;
    paths.push_back(path);
    return PathPlanItem(paths, masks, "", PathPlanItem::StringList(), PathPlanItem::StringList());
}

ReplacePlan WithScript(const char* text)
{
    return ReplacePlan({}, false, false, false, false, false, true, "", text, false);
}

// Makes the next opens of a record file fail as if it did not exist.
int g_seemMissing = 0;
FileHandle (*g_realOpen)(const char*, bool, bool) = nullptr;

FileHandle SeemingMissingOpen(const char* name, bool writable, bool shared)
{
    const std::string n = name;
    if (g_seemMissing > 0 && n.size() > 3 && n.substr(n.size() - 3) == ".db") {
        --g_seemMissing;
        SetLastOsError(ERROR_FILE_NOT_FOUND);
        return kNoFile;
    }
    return g_realOpen(name, writable, shared);
}

// Refuses to open record files for writing, as Windows does when they are
// read-only. (Wine run by root lets a read-only file be opened for writing.)
FileHandle ReadOnlyOpen(const char* name, bool writable, bool shared)
{
    const std::string n = name;
    if (writable && n.size() > 3 && n.substr(n.size() - 3) == ".db") {
        SetLastOsError(ERROR_ACCESS_DENIED);
        return kNoFile;
    }
    return g_realOpen(name, writable, shared);
}

Strings PlanNames()
{
    Strings names;
    for (const auto& entry : PathPlanDB::Instance())
        names.push_back(entry.first.c_str());
    return names;
}

} // namespace

TEST(StorageMap, ItemSizeLimit)
{
    DbFolder folder;
    MaskDB& db = MaskDB::Instance();
    const std::string atLimit(0x7DFF - 3, 'x');
    db.Insert("Big", StoredString<ky_I>(atLimit.c_str()));
    const auto db0 = ReadAll(folder.File("KyMask.db"));
    const auto idx0 = ReadAll(folder.File("KyMask.idx"));

    const std::string over = atLimit + "y";
    try {
        db.Insert("big", StoredString<ky_I>(over.c_str()));
        FAIL();
    } catch (const KyIsam::DbError& e) {
        EXPECT_EQ("Database error: \"" + folder.File("KyMask") +
                      "\"; The item is too large: \"big\"; Buffer is too small for record",
                  e.what());
    }
    // The name is an index key too, bounded by the index block.
    const std::string longName(2000, 'n');
    EXPECT_THROW(db.Insert(longName.c_str(), StoredString<ky_I>("*.n")), KyIsam::DbError);

    // The records stay as they were; the map keeps the refused items.
    EXPECT_TRUE(db0 == ReadAll(folder.File("KyMask.db")));
    EXPECT_TRUE(idx0 == ReadAll(folder.File("KyMask.idx")));
    EXPECT_EQ(12u, db.size());
    EXPECT_STREQ("big", db.find("BIG")->first.c_str());
    EXPECT_EQ(over, db.find("BIG")->second.c_str());
    MaskDB::Reset();
    EXPECT_EQ(11u, MaskDB::Instance().size());
    EXPECT_STREQ("Big", MaskDB::Instance().find("big")->first.c_str());
    EXPECT_EQ(atLimit, MaskDB::Instance().find("big")->second.c_str());
}

TEST(StorageMap, AFailedWriteLeavesTheEntryChangedAndTheRecordAsItWas)
{
    const std::string tooLarge(0x7DFF, 'p');
    const struct {
        const char* what;
        const char* name;
        std::string path;
        bool lockRefused;
        const char* error;
    } cases[] = {
        {"replacing, too large", "kept", tooLarge, false, "The item is too large: \"kept\""},
        {"new, too large", "New", tooLarge, false, "The item is too large: \"New\""},
        {"replacing, lock refused", "KEPT", "changed", true, "; Lock; "},
        {"new, lock refused", "New", "new", true, "; Lock; "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DbFolder folder;
        PathPlanDB::Instance().Insert("Kept", Plan("old"));
        const auto db0 = ReadAll(folder.File("KyPathPlan.db"));
        std::string error;
        {
            std::unique_ptr<KyDBTest::Fault> refuse;
            if (c.lockRefused)
                refuse.reset(new KyDBTest::Fault(KyDBTest::Fault::Lock, 1));
            error = ErrorOf([&] { PathPlanDB::Instance().Insert(c.name, Plan(c.path.c_str())); });
        }
        EXPECT_NE(std::string::npos, error.find(c.error)) << error;
        PathPlanDB& db = PathPlanDB::Instance();
        ASSERT_TRUE(db.find(c.name) != db.end());
        EXPECT_STREQ(c.name, db.find(c.name)->first.c_str());
        EXPECT_TRUE(db.find(c.name)->second == Plan(c.path.c_str()));
        EXPECT_TRUE(db0 == ReadAll(folder.File("KyPathPlan.db")));
        PathPlanDB::Reset();
        EXPECT_EQ(Strings({"Kept"}), PlanNames());
        EXPECT_TRUE(PathPlanDB::Instance().find("kept")->second == Plan("old"));
    }
}

TEST(StorageMap, ErasingARecordAnotherProcessDeletedRemovesTheEntry)
{
    DbFolder folder;
    PathPlanDB& db = PathPlanDB::Instance();
    db.Insert("Gone", Plan("g"));
    db.Insert("Kept", Plan("k"));
    ASSERT_EQ(0, NamedPeer({"erase", "gone"}).Wait());

    const std::string error = ErrorOf([&] { db.Erase("GONE", true); });
    EXPECT_EQ(0u, error.find("Database error: \"" + folder.File("KyPathPlan") +
                             "\"; Record set: \"Gone\"; "))
        << error;
    EXPECT_EQ(Strings({"Kept"}), PlanNames());
    db.Erase("Gone", true); // no longer there: nothing to do
    PathPlanDB::Reset();
    EXPECT_EQ(Strings({"Kept"}), PlanNames());
}

TEST(StorageMap, LetterCaseAndRenames)
{
    DbFolder folder;
    PathPlanDB& db = PathPlanDB::Instance();
    EXPECT_TRUE(db.Insert("plan", Plan("a")).second);
    auto replaced = db.Insert("PLAN", Plan("b"));
    EXPECT_FALSE(replaced.second);
    EXPECT_STREQ("PLAN", replaced.first->first.c_str());
    db.Insert("x", Plan("c"));
    db.Rename("x", "X");
    db.Rename("PLAN", "Other");
    EXPECT_EQ(Strings({"Other", "X"}), PlanNames());
    EXPECT_EQ("Cannot rename an item that does not exist", ErrorOf([&] { db.Rename("y", "z"); }));

    PathPlanDB::Reset();
    EXPECT_EQ(Strings({"Other", "X"}), PlanNames());
    EXPECT_TRUE(PathPlanDB::Instance().find("other")->second == Plan("b"));
}

TEST(StorageMap, ReadOnlyMaps)
{
    DbFolder folder;
    PathPlanDB::Instance().Insert("Stored", Plan("p"));
    ReplacePlanDB::Instance().Insert("Rp", ReplacePlan());
    ResetAll();

    PathPlanDB& plans = PathPlanDB::Instance(false);
    EXPECT_TRUE(PathPlanDB::Instance(true).empty()); // the first flag counts
    EXPECT_TRUE(plans.find_load("stored")->second == Plan("p"));
    EXPECT_TRUE(plans.find_load("missing") == plans.end());
    EXPECT_TRUE(plans.find_load(std::string(3000, 'k').c_str()) == plans.end());
    ReplacePlanDB& replace = ReplacePlanDB::Instance(false);
    EXPECT_FALSE(replace.find_load("RP") == replace.end());

    for (const auto& change : std::vector<std::function<void()>>{
             [&] { plans.Insert("New", Plan("q")); }, [&] { plans.Erase("Stored", true); },
             [&] { plans.Rename("Stored", "Moved"); },
             [&] { replace.Insert("Rp", ReplacePlan()); }})
        EXPECT_EQ("Attempted to modify read-only map", ErrorOf(change));
    EXPECT_EQ(1u, plans.size());
}

TEST(StorageMap, SeparatorsInValuesAreRefused)
{
    DbFolder folder;
    PathPlanDB& plans = PathPlanDB::Instance();
    ReplacePlanDB& replace = ReplacePlanDB::Instance();
    ReplaceRuleVector rules;
    rules.push_back(ReplaceRule());
    rules[0].m_find = Seps("f^").c_str();
    const std::vector<std::pair<std::string, std::function<void()>>> cases = {
        {"0x01", [&] { plans.Insert("p", Plan(Seps("a|b").c_str())); }},
        {"0x02", [&] { plans.Insert("p", Plan(Seps("a^b").c_str())); }},
        {"0x01", [&] { plans.Insert("p", Plan("a", Seps("*.c|").c_str())); }},
        {"0x02", [&] { replace.Insert("r", ReplacePlan(rules, 0, 0, 0, 0, 0, 0, "", "", 0)); }},
        {"0x03", [&] { replace.Insert("r", WithScript(Seps("t~").c_str())); }},
    };
    for (const auto& c : cases) {
        const std::string error = ErrorOf(c.second);
        EXPECT_NE(std::string::npos, error.find("cannot be stored")) << error;
        EXPECT_NE(std::string::npos, error.find(c.first)) << error;
    }
    EXPECT_TRUE(plans.empty() && replace.empty());

    // Where the layout does not use a separator, it is kept.
    PathPlanItem::StringList advanced;
    advanced.push_back(Seps("s>1|^").c_str());
    PathPlanItem item(PathPlanItem::StringList(), "", "", PathPlanItem::StringList(), advanced);
    plans.Insert("adv", item);
    replace.Insert("r", WithScript(Seps("a|^").c_str()));
    ResetAll();
    EXPECT_TRUE(PathPlanDB::Instance().find("adv")->second == item);
    EXPECT_TRUE(ReplacePlanDB::Instance().find("r")->second == WithScript(Seps("a|^").c_str()));
}

TEST(StorageMap, FailedRemovalOfTheOldSpellingKeepsTheNewEntry)
{
    DbFolder folder;
    MaskDB& db = MaskDB::Instance();
    int addFlushes;
    {
        KyDBTest::Fault count(KyDBTest::Fault::Flush, 1000000);
        db.Insert("Added", StoredString<ky_I>("*.a"));
        addFlushes = count.Calls();
    }
    KyDBTest::Fault fail(KyDBTest::Fault::Flush, addFlushes + 1);
    const std::string error =
        ErrorOf([&] { db.Insert("&C++ Source Files", StoredString<ky_I>("*.cc")); });
    EXPECT_TRUE(fail.Fired());
    EXPECT_NE(std::string::npos, error.find("Record deletion: \"C++ Source Files\"")) << error;
    EXPECT_STREQ("&C++ Source Files", db.find("C++ Source Files")->first.c_str());
    EXPECT_STREQ("*.cc", db.find("C++ Source Files")->second.c_str());
}

TEST(StorageMap, TwoProcessesInsertAtOnce)
{
    DbFolder folder;
    PathPlanDB::Instance().Insert("Seed", Plan("s"));
    const std::string start = KyDBTest::UniqueName("ndbstart");
    KyDBTest::NamedEvent go(start);
    NamedPeer a({"insert", "A", "300", start.c_str()});
    NamedPeer b({"insert", "B", "300", start.c_str()});
    go.Set();
    EXPECT_EQ(0, a.Wait());
    EXPECT_EQ(0, b.Wait());
    EXPECT_EQ(601, NamedPeer({"count"}).Wait());

    EXPECT_EQ(1u, PathPlanDB::Instance().size()); // the open map sees its own view
    PathPlanDB::Reset();
    PathPlanDB& reopened = PathPlanDB::Instance();
    EXPECT_EQ(601u, reopened.size());
    EXPECT_TRUE(reopened.find("A299") != reopened.end() && reopened.find("b0") != reopened.end());
}

TEST(StorageMap, FilesInUseOrDamagedAreLeftAlone)
{
    DbFolder folder;
    PathPlanDB::Instance().Insert("Kept", Plan("k"));
    PathPlanDB::Reset();
    const std::string dbFile = folder.File("KyPathPlan.db"),
                      idxFile = folder.File("KyPathPlan.idx");
    const auto db0 = ReadAll(dbFile), idx0 = ReadAll(idxFile);
    {
        const std::string ready = KyDBTest::UniqueName("ndbready");
        const std::string end = KyDBTest::UniqueName("ndbend");
        KyDBTest::NamedEvent readyEvent(ready), endEvent(end);
        NamedPeer holder({"hold", dbFile.c_str(), ready.c_str(), end.c_str()});
        ASSERT_TRUE(readyEvent.Wait(30000));
        const std::string error = ErrorOf([] { PathPlanDB::Instance(); });
        EXPECT_EQ(0u, error.find("Database error: \"" + folder.File("KyPathPlan") +
                                 "\"; Could not open; "))
            << error;
        endEvent.Set();
        EXPECT_EQ(0, holder.Wait());
    }
    EXPECT_TRUE(db0 == ReadAll(dbFile));
    EXPECT_TRUE(idx0 == ReadAll(idxFile));

    // A record file that is not one is reported, never replaced.
    KyDBTest::WriteAll(dbFile, {1, 2, 3});
    EXPECT_NE(std::string::npos,
              ErrorOf([] { PathPlanDB::Instance(); }).find("; Could not open; "));
    EXPECT_EQ(3u, ReadAll(dbFile).size());
    EXPECT_TRUE(idx0 == ReadAll(idxFile));
    KyDBTest::WriteAll(dbFile, db0);
    EXPECT_EQ(1u, PathPlanDB::Instance().size());
}

TEST(StorageMap, ACreateThatFindsTheFilesThereOpensThem)
{
    DbFolder folder;
    PathPlanDB::Instance().Insert("Kept", Plan("k"));
    PathPlanDB::Reset();
    const auto db0 = ReadAll(folder.File("KyPathPlan.db"));
    const auto idx0 = ReadAll(folder.File("KyPathPlan.idx"));
    g_realOpen = FileAccess().Open;
    FileAccess().Open = SeemingMissingOpen;
    g_seemMissing = 3; // as when another process creates the files meanwhile
    const std::string error = ErrorOf([] { PathPlanDB::Instance(); });
    FileAccess().Open = g_realOpen;
    EXPECT_EQ("", error);
    EXPECT_EQ(0, g_seemMissing);
    EXPECT_EQ(Strings({"Kept"}), PlanNames());
    EXPECT_TRUE(db0 == ReadAll(folder.File("KyPathPlan.db")));
    EXPECT_TRUE(idx0 == ReadAll(folder.File("KyPathPlan.idx")));
}

TEST(StorageMap, ReadOnlyFilesCannotBeCreated)
{
    DbFolder folder;
    PathPlanDB::Instance().Insert("Kept", Plan("k"));
    PathPlanDB::Reset();
    const std::string dbFile = folder.File("KyPathPlan.db"),
                      idxFile = folder.File("KyPathPlan.idx");
    const auto db0 = ReadAll(dbFile), idx0 = ReadAll(idxFile);
    g_realOpen = FileAccess().Open;
    FileAccess().Open = ReadOnlyOpen;
    const std::string error = ErrorOf([] { PathPlanDB::Instance(); });
    FileAccess().Open = g_realOpen;
    EXPECT_EQ(
        0u, error.find("Database error: \"" + folder.File("KyPathPlan") + "\"; Could not create; "))
        << error;
    EXPECT_TRUE(db0 == ReadAll(dbFile));
    EXPECT_TRUE(idx0 == ReadAll(idxFile));
    EXPECT_EQ(Strings({"Kept"}), PlanNames());
}
