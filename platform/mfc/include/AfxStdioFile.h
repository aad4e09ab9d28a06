// CStdioFile: a CFile over a C run-time stream, with text lines.
#pragma once

#include "AfxFile.h"

#include <cstdio>

class AFX_API CStdioFile : public CFile
{
    DECLARE_DYNAMIC(CStdioFile)
public:
    CStdioFile();
    explicit CStdioFile(FILE* pOpenStream);
    CStdioFile(LPCSTR lpszFileName, UINT nOpenFlags);  // failure throws CFileException
    ~CStdioFile() override;

    FILE* m_pStream;

    // typeText (the default) translates line ends; typeBinary does not.
    BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr) override;
    void Close() override;
    void Abort() override;
    void Flush() override;
    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    LONG Seek(LONG lOff, UINT nFrom) override;
    DWORD GetPosition() const override;
    DWORD GetLength() const override;
    CFile* Duplicate() const override;               // not supported
    void LockRange(DWORD dwPos, DWORD dwCount) override;    // not supported
    void UnlockRange(DWORD dwPos, DWORD dwCount) override;  // not supported

    // One line with its "\n" (at most nMax - 1 characters); null at the end.
    LPSTR ReadString(LPSTR lpsz, UINT nMax);
    // One line without its line end; FALSE at the end.
    BOOL ReadString(CString& rString);
    void WriteString(LPCSTR lpsz);
};
