// Tests of the virtual buffer and linear heap: limits, growth in place, alignment, exhaustion.
#include "KyStd/Win32/VirtualBuffer.h"
#include "KyStd/Win32/VirtualLinearHeap.h"

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
    EXPECT_EQ(InvalidArgumentText([] { VirtualBuffer b(0, 0); }),
              "VirtualBuffer: Invalid max size.");
    VirtualBuffer def;
    EXPECT_EQ(InvalidArgumentText([&] { def.SetSize(0x100001); }),
              "VirtualBuffer: Requested size exceeds maximum.");
    EXPECT_FALSE(def.IsReserved());

    // The initial size wins over a smaller maximum; the range is whole pages.
    VirtualBuffer b(page + 1, 100);
    EXPECT_EQ(b.GetMaxSize(), page + 1);
    EXPECT_EQ(b.GetReserved(), 2 * page);
    EXPECT_EQ(b.GetCommitted(), 2 * page);
    EXPECT_THROW(b.SetSize(page + 2), std::invalid_argument);
    VirtualBuffer copy(b); // only the limits
    EXPECT_EQ(copy.GetMaxSize(), page + 1);
    EXPECT_FALSE(copy.IsReserved());

    // The maximum rounded up to whole pages does not fit in 32 bits.
    EXPECT_THROW(VirtualBuffer(0, 0xFFFFFFFFu, true), std::bad_alloc);
    VirtualBuffer lazy(0, 0xFFFFFFFFu);
    EXPECT_THROW(lazy.SetSize(1), std::bad_alloc);
}

TEST(VirtualBuffer, GrowsAndShrinksInPlaceKeepingData)
{
    const unsigned page = VirtualBuffer::PageSize();
    VirtualBuffer b(0, 16 * page, true);
    EXPECT_EQ(b.GetCommitted(), 0u);
    char* base = static_cast<char*>(b.GetBase());
    b.SetSize(10);
    std::memcpy(base, "0123456789", 10);
    struct Step {
        unsigned size, committed;
    } steps[] = {{10 * page, 10 * page}, {page + 1, 2 * page}, {1, page}, {0, 0}};
    for (const Step& s : steps) {
        b.SetSize(s.size);
        EXPECT_EQ(b.GetBase(), base);
        EXPECT_EQ(b.GetCommitted(), s.committed) << s.size;
        if (s.size >= 10) {
            EXPECT_EQ(std::memcmp(base, "0123456789", 10), 0);
            base[s.size - 1] = 'z';
        }
    }
}

TEST(VirtualLinearHeap, AlignmentPadsEachAllocation)
{
    struct Row {
        unsigned alignment, sizes[4], offsets[4];
    } rows[] = {{8, {1, 9, 0, 8}, {0, 8, 24, 32}},
                {1, {1, 9, 0, 3}, {0, 1, 10, 11}},
                {16, {17, 1, 16, 0}, {0, 32, 48, 64}}};
    for (const Row& r : rows) {
        VirtualLinearHeap heap(0, 0x10000, r.alignment);
        for (int i = 0; i < 4; ++i) {
            char* p = static_cast<char*>(heap.allocate(r.sizes[i]));
            EXPECT_EQ(static_cast<unsigned>(p - static_cast<char*>(heap.GetBuffer().GetBase())),
                      r.offsets[i])
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
    std::memset(heap.allocate(3 * page), 0xAB, 3 * page);

    // Without shrinking the memory is reused as it is; calloc still zeroes it.
    heap.flatten(false, false);
    EXPECT_EQ(heap.GetBuffer().GetCommitted(), 4 * page);
    unsigned char* z = static_cast<unsigned char*>(heap.calloc(page, 2));
    EXPECT_EQ(static_cast<void*>(z), static_cast<void*>(s));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(z), 2 * page), std::string(2 * page, '\0'));

    heap.flatten(true, false);
    EXPECT_EQ(heap.GetBuffer().GetCommitted(), page);
    heap.flatten(true, true);
    EXPECT_EQ(heap.GetBuffer().GetCommitted(), 0u);
    EXPECT_EQ(heap.allocate(1), static_cast<void*>(s));
}

TEST(VirtualLinearHeap, OverflowAndExhaustionLoseNothing)
{
    VirtualLinearHeap heap(0, 4096, 8);
    char* first = static_cast<char*>(heap.allocate(4000));
    EXPECT_THROW(heap.allocate(0xFFFFFFFFu), std::bad_alloc);    // rounding overflows
    EXPECT_THROW(heap.calloc(0x10000, 0x10001), std::bad_alloc); // count x size overflows
    EXPECT_THROW(heap.allocate(200), std::invalid_argument);     // past the maximum
    EXPECT_EQ(heap.GetOffset(), 4000u);
    EXPECT_EQ(static_cast<char*>(heap.allocate(96)), first + 4000);
}
