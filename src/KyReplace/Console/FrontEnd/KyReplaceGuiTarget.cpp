// CKyReplaceApp::RunGuiTarget: find the Replace front-end (the one that
// started this program, or a new one) and wait for its task dialog.
#include "KyConTool/App/ProtocolPrefix.h"
#include "KyReplace/Console/App/KyReplaceApp.h"
#include "KyReplace/Console/FrontEnd/FrontEndPost.h"
#include "KyReplace/Console/FrontEnd/ReplaceLinkBlocks.h"
#include "KyStd/Core/Errors.h"
#include "KyStd/Win32/HandleWord.h"
#include "KyStd/Win32/SharedMemory.h"
#include "KyStd/Win32/SyncObjects.h"
#include "KyStd/Win32/Waits.h"

#include <process.h>

#include <cerrno>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace Kyvant {

namespace {

const char kProcessVariable[] = "KYVANT_KyReplaceG_PROCESS_HDL";
const char kDialogEndEvent[] = "Kyvant_KyReplace_KyReplaceG_Dlg_Term_Event";
const char kFrontEndProgram[] = "KyReplaceG.exe";

// The front-end's process handle as it left it for this process; null: none.
HANDLE FrontEndHandleFromEnvironment()
{
    const char* text = std::getenv(kProcessVariable);
    if (!text || !*text)
        return nullptr;
    char* end = nullptr;
    errno = 0;
    const unsigned long value = std::strtoul(text, &end, 10);
    while (*end == ' ' || *end == '\t')
        ++end;
    if (*end || errno == ERANGE || *text == '-')
        throw std::runtime_error(std::string("Bad value of ") + kProcessVariable + ": " + text);
    return Win32::WordToHandle(value);
}

ReplaceFrontEndBlock& FrontEndBlock(const Win32::SharedMemory& block)
{
    return *static_cast<ReplaceFrontEndBlock*>(const_cast<void*>(block.GetBegin()));
}

} // namespace

void CKyReplaceApp::OpenFrontEndBlock()
{
    if (!frontEndBlock_)
        frontEndBlock_.reset(
            new Win32::SharedMemory((GetProtocolPrefix() + kReplaceFrontEndBlockName).c_str()));
}

bool CKyReplaceApp::RunGuiTarget(const char* const* /*argv*/)
{
    dialogEnd_ = Win32::Event(false, (GetProtocolPrefix() + kDialogEndEvent).c_str());
    frontEnd_ = CRT::Process(reinterpret_cast<UINT_PTR>(FrontEndHandleFromEnvironment()));

    if (!frontEnd_.empty()) {
        // A front-end that started this program waits for the dialog request.
        OpenFrontEndBlock();
        const HWND window =
            WindowFromBlockWord(ReadBlockWord(FrontEndBlock(*frontEndBlock_).viewWindow));
        if (!window || !PostToFrontEnd(window, 4, 0, frontEnd_))
            return false;
    } else {
        const char* const args[] = {kFrontEndProgram, nullptr};
        frontEnd_.Spawn(_P_NOWAIT, kFrontEndProgram, args);
    }

    const DWORD result = Win32::WaitForEither(dialogEnd_.get(), frontEnd_.get());
    if (result == WAIT_FAILED)
        throw os_error();
    if (result != WAIT_OBJECT_0)
        return false;
    try {
        OpenFrontEndBlock();
    } catch (const os_error&) {
        // It went right after its dialog, taking its block along.
        if (WaitForSingleObject(frontEnd_.get(), 0) != WAIT_TIMEOUT)
            return false;
        throw;
    }
    return ReadBlockWord(FrontEndBlock(*frontEndBlock_).dialogFailed) == 0;
}

} // namespace Kyvant
