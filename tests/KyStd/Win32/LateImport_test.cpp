// Functions of a DLL found on first use through the module's own import slot.
#include "KyStd/Win32/LateImport.h"

#include <gtest/gtest.h>

#include <oleauto.h>

#include <string>

using Kyvant::Win32::kOleAut32Dll;

// This program's calls of SysStringByteLen go through this slot.
KY_LATE_IMPORT(kOleAut32Dll, SysStringByteLen, 4)

TEST(LateImport, FirstCallAnswersAndPutsTheDllsFunctionIntoTheSlot)
{
    BSTR text = SysAllocStringByteLen("abcdef", 6);
    ASSERT_NE(nullptr, text);
    EXPECT_EQ(6u, SysStringByteLen(text));
    EXPECT_EQ(reinterpret_cast<void*>(
                  GetProcAddress(GetModuleHandleA("oleaut32.dll"), "SysStringByteLen")),
              reinterpret_cast<void*>(KyLateImports::SysStringByteLenSlot));
    EXPECT_EQ(6u, SysStringByteLen(text));
    SysFreeString(text);
}

TEST(LateImport, FindsAFunctionOfALoadedDll)
{
    EXPECT_EQ(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetTickCount"),
              Kyvant::Win32::LateProcAddress("kernel32.dll", "GetTickCount"));
}

TEST(LateImport, AMissingDllOrFunctionIsAnErrorNamingBoth)
{
    struct Case {
        const char* dll;
        const char* function;
    };
    const Case cases[] = {
        {"KyNoSuchLibrary.dll", "SysStringLen"},
        {"oleaut32.dll", "KyNoSuchFunction"},
    };
    for (const Case& c : cases) {
        try {
            Kyvant::Win32::LateProcAddress(c.dll, c.function);
            ADD_FAILURE() << c.dll << "!" << c.function << " was found";
        } catch (const std::runtime_error& e) {
            const std::string text = e.what();
            EXPECT_NE(std::string::npos, text.find(c.dll)) << text;
            EXPECT_NE(std::string::npos, text.find(c.function)) << text;
        }
    }
}
