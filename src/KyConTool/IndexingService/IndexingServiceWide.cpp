// Conversion between 8-bit strings in the ANSI code page and wide strings.
#include "KyConTool/IndexingService/IndexingServiceWide.h"

#include "KyStd/Core/Errors.h"

#include <windows.h>

namespace Kyvant {
namespace IndexingService {

std::wstring ToWide(const ky_BSB<char>& text)
{
    if (text.empty())
        return std::wstring();
    int n =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.length()), nullptr, 0);
    if (n <= 0)
        throw os_error();
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.length()), &out[0], n);
    return out;
}

void FromWide(const wchar_t* text, ky_BSB<char>& out)
{
    out.clear();
    if (!text || !*text)
        return;
    int n = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 1)
        throw os_error();
    std::string buffer(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, &buffer[0], n, nullptr, nullptr);
    out.assign(buffer.c_str(), static_cast<unsigned>(n - 1));
}

} // namespace IndexingService
} // namespace Kyvant
