// CWaitCursor: the application's wait cursor for one scope.
#pragma once

#include "KyMfcExport.h"

class AFX_API CWaitCursor
{
public:
    CWaitCursor();   // AfxGetApp()->BeginWaitCursor()
    ~CWaitCursor();  // EndWaitCursor()
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
    void Restore();  // after something changed the cursor (a message box, say)
};
