// COleException: an OLE failure with its status code; AfxOleInit starts OLE for the program.
#pragma once

#include "AfxException.h"

#include <ole2.h>

class AFX_API COleException : public CException
{
    DECLARE_DYNAMIC(COleException)
public:
    COleException();
    SCODE m_sc;

    // The status code that stands for the exception: its own for OLE exceptions, else a general one.
    static SCODE Process(const CException* pAnyException);
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) override;
};

[[noreturn]] AFX_API void AfxThrowOleException(SCODE sc);
// OleInitialize for the calling thread; false when it failed. AfxWinTerm ends it again (AfxOleTerm).
AFX_API BOOL AfxOleInit();
// Renders the layer's data on the clipboard so that it outlives the program, then ends OLE.
AFX_API void AfxOleTerm();
