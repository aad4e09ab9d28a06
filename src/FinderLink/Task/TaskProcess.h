// Kyvant::FinderLink::TaskProcess: the console tool's process with the
// objects of one task. Constructing it creates the task block and the
// Dlg_Term, Go and GoAway events under the protocol prefix, starts the tool
// hidden (inheriting the prefix, just this once) and waits, serving messages
// and dropping user input, until the task dialog has ended; destroying it
// waits for the tool to exit, then closes GoAway, Go, Dlg_Term, the block,
// the front-end's process duplicate and the tool's handle, in this order.
#pragma once

#include "FinderLink/Task/LinkProtocol.h"
#include "FinderLink/Task/TaskWords.h"
#include "KyStd/Processes/Process.h"
#include "KyStd/Win32/BasicWaitableHandle.h"
#include "KyStd/Win32/SharedMemory.h"
#include "KyStd/Win32/SyncObjects.h"

#include <windows.h>

namespace Kyvant {
namespace FinderLink {

class TaskProcess : public CRT::Process {
public:
    // Where the task dialog's answer is kept for the rest of the front-end.
    using AnswerRecorder = void (*)(bool accepted);

    // The protocol must outlive the object.
    explicit TaskProcess(const LinkProtocol& protocol);
    ~TaskProcess() override;
    TaskProcess(const TaskProcess&) = delete;
    TaskProcess& operator=(const TaskProcess&) = delete;

    const LinkProtocol& GetProtocol() const { return m_protocol; }
    DWORD ReadWord(BlockWord word) const;
    void WriteWord(BlockWord word, DWORD value);
    // The frame the tool and the readers post to.
    HWND GetFrame() const;
    const Win32::Event& GetDialogEnded() const { return m_dialogEnded; }
    const Win32::Event& GetGo() const { return m_go; }
    const Win32::Event& GetGoAway() const { return m_goAway; }

    // The task dialog's answer, given once (later calls are ignored): the
    // console tool that started the front-end is released, the pipe ends
    // are closed when the dialog was cancelled, the answer is recorded, put
    // into the block, and Dlg_Term is set. When the release fails, the task
    // still ends cancelled and the error is thrown afterwards.
    void HandBack(bool accepted, AnswerRecorder record);

private:
    void StartTool();
    void WaitUntilDialogEnded();
    bool DialogEndedCancelled() const;
    void Release(bool accepted, AnswerRecorder record);

    const LinkProtocol& m_protocol;
    bool m_handedBack;
    Win32::BasicWaitableHandle<> m_frontEnd; // inheritable duplicate of our handle
    Win32::SharedMemory m_block;
    Win32::Event m_dialogEnded;
    Win32::Event m_go;
    Win32::Event m_goAway;
};

} // namespace FinderLink
} // namespace Kyvant
