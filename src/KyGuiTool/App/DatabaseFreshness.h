// Kyvant::DatabaseFreshness: the shared databases reloaded before a dialog
// when another program changed their files since they were last seen, and
// their times taken again after the dialog, so that the dialog's own
// changes cause no reload next time.
#pragma once

#include "KyGuiTool/KyGuiToolExport.h"
#include "KyStd/Files/FileName.h"

#include <ctime>
#include <functional>
#include <vector>

namespace Kyvant {

class KYGUITOOL_API DatabaseFreshness {
public:
    struct Database {
        std::function<ky_F()> fileName; // may throw: the database is then left alone
        std::function<void()> reset;    // closes it; the next use loads it again
    };

    // The path-plan database, then the mask database.
    DatabaseFreshness();
    explicit DatabaseFreshness(std::vector<Database> databases);

    // In order: a database whose file time differs from the one seen before
    // is reset; the time is remembered. A file that cannot be read changes
    // nothing.
    void BeforeDialog();
    // In reverse order: the file times are remembered again; errors are
    // ignored.
    void AfterDialog();

private:
    bool ReadTime(size_t i, std::time_t& time) const;

    std::vector<Database> m_databases;
    std::vector<std::time_t> m_seen; // 0: not seen yet
};

// BeforeDialog at construction, AfterDialog at destruction (also when the
// dialog failed).
class KYGUITOOL_API DatabaseFreshnessScope {
public:
    explicit DatabaseFreshnessScope(DatabaseFreshness& freshness) : m_freshness(freshness)
    {
        m_freshness.BeforeDialog();
    }
    ~DatabaseFreshnessScope() { m_freshness.AfterDialog(); }
    DatabaseFreshnessScope(const DatabaseFreshnessScope&) = delete;
    DatabaseFreshnessScope& operator=(const DatabaseFreshnessScope&) = delete;

private:
    DatabaseFreshness& m_freshness;
};

} // namespace Kyvant
