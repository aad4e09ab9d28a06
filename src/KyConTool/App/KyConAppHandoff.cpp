// GUI mode of the application object: start the front-end, wait for the
// command line it hands back in the hand-off block, then run Main on it.
#include "KyConTool/App/ConGuiHandoff.h"
#include "KyConTool/App/KyConApp.h"
#include "KyConTool/App/ProtocolPrefix.h"
#include "KyDB/Named/PathPlanDB.h"
#include "KyStd/Core/Errors.h"
#include "KyStd/Core/HandleTags.h"
#include "KyStd/Win32/HandleWord.h"
#include "KyStd/Win32/SharedMemory.h"
#include "KyStd/Win32/SyncObjects.h"

#include <process.h>

#include <cstddef>
#include <cstring>
#include <string>

namespace Kyvant {

namespace {

DWORD ReadWord(const void* block, unsigned offset)
{
    DWORD value;
    std::memcpy(&value, static_cast<const char*>(block) + offset, sizeof value);
    return value;
}

// The front-end inherits a duplicate of this process's handle and finds its
// value in "KYVANT_CON_APP_HANDLE".
void ExportOwnProcessHandle()
{
    HANDLE self = nullptr;
    if (!DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), &self, 0,
                         TRUE, DUPLICATE_SAME_ACCESS))
        throw os_error();
    const std::string value = std::to_string(reinterpret_cast<UINT_PTR>(self));
    ky_S(value.c_str()).PutEnv("KYVANT_CON_APP_HANDLE", ky_S::npos, true);
}

} // namespace

void KyConApp::RunHandoff(int argc, char** argv)
{
    ExportOwnProcessHandle();
    // Words name=value become variables the front-end inherits; a bare name
    // removes one.
    if (argc > 1)
        PathPlanDB::RecordCommandLineMacros(argv + 1, argv + argc);
    const ky_S& prefix = GetProtocolPrefix();
    doneEvent_.reset(new Win32::Event(true, (prefix + ToolHandoffBlock::kDoneEventName).c_str()));
    handoffBlock_.reset(new Win32::SharedMemory(
        KyCreate, ToolHandoffBlock::kSize, (prefix + ToolHandoffBlock::kName).c_str(),
        PAGE_READWRITE, nullptr, ToolHandoffBlock::kAccess));

    const char* const target[] = {guiTarget_.c_str(), nullptr};
    if (!RunGuiTarget(target)) {
        ExitCode.Merge(2);
        return;
    }
    RemoveStarterVariables();

    const void* block = handoffBlock_->GetBegin();
    guiProcess_.init(_P_NOWAIT, true);
    guiProcess_.attach(
        Win32::WordToHandle(ReadWord(block, offsetof(ToolHandoffBlock, guiProcess))));
    progressWindow_ =
        Win32::WordToHandle<HWND>(ReadWord(block, offsetof(ToolHandoffBlock, progressWindow)));

    received_.reset(new HandoffArgs);
    switch (received_->Read(block, handoffBlock_->GetSize(), programName_.c_str())) {
    case HandoffArgs::kOk:
        break;
    case HandoffArgs::kTooManyStrings:
        Fatal("sma argc discrepancy - 1", true);
        return;
    case HandoffArgs::kCountMismatch:
        Fatal("sma argc discrepancy - 2", true);
        return;
    }
    Main(received_->argc(), received_->argv());
    ShowSummary(true);
}

bool KyConApp::RunGuiTarget(const char* const* argv)
{
    CRT::Process gui;
    gui.Spawn(_P_NOWAIT, argv[0], argv);
    // The event is listed first: when both are signalled it wins.
    const HANDLE handles[2] = {doneEvent_->get(), gui.get()};
    const DWORD result = WaitForMultipleObjects(2, handles, FALSE, INFINITE);
    if (result == WAIT_FAILED)
        throw os_error();
    return result == WAIT_OBJECT_0 &&
           ReadWord(handoffBlock_->GetBegin(), offsetof(ToolHandoffBlock, runFlag)) != 0;
}

} // namespace Kyvant
