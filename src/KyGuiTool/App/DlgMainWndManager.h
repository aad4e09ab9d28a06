// Makes a dialog the application's main window for as long as the manager
// lives, when there is none or the one there is hidden.
#pragma once

#include "KyGuiTool/KyGuiToolExport.h"

#include <afxwin.h>

namespace Kyvant {

class KYGUITOOL_API DlgMainWndManager {
public:
    explicit DlgMainWndManager(CDialog& dialog);
    // Removes a WM_QUIT that the dialog's end as main window left pending and
    // puts the remembered main window back.
    ~DlgMainWndManager();
    DlgMainWndManager(const DlgMainWndManager&) = delete;
    DlgMainWndManager& operator=(const DlgMainWndManager&) = delete;

private:
    bool m_tookOver;
    CWnd* m_previous;
    HWND m_previousWindow; // found again by its handle: the object may be gone
};

// Takes a WM_QUIT waiting in this thread's queue, so that a loop started
// later does not end at once.
KYGUITOOL_API void RemovePendingQuit();

} // namespace Kyvant
