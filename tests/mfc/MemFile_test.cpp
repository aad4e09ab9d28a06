// Memory files: growth in steps, a growth policy of a subclass, global blocks handed out and taken over.
#include "TestApp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const UINT kSharedFlags = 0x2002;  // movable and shareable
const UINT kGrowStep = 4096;

// Grows to at least twice the block, as a file-drop builder does; the growth itself is the base's.
class CDoublingSharedFile : public CSharedFile
{
public:
    CDoublingSharedFile() : CSharedFile(kSharedFlags, kGrowStep) {}
    std::vector<DWORD> m_requests;
    DWORD BufferSize() const { return m_nBufferSize; }

protected:
    void GrowFile(DWORD dwNewLen) override
    {
        m_requests.push_back(dwNewLen);
        if (dwNewLen > m_nBufferSize && m_nBufferSize < 0x7FFFFFFF && dwNewLen < 2 * m_nBufferSize)
            dwNewLen = 2 * m_nBufferSize;
        CSharedFile::GrowFile(dwNewLen);
    }
};

std::string Pattern(size_t n)
{
    std::string s(n, '\0');
    for (size_t i = 0; i < n; ++i)
        s[i] = static_cast<char>('a' + i % 26);
    return s;
}

TEST(SharedFile, GrowsPastItsStepAndHandsOutAnUnlockedBlock)
{
    std::string bytes = Pattern(5000);
    CDoublingSharedFile file;
    file.Write(bytes.data(), 3000);
    file.Write(bytes.data() + 3000, 2000);
    EXPECT_EQ(5000u, file.GetLength());
    EXPECT_GT(file.BufferSize(), 4096u);
    EXPECT_GE(file.m_requests.size(), 2u);

    HGLOBAL hMem = file.Detach();
    ASSERT_NE(nullptr, hMem);
    EXPECT_EQ(0u, ::GlobalFlags(hMem) & GMEM_LOCKCOUNT);
    EXPECT_GE(::GlobalSize(hMem), 5000u);
    const char* p = static_cast<const char*>(::GlobalLock(hMem));
    ASSERT_NE(nullptr, p);
    EXPECT_EQ(bytes, std::string(p, 5000));
    ::GlobalUnlock(hMem);
    EXPECT_EQ(0u, file.GetLength());
    ::GlobalFree(hMem);  // the file no longer owns it
}

TEST(SharedFile, RefusesABlockLargerThanAFileCanCount)
{
    if (sizeof(void*) < 8)
        GTEST_SKIP() << "only a 64-bit process has a block past 4 GB";
    const SIZE_T kPastFourGigabytes = static_cast<SIZE_T>(MAXDWORD) + 17;
    HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE, kPastFourGigabytes);
    if (hMem == nullptr)
        GTEST_SKIP() << "no room for a block past 4 GB";
    CSharedFile file;
    bool refused = false;
    try {
        file.SetHandle(hMem, FALSE);
    } catch (CMemoryException* e) {
        refused = true;
        e->Delete();
    }
    EXPECT_TRUE(refused);
    EXPECT_EQ(0u, file.GetLength());
    EXPECT_EQ(nullptr, file.Detach());  // the block stayed the caller's, unlocked
    EXPECT_EQ(0u, ::GlobalFlags(hMem) & GMEM_LOCKCOUNT);
    ::GlobalFree(hMem);
}

struct SeekCase
{
    LONG offset;
    UINT from;
    LONG position;
};

TEST(MemFile, SeeksReadsAndRefusesToGrowWithoutAStep)
{
    CMemFile file(16);
    file.Write("abcdefghij", 10);
    const SeekCase cases[] = { { 2, CFile::begin, 2 }, { 3, CFile::current, 5 }, { -1, CFile::end, 9 } };
    for (const SeekCase& c : cases)
        EXPECT_EQ(c.position, file.Seek(c.offset, c.from));
    char buffer[8] = "";
    EXPECT_EQ(1u, file.Read(buffer, 4));
    EXPECT_EQ('j', buffer[0]);
    bool badSeek = false;
    try {
        file.Seek(-20, CFile::current);
    } catch (CFileException* e) {
        badSeek = e->m_cause == CFileException::badSeek;
        e->Delete();
    }
    EXPECT_TRUE(badSeek);

    BYTE fixed[4] = {};
    CMemFile attached(fixed, sizeof fixed);
    attached.Write("wxyz", 4);
    bool outOfMemory = false;
    try {
        attached.Write("!", 1);
    } catch (CMemoryException* e) {
        outOfMemory = true;
        e->Delete();
    }
    EXPECT_TRUE(outOfMemory);
    EXPECT_EQ('w', fixed[0]);
}

}  // namespace
