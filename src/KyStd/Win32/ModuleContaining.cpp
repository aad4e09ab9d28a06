// A module's handle is the base of the allocation that holds its image.
#include "KyStd/Win32/ModuleContaining.h"

namespace Kyvant {
namespace Win32 {

HMODULE ModuleContaining(const void* address)
{
    MEMORY_BASIC_INFORMATION info;
    if (VirtualQuery(address, &info, sizeof info) == 0 || info.Type != MEM_IMAGE)
        return nullptr;
    return static_cast<HMODULE>(info.AllocationBase);
}

} // namespace Win32
} // namespace Kyvant
