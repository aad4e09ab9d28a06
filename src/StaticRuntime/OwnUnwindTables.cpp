// Registering a statically linked DLL's unwind tables with its own unwinder when the shared runtime is loaded.
#include "StaticRuntime/OwnUnwindTables.h"

#include <cstring>

extern "C" void __register_frame_info(const void* begin, void* object);
extern "C" void* __deregister_frame_info(const void* begin);

namespace KyStaticRuntime {

namespace {

const char kSharedRuntime[] = "libgcc_s_dw2-1.dll";
// ".eh_frame" cut to the eight characters of a section header.
const char kUnwindSection[IMAGE_SIZEOF_SHORT_NAME] = {'.', 'e', 'h', '_', 'f', 'r', 'a', 'm'};
// Room for the unwinder's bookkeeping of one table (it needs fewer words).
const unsigned kObjectWords = 16;

const void* g_registered = nullptr;
void* g_object[kObjectWords];

const void* UnwindSection(HINSTANCE module)
{
    const BYTE* base = reinterpret_cast<const BYTE*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
    for (unsigned i = 0; i < nt->FileHeader.NumberOfSections; ++i)
        if (std::memcmp(section[i].Name, kUnwindSection, IMAGE_SIZEOF_SHORT_NAME) == 0)
            return base + section[i].VirtualAddress;
    return nullptr;
}

} // namespace

void RegisterOwnUnwindTables(HINSTANCE module)
{
    if (g_registered || !GetModuleHandleA(kSharedRuntime))
        return;
    g_registered = UnwindSection(module);
    if (g_registered)
        __register_frame_info(g_registered, g_object);
}

void DeregisterOwnUnwindTables()
{
    if (g_registered)
        __deregister_frame_info(g_registered);
    g_registered = nullptr;
}

} // namespace KyStaticRuntime
