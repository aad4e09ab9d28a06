// ky_F::StoreAsUNC through WNetGetUniversalNameA, loaded on first use, or a resolver in its place.
#include "KyStd/Files/UniversalName.h"

#include "KyStd/Files/FileName.h"

#include <winnetwk.h>

#include <atomic>

namespace Kyvant {

namespace {

std::atomic<UniversalNameResolver> g_resolver{nullptr};

// WNetGetUniversalNameA from the system's mpr.dll, looked up once; ERROR_NOT_SUPPORTED
// when the library or the entry point is missing.
DWORD WINAPI SystemResolver(LPCSTR localPath, DWORD infoLevel, LPVOID buffer, LPDWORD bufferSize)
{
    static const UniversalNameResolver fn = []() -> UniversalNameResolver {
        // From the system folder only, never from the program's or current folder.
        char path[MAX_PATH];
        UINT n = GetSystemDirectoryA(path, MAX_PATH - 10);
        if (n == 0 || n >= MAX_PATH - 10)
            return nullptr;
        lstrcatA(path, "\\mpr.dll");
        HMODULE mpr = LoadLibraryA(path);
        if (!mpr)
            return nullptr;
        return reinterpret_cast<UniversalNameResolver>(
            reinterpret_cast<void*>(GetProcAddress(mpr, "WNetGetUniversalNameA")));
    }();
    if (!fn)
        return ERROR_NOT_SUPPORTED;
    return fn(localPath, infoLevel, buffer, bufferSize);
}

} // namespace

UniversalNameResolver SetUniversalNameResolver(UniversalNameResolver fn)
{
    return g_resolver.exchange(fn);
}

bool ky_F::StoreAsUNC(ky_F& out) const
{
    if (LooksLikeUNC(data(), length())) {
        out.assign(*this);
        return true;
    }
    UniversalNameResolver resolve = g_resolver.load();
    if (!resolve)
        resolve = SystemResolver;
    // The record's pointer points into the buffer; keep it aligned for it.
    union {
        UNIVERSAL_NAME_INFOA info;
        char bytes[520];
    } buffer;
    DWORD size = sizeof buffer.bytes;
    if (resolve(c_str(), UNIVERSAL_NAME_INFO_LEVEL, &buffer, &size) == NO_ERROR &&
        buffer.info.lpUniversalName) {
        out.assign(buffer.info.lpUniversalName);
        return true;
    }
    out.assign(*this);
    return false;
}

} // namespace Kyvant
