// The GUI end of the console hand-off: hands the accepted command line back
// to the console tool that started this front-end, and owns the progress
// channel and the progress dialog that then serves the tool.
#pragma once

#include "KyGuiTool/KyGuiToolExport.h"
#include "KyStd/Win32/SharedMemory.h"

#include <afxwin.h>

class KyProgressDlg;

namespace Kyvant {

class KYGUITOOL_API ConGuiBridge {
public:
    // The process's bridge, made at the first call with its progress
    // channel; failing to create the channel raises os_error.
    static ConGuiBridge& Instance();
    // Deletes the bridge: the progress dialog's window, the dialog and the
    // channel.
    static void Reset();

    // Releases the console tool: with run, the progress dialog is created
    // (and becomes the main window when there is none) and named in the
    // hand-off block with this process's handle made for the tool; the run
    // flag is written in every case and the done event set. False at once
    // when no console process started this front-end, or it was released
    // already; otherwise run.
    bool ReleaseConApp(bool run);
    // ReleaseConApp(true), then the application's message loop, in which
    // the progress dialog serves the tool until it ends.
    void Run();
    CWnd& MsgTarget();

private:
    ConGuiBridge();
    ~ConGuiBridge();
    ConGuiBridge(const ConGuiBridge&) = delete;
    ConGuiBridge& operator=(const ConGuiBridge&) = delete;

    void CreateProgressDialog();
    void DropProgressDialog();

    Win32::SharedMemory m_channel;
    KyProgressDlg* m_dialog;
    bool m_madeMainWindow;
    bool m_released;
};

} // namespace Kyvant
