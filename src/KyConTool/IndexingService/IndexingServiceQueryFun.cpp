// Loading "query.dll" from the system folder once and binding its four entry points.
#include "KyConTool/IndexingService/IndexingServiceQueryFun.h"

#include "KyStd/Core/Errors.h"
#include "KyStd/Files/FileName.h"

#include <mutex>

namespace Kyvant {
namespace IndexingService {

namespace {

template <class Fn>
void Bind(HMODULE module, const char* name, Fn& out)
{
    FARPROC p = GetProcAddress(module, name);
    if (!p) {
        DWORD error = GetLastError();
        FreeLibrary(module);
        throw os_error(error);
    }
    out = reinterpret_cast<Fn>(reinterpret_cast<void*>(p));
}

} // namespace

const QueryFun& QueryFun::Instance()
{
    static std::mutex lock;
    static QueryFun* loaded = nullptr;
    std::lock_guard<std::mutex> hold(lock);
    if (loaded)
        return *loaded;
    ky_F path;
    path.ToSystemDirectory().DirSepTerminateIfNotPathCharTerminated();
    path += "query.dll";
    QueryFun fun;
    fun.module = LoadLibraryA(path.c_str());
    if (!fun.module)
        throw os_error();
    Bind(fun.module, "CIMakeICommand", fun.MakeICommand);
    Bind(fun.module, "CITextToFullTreeEx", fun.TextToFullTreeEx);
    Bind(fun.module, "SetCatalogState", fun.SetCatalogState);
    Bind(fun.module, "LocateCatalogsW", fun.LocateCatalogs);
    // Kept for the rest of the process: rows and trees of the library may
    // outlive any one query.
    loaded = new QueryFun(fun);
    return *loaded;
}

} // namespace IndexingService
} // namespace Kyvant
