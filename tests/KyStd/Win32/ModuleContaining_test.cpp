// Finding the module of an address without GetModuleHandleExA.
#include "KyStd/Win32/ModuleContaining.h"
#include "KyStd/Win32/NewerFunctions.h"

#include <gtest/gtest.h>

TEST(ModuleContaining, FindsTheImageOfAnAddressAndNothingElse)
{
    EXPECT_EQ(
        GetModuleHandleA("KyStd.dll"),
        Kyvant::Win32::ModuleContaining(reinterpret_cast<const void*>(&Kyvant::Win32::Newer)));
    const HMODULE program = GetModuleHandleA(nullptr);
    EXPECT_EQ(program, Kyvant::Win32::ModuleContaining(program));
    int onTheStack = 0;
    EXPECT_EQ(nullptr, Kyvant::Win32::ModuleContaining(&onTheStack));
}
