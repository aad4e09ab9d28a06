// Looking up the kernel's newer functions once per process.
#include "KyStd/Win32/NewerFunctions.h"

namespace Kyvant {
namespace Win32 {

namespace {

template <class Function>
void Find(HMODULE module, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

NewerFunctions Lookup()
{
    NewerFunctions functions{};
    const HMODULE kernel = GetModuleHandleA("kernel32.dll");
    if (!kernel)
        return functions;
    Find(kernel, "MoveFileExA", functions.moveFileEx);
    Find(kernel, "GetVolumePathNameA", functions.getVolumePathName);
    Find(kernel, "CreateHardLinkA", functions.createHardLink);
    return functions;
}

} // namespace

NewerFunctions& Newer()
{
    static NewerFunctions functions = Lookup();
    return functions;
}

} // namespace Win32
} // namespace Kyvant
