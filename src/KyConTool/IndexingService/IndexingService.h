// The Indexing Service as a source of file names: whether this system has
// it, sort specifications of its queries and the texts of its error codes.
// Queries themselves run through ky_filename_indexing_service_iterator.
#pragma once

#include "KyConTool/KyConToolExport.h"
#include "KyStd/Strings/String.h"

namespace Kyvant {
namespace IndexingService {

// True on Windows 2000 or later.
KYCONTOOL_API bool Available();

struct KYCONTOOL_API Sort {
    enum Order { Rank = 0, Path = 1, Size = 2, Write = 3 };
    enum Direction { Ascending = 0, Descending = 1 };

    // The column followed by the direction, for example "Rank[d]"; a value
    // outside the enumerations is a runtime error.
    static ky_S GetSpecification(Order order, Direction direction);
};

// The message of hr from the query library (or the system), without its
// trailing line end, blanks and full stops; empty when there is none.
KYCONTOOL_API ky_S GetErrorMessage(long hr);

} // namespace IndexingService
} // namespace Kyvant
