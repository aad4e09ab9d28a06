// Failure vocabulary of the base library: exceptions carrying a Win32 or
// C-runtime error code with its text, checked allocation and throw helpers.
#pragma once

#include "KyStd/KyStdExport.h"

#include <cstddef>
#include <new>
#include <stdexcept>
#include <string>

namespace Kyvant {

// A failed Win32 call: the error code and the system's text for it.
class KYSTD_API os_error : public std::runtime_error {
public:
    os_error(); // takes GetLastError() first thing
    explicit os_error(unsigned long code);
    unsigned long code() const noexcept { return code_; }

private:
    unsigned long code_;
};

// A failed C-runtime call: errno and strerror(errno).
class KYSTD_API rtl_error : public std::runtime_error {
public:
    explicit rtl_error(int err);
    int code() const noexcept { return code_; }

private:
    int code_;
};

// The allocation failure of the library's helpers; its text is "bad allocation".
class KYSTD_API ky_bad_alloc : public std::bad_alloc {
public:
    const char* what() const noexcept override;
};

KYSTD_API void* xmalloc(std::size_t n);
KYSTD_API void* xrealloc(void* p, std::size_t n);
KYSTD_API void* xcalloc(std::size_t count, std::size_t size);
KYSTD_API char* xstrdup(const char* s);   // free with free()
KYSTD_API char* strnewdup(const char* s); // free with delete[]
[[noreturn]] KYSTD_API void ThrowBadAlloc();

[[noreturn]] KYSTD_API void ThrowRuntimeError(const std::string& a, const std::string& b);
[[noreturn]] KYSTD_API void ThrowRuntimeError(const std::string& a, const std::string& b,
                                              const std::string& c);
[[noreturn]] KYSTD_API void ThrowLogicError(const std::string& a, const std::string& b);
[[noreturn]] KYSTD_API void ThrowLogicError(const std::string& a, const std::string& b,
                                            const std::string& c);

namespace ky_ns_BlockManager {
[[noreturn]] KYSTD_API void ThrowTSize();
[[noreturn]] KYSTD_API void ThrowBlockSize();
[[noreturn]] KYSTD_API void ThrowBlockList();
} // namespace ky_ns_BlockManager

} // namespace Kyvant
