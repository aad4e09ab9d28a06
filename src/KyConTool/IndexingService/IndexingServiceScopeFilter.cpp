// The scope test of search rows: inside the searched folder and within the depth limit.
#include "KyConTool/IndexingService/IndexingServiceScopeFilter.h"

#include <climits>

namespace Kyvant {
namespace IndexingService {

ScopeFilter::ScopeFilter(const ky_F& scope, int depth)
    : scope_(scope), wholeCatalog_(scope.empty() || scope == "\\"), depth_(depth)
{
    char last = scope_.empty() ? '\\' : scope_[scope_.length() - 1];
    if (last != '\\' && last != '/')
        scope_ += '\\';
}

bool ScopeFilter::Accept(const ky_F& path) const
{
    if (path.empty())
        return false;
    if (wholeCatalog_)
        return true;
    const unsigned n = scope_.length();
    if (path.length() <= n || path.compare(0, n, scope_) != 0)
        return false;
    if (depth_ == INT_MAX)
        return true;
    int separators = 0;
    for (unsigned i = n; i < path.length(); ++i) {
        if (path[i] == '\\' || path[i] == '/')
            ++separators;
    }
    return separators <= (depth_ < 0 ? 0 : depth_);
}

} // namespace IndexingService
} // namespace Kyvant
