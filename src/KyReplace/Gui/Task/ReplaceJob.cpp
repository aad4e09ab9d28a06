// A replace job's life: construction in order with its undo, Go, the dialog's end, replies,
// destruction.
#include "KyReplace/Gui/Task/ReplaceJob.h"

#include "KyConTool/App/ProtocolPrefix.h"
#include "KyGui/Helpers/NestedLoop.h"
#include "KyGuiTool/Handoff/ConGuiBridge.h"
#include "KyReplace/Gui/Packets/PacketOutput.h"
#include "KyReplace/Gui/Packets/Replies.h"
#include "KyReplace/Gui/Task/KyReplaceProcess.h"
#include "KyReplace/Gui/Task/LinkObjectNames.h"
#include "KyReplace/Gui/Task/PacketReader.h"
#include "KyStd/Core/Errors.h"
#include "KyStd/Core/HandleTags.h"
#include "KyStd/Win32/HandleWord.h"

#include <new>
#include <stdexcept>

namespace Kyvant {

namespace {

bool g_dialogFailed = false;

Win32::Event OpenEvent(const ky_S& prefix, const char* name)
{
    return Win32::Event(KyOpen, (prefix + name).c_str(), EVENT_ALL_ACCESS, false);
}

Win32::Mutex OpenMutex(const ky_S& prefix, const char* name)
{
    return Win32::Mutex(KyOpen, (prefix + name).c_str(), MUTEX_ALL_ACCESS, false);
}

HANDLE HandleFromWord(const DWORD& word)
{
    return Win32::WordToHandle(ReadBlockWord(word));
}

} // namespace

ReplaceJob::ViewLink::ViewLink(ReplaceJobHost& view, ReplaceJob& job) : view_(view)
{
    view_.SetJobUnderConstruction(&job);
}

ReplaceJob::ReplaceJob(ReplaceJobHost& view)
    : view_(view, *this), prefix_(GetProtocolPrefix()), abort_(true),
      frontEndEvent_(false, (prefix_ + ReplaceLinkNames::kFrontEndEvent).c_str()),
      frontEndBlock_(KyCreate, kReplaceBlockSize, (prefix_ + kReplaceFrontEndBlockName).c_str(),
                     PAGE_READWRITE, nullptr, FILE_MAP_ALL_ACCESS),
      kyReplace_(new KyReplaceProcess(view, FrontEndBlock(), frontEndEvent_))
{
    try {
        OpenLinkObjects();
        OpenToolBlock();
        CreateReader();
    } catch (...) {
        // KyReplace waits for this job to take its pipes, which it never will.
        kyReplace_->Abandon();
        throw;
    }
}

ReplaceJob::~ReplaceJob()
{
    try {
        abort_.Set();
        if (thread_) {
            if (!readerStarted_)
                thread_->ResumeThread();
            UserEx::WaitServingSentMessages(thread_->m_hThread);
        }
    } catch (...) {
    }
    try {
        ResetProtocolPrefix();
    } catch (...) {
    }
}

ReplaceFrontEndBlock& ReplaceJob::FrontEndBlock()
{
    return *static_cast<ReplaceFrontEndBlock*>(frontEndBlock_.GetBegin());
}

ReplaceToolBlock& ReplaceJob::ToolBlock()
{
    return *static_cast<ReplaceToolBlock*>(toolBlock_->GetBegin());
}

void ReplaceJob::OpenLinkObjects()
{
    doQuit_ = OpenEvent(prefix_, ReplaceLinkNames::kDoQuitEvent);
    hasQuit_ = OpenEvent(prefix_, ReplaceLinkNames::kHasQuitEvent);
    pause_ = OpenEvent(prefix_, ReplaceLinkNames::kPauseEvent);
    resume_ = OpenEvent(prefix_, ReplaceLinkNames::kResumeEvent);
    endFile_ = OpenEvent(prefix_, ReplaceLinkNames::kEndFileEvent);
    modifiedTempFile_ = OpenEvent(prefix_, ReplaceLinkNames::kModifiedTempFileEvent);
    logWindowDied_ = OpenEvent(prefix_, ReplaceLinkNames::kLogWindowDiedEvent);
    logWindow_ = OpenMutex(prefix_, ReplaceLinkNames::kLogWindowMutex);
    fileCheck_ = OpenMutex(prefix_, ReplaceLinkNames::kFileCheckMutex);
}

void ReplaceJob::OpenToolBlock()
{
    toolBlock_.reset(new Win32::SharedMemory((prefix_ + kReplaceToolBlockName).c_str(),
                                             FILE_MAP_ALL_ACCESS, false));
    const ReplaceToolBlock& block = ToolBlock();
    const HANDLE ends[kPipeEnds] = {HandleFromWord(block.packetPipeRead),
                                    HandleFromWord(block.replyPipeWrite),
                                    HandleFromWord(block.logPipeRead)};
    PipeDescriptor* descriptors[kPipeEnds] = {&packetFd_, &replyFd_, &logFd_};
    AdoptPipeEnds(ends, descriptors);
}

void ReplaceJob::CreateReader()
{
    reader_.reset(new PacketReader(packetFd_.get(), view_.view().JobWindow(), chunks_,
                                   hasQuit_.get(), abort_.get()));
    CWinThread* thread =
        AfxBeginThread(&ReplaceJob::ThreadProc, this, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    if (!thread)
        throw std::runtime_error("Couldn't create thread.");
    thread->m_bAutoDelete = FALSE;
    thread_.reset(thread);
}

UINT AFX_CDECL ReplaceJob::ThreadProc(LPVOID param)
{
    ReplaceJob& job = *static_cast<ReplaceJob*>(param);
    job.reader_->Run([&job] {
        const Win32::Event ready = OpenEvent(job.prefix_, ReplaceLinkNames::kPerlReadyEvent);
        // Readiness wins over an end that came right after it.
        const HANDLE handles[3] = {ready.get(), job.hasQuit_.get(), job.abort_.get()};
        switch (WaitForMultipleObjects(3, handles, FALSE, INFINITE)) {
        case WAIT_OBJECT_0:
            return true;
        case WAIT_OBJECT_0 + 1:
            throw std::runtime_error("Perl didn't start properly.");
        case WAIT_OBJECT_0 + 2:
            return false;
        default:
            throw os_error();
        }
    });
    return 0;
}

void ReplaceJob::Go()
{
    WriteBlockWord(ToolBlock().viewWindow, Win32::HandleToWord(view_.view().JobWindow()));
    OpenEvent(prefix_, ReplaceLinkNames::kToolEvent).Set();
    thread_->ResumeThread();
    readerStarted_ = true;
}

void ReplaceJob::EndDialog()
{
    const bool failed = DialogFailed();
    ReplaceFrontEndBlock& block = FrontEndBlock();
    const Win32::Event dialogTerm = OpenEvent(prefix_, ReplaceLinkNames::kDialogTermEvent);
    try {
        ConGuiBridge::Instance().ReleaseConApp(!failed);
    } catch (...) {
        // KyReplace must not wait for an answer that never comes.
        WriteBlockWord(block.dialogFailed, 1);
        dialogTerm.Set();
        throw;
    }
    WriteBlockWord(block.dialogFailed, failed ? 1 : 0);
    dialogTerm.Set();
}

void ReplaceJob::WriteReply(int code)
{
    PacketOutput(code).WriteTo(std::nothrow, replyFd_.get());
}

void ReplaceJob::WriteLineCountReply(unsigned visibleLines)
{
    LineCountReply(visibleLines).WriteTo(std::nothrow, replyFd_.get());
}

void ReplaceJob::SetDialogFailed(bool failed)
{
    g_dialogFailed = failed;
}

bool ReplaceJob::DialogFailed()
{
    return g_dialogFailed;
}

bool ReplaceJob::IsSingleLine() const
{
    return reader_->SingleLine();
}

void ReplaceJob::WatchProcess(HANDLE process)
{
    if (process != watched_.get())
        watched_ = CRT::Process(reinterpret_cast<UINT_PTR>(process));
}

void ReplaceJob::EndOfFile(int count)
{
    WriteBlockWord(ToolBlock().replacementCount, static_cast<DWORD>(count));
    if (count != 0)
        modifiedTempFile_.Set();
    endFile_.Set();
}

TextStream ReplaceJob::FileTextStream() const
{
    return TextStream(chunks_, hasQuit_.get(), abort_.get());
}

} // namespace Kyvant
