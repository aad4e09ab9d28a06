// CKyDirGApp: the Dir front-end's application object, on the front-ends'
// application base. It keeps what the task link shares with the rest of the
// program: the answer of the last task dialog.
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

    // Ends the program: the document/view start-up lives with the frame.
    BOOL InitInstance() override;

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

private:
    bool m_dialogAccepted;
    bool m_listFileNamed;
};
