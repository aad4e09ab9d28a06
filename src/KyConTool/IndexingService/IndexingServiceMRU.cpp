// The query history list: its registry key and list name, the one instance, and adding a query.
#include "KyConTool/IndexingService/IndexingServiceMRU.h"

#include "KyStd/Registry/RegKey.h"

#include <mutex>

namespace Kyvant {
namespace IndexingService {

namespace {

// The path-plan settings key, where the suite keeps the query history.
const char kPathPlanKey[] = "Software\\Kyvant\\Tools\\Shared\\PathPlanDB";
const char kListName[] = "ISQueryMRU";

} // namespace

QueryMRU::QueryMRU()
    : RegMRUReader<ky_S>(RegKey(HKEY_CURRENT_USER, kPathPlanKey), kListName, RegOL::DefOrderValName,
                         true),
      writer_(new RegMRUWriter<ky_S>(*this, kSize))
{
}

QueryMRU::~QueryMRU() {}

QueryMRU& QueryMRU::Instance()
{
    static std::mutex lock;
    static QueryMRU* instance = nullptr;
    std::lock_guard<std::mutex> hold(lock);
    if (!instance)
        instance = new QueryMRU();
    return *instance;
}

void QueryMRU::Add(const ky_S& query)
{
    writer_->Add(query);
}

} // namespace IndexingService
} // namespace Kyvant
