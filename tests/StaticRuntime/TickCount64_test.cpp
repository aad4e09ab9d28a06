// The 64-bit millisecond count made from the 32-bit one: carried past wraps, never going back.
#include "StaticRuntime/TickCount64.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <vector>

namespace {

using KyStaticRuntime::ExtendedTickCount;
using KyStaticRuntime::TickCountState;

const ULONGLONG kWrap = 0x100000000ull;

// The 32-bit count the tests feed in: the next value of a script, or a
// counter that every call moves on by one.
const std::vector<DWORD>* g_script = nullptr;
size_t g_next = 0;
volatile LONG g_counter = 0;

DWORD WINAPI ScriptedCount()
{
    return (*g_script)[g_next++];
}

DWORD WINAPI CountingCount()
{
    return static_cast<DWORD>(InterlockedIncrement(&g_counter));
}

struct Sequence {
    const char* name;
    std::vector<DWORD> counts;
    std::vector<ULONGLONG> expected;
};

class TickCount64Sequence : public ::testing::TestWithParam<Sequence> {};

TEST_P(TickCount64Sequence, GivesTheCountCarriedPastEachWrap)
{
    const Sequence& sequence = GetParam();
    g_script = &sequence.counts;
    g_next = 0;
    TickCountState state{};
    std::vector<ULONGLONG> got;
    for (size_t i = 0; i < sequence.counts.size(); ++i)
        got.push_back(ExtendedTickCount(state, &ScriptedCount));
    EXPECT_EQ(got, sequence.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, TickCount64Sequence,
    ::testing::Values(Sequence{"Rising", {5, 5, 1000, 0x7fffffff}, {5, 5, 1000, 0x7fffffff}},
                      Sequence{"OneWrap",
                               {0xfffffc00, 0xffffffff, 0, 300},
                               {0xfffffc00, 0xffffffff, kWrap, kWrap + 300}},
                      Sequence{"TwoWraps",
                               {0xf0000000, 0x10, 0xf0000000, 0x20},
                               {0xf0000000, kWrap + 0x10, kWrap + 0xf0000000, 2 * kWrap + 0x20}}),
    [](const ::testing::TestParamInfo<Sequence>& info) { return info.param.name; });

// Threads reading a count that wraps while they read: each 32-bit value is
// read once, so every extended value is distinct and the wrap is counted once.
struct Reader {
    TickCountState* state;
    std::vector<ULONGLONG> got;
};

DWORD WINAPI ReadMany(void* parameter)
{
    auto* reader = static_cast<Reader*>(parameter);
    for (auto& value : reader->got)
        value = ExtendedTickCount(*reader->state, &CountingCount);
    return 0;
}

TEST(TickCount64, ThreadsAcrossAWrapEachGetADistinctRisingCount)
{
    const int kThreads = 4;
    const size_t kReads = 100000;
    const LONG kStart = static_cast<LONG>(0xffffffff - 200000);
    g_counter = kStart;
    TickCountState state{};
    std::vector<Reader> readers(kThreads, Reader{&state, std::vector<ULONGLONG>(kReads)});
    std::vector<HANDLE> threads;
    for (auto& reader : readers)
        threads.push_back(CreateThread(nullptr, 0, &ReadMany, &reader, 0, nullptr));
    WaitForMultipleObjects(kThreads, threads.data(), TRUE, INFINITE);
    for (HANDLE thread : threads)
        CloseHandle(thread);

    std::vector<ULONGLONG> all;
    for (const auto& reader : readers) {
        EXPECT_TRUE(std::is_sorted(reader.got.begin(), reader.got.end()));
        all.insert(all.end(), reader.got.begin(), reader.got.end());
    }
    std::sort(all.begin(), all.end());
    const ULONGLONG first = static_cast<DWORD>(kStart) + 1ull;
    EXPECT_EQ(all.front(), first);
    EXPECT_EQ(all.back(), first + kThreads * kReads - 1);
    EXPECT_EQ(std::adjacent_find(all.begin(), all.end()), all.end());
}

} // namespace
