// COM helpers: scoped COM initialisation, failing HRESULTs as `_com_error`
// exceptions, and the one task allocator that every module of the process shares.
#pragma once

#include "KyStd/KyStdExport.h"
#include "KyStd/Shell/ComError.h"

#include <objbase.h>

namespace Kyvant {
namespace Co {

// Raises `_com_error` (without error information) for a failure code;
// success codes, S_FALSE included, return.
KYSTD_API void Vet(long hr);
// Raises `_com_error` carrying hr, whatever its value.
[[noreturn]] KYSTD_API void Throw(long hr);

// Initialises COM on this thread for the lifetime of the object.
class KYSTD_API Initializer {
public:
    Initializer(); // CoInitialize (NULL) through Vet
    ~Initializer();
    Initializer(const Initializer&) = delete;
    Initializer& operator=(const Initializer&) = delete;
};

// The process-wide task allocator; the caller does not release it. It is kept
// until the process ends: it is not released while modules unload, when COM
// may already be gone.
KYSTD_API IMalloc* GetIMalloc();

// Frees memory that a COM call returned through the task allocator.
class KYSTD_API IMallocDeleter {
public:
    IMallocDeleter();
    void operator()(void* p) const { malloc_->Free(p); }
    IMalloc* get() const { return malloc_; }

private:
    IMalloc* malloc_;
};

} // namespace Co
} // namespace Kyvant
