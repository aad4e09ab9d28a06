// CFile: opening with MFC's mode bits over CreateFile, reading, writing, seeking, length and locks.
#include "AfxFile.h"

IMPLEMENT_DYNAMIC(CFile, CObject)

namespace {

const UINT kAccessMask = 0x0003;
const UINT kShareMask = 0x0070;

DWORD AccessOf(UINT nOpenFlags)
{
    switch (nOpenFlags & kAccessMask) {
    case CFile::modeRead:
        return GENERIC_READ;
    case CFile::modeWrite:
        return GENERIC_WRITE;
    case CFile::modeReadWrite:
        return GENERIC_READ | GENERIC_WRITE;
    default:
        return 0;
    }
}

// Compatibility sharing is exclusive under Win32, as for MFC.
DWORD ShareOf(UINT nOpenFlags)
{
    switch (nOpenFlags & kShareMask) {
    case CFile::shareDenyWrite:
        return FILE_SHARE_READ;
    case CFile::shareDenyRead:
        return FILE_SHARE_WRITE;
    case CFile::shareDenyNone:
        return FILE_SHARE_READ | FILE_SHARE_WRITE;
    default:
        return 0;
    }
}

DWORD CreationOf(UINT nOpenFlags)
{
    if (!(nOpenFlags & CFile::modeCreate))
        return OPEN_EXISTING;
    return (nOpenFlags & CFile::modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
}

HANDLE HandleOf(UINT_PTR hFile) { return reinterpret_cast<HANDLE>(hFile); }

// hFileNull as the handle field holds it: INVALID_HANDLE_VALUE.
const UINT_PTR kNoFile = static_cast<UINT_PTR>(CFile::hFileNull);

}  // namespace

CFile::CFile() : m_hFile(kNoFile), m_bCloseOnDelete(FALSE) {}

// A handle given as an int is taken sign-extended, so hFileNull stays INVALID_HANDLE_VALUE.
CFile::CFile(int hFile) : m_hFile(static_cast<UINT_PTR>(static_cast<INT_PTR>(hFile))), m_bCloseOnDelete(FALSE)
{
}

CFile::CFile(LPCSTR lpszFileName, UINT nOpenFlags) : CFile()
{
    CFileException e;
    if (!Open(lpszFileName, nOpenFlags, &e))
        AfxThrowFileException(e.m_cause, e.m_lOsError, e.m_strFileName);
}

CFile::~CFile()
{
    if (m_hFile != kNoFile && m_bCloseOnDelete)
        Abort();
}

BOOL CFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    m_bCloseOnDelete = FALSE;
    m_hFile = kNoFile;
    m_strFileName.Empty();
    char full[MAX_PATH];
    LPSTR filePart = nullptr;
    if (::GetFullPathNameA(lpszFileName, MAX_PATH, full, &filePart) == 0)
        ::lstrcpynA(full, lpszFileName, MAX_PATH);
    m_strFileName = full;

    DWORD access = AccessOf(nOpenFlags);
    SECURITY_ATTRIBUTES sa = { sizeof sa, nullptr, (nOpenFlags & modeNoInherit) ? FALSE : TRUE };
    HANDLE h = access == 0 ? INVALID_HANDLE_VALUE
                           : ::CreateFileA(lpszFileName, access, ShareOf(nOpenFlags), &sa, CreationOf(nOpenFlags),
                                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        LONG lOsError = access == 0 ? ERROR_INVALID_PARAMETER : static_cast<LONG>(::GetLastError());
        if (pError != nullptr) {
            pError->m_lOsError = lOsError;
            pError->m_cause = CFileException::OsErrorToException(lOsError);
            pError->m_strFileName = lpszFileName;
        }
        return FALSE;
    }
    m_hFile = reinterpret_cast<UINT_PTR>(h);
    m_bCloseOnDelete = TRUE;
    return TRUE;
}

void CFile::Close()
{
    BOOL bError = FALSE;
    if (m_hFile != kNoFile)
        bError = !::CloseHandle(HandleOf(m_hFile));
    m_hFile = kNoFile;
    m_bCloseOnDelete = FALSE;
    if (bError)
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), m_strFileName);
}

