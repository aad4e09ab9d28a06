// CSharedFile: a memory file in one locked global block that it can hand out unlocked.
#include "AfxMemFile.h"

IMPLEMENT_DYNAMIC(CSharedFile, CMemFile)

CSharedFile::CSharedFile(UINT nAllocFlags, UINT nGrowBytes)
    : CMemFile(nGrowBytes), m_nAllocFlags(nAllocFlags), m_hGlobalMemory(nullptr), m_bAllowGrow(TRUE)
{
}

CSharedFile::~CSharedFile()
{
    if (m_lpBuffer != nullptr) {
        if (m_bAutoDelete)
            Free(m_lpBuffer);
        else
            ::GlobalUnlock(m_hGlobalMemory);
        m_lpBuffer = nullptr;
    }
    m_hGlobalMemory = nullptr;
}

BYTE* CSharedFile::Alloc(DWORD nBytes)
{
    HGLOBAL hMem = ::GlobalAlloc(m_nAllocFlags, nBytes);
    if (hMem == nullptr)
        return nullptr;
    m_hGlobalMemory = hMem;
    return static_cast<BYTE*>(::GlobalLock(hMem));
}

BYTE* CSharedFile::Realloc(BYTE*, DWORD nBytes)
{
    if (!m_bAllowGrow)
        return nullptr;
    ::GlobalUnlock(m_hGlobalMemory);
    HGLOBAL hNew = ::GlobalReAlloc(m_hGlobalMemory, nBytes, m_nAllocFlags);
    if (hNew == nullptr) {
        ::GlobalLock(m_hGlobalMemory);  // the old block stays the file's
        return nullptr;
    }
    m_hGlobalMemory = hNew;
    return static_cast<BYTE*>(::GlobalLock(hNew));
}

void CSharedFile::Free(BYTE*)
{
    ::GlobalUnlock(m_hGlobalMemory);
    ::GlobalFree(m_hGlobalMemory);
    m_hGlobalMemory = nullptr;
}

HGLOBAL CSharedFile::Detach()
{
    HGLOBAL hMem = m_hGlobalMemory;
    if (m_lpBuffer != nullptr)
        ::GlobalUnlock(hMem);
    m_hGlobalMemory = nullptr;
    m_lpBuffer = nullptr;
    m_nFileSize = 0;
    m_nBufferSize = 0;
    m_nPosition = 0;
    return hMem;
}

void CSharedFile::SetHandle(HGLOBAL hGlobalMemory, BOOL bAllowGrow)
{
    // A file counts its bytes in a DWORD: a larger block (only a 64-bit process has one) is refused whole
    // rather than taken over cut short.
    const SIZE_T nSize = ::GlobalSize(hGlobalMemory);
    if (nSize != static_cast<DWORD>(nSize))
        AfxThrowMemoryException();
    m_hGlobalMemory = hGlobalMemory;
    m_lpBuffer = static_cast<BYTE*>(::GlobalLock(hGlobalMemory));
    m_nBufferSize = static_cast<DWORD>(nSize);
    m_nFileSize = m_nBufferSize;
    m_nPosition = 0;
    m_bAllowGrow = bAllowGrow;
}
