// COleException and its status codes.
#include "AfxOleException.h"

#include "AfxException.h"

#include <cstdio>

IMPLEMENT_DYNAMIC(COleException, CException)

COleException::COleException() : m_sc(S_OK) {}

SCODE COleException::Process(const CException* pAnyException)
{
    CException* e = const_cast<CException*>(pAnyException);
    if (e == nullptr)
        return E_UNEXPECTED;
    if (e->IsKindOf(RUNTIME_CLASS(COleException)))
        return static_cast<COleException*>(e)->m_sc;
    if (e->IsKindOf(RUNTIME_CLASS(CMemoryException)))
        return E_OUTOFMEMORY;
    if (e->IsKindOf(RUNTIME_CLASS(CNotSupportedException)))
        return E_NOTIMPL;
    return E_UNEXPECTED;
}

BOOL COleException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    if (lpszError == nullptr || nMaxError == 0)
        return FALSE;
    DWORD n = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                               static_cast<DWORD>(m_sc), 0, lpszError, nMaxError, nullptr);
    if (n == 0) {
        std::snprintf(lpszError, nMaxError, "OLE error 0x%08lX", static_cast<unsigned long>(m_sc));
        return TRUE;
    }
    // The system's texts end with a line break.
    while (n > 0 && (lpszError[n - 1] == '\n' || lpszError[n - 1] == '\r'))
        lpszError[--n] = '\0';
    return TRUE;
}

void AfxThrowOleException(SCODE sc)
{
    COleException* e = new COleException;
    e->m_sc = sc;
    throw e;
}
