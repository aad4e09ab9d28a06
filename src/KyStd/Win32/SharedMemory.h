// A named block of memory backed by the paging file, mapped whole into each
// process that creates or opens it. Copies share the mapping; the last copy
// unmaps and closes it.
#pragma once

#include "KyStd/Core/HandleTags.h"
#include "KyStd/Core/RcPtr.h"
#include "KyStd/KyStdExport.h"

#include <windows.h>

namespace Kyvant {
namespace Win32 {

class KYSTD_API SharedMemory {
public:
    // The mapping record shared by all copies.
    struct KYSTD_API Imp {
        Imp() : handle(nullptr), view(nullptr), size(0) {}
        ~Imp();
        Imp(const Imp&) = delete;
        Imp& operator=(const Imp&) = delete;

        HANDLE handle;
        void* view;
        unsigned size; // the view's region size: whole pages
    };

    // Exclusive create: a mapping of that name that exists already is an
    // error (os_error 183). A size of 0 is taken as 1, so one page.
    SharedMemory(KyCreateT, unsigned size, const char* name, DWORD protect = PAGE_READWRITE,
                 SECURITY_ATTRIBUTES* sa = nullptr, DWORD desiredAccess = FILE_MAP_ALL_ACCESS,
                 void* baseAddress = nullptr);
    // Opens and maps an existing mapping; one whose size needs more than 32
    // bits is refused (os_error 534).
    explicit SharedMemory(const char* name, DWORD desiredAccess = FILE_MAP_ALL_ACCESS,
                          bool inherit = false, void* baseAddress = nullptr);
    SharedMemory(const SharedMemory& other) = default;
    SharedMemory& operator=(const SharedMemory& other) = default;
    ~SharedMemory();

    void* GetBegin() { return imp_->view; }
    const void* GetBegin() const { return imp_->view; }
    unsigned GetSize() const { return imp_->size; }
    void* GetEnd() { return static_cast<char*>(imp_->view) + imp_->size; }
    const void* GetEnd() const { return static_cast<const char*>(imp_->view) + imp_->size; }

private:
    rc_ptr<Imp, new_deleter<Imp>> imp_;
};

} // namespace Win32
} // namespace Kyvant
