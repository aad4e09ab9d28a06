// OLE start-up and its end: AfxOleInit, and AfxOleTerm from AfxWinTerm.
#include "AfxOleException.h"

#include "AfxOleDataSource.h"

namespace {
// The thread that started OLE through the layer; only it ends OLE again.
DWORD g_dwOleThread = 0;
}

BOOL AfxOleInit()
{
    HRESULT hr = ::OleInitialize(nullptr);
    if (FAILED(hr))
        return FALSE;
    if (g_dwOleThread == 0)
        g_dwOleThread = ::GetCurrentThreadId();
    else if (g_dwOleThread == ::GetCurrentThreadId())
        ::OleUninitialize();  // started here already: one start for the layer to end
    return TRUE;
}

void AfxOleTerm()
{
    if (g_dwOleThread == 0 || g_dwOleThread != ::GetCurrentThreadId())
        return;
    COleDataSource::FlushClipboard();
    ::OleUninitialize();
    g_dwOleThread = 0;
}
