// Helpers of the query-library stand-in: the call log, text conversion,
// error information and the reference count shared by its objects.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <string>

namespace QueryStandIn {

// The process environment's value of name; empty when unset.
std::string Env(const char* name);

// Appends one line to the file named by KY_QUERY_LOG (nothing when unset).
void Log(const std::string& line);

std::string Narrow(const wchar_t* text); // UTF-8; null gives "<null>"
std::wstring Wide(const std::string& text);
std::string Hex(unsigned long value);
// Lower case, for the script's case-insensitive keys.
std::wstring Lower(std::wstring text);

// Leaves description as the thread's error information and returns hr.
HRESULT Fail(HRESULT hr, const std::wstring& description, REFIID iid);

// A COM object's reference count; the object deletes itself at zero.
class RefCounted {
public:
    virtual ~RefCounted() = default;
    ULONG AddRefImpl() { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
    ULONG ReleaseImpl()
    {
        LONG n = InterlockedDecrement(&refs_);
        if (n == 0)
            delete this;
        return static_cast<ULONG>(n);
    }

private:
    LONG refs_ = 1;
};

} // namespace QueryStandIn
