// Registration of common-control classes before the layer creates one.
#pragma once

#include "KyMfcExport.h"

#include <commctrl.h>

// InitCommonControlsEx for the classes when the system's comctl32 has it, else InitCommonControls.
AFX_API void AfxInitCommonControl(DWORD dwIccClasses);
