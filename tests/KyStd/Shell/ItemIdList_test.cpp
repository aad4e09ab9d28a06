// Tests of item-ID list arithmetic: counts, sizes, next items, joins and copies.
#include "KyStd/Shell/Co.h"
#include "KyStd/Shell/ItemIdList.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

using namespace Kyvant;

namespace {

// An item-ID list in memory from item sizes; item i is filled with 'a' + i.
std::vector<BYTE> MakeList(std::initializer_list<USHORT> sizes)
{
    std::vector<BYTE> bytes;
    BYTE fill = 'a';
    for (USHORT cb : sizes) {
        size_t at = bytes.size();
        bytes.resize(at + cb, fill++);
        std::memcpy(&bytes[at], &cb, sizeof cb);
    }
    bytes.resize(bytes.size() + 2, 0);
    return bytes;
}

LPITEMIDLIST Pidl(std::vector<BYTE>& bytes)
{
    return reinterpret_cast<LPITEMIDLIST>(bytes.data());
}

std::vector<BYTE> BytesOf(LPCITEMIDLIST pidl)
{
    auto p = reinterpret_cast<const BYTE*>(pidl);
    return std::vector<BYTE>(p, p + Shell::Size(pidl));
}

using ShellPtr = std::unique_ptr<ITEMIDLIST, Shell::MallocDeleter>;

} // namespace

TEST(ItemIdList, CountSizeAndNext)
{
    auto empty = MakeList({});
    auto one = MakeList({20});
    auto three = MakeList({5, 20, 3});
    const struct {
        LPCITEMIDLIST pidl;
        unsigned count, size;
    } cases[] = {{nullptr, 0, 0}, {Pidl(empty), 0, 2}, {Pidl(one), 1, 22}, {Pidl(three), 3, 30}};
    for (const auto& c : cases) {
        EXPECT_EQ(c.count, Shell::Count(c.pidl)) << c.size;
        EXPECT_EQ(c.size, Shell::Size(c.pidl));
    }
    auto at = [&](int offset) { return reinterpret_cast<LPITEMIDLIST>(three.data() + offset); };
    EXPECT_EQ(at(5), Shell::Next(at(0)));
    EXPECT_EQ(at(25), Shell::Next(at(5)));
    EXPECT_EQ(nullptr, Shell::Next(at(25))) << "the last item has no next";
    EXPECT_EQ(nullptr, Shell::Next(at(28))) << "nor has the terminator";
    EXPECT_EQ(nullptr, Shell::Next(nullptr));
}

TEST(ItemIdList, JoinAndDup)
{
    auto a = MakeList({4, 6});
    auto b = MakeList({3});
    auto empty = MakeList({});
    std::vector<BYTE> ab = MakeList({4, 6, 3});
    std::memcpy(&ab[10], &b[0], 3); // b's item keeps its own fill byte

    const struct {
        LPCITEMIDLIST a, b;
        std::vector<BYTE> expected;
    } joins[] = {
        {nullptr, Pidl(b), b},     {Pidl(a), nullptr, a},     {Pidl(a), Pidl(b), ab},
        {Pidl(empty), Pidl(b), b}, {nullptr, nullptr, empty},
    };
    for (const auto& j : joins) {
        ShellPtr joined(Shell::Join(j.a, j.b));
        EXPECT_EQ(j.expected, BytesOf(joined.get()));
        EXPECT_EQ(1, Shell::GetShellMalloc()->DidAlloc(joined.get()));
    }

    EXPECT_EQ(nullptr, Shell::Dup(nullptr));
    ShellPtr copy(Shell::Dup(Pidl(a)));
    EXPECT_NE(Pidl(a), copy.get());
    EXPECT_EQ(a, BytesOf(copy.get()));

    LPITEMIDLIST viaTask = Shell::Join(Co::GetIMalloc(), Pidl(a), Pidl(b));
    EXPECT_EQ(ab, BytesOf(viaTask));
    Co::IMallocDeleter()(viaTask);
}
