// CException and the layer's simple exceptions: messages, reporting and the throw helpers.
#include "AfxException.h"

#include "AfxApp.h"
#include "AfxResources.h"
#include "afxres.h"

namespace {
const UINT kReportBuffer = 512;
}

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CSimpleException, CException)
IMPLEMENT_DYNAMIC(CUserException, CSimpleException)
IMPLEMENT_DYNAMIC(CMemoryException, CSimpleException)
IMPLEMENT_DYNAMIC(CResourceException, CSimpleException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CSimpleException)

CException::CException() : m_bAutoDelete(TRUE) {}
CException::CException(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete) {}
CException::~CException() = default;

void CException::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

BOOL CException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT)
{
    if (lpszError != nullptr && nMaxError > 0)
        *lpszError = '\0';
    return FALSE;
}

int CException::ReportError(UINT nType, UINT nMessageID)
{
    char text[kReportBuffer] = "";
    UINT nHelpContext = 0;  // GetErrorMessage need not set it
    if (GetErrorMessage(text, kReportBuffer, &nHelpContext))
        return AfxMessageBox(text, nType, nHelpContext);
    return AfxMessageBox(nMessageID != 0 ? nMessageID : AFX_IDP_NO_ERROR_AVAILABLE, nType, nHelpContext);
}

CSimpleException::CSimpleException(UINT nResourceID, BOOL bAutoDelete)
    : CException(bAutoDelete), m_nResourceID(nResourceID)
{
}

BOOL CSimpleException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    if (lpszError == nullptr || nMaxError == 0)
        return FALSE;
    return AfxLoadString(m_nResourceID, lpszError, nMaxError) > 0;
}

CUserException::CUserException() : CSimpleException(AFX_IDS_USER_EXCEPTION) {}
CMemoryException::CMemoryException(BOOL bAutoDelete) : CSimpleException(AFX_IDS_MEMORY_EXCEPTION, bAutoDelete) {}
CResourceException::CResourceException() : CSimpleException(AFX_IDS_RESOURCE_EXCEPTION) {}
CNotSupportedException::CNotSupportedException() : CSimpleException(AFX_IDS_NOT_SUPPORTED_EXCEPTION) {}

void AfxThrowUserException() { throw new CUserException; }

void AfxThrowMemoryException()
{
    // One object that is never deleted: throwing it needs no memory.
    static CMemoryException outOfMemory(FALSE);
    throw &outOfMemory;
}

void AfxThrowResourceException() { throw new CResourceException; }
void AfxThrowNotSupportedException() { throw new CNotSupportedException; }
