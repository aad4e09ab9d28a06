// Tests of DLL version queries: comctl32's version, and DLLs that give none.
#include "KyStd/Win32/DllVersion.h"

#include <gtest/gtest.h>

using namespace Kyvant;

TEST(DllVersion, KnownAndUnavailableVersions)
{
    DWORD v = Shell::GetDllVersion("comctl32.dll");
    EXPECT_GE(v >> 16, 4u);
    EXPECT_EQ(v, Shell::GetComCtl32Version());

    const char* none[] = {"no-such-library-kyvant.dll", "kernel32.dll" /* no export */,
                          "KyStdPeer.dll" /* its DllGetVersion fails */, nullptr};
    for (const char* dll : none)
        EXPECT_EQ(0u, Shell::GetDllVersion(dll)) << (dll ? dll : "null");
}
