#include "KyStd/VirtualBuffer.h"
#include "KyStd/VirtualLinearHeap.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <new>
#include <stdexcept>
#include <string>

using namespace Kyvant;

namespace {

template <class Fn>
std::string InvalidArgumentText(Fn fn)
{
    try {
        fn();
    } catch (const std::invalid_argument& e) {
        return e.what();
    }
    return "<no invalid_argument>";
}

} // namespace

TEST(VirtualBuffer, LimitsAndTheirTexts)
{
    const unsigned page = VirtualBuffer::PageSize();
    ASSERT_GT(page, 0u);
    ASSERT_EQ(page & (page - 1), 0u);

    EXPECT_EQ(InvalidArgumentText([] { VirtualBuffer b(0, 0); }),
              "VirtualBuffer: Invalid max size.");

    VirtualBuffer def;
    EXPECT_EQ(def.GetMaxSize(), 0x100000u);
    EXPECT_FALSE(def.IsReserved());
    EXPECT_EQ(InvalidArgumentText([&] { def.SetSize(0x100001); }),
              "VirtualBuffer: Requested size exceeds maximum.");
    EXPECT_FALSE(def.IsReserved());

    // The initial size wins over a smaller maximum; everything is rounded to pages.
    VirtualBuffer b(page + 1, 100);
    EXPECT_EQ(b.GetMaxSize(), page + 1);
    EXPECT_EQ(b.GetSize(), page + 1);
    EXPECT_EQ(b.GetReserved(), 2 * page);
    EXPECT_EQ(b.GetCommitted(), 2 * page);
    EXPECT_NO_THROW(b.SetSize(page + 1));
    EXPECT_THROW(b.SetSize(page + 2), std::invalid_argument);
}

TEST(VirtualBuffer, GrowsAndShrinksInPlaceKeepingData)
{
    const unsigned page = VirtualBuffer::PageSize();
    VirtualBuffer b(0, 16 * page, true);
    ASSERT_TRUE(b.IsReserved());
    EXPECT_EQ(b.GetCommitted(), 0u);
    char* base = static_cast<char*>(b.GetBase());

    b.SetSize(10);
    EXPECT_EQ(b.GetCommitted(), page);
    std::memcpy(base, "0123456789", 10);

    b.SetSize(10 * page);
    EXPECT_EQ(b.GetBase(), base);
    EXPECT_EQ(b.GetCommitted(), 10 * page);
    base[10 * page - 1] = 'z';
    EXPECT_EQ(std::memcmp(base, "0123456789", 10), 0);

    b.SetSize(page + 1);
    EXPECT_EQ(b.GetCommitted(), 2 * page);
    EXPECT_EQ(std::memcmp(base, "0123456789", 10), 0);

    b.SetSize(0);
    EXPECT_EQ(b.GetCommitted(), 0u);
    EXPECT_EQ(b.GetBase(), base);
}

TEST(VirtualBuffer, CopyTakesOnlyTheLimits)
{
    VirtualBuffer b(100, 5000);
    VirtualBuffer c(b);
    EXPECT_EQ(c.GetMaxSize(), 5000u);
    EXPECT_FALSE(c.IsReserved());
    EXPECT_EQ(c.GetSize(), 0u);
    c.SetSize(200);
    EXPECT_NE(c.GetBase(), b.GetBase());
}

TEST(VirtualBuffer, SizesPastThirtyTwoBitsAreAllocationFailures)
{
    // The maximum rounded up to whole pages does not fit in 32 bits.
    EXPECT_THROW(VirtualBuffer(0, 0xFFFFFFFFu, true), std::bad_alloc);
    VirtualBuffer lazy(0, 0xFFFFFFFFu);
    EXPECT_THROW(lazy.SetSize(1), std::bad_alloc);
    EXPECT_FALSE(lazy.IsReserved());
}

TEST(VirtualLinearHeap, AlignmentPadsEachAllocation)
{
    struct Row {
        unsigned alignment;
        unsigned sizes[4];
        unsigned offsets[4];
    } rows[] = {
        {8, {1, 9, 0, 8}, {0, 8, 24, 32}},
        {1, {1, 9, 0, 3}, {0, 1, 10, 11}},
        {16, {17, 1, 16, 0}, {0, 32, 48, 64}},
    };
    for (const Row& r : rows) {
        VirtualLinearHeap heap(0, 0x10000, r.alignment);
        for (int i = 0; i < 4; ++i) {
            char* p = static_cast<char*>(heap.allocate(r.sizes[i]));
            char* base = static_cast<char*>(heap.GetBuffer().GetBase());
            EXPECT_EQ(static_cast<unsigned>(p - base), r.offsets[i])
                << "alignment " << r.alignment << " item " << i;
            EXPECT_EQ(reinterpret_cast<std::uintptr_t>(p) % r.alignment, 0u);
        }
    }
    for (unsigned bad : {0u, 3u, 12u})
        EXPECT_THROW(VirtualLinearHeap(0, 4096, bad), std::invalid_argument) << bad;
}

TEST(VirtualLinearHeap, StrdupCallocAndFlatten)
{
    const unsigned page = VirtualBuffer::PageSize();
    VirtualLinearHeap heap(0, 8 * page, 4);
    char* s = heap.strdup("hello");
    EXPECT_STREQ(s, "hello");
    EXPECT_THROW(heap.strdup(nullptr), std::invalid_argument);

    unsigned char* dirty = static_cast<unsigned char*>(heap.allocate(3 * page));
    std::memset(dirty, 0xAB, 3 * page);
    EXPECT_EQ(heap.GetBuffer().GetCommitted(), 4 * page);

    // Without shrinking the memory is reused as it is; calloc still zeroes it.
    heap.flatten(false, false);
    EXPECT_EQ(heap.GetOffset(), 0u);
    EXPECT_EQ(heap.GetBuffer().GetCommitted(), 4 * page);
    unsigned char* z = static_cast<unsigned char*>(heap.calloc(page, 2));
    EXPECT_EQ(static_cast<void*>(z), static_cast<void*>(s));
    for (unsigned i = 0; i < 2 * page; ++i)
        ASSERT_EQ(z[i], 0) << i;

    heap.flatten(true, false);
    EXPECT_EQ(heap.GetBuffer().GetCommitted(), page);
    heap.flatten(true, true);
    EXPECT_EQ(heap.GetBuffer().GetCommitted(), 0u);
    EXPECT_EQ(heap.allocate(1), static_cast<void*>(s));
}

TEST(VirtualLinearHeap, OverflowAndExhaustionLoseNothing)
{
    VirtualLinearHeap heap(0, 4096, 8);
    void* first = heap.allocate(4000);
    ASSERT_NE(first, nullptr);

    EXPECT_THROW(heap.allocate(0xFFFFFFFFu), std::bad_alloc);    // rounding overflows
    EXPECT_THROW(heap.calloc(0x10000, 0x10001), std::bad_alloc); // count x size overflows
    EXPECT_THROW(heap.allocate(200), std::invalid_argument);     // past the maximum
    EXPECT_EQ(heap.GetOffset(), 4000u);
    EXPECT_EQ(static_cast<char*>(heap.allocate(96)), static_cast<char*>(first) + 4000);
}
