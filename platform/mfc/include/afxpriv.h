// Framework messages of the layer: the idle kick of modal loops and the idle command update.
#pragma once

#include "KyMfcExport.h"

#define WM_IDLEUPDATECMDUI 0x0363
#define WM_COMMANDHELP 0x0365
#define WM_KICKIDLE 0x036A
