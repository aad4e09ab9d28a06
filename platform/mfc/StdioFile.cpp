// CStdioFile: opening a stream on CFile's handle, and reading, writing and closing through the stream.
#include "AfxStdioFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <io.h>

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

namespace {

const int kLineChunk = 128;
const UINT kAccessMask = 0x0003;
const int kMaxMode = 4;

// The C run-time mode string for the access and type flags.
void ModeString(UINT nOpenFlags, char* mode)
{
    int n = 0;
    if (nOpenFlags & CFile::modeCreate)
        mode[n++] = (nOpenFlags & CFile::modeNoTruncate) ? 'a' : 'w';
    else if (nOpenFlags & CFile::modeWrite)
        mode[n++] = 'a';
    else
        mode[n++] = 'r';
    if (nOpenFlags & CFile::modeReadWrite)
        mode[n++] = '+';
    mode[n++] = (nOpenFlags & CFile::typeBinary) ? 'b' : 't';
    mode[n] = '\0';
}

int OsFlags(UINT nOpenFlags)
{
    int flags = (nOpenFlags & CFile::typeBinary) ? _O_BINARY : _O_TEXT;
    switch (nOpenFlags & kAccessMask) {
    case CFile::modeWrite:
        return flags | _O_WRONLY;
    case CFile::modeReadWrite:
        return flags | _O_RDWR;
    default:
        return flags | _O_RDONLY;
    }
}

}  // namespace

CStdioFile::CStdioFile() : m_pStream(nullptr) {}

CStdioFile::CStdioFile(FILE* pOpenStream)
    : CFile(static_cast<int>(_get_osfhandle(_fileno(pOpenStream)))), m_pStream(pOpenStream)
{
}

CStdioFile::CStdioFile(LPCSTR lpszFileName, UINT nOpenFlags) : CStdioFile()
{
    CFileException e;
    if (!Open(lpszFileName, nOpenFlags, &e))
        AfxThrowFileException(e.m_cause, e.m_lOsError, e.m_strFileName);
}

CStdioFile::~CStdioFile()
{
    if (m_pStream != nullptr && m_bCloseOnDelete)
        Abort();
}

BOOL CStdioFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    m_pStream = nullptr;
    if (!CFile::Open(lpszFileName, nOpenFlags & ~static_cast<UINT>(typeText), pError))
        return FALSE;
    char mode[kMaxMode];
    ModeString(nOpenFlags, mode);
    int fd = _open_osfhandle(static_cast<intptr_t>(m_hFile), OsFlags(nOpenFlags));
    if (fd != -1)
        m_pStream = _fdopen(fd, mode);
    if (m_pStream == nullptr) {
        int nErrno = errno;
        if (fd != -1)
            _close(fd);  // closes the handle too
        else
            CFile::Abort();
        m_hFile = static_cast<UINT_PTR>(hFileNull);
        m_bCloseOnDelete = FALSE;
        if (pError != nullptr) {
            pError->m_lOsError = nErrno;
            pError->m_cause = CFileException::ErrnoToException(nErrno);
            pError->m_strFileName = lpszFileName;
        }
        return FALSE;
    }
    return TRUE;
}

void CStdioFile::Close()
{
    int result = m_pStream != nullptr ? std::fclose(m_pStream) : 0;
    m_pStream = nullptr;
    m_hFile = static_cast<UINT_PTR>(hFileNull);  // fclose closed it
    m_bCloseOnDelete = FALSE;
    if (result != 0)
        AfxThrowFileException(CFileException::diskFull, errno, m_strFileName);
}

void CStdioFile::Abort()
{
    if (m_pStream != nullptr)
        std::fclose(m_pStream);
    m_pStream = nullptr;
    m_hFile = static_cast<UINT_PTR>(hFileNull);
    m_bCloseOnDelete = FALSE;
}

void CStdioFile::Flush()
{
    if (m_pStream != nullptr && std::fflush(m_pStream) != 0)
        AfxThrowFileException(CFileException::diskFull, errno, m_strFileName);
}

UINT CStdioFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return 0;
    size_t n = std::fread(lpBuf, 1, nCount, m_pStream);
    if (n == 0 && std::ferror(m_pStream)) {
        std::clearerr(m_pStream);
        CFileException::ThrowErrno(errno, m_strFileName);
    }
    return static_cast<UINT>(n);
}

void CStdioFile::Write(const void* lpBuf, UINT nCount)
{
    if (std::fwrite(lpBuf, 1, nCount, m_pStream) != nCount)
        CFileException::ThrowErrno(errno, m_strFileName);
}

LONG CStdioFile::Seek(LONG lOff, UINT nFrom)
{
    if (std::fseek(m_pStream, lOff, static_cast<int>(nFrom)) != 0)
        AfxThrowFileException(CFileException::badSeek, errno, m_strFileName);
    return std::ftell(m_pStream);
}

DWORD CStdioFile::GetPosition() const
{
    long pos = std::ftell(m_pStream);
    if (pos == -1)
        AfxThrowFileException(CFileException::invalidFile, errno, m_strFileName);
    return static_cast<DWORD>(pos);
}

// Measured through the stream: flushing a stream that is being read would drop what it buffered.
DWORD CStdioFile::GetLength() const
{
    const long current = std::ftell(m_pStream);
    if (current == -1 || std::fseek(m_pStream, 0, SEEK_END) != 0)
        AfxThrowFileException(CFileException::invalidFile, errno, m_strFileName);
    const long length = std::ftell(m_pStream);
    const int back = std::fseek(m_pStream, current, SEEK_SET);
    if (length == -1 || back != 0)
        AfxThrowFileException(CFileException::invalidFile, errno, m_strFileName);
    return static_cast<DWORD>(length);
}

CFile* CStdioFile::Duplicate() const { AfxThrowNotSupportedException(); }

void CStdioFile::LockRange(DWORD, DWORD) { AfxThrowNotSupportedException(); }

void CStdioFile::UnlockRange(DWORD, DWORD) { AfxThrowNotSupportedException(); }

LPSTR CStdioFile::ReadString(LPSTR lpsz, UINT nMax)
{
    LPSTR result = std::fgets(lpsz, static_cast<int>(nMax), m_pStream);
    if (result == nullptr && std::ferror(m_pStream)) {
        std::clearerr(m_pStream);
        CFileException::ThrowErrno(errno, m_strFileName);
    }
    return result;
}

BOOL CStdioFile::ReadString(CString& rString)
{
    rString.Empty();
    char chunk[kLineChunk];
    bool readAny = false;
    while (ReadString(chunk, kLineChunk) != nullptr) {
        readAny = true;
        size_t n = std::strlen(chunk);
        if (n > 0 && chunk[n - 1] == '\n') {
            chunk[n - 1] = '\0';
            if (n > 1 && chunk[n - 2] == '\r')
                chunk[n - 2] = '\0';
            rString += chunk;
            return TRUE;
        }
        rString += chunk;
    }
    return readAny;
}

void CStdioFile::WriteString(LPCSTR lpsz)
{
    if (std::fputs(lpsz, m_pStream) == EOF)
        AfxThrowFileException(CFileException::diskFull, errno, m_strFileName);
}
