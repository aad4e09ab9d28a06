// The registry calls' common failure path: a result other than
// ERROR_SUCCESS becomes an os_error carrying that code.
#pragma once

#include "KyStd/Core/Errors.h"

#include <windows.h>

namespace Kyvant {

// Throws os_error(result) unless result is ERROR_SUCCESS.
inline void CheckRegResult(LONG result)
{
    if (result != ERROR_SUCCESS)
        throw os_error(static_cast<unsigned long>(result));
}

} // namespace Kyvant
