// CFileException: causes from OS and C run-time errors, and a message that names the file.
#include "AfxFile.h"

#include "AfxResources.h"
#include "afxres.h"

#include <cerrno>

IMPLEMENT_DYNAMIC(CFileException, CException)

namespace {

const int kMaxMessage = 512;

struct OsErrorCause
{
    LONG lOsError;
    int cause;
};

const OsErrorCause kOsErrors[] = {
    { ERROR_FILE_NOT_FOUND, CFileException::fileNotFound },
    { ERROR_PATH_NOT_FOUND, CFileException::badPath },
    { ERROR_TOO_MANY_OPEN_FILES, CFileException::tooManyOpenFiles },
    { ERROR_ACCESS_DENIED, CFileException::accessDenied },
    { ERROR_INVALID_HANDLE, CFileException::invalidFile },
    { ERROR_CURRENT_DIRECTORY, CFileException::removeCurrentDir },
    { ERROR_CANNOT_MAKE, CFileException::directoryFull },
    { ERROR_NEGATIVE_SEEK, CFileException::badSeek },
    { ERROR_SEEK_ON_DEVICE, CFileException::badSeek },
    { ERROR_SEEK, CFileException::badSeek },
    { ERROR_INVALID_NAME, CFileException::badPath },
    { ERROR_BAD_PATHNAME, CFileException::badPath },
    { ERROR_FILENAME_EXCED_RANGE, CFileException::badPath },
    { ERROR_ALREADY_EXISTS, CFileException::accessDenied },
    { ERROR_FILE_EXISTS, CFileException::accessDenied },
    { ERROR_WRITE_PROTECT, CFileException::accessDenied },
    { ERROR_SHARING_VIOLATION, CFileException::sharingViolation },
    { ERROR_LOCK_VIOLATION, CFileException::lockViolation },
    { ERROR_NOT_LOCKED, CFileException::lockViolation },
    { ERROR_LOCK_FAILED, CFileException::lockViolation },
    { ERROR_DISK_FULL, CFileException::diskFull },
    { ERROR_HANDLE_DISK_FULL, CFileException::diskFull },
    { ERROR_HANDLE_EOF, CFileException::endOfFile },
    { ERROR_CRC, CFileException::hardIO },
    { ERROR_READ_FAULT, CFileException::hardIO },
    { ERROR_WRITE_FAULT, CFileException::hardIO },
    { ERROR_GEN_FAILURE, CFileException::hardIO },
};

struct ErrnoCause
{
    int nErrno;
    int cause;
};

const ErrnoCause kErrnos[] = {
    { ENOENT, CFileException::fileNotFound }, { EACCES, CFileException::accessDenied },
    { EBADF, CFileException::invalidFile },   { EMFILE, CFileException::tooManyOpenFiles },
    { ENOSPC, CFileException::diskFull },     { EEXIST, CFileException::accessDenied },
    { EINVAL, CFileException::badSeek },
};

}  // namespace

CFileException::CFileException(int cause, LONG lOsError, LPCSTR lpszArchiveName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszArchiveName ? lpszArchiveName : "")
{
}

BOOL CFileException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = AFX_IDP_FILE_NONE + static_cast<UINT>(m_cause);
    if (lpszError == nullptr || nMaxError == 0)
        return FALSE;
    char format[kMaxMessage] = "";
    if (AfxLoadString(AFX_IDP_FILE_NONE + static_cast<UINT>(m_cause), format, kMaxMessage) == 0)
        AfxLoadString(AFX_IDP_FILE_GENERIC, format, kMaxMessage);
    LPCSTR name = m_strFileName.IsEmpty() ? "(unknown)" : static_cast<LPCSTR>(m_strFileName);
    DWORD_PTR args[] = { reinterpret_cast<DWORD_PTR>(name) };
    DWORD n = ::FormatMessageA(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ARGUMENT_ARRAY, format, 0, 0, lpszError,
                               nMaxError, reinterpret_cast<va_list*>(args));
    if (n == 0)
        ::lstrcpynA(lpszError, format, static_cast<int>(nMaxError));
    return TRUE;
}

int PASCAL CFileException::OsErrorToException(LONG lOsError)
{
    for (const OsErrorCause& entry : kOsErrors)
        if (entry.lOsError == lOsError)
            return entry.cause;
    return lOsError == 0 ? none : generic;
}

int PASCAL CFileException::ErrnoToException(int nErrno)
{
    for (const ErrnoCause& entry : kErrnos)
        if (entry.nErrno == nErrno)
            return entry.cause;
    return generic;
}

void PASCAL CFileException::ThrowOsError(LONG lOsError, LPCSTR lpszFileName)
{
    AfxThrowFileException(OsErrorToException(lOsError), lOsError, lpszFileName);
}

void PASCAL CFileException::ThrowErrno(int nErrno, LPCSTR lpszFileName)
{
    AfxThrowFileException(ErrnoToException(nErrno), nErrno, lpszFileName);
}

void AfxThrowFileException(int cause, LONG lOsError, LPCSTR lpszFileName)
{
    throw new CFileException(cause, lOsError, lpszFileName);
}
