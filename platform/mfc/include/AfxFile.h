// CFile and CFileException: binary files over Win32 handles with MFC's open modes, and their failures.
#pragma once

#include "AfxException.h"
#include "AfxString.h"

class AFX_API CFileException : public CException
{
    DECLARE_DYNAMIC(CFileException)
public:
    enum Cause
    {
        none,
        generic,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };

    explicit CFileException(int cause = none, LONG lOsError = -1, LPCSTR lpszArchiveName = nullptr);

    // The message names the file (the layer's text for the cause, with %1 the file name).
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) override;

    static int PASCAL OsErrorToException(LONG lOsError);
    static int PASCAL ErrnoToException(int nErrno);
    [[noreturn]] static void PASCAL ThrowOsError(LONG lOsError, LPCSTR lpszFileName = nullptr);
    [[noreturn]] static void PASCAL ThrowErrno(int nErrno, LPCSTR lpszFileName = nullptr);

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

[[noreturn]] AFX_API void AfxThrowFileException(int cause, LONG lOsError = -1, LPCSTR lpszFileName = nullptr);

class AFX_API CFile : public CObject
{
    DECLARE_DYNAMIC(CFile)
public:
    // Open flags: one access mode, one share mode, and any of the others.
    enum OpenFlags
    {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = static_cast<int>(0x8000)
    };
    enum SeekPosition { begin = 0x0, current = 0x1, end = 0x2 };
    enum { hFileNull = -1 };

    CFile();
    explicit CFile(int hFile);
    CFile(LPCSTR lpszFileName, UINT nOpenFlags);  // failure throws CFileException
    ~CFile() override;  // closes a file it opened, without throwing

    UINT_PTR m_hFile;  // the Win32 handle, whole on every width; hFileNull when closed
    operator HFILE() const { return static_cast<HFILE>(m_hFile); }

    // FALSE on failure, with the cause, OS error and name in pError when given.
    virtual BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);
    virtual void Close();   // failure throws
    virtual void Abort();   // closes, ignoring failures
    virtual void Flush();
    virtual UINT Read(void* lpBuf, UINT nCount);  // fewer at the end; failure throws
    virtual void Write(const void* lpBuf, UINT nCount);
    virtual LONG Seek(LONG lOff, UINT nFrom);
    virtual DWORD GetPosition() const;
    virtual DWORD GetLength() const;
    virtual void SetLength(DWORD dwNewLen);
    virtual void LockRange(DWORD dwPos, DWORD dwCount);
    virtual void UnlockRange(DWORD dwPos, DWORD dwCount);
    virtual CFile* Duplicate() const;
    virtual void SetFilePath(LPCSTR lpszNewName);
    void SeekToBegin() { Seek(0, begin); }
    DWORD SeekToEnd() { return static_cast<DWORD>(Seek(0, end)); }

    CString GetFileName() const;
    CString GetFileTitle() const;
    CString GetFilePath() const { return m_strFileName; }

    static void PASCAL Rename(LPCSTR lpszOldName, LPCSTR lpszNewName);
    static void PASCAL Remove(LPCSTR lpszFileName);

protected:
    BOOL m_bCloseOnDelete;
    CString m_strFileName;
};
