// The scoped search settings of the argument items: include masks, folder
// depth, rejection rules and advanced filters. A process-wide stack holds
// one record per nested path plan; the first record is the current one,
// and the outer records keep applying to the items of inner ones.
#pragma once

#include "KyConTool/Filters/AdvancedFilters.h"
#include "KyStd/Files/FileName.h"

#include <list>
#include <vector>

namespace Kyvant {

struct SearchSettings {
    std::vector<ky_F> masks;     // include masks
    int depth = 0;               // 0: the folder only; INT_MAX: unlimited
    std::vector<ky_F> pathRules; // path and ":folder-name" rejection rules
    std::vector<ky_F> maskRules; // rejected name masks
    AdvancedFiltration::Filters filters;

    void Clear() { *this = SearchSettings(); }
};

class SettingsStack {
public:
    using Records = std::list<SearchSettings>;
    using Token = Records::iterator;

    // The current record (the stack is made with one record on first use).
    static SearchSettings& Current();
    // All records, the current one first.
    static const Records& All();
    // A fresh current record (with a fresh top of the Indexing Service
    // option stack); Pop removes exactly that record again.
    static Token Push();
    static void Pop(Token token);

private:
    static Records& Stack();
};

} // namespace Kyvant
