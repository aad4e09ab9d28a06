// Handle words: the same 32 bits from a handle on either width, widened back
// with the sign as the system widens a 32-bit process's handles.
#include "KyStd/Core/HandleWords.h"

#include <gtest/gtest.h>

#include <cstdint>

using namespace Kyvant;

namespace {

struct WordCase {
    const char* what;
    HandleWord word;
    std::int64_t handle; // the handle's value, as a signed number
    const char* decimal;
};

const WordCase kWordCases[] = {
    {"null", 0u, 0, "0"},
    {"a small handle", 0x1234u, 0x1234, "4660"},
    {"the highest positive word", 0x7FFFFFFFu, 0x7FFFFFFF, "2147483647"},
    {"the high bit", 0x80000000u, -0x7FFFFFFF - 1, "2147483648"},
    {"INVALID_HANDLE_VALUE", 0xFFFFFFFFu, -1, "4294967295"},
    {"the current-thread pseudo handle", 0xFFFFFFFEu, -2, "4294967294"},
};

std::int64_t ValueOf(HANDLE handle)
{
    return static_cast<std::int64_t>(reinterpret_cast<INT_PTR>(handle));
}

} // namespace

TEST(HandleWords, WordsWidenWithTheirSignAndCutBackToTheSameWord)
{
    for (const WordCase& c : kWordCases) {
        SCOPED_TRACE(c.what);
        const HANDLE handle = WordToHandle(c.word);
        EXPECT_EQ(c.handle, ValueOf(handle));
        EXPECT_EQ(c.word, HandleToWord(handle));
        EXPECT_EQ(c.handle, ValueOf(WordToWindow(c.word)));
        EXPECT_EQ(c.word, WindowToWord(WordToWindow(c.word)));
        EXPECT_EQ(c.decimal, HandleToDecimal(handle));
    }
    EXPECT_EQ(INVALID_HANDLE_VALUE, WordToHandle(0xFFFFFFFFu));
}

// A message's lParam arrives sign-extended from a 32-bit sender, or as a
// 64-bit sender made it; only its low 32 bits name the handle.
TEST(HandleWords, LParamsCarryTheWordWhateverTheSendersWidth)
{
    for (const WordCase& c : kWordCases) {
        SCOPED_TRACE(c.what);
        const HANDLE handle = WordToHandle(c.word);
        const LPARAM sent = HandleToLParam(handle);
        EXPECT_EQ(static_cast<LPARAM>(static_cast<std::int32_t>(c.word)), sent);
        EXPECT_EQ(handle, LParamToHandle(sent));
        const LPARAM zeroExtended = static_cast<LPARAM>(static_cast<UINT_PTR>(c.word));
        EXPECT_EQ(handle, LParamToHandle(zeroExtended));
    }
}

TEST(HandleWords, ARealHandleStillWorksAfterTheRoundTrip)
{
    const HANDLE event = CreateEventA(nullptr, TRUE, TRUE, nullptr);
    ASSERT_NE(nullptr, event);
    const HANDLE back = WordToHandle(HandleToWord(event));
    EXPECT_EQ(event, back);
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(back, 0));
    EXPECT_EQ(event, LParamToHandle(HandleToLParam(event)));
    CloseHandle(event);
}
