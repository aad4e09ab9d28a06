// The frame whose task dialog the tests answer.
#include "Frame/ScriptedFrame.h"

#include "KyConTool/App/ConGuiHandoff.h"
#include "KyConTool/App/ProtocolPrefix.h"
#include "KyStd/Win32/SharedMemory.h"

#include <cstring>

namespace {

// As the task dialog's OK does: argc, then each argument with its NUL and
// one more NUL, into the hand-off block the tool made.
void WriteArguments(const std::vector<std::string>& args)
{
    std::string strings;
    for (const std::string& arg : args)
        strings += arg + '\0';
    strings += '\0';
    Kyvant::Win32::SharedMemory block(
        (Kyvant::GetProtocolPrefix() + Kyvant::ToolHandoffBlock::kName).c_str());
    char* words = static_cast<char*>(block.GetBegin());
    const DWORD argc = static_cast<DWORD>(args.size());
    std::memcpy(words + 8, &argc, sizeof argc);
    std::memcpy(words + 16, strings.data(), strings.size());
}

std::function<void(CWnd&)>& Driver()
{
    static std::function<void(CWnd&)> driver;
    return driver;
}

void DriveDialog(CWnd* window)
{
    AfxSetModalIdleHook(nullptr);
    std::function<void(CWnd&)> drive;
    drive.swap(Driver());
    if (drive && window != nullptr)
        drive(*window);
}

} // namespace

IMPLEMENT_DYNCREATE(ScriptedFrame, CMainFrame)

std::deque<ScriptedFrame::Answer>& ScriptedFrame::Answers()
{
    static std::deque<Answer> answers;
    return answers;
}

int& ScriptedFrame::Asks()
{
    static int asks = 0;
    return asks;
}

INT_PTR& ScriptedFrame::LastDialogResult()
{
    static INT_PTR result = 0;
    return result;
}

INT_PTR ScriptedFrame::RunTaskDialog()
{
    ++Asks();
    if (Answers().empty())
        return IDCANCEL;
    const Answer answer = Answers().front();
    Answers().pop_front();
    if (answer.drive) {
        Driver() = answer.drive;
        AfxSetModalIdleHook(&DriveDialog);
        LastDialogResult() = CMainFrame::RunTaskDialog();
        return LastDialogResult();
    }
    if (answer.accept)
        WriteArguments(answer.args);
    return answer.accept ? IDOK : IDCANCEL;
}