void CFile::Abort()
{
    if (m_hFile != kNoFile)
        ::CloseHandle(HandleOf(m_hFile));
    m_hFile = kNoFile;
    m_bCloseOnDelete = FALSE;
}

void CFile::Flush()
{
    if (m_hFile != kNoFile && !::FlushFileBuffers(HandleOf(m_hFile)))
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), m_strFileName);
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return 0;
    DWORD nRead = 0;
    if (!::ReadFile(HandleOf(m_hFile), lpBuf, nCount, &nRead, nullptr))
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), m_strFileName);
    return nRead;
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    DWORD nWritten = 0;
    if (!::WriteFile(HandleOf(m_hFile), lpBuf, nCount, &nWritten, nullptr))
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), m_strFileName);
    if (nWritten != nCount)
        AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
}

LONG CFile::Seek(LONG lOff, UINT nFrom)
{
    DWORD pos = ::SetFilePointer(HandleOf(m_hFile), lOff, nullptr, nFrom);
    if (pos == INVALID_SET_FILE_POINTER && ::GetLastError() != NO_ERROR)
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), m_strFileName);
    return static_cast<LONG>(pos);
}

DWORD CFile::GetPosition() const
{
    DWORD pos = ::SetFilePointer(HandleOf(m_hFile), 0, nullptr, FILE_CURRENT);
    if (pos == INVALID_SET_FILE_POINTER && ::GetLastError() != NO_ERROR)
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), m_strFileName);
    return pos;
}

DWORD CFile::GetLength() const
{
    DWORD size = ::GetFileSize(HandleOf(m_hFile), nullptr);
    if (size == INVALID_FILE_SIZE && ::GetLastError() != NO_ERROR)
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), m_strFileName);
    return size;
}

void CFile::SetLength(DWORD dwNewLen)
{
    Seek(static_cast<LONG>(dwNewLen), begin);
    if (!::SetEndOfFile(HandleOf(m_hFile)))
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), m_strFileName);
}

void CFile::LockRange(DWORD dwPos, DWORD dwCount)
{
    if (!::LockFile(HandleOf(m_hFile), dwPos, 0, dwCount, 0))
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), m_strFileName);
}

void CFile::UnlockRange(DWORD dwPos, DWORD dwCount)
{
    if (!::UnlockFile(HandleOf(m_hFile), dwPos, 0, dwCount, 0))
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), m_strFileName);
}

CFile* CFile::Duplicate() const
{
    HANDLE hDup = nullptr;
    HANDLE hProcess = ::GetCurrentProcess();
    if (!::DuplicateHandle(hProcess, HandleOf(m_hFile), hProcess, &hDup, 0, FALSE, DUPLICATE_SAME_ACCESS))
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), m_strFileName);
    CFile* pFile = new CFile(static_cast<int>(reinterpret_cast<INT_PTR>(hDup)));
    pFile->m_bCloseOnDelete = m_bCloseOnDelete;
    pFile->m_strFileName = m_strFileName;
    return pFile;
}

void CFile::SetFilePath(LPCSTR lpszNewName) { m_strFileName = lpszNewName; }

CString CFile::GetFileName() const
{
    LPCSTR path = m_strFileName;
    LPCSTR name = path;
    for (LPCSTR p = path; *p != '\0'; p = ::CharNextA(p))
        if (*p == '\\' || *p == '/' || *p == ':')
            name = p + 1;
    return CString(name);
}

CString CFile::GetFileTitle() const
{
    CString name = GetFileName();
    char title[MAX_PATH] = "";
    if (::GetFileTitleA(name, title, MAX_PATH) != 0)
        return name;
    return CString(title);
}

void PASCAL CFile::Rename(LPCSTR lpszOldName, LPCSTR lpszNewName)
{
    if (!::MoveFileA(lpszOldName, lpszNewName))
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), lpszOldName);
}

void PASCAL CFile::Remove(LPCSTR lpszFileName)
{
    if (!::DeleteFileA(lpszFileName))
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), lpszFileName);
}
