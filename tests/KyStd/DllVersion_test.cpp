#include "KyStd/DllVersion.h"

#include <gtest/gtest.h>

using namespace Kyvant;

TEST(DllVersion, ComCtl32HasAVersion)
{
    DWORD v = Shell::GetDllVersion("comctl32.dll");
    EXPECT_NE(0u, v);
    EXPECT_GE(v >> 16, 4u);
    EXPECT_EQ(v, Shell::GetComCtl32Version());
    EXPECT_EQ(v, Shell::GetComCtl32Version());
}

TEST(DllVersion, UnavailableVersionsAreZero)
{
    const char* dlls[] = {
        "no-such-library-kyvant.dll", // cannot be loaded
        "kernel32.dll",               // has no "DllGetVersion"
        "KyStdPeer.dll",              // its "DllGetVersion" fails
        nullptr,
    };
    for (const char* dll : dlls)
        EXPECT_EQ(0u, Shell::GetDllVersion(dll)) << (dll ? dll : "null");
}
