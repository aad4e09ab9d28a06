// CWaitCursor: begins the application's wait cursor on construction and ends it on destruction.
#include "AfxWaitCursor.h"

#include "AfxApp.h"

CWaitCursor::CWaitCursor()
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->BeginWaitCursor();
}

CWaitCursor::~CWaitCursor()
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->EndWaitCursor();
}

void CWaitCursor::Restore()
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->RestoreWaitCursor();
}
