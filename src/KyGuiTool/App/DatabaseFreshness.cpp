// Reloading the shared databases that another program changed, around a front-end's dialogs.
#include "KyGuiTool/App/DatabaseFreshness.h"

#include "KyDB/Named/MaskDB.h"
#include "KyDB/Named/PathPlanDB.h"

#include <sys/stat.h>

namespace Kyvant {

namespace {

std::vector<DatabaseFreshness::Database> SharedDatabases()
{
    return {
        {[] { return PathPlanDB::Instance().GetDbFileName(); }, [] { PathPlanDB::Reset(); }},
        {[] { return MaskDB::Instance().GetDbFileName(); }, [] { MaskDB::Reset(); }},
    };
}

} // namespace

DatabaseFreshness::DatabaseFreshness() : DatabaseFreshness(SharedDatabases()) {}

DatabaseFreshness::DatabaseFreshness(std::vector<Database> databases)
    : m_databases(std::move(databases)), m_seen(m_databases.size(), 0)
{
}

bool DatabaseFreshness::ReadTime(size_t i, std::time_t& time) const
{
    try {
        const ky_F name = m_databases[i].fileName();
        struct _stat status;
        if (_stat(name.c_str(), &status) != 0)
            return false;
        time = status.st_mtime;
        return true;
    } catch (...) {
        return false;
    }
}

void DatabaseFreshness::BeforeDialog()
{
    for (size_t i = 0; i < m_databases.size(); ++i) {
        std::time_t time = 0;
        if (!ReadTime(i, time))
            continue;
        if (m_seen[i] != 0 && m_seen[i] != time)
            m_databases[i].reset();
        m_seen[i] = time;
    }
}

void DatabaseFreshness::AfterDialog()
{
    for (size_t i = m_databases.size(); i-- > 0;) {
        std::time_t time = 0;
        if (ReadTime(i, time))
            m_seen[i] = time;
    }
}

} // namespace Kyvant
