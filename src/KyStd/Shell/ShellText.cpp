// Narrow and wide text conversion in a code page, with checked lengths.
#include "KyStd/Shell/ShellText.h"

#include "KyStd/Core/Errors.h"

#include <climits>

namespace Kyvant {
namespace Shell {

namespace {

int CheckedLength(unsigned length)
{
    if (length > static_cast<unsigned>(INT_MAX))
        throw os_error(ERROR_INVALID_PARAMETER);
    return static_cast<int>(length);
}

} // namespace

std::wstring ToWide(const char* text, unsigned length, UINT codePage)
{
    if (!text || length == 0)
        return std::wstring();
    int n = CheckedLength(length);
    std::wstring out(length, L'\0');
    int written = MultiByteToWideChar(codePage, 0, text, n, &out[0], n);
    if (written == 0) {
        DWORD code = GetLastError();
        if (code != ERROR_INSUFFICIENT_BUFFER)
            throw os_error(code);
        int needed = MultiByteToWideChar(codePage, 0, text, n, nullptr, 0);
        if (needed == 0)
            throw os_error();
        out.assign(static_cast<size_t>(needed), L'\0');
        written = MultiByteToWideChar(codePage, 0, text, n, &out[0], needed);
        if (written == 0)
            throw os_error();
    }
    out.resize(static_cast<size_t>(written));
    return out;
}

std::string ToNarrow(const wchar_t* text, unsigned length, UINT codePage)
{
    if (!text || length == 0)
        return std::string();
    int n = CheckedLength(length);
    std::string out(length, '\0');
    int written = WideCharToMultiByte(codePage, 0, text, n, &out[0], n, nullptr, nullptr);
    if (written == 0) {
        DWORD code = GetLastError();
        if (code != ERROR_INSUFFICIENT_BUFFER)
            throw os_error(code);
        int needed = WideCharToMultiByte(codePage, 0, text, n, nullptr, 0, nullptr, nullptr);
        if (needed == 0)
            throw os_error();
        out.assign(static_cast<size_t>(needed), '\0');
        written = WideCharToMultiByte(codePage, 0, text, n, &out[0], needed, nullptr, nullptr);
        if (written == 0)
            throw os_error();
    }
    out.resize(static_cast<size_t>(written));
    return out;
}

} // namespace Shell
} // namespace Kyvant
