// The current entry of a file-name iterator as one FileNameResult: its
// name, folder flags and, when the iterator has them, its details.
#pragma once

#include "KyConTool/Args/ItemHooks.h"

namespace Kyvant {

// it must not be at its end.
template <class Iterator>
FileNameResult FileNameResultOf(const Iterator& it)
{
    FileNameResult result;
    result.name = *it;
    result.isFolder = it.IsFolder();
    result.isInfoFolder = it.IsInfoFolder();
    if (const ky_filename_argv_iterator::FileDetails* details = it.GetFileDetails()) {
        result.hasDetails = true;
        result.details = *details;
    }
    return result;
}

} // namespace Kyvant
