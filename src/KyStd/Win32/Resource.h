// Read-only access to the raw bytes of a module's resource.
#pragma once

#include "KyStd/KyStdExport.h"

#include <windows.h>

namespace Kyvant {
namespace Win32 {

class KYSTD_API Resource {
public:
    Resource() : module_(nullptr), resource_(nullptr), data_(nullptr), size_(0) {}
    // Loads the resource at once; throws os_error as Init does.
    Resource(HINSTANCE module, const char* name, const char* type);

    // Finds, loads and locks the resource; a failing find or load throws os_error.
    void Init(HINSTANCE module, const char* name, const char* type);

    HINSTANCE GetModule() const { return module_; }
    HRSRC GetHandle() const { return resource_; }
    const void* GetData() const { return data_; }
    unsigned GetSize() const { return size_; }
    // The bytes as characters (not NUL-terminated): [GetBegin(), GetEnd()).
    const char* GetBegin() const { return static_cast<const char*>(data_); }
    const char* GetEnd() const { return GetBegin() + size_; }

private:
    HINSTANCE module_;
    HRSRC resource_;
    const void* data_;
    unsigned size_;
};

} // namespace Win32
} // namespace Kyvant
