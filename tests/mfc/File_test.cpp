// Files: MFC's share modes between two opens, failures that name the file, and streams closed through CFile*.
#include "TestApp.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

std::string TempPath(const char* name)
{
    char folder[MAX_PATH];
    ::GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
    file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    file.Close();
}

struct ShareCase
{
    UINT first;
    UINT second;
    bool secondOpens;
};

TEST(File, ShareModesDecideWhetherASecondOpenSucceeds)
{
    const UINT kExclusiveCreate = 0x9091;  // binary, create, no inherit, exclusive, write
    const UINT kDenyWriteRead = 0x80A0;    // binary, no inherit, deny write, read
    const ShareCase cases[] = {
        { kExclusiveCreate, CFile::modeRead | CFile::shareDenyNone, false },
        { kExclusiveCreate, CFile::modeWrite | CFile::shareDenyNone, false },
        { kExclusiveCreate, kDenyWriteRead, false },
        { kDenyWriteRead, CFile::modeRead | CFile::shareDenyNone, true },
        { kDenyWriteRead, kDenyWriteRead, true },
        { kDenyWriteRead, CFile::modeWrite | CFile::shareDenyNone, false },
        { kDenyWriteRead, CFile::modeReadWrite | CFile::shareDenyNone, false },
    };
    std::string path = TempPath("kymfc-share.bin");
    for (const ShareCase& c : cases) {
        WriteBytes(path, "data");
        CFile first;
        ASSERT_TRUE(first.Open(path.c_str(), c.first)) << std::hex << c.first;
        CFile second;
        CFileException e;
        EXPECT_EQ(c.secondOpens, second.Open(path.c_str(), c.second, &e) != FALSE) << std::hex << c.first << " " << c.second;
        if (!c.secondOpens) {
            EXPECT_EQ(CFileException::sharingViolation, e.m_cause);
        }
        if (c.first == kDenyWriteRead && c.secondOpens) {
            char buffer[8] = "";
            EXPECT_EQ(4u, second.Read(buffer, sizeof buffer));
            EXPECT_STREQ("data", buffer);
        }
    }
    CFile::Remove(path.c_str());
}

TEST(File, FailedOpenGivesAnExceptionNamingTheFile)
{
    std::string path = TempPath("kymfc-missing\\nothing.dat");
    CFile file;
    CFileException e;
    ASSERT_FALSE(file.Open(path.c_str(), CFile::modeRead, &e));
    EXPECT_EQ(CFileException::badPath, e.m_cause);
    EXPECT_EQ(static_cast<LONG>(ERROR_PATH_NOT_FOUND), e.m_lOsError);
    char message[512] = "";
    ASSERT_TRUE(e.GetErrorMessage(message, sizeof message));
    EXPECT_NE(std::string::npos, std::string(message).find(path)) << message;

    bool thrown = false;
    try {
        CFile missing(TempPath("kymfc-not-there.dat").c_str(), CFile::modeRead);
    } catch (CFileException* pe) {
        thrown = true;
        EXPECT_EQ(CFileException::fileNotFound, pe->m_cause);
        pe->GetErrorMessage(message, sizeof message);
        EXPECT_NE(std::string::npos, std::string(message).find("kymfc-not-there.dat")) << message;
        pe->Delete();
    }
    EXPECT_TRUE(thrown);
}

HANDLE HandleIn(const CFile& file)
{
    return reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(file.m_hFile));
}

