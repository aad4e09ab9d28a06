// Kyvant::DatabaseFreshness: the file times around a task dialog and the resets they call for.
#include "KyGuiTool/App/DatabaseFreshness.h"

#include "KyDB/Named/MaskDB.h"
#include "KyDB/Named/PathPlanDB.h"
#include "KyDB/Named/ReplacePlanDB.h"

#include <sys/stat.h>
#include <sys/types.h>

#include <utility>

namespace Kyvant {

DatabaseFreshness::Database DatabaseFreshness::PathPlans()
{
    return {[] { return PathPlanDB::Instance().GetDbFileName(); }, [] { PathPlanDB::Reset(); }};
}

DatabaseFreshness::Database DatabaseFreshness::MaskSets()
{
    return {[] { return MaskDB::Instance().GetDbFileName(); }, [] { MaskDB::Reset(); }};
}

DatabaseFreshness::Database DatabaseFreshness::ReplacePlans()
{
    return {[] { return ReplacePlanDB::Instance().GetDbFileName(); },
            [] { ReplacePlanDB::Reset(); }};
}

DatabaseFreshness::DatabaseFreshness(std::vector<Database> databases)
{
    for (Database& database : databases)
        watched_.push_back(Watched{std::move(database), 0});
}

bool DatabaseFreshness::FileTime(const Database& database, time_t& time)
{
    try {
        const ky_F name = database.fileName();
        struct _stat info;
        if (_stat(name.c_str(), &info) != 0)
            return false;
        time = info.st_mtime;
        return true;
    } catch (...) {
        // A database that cannot be opened has no file to look at.
        return false;
    }
}

void DatabaseFreshness::BeforeDialog()
{
    for (Watched& watched : watched_) {
        time_t now = 0;
        if (!FileTime(watched.database, now))
            continue;
        if (watched.seen != 0 && watched.seen != now)
            watched.database.reset();
        watched.seen = now;
    }
}

void DatabaseFreshness::AfterDialog()
{
    for (auto it = watched_.rbegin(); it != watched_.rend(); ++it) {
        time_t now = 0;
        if (FileTime(it->database, now))
            it->seen = now;
    }
}

} // namespace Kyvant
