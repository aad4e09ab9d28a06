// HGLOBAL_File: growth past the step, reading back through get, and handing the block out.
#include "KyGui/Shell/HGLOBALFile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

std::vector<BYTE> Pattern(unsigned n)
{
    std::vector<BYTE> data(n);
    for (unsigned i = 0; i < n; ++i)
        data[i] = static_cast<BYTE>(i * 7 + 3);
    return data;
}

TEST(HGLOBALFile, GrowsPastTheStepAndReadsBack)
{
    Kyvant::HGLOBAL_File file;
    const std::vector<BYTE> data = Pattern(5000);
    file.Write(data.data(), 1000);
    file.Write(data.data() + 1000, 4000);
    EXPECT_EQ(5000u, file.GetLength());
    ASSERT_NE(nullptr, file.get());
    EXPECT_EQ(0, memcmp(data.data(), file.get(), data.size()));
    file.SetFilePath("clip.bin");
    EXPECT_STREQ("clip.bin", static_cast<LPCSTR>(file.GetFilePath()));
}

TEST(HGLOBALFile, ReleasedBlockOutlivesTheFile)
{
    const std::vector<BYTE> data = Pattern(300);
    HGLOBAL block = nullptr;
    {
        Kyvant::HGLOBAL_File file;
        file.Write(data.data(), static_cast<UINT>(data.size()));
        block = file.release();
        EXPECT_EQ(0u, file.GetLength());
        EXPECT_EQ(nullptr, file.get());
    }
    ASSERT_NE(nullptr, block);
    ASSERT_GE(::GlobalSize(block), data.size());
    const BYTE* bytes = static_cast<const BYTE*>(::GlobalLock(block));
    EXPECT_EQ(0, memcmp(data.data(), bytes, data.size()));
    ::GlobalUnlock(block);
    EXPECT_EQ(nullptr, ::GlobalFree(block));
}

} // namespace
