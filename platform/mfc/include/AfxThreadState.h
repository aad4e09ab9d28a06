// The part of a thread's state that classes built on the layer may set: the alternate window target.
#pragma once

#include "KyMfcExport.h"

class CWnd;

struct _AFX_THREAD_STATE
{
    // Explorer-style file dialogs attach their object here when their window initialises.
    CWnd* m_pAlternateWndInit = nullptr;
};

AFX_API _AFX_THREAD_STATE* AfxGetThreadState();
