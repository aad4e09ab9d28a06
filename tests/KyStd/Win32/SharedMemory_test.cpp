// Tests of shared memory: sizes in whole pages, blocks too large to count, a child sees our bytes.
#include "ChildProgram.h"
#include "KyStd/Processes/Process.h"
#include "KyStd/Win32/SharedMemory.h"

#include <gtest/gtest.h>
#include <process.h>

#include <cstring>

using namespace Kyvant;
using namespace Kyvant::Win32;

TEST(SharedMemoryTest, SizeIsTheMappedRegionInWholePages)
{
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    const unsigned page = info.dwPageSize;
    struct {
        unsigned request, expected;
    } cases[] = {{0, page}, {1024, page}, {page + 1, 2 * page}, {65536, 65536}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.request);
        SharedMemory shm(KyCreate, c.request, nullptr);
        EXPECT_EQ(shm.GetSize(), c.expected);
        EXPECT_EQ(static_cast<char*>(shm.GetEnd()) - static_cast<char*>(shm.GetBegin()),
                  static_cast<ptrdiff_t>(c.expected));
        static_cast<char*>(shm.GetEnd())[-1] = 'x'; // the whole region is usable
    }
}

TEST(SharedMemoryTest, OpeningABlockPastFourGigabytesIsRefused)
{
    if (sizeof(void*) < 8)
        GTEST_SKIP() << "only a 64-bit process maps a block past 4 GB";
    const std::string name = KyTest::UniqueName("shm_huge");
    const DWORD kHigh = 1, kLow = 65536; // 4 GB and 64 KB
    const HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, kHigh,
                                              kLow, name.c_str());
    if (mapping == nullptr)
        GTEST_SKIP() << "no room for a block past 4 GB";
    unsigned long code = 0;
    try {
        SharedMemory opened(name.c_str());
        ADD_FAILURE() << "opened with size " << opened.GetSize();
    } catch (const os_error& e) {
        code = e.code();
    }
    EXPECT_EQ(static_cast<unsigned long>(ERROR_ARITHMETIC_OVERFLOW), code);
    CloseHandle(mapping);
}

TEST(SharedMemoryTest, ChildSeesTheParentsBytes)
{
    std::string name = KyTest::UniqueName("shm_child");
    SharedMemory copy(KyCreate, 64, (name + "_other").c_str());
    {
        // The last copy keeps the mapping alive.
        SharedMemory created(KyCreate, 1024, name.c_str());
        copy = created;
    }
    std::strcpy(static_cast<char*>(copy.GetBegin()), "hello_from_the_parent");

    struct {
        const char* text;
        DWORD expected;
    } cases[] = {{"hello_from_the_parent", 0}, {"something_else", 1}};
    for (const auto& c : cases) {
        const char* argv[] = {"os_child.exe", "readshm", name.c_str(), c.text, nullptr};
        CRT::Process child;
        child.Spawn(_P_WAIT, "os_child.exe", argv);
        DWORD code = 99;
        child.GetExitCode(code);
        EXPECT_EQ(code, c.expected) << c.text;
    }
}
