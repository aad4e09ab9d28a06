// The error exceptions with their system texts, checked allocation, and the throw helpers.
#include "KyStd/Core/Errors.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>

namespace Kyvant {

namespace {

// The system's text for a Win32 error code, without its trailing full stop and
// line break; codes without a text get a fixed "Unknown ..." form.
std::string SystemMessage(unsigned long code)
{
    char buffer[2048];
    DWORD n =
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                       MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), buffer, sizeof buffer, nullptr);
    if (n != 0 && n < sizeof buffer) {
        while (n > 0 && (buffer[n - 1] == '\n' || buffer[n - 1] == '\r' || buffer[n - 1] == '.'))
            --n;
        if (n > 0)
            return std::string(buffer, n);
    }
    wsprintfA(buffer, "Unknown system error code 0x%0lx", code);
    return buffer;
}

} // namespace

os_error::os_error() : os_error(GetLastError()) {}

os_error::os_error(unsigned long code) : std::runtime_error(SystemMessage(code)), code_(code) {}

rtl_error::rtl_error(int err) : std::runtime_error(std::strerror(err)), code_(err) {}

const char* ky_bad_alloc::what() const noexcept
{
    return "bad allocation";
}

void ThrowBadAlloc()
{
    throw ky_bad_alloc();
}

void* xmalloc(std::size_t n)
{
    void* p = std::malloc(n);
    if (!p)
        ThrowBadAlloc();
    return p;
}

void* xrealloc(void* p, std::size_t n)
{
    void* q = std::realloc(p, n);
    if (!q)
        ThrowBadAlloc();
    return q;
}

void* xcalloc(std::size_t count, std::size_t size)
{
    void* p = std::calloc(count, size);
    if (!p)
        ThrowBadAlloc();
    return p;
}

char* xstrdup(const char* s)
{
    char* p = _strdup(s);
    if (!p)
        ThrowBadAlloc();
    return p;
}

char* strnewdup(const char* s)
{
    std::size_t n = std::strlen(s) + 1;
    char* p = new char[n];
    std::memcpy(p, s, n);
    return p;
}

void ThrowRuntimeError(const std::string& a, const std::string& b)
{
    throw std::runtime_error(a + b);
}

void ThrowRuntimeError(const std::string& a, const std::string& b, const std::string& c)
{
    throw std::runtime_error(a + b + c);
}

void ThrowLogicError(const std::string& a, const std::string& b)
{
    throw std::logic_error(a + b);
}

void ThrowLogicError(const std::string& a, const std::string& b, const std::string& c)
{
    throw std::logic_error(a + b + c);
}

namespace ky_ns_BlockManager {
void ThrowTSize()
{
    throw std::logic_error("BlockManager: sizeof(T) < sizeof(T*)");
}
void ThrowBlockSize()
{
    throw std::logic_error("BlockManager: blockSize == 0");
}
void ThrowBlockList()
{
    throw std::logic_error("BlockManager: init called after block was allocated");
}
} // namespace ky_ns_BlockManager

} // namespace Kyvant
