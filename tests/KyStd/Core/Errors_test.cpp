// Tests of the error exceptions, their codes and texts, the throw helpers and failed allocation.
#include "KyStd/Core/Errors.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <limits>
#include <string>

using namespace Kyvant;

namespace {

void ExpectCleanEnd(const std::string& text)
{
    ASSERT_FALSE(text.empty());
    char last = text.back();
    EXPECT_NE(last, '.') << text;
    EXPECT_NE(last, '\r') << text;
    EXPECT_NE(last, '\n') << text;
}

} // namespace

TEST(OsError, CaughtAsRuntimeErrorWithCodeAndCleanText)
{
    SetLastError(ERROR_FILE_NOT_FOUND);
    try {
        throw os_error();
    } catch (const std::runtime_error& e) {
        const os_error* oe = dynamic_cast<const os_error*>(&e);
        ASSERT_NE(oe, nullptr);
        EXPECT_EQ(oe->code(), 2u);
        ExpectCleanEnd(e.what());
    }
}

TEST(OsError, CodesWithAndWithoutSystemText)
{
    // 193 (bad executable format) has %1 inserts in its system text.
    for (unsigned long code : {2ul, 5ul, 87ul, 193ul, 1460ul}) {
        os_error e(code);
        EXPECT_EQ(e.code(), code);
        ExpectCleanEnd(e.what());
    }
    os_error unknown(0x2fffabcdul);
    EXPECT_STREQ(unknown.what(), "Unknown system error code 0x2fffabcd");
}

TEST(RtlError, CarriesErrnoAndItsText)
{
    rtl_error e(ENOENT);
    EXPECT_EQ(e.code(), ENOENT);
    EXPECT_STREQ(e.what(), std::strerror(ENOENT));
}

TEST(ThrowHelpers, ExactTexts)
{
    struct Case {
        std::function<void()> thrower;
        const char* text;
        bool logic;
    };
    const Case cases[] = {
        {[] { ThrowRuntimeError("a", "b"); }, "ab", false},
        {[] { ThrowRuntimeError("a", "b", "c"); }, "abc", false},
        {[] { ThrowLogicError("x", "y"); }, "xy", true},
        {[] { ThrowLogicError("x", "y", "z"); }, "xyz", true},
        {ky_ns_BlockManager::ThrowTSize, "BlockManager: sizeof(T) < sizeof(T*)", true},
        {ky_ns_BlockManager::ThrowBlockSize, "BlockManager: blockSize == 0", true},
        {ky_ns_BlockManager::ThrowBlockList, "BlockManager: init called after block was allocated",
         true},
    };
    for (const Case& c : cases) {
        try {
            c.thrower();
            ADD_FAILURE() << "no throw for " << c.text;
        } catch (const std::logic_error& e) {
            EXPECT_TRUE(c.logic) << c.text;
            EXPECT_STREQ(e.what(), c.text);
        } catch (const std::runtime_error& e) {
            EXPECT_FALSE(c.logic) << c.text;
            EXPECT_STREQ(e.what(), c.text);
        }
    }
}

TEST(Allocation, FailureIsBadAllocWithItsText)
{
    // More than any process can have at once, with 32- or 64-bit pointers.
    const size_t unallocatable = std::numeric_limits<size_t>::max() - 0xFFFF;
    try {
        xmalloc(unallocatable);
        FAIL() << "allocation of " << unallocatable << " bytes succeeded";
    } catch (const std::bad_alloc& e) {
        EXPECT_STREQ(e.what(), "bad allocation");
    }
    char* copy = xstrdup("abc");
    EXPECT_STREQ(copy, "abc");
    free(copy);
    char* newCopy = strnewdup("xyz");
    EXPECT_STREQ(newCopy, "xyz");
    delete[] newCopy;
}
