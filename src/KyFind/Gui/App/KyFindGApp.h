// CKyFindGApp: the Find front-end's application object, on the front-ends'
// application base. Started by the console finder it shows the task dialog
// once and hands the answer back; otherwise it is the document/view result
// browser whose New Find Task runs the finder. It keeps what the task link
// and its readers share with the rest of the program: the answer of the
// last task dialog and its binary-mode flag.
#pragma once

#include "KyGuiTool/App/KyGuiApp.h"

class CKyFindGApp : public KyGuiApp {
public:
    // Opens (making it when missing) HKCU "Software\Kyvant\Tools\KyFindG" and
    // takes the user's locale for the C runtime, so that the readers' test of
    // printable bytes follows it.
    CKyFindGApp();
    ~CKyFindGApp() override;

    // The process's application object; std::logic_error when it is not a
    // CKyFindGApp.
    static CKyFindGApp& Instance();

    // Started by the console finder: the task dialog, then the hand-off
    // (exit code 0) or the end (exit code 1). Otherwise the document/view
    // start-up with its first task; the frame is shown only when that
    // task's dialog was accepted.
    BOOL InitInstance() override;
    // The base's end, once; the exit code.
    int ExitInstance() override;

    // Set once the document/view start-up succeeded: new documents start
    // tasks from then on.
    bool IsInteractive() const { return m_interactive; }
    int GetExitCode() const { return m_exitCode; }

    // The last task dialog's answer: written by the hand-back, cleared at
    // each task start, read by the start of the readers.
    bool GetDialogAccepted() const { return m_dialogAccepted; }
    void SetDialogAccepted(bool accepted) { m_dialogAccepted = accepted; }
    // The binary-mode flag of the last accepted task dialog: the readers keep
    // the CR of CR LF line ends while it is set.
    bool GetBinaryMode() const { return m_binaryMode; }
    void SetBinaryMode(bool binary) { m_binaryMode = binary; }

    // Puts "Kyvant_KyFindG_Process_Hdl" into the environment: the decimal
    // value of an inheritable duplicate of this process's handle, by which
    // the console finder knows that it was started for a task.
    static void PutProcessHandleIntoEnvironment();

protected:
    // The task dialog for the console finder that started the program.
    BOOL RunForConsole();
    // The document/view program with its first task.
    BOOL RunInteractive();
    afx_msg void OnFileNew();
    DECLARE_MESSAGE_MAP()

private:
    int m_exitCode;
    bool m_interactive;
    bool m_exited;
    bool m_dialogAccepted;
    bool m_binaryMode;
};
