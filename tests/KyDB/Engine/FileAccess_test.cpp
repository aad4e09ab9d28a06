// The Win32 file operations: short transfers, sizes, lock retries.
#include "KyDB/Engine/FileAccess.h"
#include "KyDBTestSupport.h"

#include <gtest/gtest.h>
#include <windows.h>

using namespace Kyvant;
using namespace KyDBTest;

namespace {

struct TestFile {
    FileHandle h;
    explicit TestFile(const std::string& path) : h(FileAccess().Open(path.c_str(), true, true)) {}
    ~TestFile()
    {
        if (h != kNoFile)
            FileAccess().Close(h);
    }
};

} // namespace

TEST(FileAccess, ShortAndMisplacedTransfersFail)
{
    ScratchDir dir;
    const std::string path = dir.Path("ten.bin");
    WriteAll(path, std::vector<std::uint8_t>(10, 7));
    TestFile f(path);
    ASSERT_NE(f.h, kNoFile);
    std::uint8_t buf[16] = {};
    EXPECT_EQ(FileAccess().ReadAt(f.h, 0, 10, buf), 1);
    SetLastOsError(0);
    EXPECT_EQ(FileAccess().ReadAt(f.h, 4, 8, buf), -1);
    EXPECT_EQ(LastOsError(), kShortTransferError);
    EXPECT_EQ(FileAccess().ReadBlock(f.h, 1, 8, buf), -1);
    EXPECT_EQ(FileAccess().WriteAt(f.h, -2, 1, buf), -1);
    EXPECT_NE(LastOsError(), 0u);
    // Block offsets beyond the signed 32-bit range are refused, not wrapped.
    EXPECT_EQ(FileAccess().WriteBlock(f.h, 0x01000000, 512, buf), -1);
    std::uint32_t size = 0;
    EXPECT_EQ(FileAccess().Size(f.h, &size), 1);
    EXPECT_EQ(size, 10u);
}

TEST(FileAccess, SizeOfAllOnesIsNoFailure)
{
    ScratchDir dir;
    const std::string path = dir.Path("big.bin");
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0,
                           nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    LONG high = 0;
    SetLastError(0);
    DWORD low = SetFilePointer(h, static_cast<LONG>(0xFFFFFFFF), &high, FILE_BEGIN);
    bool made = low == 0xFFFFFFFF && GetLastError() == 0 && SetEndOfFile(h);
    CloseHandle(h);
    if (!made)
        GTEST_SKIP() << "file system cannot hold a 4 GB file";
    TestFile f(path);
    ASSERT_NE(f.h, kNoFile);
    SetLastError(ERROR_ACCESS_DENIED); // a stale error must not count
    std::uint32_t size = 0;
    EXPECT_EQ(FileAccess().Size(f.h, &size), 1);
    EXPECT_EQ(size, 0xFFFFFFFFu);
}

TEST(FileAccess, LockRetriesUntilGiveUpTime)
{
    ScratchDir dir;
    const std::string path = dir.Path("lock.bin");
    WriteAll(path, std::vector<std::uint8_t>(64, 0));
    TestFile holder(path), other(path);
    ASSERT_EQ(FileAccess().Lock(holder.h, 10, 4, 1, 0, 0), 1);
    struct Case {
        int tries, pause, giveUp;
        DWORD atLeast, below;
    } cases[] = {
        {1, 1000, 10000, 0, 1000},  // one attempt, no pause
        {3, 100, 10000, 200, 5000}, // tries run out first (not the give-up time)
        {250, 50, 300, 300, 5000},  // the give-up time ends it (not 250 pauses)
    };
    for (const Case& c : cases) {
        DWORD start = GetTickCount();
        EXPECT_EQ(FileAccess().Lock(other.h, 12, 1, c.tries, c.pause, c.giveUp), -1);
        DWORD took = GetTickCount() - start;
        EXPECT_GE(took + 20, c.atLeast) << c.tries;
        EXPECT_LT(took, c.below) << c.tries;
    }
    EXPECT_EQ(FileAccess().Lock(other.h, 14, 1, 1, 0, 0), 1); // next to the held range
    EXPECT_EQ(FileAccess().Unlock(holder.h, 10, 4), 1);
    EXPECT_EQ(FileAccess().Lock(other.h, 10, 4, 1, 0, 0), 1);
    EXPECT_EQ(FileAccess().Unlock(holder.h, 10, 4), -1); // not the holder any more
}
