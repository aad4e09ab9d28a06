// The process-wide stack of Indexing Service options that "@i" items fill:
// whether to use the service and whether to force its content index, the
// machine, catalog and sort, and the query. A nested path plan pushes a copy
// of the top item and pops it when it ends, so its options stay its own.
#pragma once

#include "KyConTool/IndexingService/IndexingServiceText.h"
#include "KyConTool/KyConToolExport.h"
#include "KyStd/Strings/String.h"

namespace Kyvant {
namespace IndexingService {

class KYCONTOOL_API OptionsList {
public:
    struct Item {
        bool use = false;
        bool force = false;
        ky_I machine;
        ky_I catalog;
        ky_I sort;
        ky_I query;
    };

    // Pushes a copy of the top item, or a fresh item when the list is empty.
    static void Push();
    // Removes the top item; nothing happens on an empty list.
    static void Pop();
    // The top item's two flags.
    static void SetFlags(bool use, bool force);
    // The texts are trimmed; the query is first transformed for its type.
    static void SetSort(const ky_I& sort);
    static void SetMachine(const ky_I& machine);
    static void SetCatalog(const ky_I& catalog);
    static void SetQuery(const ky_I& query, QueryType type);
    // Replaces the top item with a fresh one.
    static void ClearTop();
    // The top item (a fresh one is made when the list is empty).
    static const Item& Top();
    // False when the top item's use flag is clear; else its force flag and texts.
    static bool Read(bool& force, ky_I& machine, ky_I& catalog, ky_I& sort);
    // "(" + query + ")" of every item that is in use and has a query, joined
    // with " & " and put in parentheses when there is more than one.
    static ky_I CombinedQuery();
    // Number of items (for tests).
    static unsigned Depth();
};

} // namespace IndexingService
} // namespace Kyvant
