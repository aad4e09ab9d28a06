// The link to the Replace front-end: handles duplicated into it, its window, the engine announced.
#include "KyReplace/Console/FrontEnd/FrontEndLink.h"

#include "KyConTool/App/ProtocolPrefix.h"
#include "KyReplace/Console/FrontEnd/FrontEndPost.h"
#include "KyReplace/Console/FrontEnd/ReplaceNamedObjects.h"
#include "KyStd/Core/Errors.h"
#include "KyStd/Win32/HandleWord.h"
#include "KyStd/Win32/SyncObjects.h"
#include "KyStd/Win32/Waits.h"

#include <io.h>

#include <stdexcept>

namespace Kyvant {

namespace {

const char kLogRead[] = "KYVANT_KyReplace_KyReplaceG_MSG_READ_HDL";
const char kLogReadOs[] = "KYVANT_KyReplace_KyReplaceG_MSG_READ_HDL_OS_HDL";
const char kReplyRead[] = "KYVANT_PERL_GUI_CONFIRMER_INPUT_PIPE_READ_HDL";
const char kReplyReadOs[] = "KYVANT_PERL_GUI_CONFIRMER_INPUT_PIPE_READ_HDL_OS_HDL";
const char kConsoleEvent[] = "Kyvant_KyReplace_KyReplaceG_Event";
const char kFrontEndEvent[] = "Kyvant_KyReplaceG_KyReplace_Event";
const char kCannotInitialize[] = "Unable to initialize KyReplaceG.";

bool Ended(const CRT::Process& process)
{
    return WaitForSingleObject(process.get(), 0) != WAIT_TIMEOUT;
}

// A duplicate of handle that is valid in process (same access, not
// inheritable), as the 32-bit value that goes into the link block.
DWORD DuplicateInto(const CRT::Process& process, HANDLE handle)
{
    HANDLE copy = nullptr;
    if (!DuplicateHandle(GetCurrentProcess(), handle, process.get(), &copy, 0, FALSE,
                         DUPLICATE_SAME_ACCESS))
        throw os_error();
    return Win32::HandleToWord(copy);
}

DWORD OsHandleInto(const CRT::Process& process, const CRT::Pipe& pipe, CRT::Pipe::Side side)
{
    const intptr_t handle = _get_osfhandle(pipe.GetFd(side));
    if (handle == -1)
        throw os_error(ERROR_INVALID_HANDLE);
    return DuplicateInto(process, reinterpret_cast<HANDLE>(handle));
}

Win32::Event OpenFrontEndEvent(const CRT::Process& frontEnd)
{
    try {
        return Win32::Event(KyOpen, (GetProtocolPrefix() + kFrontEndEvent).c_str());
    } catch (const os_error&) {
        if (Ended(frontEnd))
            throw std::runtime_error(kCannotInitialize);
        throw;
    }
}

} // namespace

FrontEndConnection ConnectFrontEnd(ReplaceNamedObjects& objects, CRT::Pipe& packetPipe,
                                   CRT::Pipe& replyPipe, const CRT::Process& frontEnd)
{
    FrontEndConnection link;
    link.log.reset(new CRT::Pipe(kLogRead, kLogReadOs, CRT::Pipe::ReadEnd, true));
    ReplaceToolBlock& block = objects.ToolBlock();
    WriteBlockWord(block.packetPipeRead, OsHandleInto(frontEnd, packetPipe, CRT::Pipe::ReadEnd));
    WriteBlockWord(block.replyPipeWrite, OsHandleInto(frontEnd, replyPipe, CRT::Pipe::WriteEnd));
    WriteBlockWord(block.logPipeRead, OsHandleInto(frontEnd, *link.log, CRT::Pipe::ReadEnd));

    const Win32::Event taken(false, (GetProtocolPrefix() + kConsoleEvent).c_str());
    OpenFrontEndEvent(frontEnd).Set();
    const DWORD result = Win32::WaitForEither(taken.get(), frontEnd.get());
    if (result == WAIT_FAILED)
        throw os_error();
    if (result != WAIT_OBJECT_0)
        throw std::runtime_error(kCannotInitialize);

    link.window = WindowFromBlockWord(ReadBlockWord(block.viewWindow));
    link.log->CloseImp(CRT::Pipe::ReadEnd);
    replyPipe.MakeInheritable(kReplyRead, kReplyReadOs, CRT::Pipe::ReadEnd, true);
    replyPipe.MakeInheritable(CRT::Pipe::WriteEnd, false);
    return link;
}

void AnnounceEngine(const CRT::Process& engine, const CRT::Process& frontEnd, HWND window)
{
    // A front-end that is gone already is noticed by the run's wait.
    if (Ended(frontEnd))
        return;
    const DWORD copy = DuplicateInto(frontEnd, engine.get());
    if (PostToFrontEnd(window, 3, reinterpret_cast<LPARAM>(Win32::WordToHandle(copy)), frontEnd))
        return;
    // Nobody will close the copy for us.
    DuplicateHandle(frontEnd.get(), Win32::WordToHandle(copy), nullptr, nullptr, 0, FALSE,
                    DUPLICATE_CLOSE_SOURCE);
}

} // namespace Kyvant
