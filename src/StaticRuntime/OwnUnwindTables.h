// For DLLs linked with the compiler's runtime statically: their exception tables registered with their own unwinder.
#pragma once

#include <windows.h>

namespace KyStaticRuntime {

// When the shared runtime (libgcc_s_dw2-1.dll) is already in the process,
// the start-up code registers this module's unwind tables with that DLL
// instead of with the unwinder linked into the module, and every exception
// thrown inside the module ends the process. Call at process attach with
// the module's handle; the module must be linked with
// --disable-long-section-names so that its ".eh_frame" section is found by
// its short name.
// The 64-bit unwinder reads the image's own tables: nothing to register.
#ifdef _WIN64
inline void RegisterOwnUnwindTables(HINSTANCE) {}
inline void DeregisterOwnUnwindTables() {}
#else
void RegisterOwnUnwindTables(HINSTANCE module);
// Call at process detach.
void DeregisterOwnUnwindTables();
#endif

} // namespace KyStaticRuntime
