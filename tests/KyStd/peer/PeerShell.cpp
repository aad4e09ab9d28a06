// The peer module's task allocator, and a DllGetVersion export that always fails.
#include "peer/PeerShell.h"

#include "KyStd/Shell/Co.h"

#include <shlwapi.h>

namespace KyStdPeer {

IMalloc* PeerGetIMalloc()
{
    return Kyvant::Co::GetIMalloc();
}

} // namespace KyStdPeer

// A version query that always fails, exported undecorated as system DLLs
// export theirs.
extern "C" HRESULT __stdcall DllGetVersion(DLLVERSIONINFO*)
{
    return E_INVALIDARG;
}
#ifdef _WIN64
__asm__(".section .drectve\n\t.ascii \" -export:DllGetVersion\"\n\t.text");
#else
__asm__(".section .drectve\n\t.ascii \" -export:DllGetVersion=DllGetVersion@4\"\n\t.text");
#endif
