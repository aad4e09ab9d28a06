// CKyDirGApp: the Dir front-end's application object, on the front-ends'
// application base. Started by the console Dir program it shows the task
// dialog alone and hands the arguments back; otherwise it is the listing
// window, whose first task starts at once. It keeps what the task link
// shares with the rest of the program: the started flag, the answer of the
// last task dialog and whether a list file was named.
#pragma once

#include "KyGuiTool/App/KyGuiApp.h"

class CKyDirGApp : public KyGuiApp {
public:
    // Opens (making it when missing) HKCU "Software\Kyvant\Tools\KyDirG".
    CKyDirGApp();
    ~CKyDirGApp() override;

    // The process's application object; std::logic_error when it is not a
    // CKyDirGApp.
    static CKyDirGApp& Instance();

    // The console Dir program's dialog, or the document, its frame and the
    // first task; FALSE when the program ends (the dialog ended, or the
    // first task dialog was cancelled).
    BOOL InitInstance() override;

    // Set once the start-up's document exists: each New then starts a task.
    bool IsStarted() const { return m_started; }
    void SetStarted(bool started) { m_started = started; }

    // The last task dialog's answer: written by the hand-back, cleared at
    // each task start, read by the start of the readers.
    bool GetDialogAccepted() const { return m_dialogAccepted; }
    void SetDialogAccepted(bool accepted) { m_dialogAccepted = accepted; }
    // Whether the last task's Dir page named a list file: an empty listing
    // then went to that file.
    bool GetListFileNamed() const { return m_listFileNamed; }
    void SetListFileNamed(bool named) { m_listFileNamed = named; }

    // Puts "Kyvant_KyDirG_Process_Hdl" into the environment: the decimal
    // value of an inheritable duplicate of this process's handle, by which
    // the console Dir program knows that it was started for a task.
    static void PutProcessHandleIntoEnvironment();

protected:
    // The task dialog for the console Dir program, then the hand-back.
    void RunForConsole();
    // The document template, the first document, then the first task.
    BOOL RunInteractive();
    DECLARE_MESSAGE_MAP()

private:
    bool m_started;
    bool m_dialogAccepted;
    bool m_listFileNamed;
};
