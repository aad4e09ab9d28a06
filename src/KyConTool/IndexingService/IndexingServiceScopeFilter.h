// The test that keeps the rows of an Indexing Service search inside the
// searched folder and its depth limit (a catalog may hold more than the
// scope, and the service knows only deep or shallow).
#pragma once

#include "KyStd/Files/FileName.h"

namespace Kyvant {
namespace IndexingService {

class ScopeFilter {
public:
    // scope "\" (or "/", or empty) is the whole catalog; depth INT_MAX: any
    // depth, n: at most n separators below the scope.
    ScopeFilter(const ky_F& scope, int depth);

    bool Accept(const ky_F& path) const;

private:
    ky_F scope_;
    bool wholeCatalog_;
    int depth_;
};

} // namespace IndexingService
} // namespace Kyvant
