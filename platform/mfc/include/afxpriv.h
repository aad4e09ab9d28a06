// Framework messages of the layer: the idle kick of modal loops and the idle command update.
#pragma once

#include "KyMfcExport.h"

#define WM_IDLEUPDATECMDUI 0x0363
#define WM_COMMANDHELP 0x0365
#define WM_KICKIDLE 0x036A

// Frame and control-bar messages
#define WM_SIZEPARENT 0x0361
#define WM_SETMESSAGESTRING 0x0362
#define WM_INITIALUPDATE 0x0364
#define WM_POPMESSAGESTRING 0x0375

// What WM_SIZEPARENT carries: the space left for the next bar, or the total size asked for.
struct AFX_SIZEPARENTPARAMS
{
    HDWP hDWP;      // null when only the size is asked for
    RECT rect;      // the parent's client space still free
    SIZE sizeTotal; // the bars' total size
    BOOL bStretch;
};
