// Handles through 32-bit words: the sentinel and pseudo handles keep their
// value on every width, and a real handle still names its object.
#include "KyStd/Win32/HandleWord.h"

#include <gtest/gtest.h>

using namespace Kyvant::Win32;

TEST(HandleWord, SentinelAndPseudoHandlesComeBackWhole)
{
    struct Case {
        const char* name;
        HANDLE handle;
        DWORD word;
    } const cases[] = {
        {"none", nullptr, 0},
        {"INVALID_HANDLE_VALUE", INVALID_HANDLE_VALUE, 0xFFFFFFFF},
        {"current process", GetCurrentProcess(), 0xFFFFFFFF},
        {"current thread", GetCurrentThread(), 0xFFFFFFFE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.word, HandleToWord(c.handle));
        EXPECT_EQ(c.handle, WordToHandle(c.word));
    }
}

TEST(HandleWord, WindowHandlesComeBackWhole)
{
    const HWND windows[] = {nullptr,      HWND_TOPMOST,   HWND_NOTOPMOST,
                            HWND_MESSAGE, HWND_BROADCAST, GetDesktopWindow()};
    for (HWND window : windows)
        EXPECT_EQ(window, WordToHandle<HWND>(HandleToWord(window)))
            << reinterpret_cast<INT_PTR>(window);
}

TEST(HandleWord, ARealHandleStillNamesItsObject)
{
    const HANDLE event = CreateEventA(nullptr, TRUE, TRUE, nullptr);
    ASSERT_NE(event, nullptr);
    const HANDLE back = WordToHandle(HandleToWord(event));
    EXPECT_EQ(event, back);
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(back, 0));
    CloseHandle(event);
}