// The handle field holds the system's handle whole: no file is INVALID_HANDLE_VALUE,
// an open file's handle (and its duplicate's) names the file.
TEST(File, HandleFieldHoldsTheSystemsHandle)
{
    const CFile closed;
    EXPECT_EQ(INVALID_HANDLE_VALUE, HandleIn(closed));
    const CFile fromNull(CFile::hFileNull);
    EXPECT_EQ(INVALID_HANDLE_VALUE, HandleIn(fromNull));

    std::string path = TempPath("kymfc-handle.bin");
    WriteBytes(path, "data");
    {
        CFile file(path.c_str(), CFile::modeRead | CFile::shareDenyNone);
        EXPECT_EQ(static_cast<DWORD>(FILE_TYPE_DISK), ::GetFileType(HandleIn(file)));
        std::unique_ptr<CFile> copy(file.Duplicate());
        EXPECT_EQ(static_cast<DWORD>(FILE_TYPE_DISK), ::GetFileType(HandleIn(*copy)));
        file.Close();
        EXPECT_EQ(INVALID_HANDLE_VALUE, HandleIn(file));
    }
    CFile::Remove(path.c_str());
}

// Records how it was closed, then lets the stream close as usual.
class CLoggedStdioFile : public CStdioFile
{
public:
    std::vector<std::string> m_log;
    void Close() override
    {
        m_log.push_back("Close");
        CStdioFile::Close();
    }
    void Abort() override
    {
        m_log.push_back("Abort");
        CStdioFile::Abort();
    }
};

TEST(StdioFile, CloseAndAbortThroughCFileCloseTheStream)
{
    std::string path = TempPath("kymfc-stdio.txt");
    for (bool abort : { false, true }) {
        CLoggedStdioFile file;
        ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive));
        file.WriteString("first line\nsecond\n");
        CFile* pFile = &file;
        if (abort)
            pFile->Abort();
        else
            pFile->Close();
        EXPECT_EQ(std::vector<std::string>{ abort ? "Abort" : "Close" }, file.m_log);
        EXPECT_EQ(nullptr, file.m_pStream);
        EXPECT_EQ(static_cast<UINT_PTR>(CFile::hFileNull), file.m_hFile);

        // Closed for real: an exclusive open succeeds and reads the lines back.
        CStdioFile again;
        ASSERT_TRUE(again.Open(path.c_str(), CFile::modeRead | CFile::shareExclusive));
        CString line;
        ASSERT_TRUE(again.ReadString(line));
        EXPECT_STREQ("first line", line);
        ASSERT_TRUE(again.ReadString(line));
        EXPECT_STREQ("second", line);
        EXPECT_FALSE(again.ReadString(line));
        again.Close();
    }
    CFile::Remove(path.c_str());
}

TEST(StdioFile, LengthOfAStreamBeingReadKeepsItsPlace)
{
    std::string path = TempPath("kymfc-stdio-length.bin");
    {
        CStdioFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
        file.Write("0123456789", 10);
        EXPECT_EQ(10u, file.GetLength()) << "written bytes count";
        file.Close();
    }
    CStdioFile file(path.c_str(), CFile::modeRead | CFile::typeBinary);
    char head[4] = {};
    ASSERT_EQ(4u, file.Read(head, 4));
    EXPECT_EQ(10u, file.GetLength());
    EXPECT_EQ(4u, file.GetPosition());
    char rest[8] = {};
    ASSERT_EQ(6u, file.Read(rest, sizeof rest));
    EXPECT_EQ(std::string("456789"), std::string(rest, 6));
    file.Close();
    CFile::Remove(path.c_str());
}

TEST(File, SeekLengthAndReadAtTheEnd)
{
    std::string path = TempPath("kymfc-seek.bin");
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeReadWrite | CFile::typeBinary);
    file.Write("0123456789", 10);
    EXPECT_EQ(10u, file.GetLength());
    EXPECT_EQ(4, file.Seek(4, CFile::begin));
    char buffer[16] = "";
    EXPECT_EQ(6u, file.Read(buffer, sizeof buffer));
    EXPECT_STREQ("456789", buffer);
    EXPECT_EQ(0u, file.Read(buffer, sizeof buffer));
    file.SetLength(3);
    EXPECT_EQ(3u, file.GetLength());
    EXPECT_STREQ(path.c_str(), file.GetFilePath());
    EXPECT_STREQ("kymfc-seek.bin", file.GetFileName());
    file.Close();
    CFile::Remove(path.c_str());
}

}  // namespace
