// The message of a service error raised while an Indexing Service search
// starts: the error's description (or the service's text for its code),
// then ": " and what the code is about (catalog, sort, scope, machine or
// query).
#pragma once

#include "KyStd/Files/FileName.h"
#include "KyStd/Shell/ComError.h"
#include "KyStd/Strings/String.h"

namespace Kyvant {
namespace IndexingService {

struct StartContext {
    ky_I catalog;
    ky_I sort;
    ky_F scope;
    ky_I machine;
    ky_I query;
};

// False when the error has no text; the caller then passes it on unchanged.
bool StartErrorText(const _com_error& error, const StartContext& context, ky_S& out);

} // namespace IndexingService
} // namespace Kyvant
