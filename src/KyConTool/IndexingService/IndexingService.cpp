// Whether the Indexing Service is there, sort specifications, and the texts of its error codes.
#include "KyConTool/IndexingService/IndexingService.h"

#include "KyConTool/IndexingService/IndexingServiceQueryFun.h"
#include "KyStd/Win32/OsVersion.h"

#include <stdexcept>

namespace Kyvant {
namespace IndexingService {

bool Available()
{
    return OsVersion::AtLeast2K();
}

ky_S Sort::GetSpecification(Order order, Direction direction)
{
    static const char* const kColumns[] = {"Rank", "Path", "Size", "Write"};
    static const char* const kDirections[] = {"[a]", "[d]"};
    if (order < Rank || order > Write)
        throw std::runtime_error("Unknown Indexing Service sort order");
    if (direction != Ascending && direction != Descending)
        throw std::runtime_error("Unknown Indexing Service sort direction");
    return ky_S(kColumns[order]) + kDirections[direction];
}

ky_S GetErrorMessage(long hr)
{
    // The library's own messages first; the system's when it has none or
    // cannot be loaded.
    HMODULE module = nullptr;
    try {
        module = QueryFun::Instance().module;
    } catch (const std::exception&) {
    }
    DWORD flags = FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    if (module)
        flags |= FORMAT_MESSAGE_FROM_HMODULE;
    char buffer[257];
    DWORD n = FormatMessageA(flags, module, static_cast<DWORD>(hr),
                             MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), buffer, 256, nullptr);
    ky_S text;
    if (n == 0)
        return text;
    text.assign(buffer, n < 256 ? n : 256);
    unsigned end = text.find_last_not_of("\r\n .");
    text.erase(end == ky_S::npos ? 0 : end + 1);
    return text;
}

} // namespace IndexingService
} // namespace Kyvant
