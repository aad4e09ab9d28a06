// The outside effects of the result list view, each through a function that
// tests can replace: the common controls' version the view goes by, the
// Explorer context menu it shows and the beep it gives.
#pragma once

#include "KyGui/Shell/ContextMenuHost.h"
#include "KyGui/Shell/FsObj.h"
#include "KyGuiTool/KyGuiToolExport.h"

#include <windows.h>

#include <vector>

namespace Kyvant {
namespace ResultList {

// (major << 16) | minor of comctl32; Shell::GetComCtl32Version unless replaced.
using ComCtlVersionFunction = DWORD (*)();
// Installs f (null: the default again) and returns the one it replaces.
KYGUITOOL_API ComCtlVersionFunction SetComCtlVersionFunction(ComCtlVersionFunction f);
KYGUITOOL_API DWORD ComCtlVersion();

// The Explorer context menu for one path or for several objects, at a point
// in the client coordinates of the host's window.
struct ExplorerMenuRequest {
    const char* path;                           // one object, or null
    const std::vector<Shell::FsObj>* selection; // several objects, or null
    POINT point;
};
using ExplorerMenuFunction = bool (*)(Shell::ExplorerContextMenuHost& host,
                                      const ExplorerMenuRequest& request);
KYGUITOOL_API ExplorerMenuFunction SetExplorerMenuFunction(ExplorerMenuFunction f);
KYGUITOOL_API bool ShowExplorerMenu(Shell::ExplorerContextMenuHost& host,
                                    const ExplorerMenuRequest& request);

// MessageBeep unless replaced.
using BeepFunction = BOOL(WINAPI*)(UINT type);
KYGUITOOL_API BeepFunction SetBeepFunction(BeepFunction f);
KYGUITOOL_API void Beep(UINT type);

} // namespace ResultList
} // namespace Kyvant
