// Kyvant::DatabaseFreshness: the named databases a task dialog reads, kept
// fresh across dialogs. Before each dialog a database whose file was changed
// since the last dialog (by another program) is reset, so it loads anew;
// after the dialog the files' times are taken again, so the dialog's own
// changes cause no reload. The front-ends keep one for their task dialogs.
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
        std::function<ky_F()> fileName; // the file whose time is watched
        std::function<void()> reset;    // makes the database load anew
    };

    // The process's path-plan, mask-set and replace-plan databases.
    static Database PathPlans();
    static Database MaskSets();
    static Database ReplacePlans();

    explicit DatabaseFreshness(std::vector<Database> databases);

    // In order, each database whose file's time differs from the one taken
    // before is reset; the time is taken. A file that cannot be looked at
    // leaves its database as it was.
    void BeforeDialog();
    // In reverse order, each file's time is taken again; errors are ignored.
    void AfterDialog();

private:
    struct Watched {
        Database database;
        time_t seen; // 0: none yet
    };

    static bool FileTime(const Database& database, time_t& time);

    std::vector<Watched> watched_;
};

} // namespace Kyvant
