// The tests' view: its window and panes, the task dialog, KyReplace's requests and the packets.
#include "View/TestReplaceView.h"

#include "View/TestViewResource.h"
#include "common/SplitText.h"

#include "KyConTool/App/ConGuiHandoff.h"
#include "KyConTool/App/ProtocolPrefix.h"
#include "KyReplace/Console/FrontEnd/ReplaceLinkBlocks.h"
#include "KyReplace/Gui/Packets/PacketCodes.h"
#include "KyReplace/Gui/Packets/ReplPacket.h"
#include "KyReplace/Gui/Task/KyReplaceProcess.h"
#include "KyReplace/Gui/Task/ReplaceMessages.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Processes/PipeIO.h"
#include "KyStd/Win32/SharedMemory.h"

#include <afxdlgs.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <exception>

using namespace Kyvant;

namespace replgtest {

namespace {

const UINT kListId = 100;
const UINT kTextId = 101;
const int kWidth = 760, kHeight = 520, kListHeight = 240, kMargin = 4;
const long kTextLimit = 0x7FFFFFFE;
const char kArgSeparator = '|';

std::string Joined(const std::vector<std::string>& words, char separator)
{
    std::string text;
    for (size_t i = 0; i < words.size(); ++i)
        text += (i ? std::string(1, separator) : std::string()) + words[i];
    return text;
}

// The tests' task dialog: on OK it writes the command line into the
// hand-off block, as the settings dialog does.
class TestTaskDialog : public CDialog {
public:
    TestTaskDialog(const ViewScript& script, CWnd* parent)
        : CDialog(IDD_TEST_REPLACE_TASK, parent), script_(script)
    {
    }

    // The modal loop's first idle: the script types the command line and
    // presses OK or Cancel.
    static void Answer(CWnd* dialog)
    {
        if (!current_ || dialog != current_)
            return;
        dialog->SetDlgItemText(IDC_TEST_REPLACE_ARGS,
                               Joined(current_->script_.args, kArgSeparator).c_str());
        const int button = current_->script_.acceptDialog ? IDOK : IDCANCEL;
        dialog->GetDlgItem(button)->SendMessage(BM_CLICK);
    }

    INT_PTR Run()
    {
        current_ = this;
        AFX_MODALIDLEHOOK previous = AfxSetModalIdleHook(&TestTaskDialog::Answer);
        const INT_PTR result = DoModal();
        AfxSetModalIdleHook(previous);
        current_ = nullptr;
        return result;
    }

protected:
    void OnOK() override
    {
        CString text;
        GetDlgItemText(IDC_TEST_REPLACE_ARGS, text);
        std::vector<std::string> words{"KyReplace.exe"};
        const std::string typed(static_cast<const char*>(text));
        if (!typed.empty())
            for (const std::string& word : kytest::Split(typed, kArgSeparator))
                words.push_back(word);
        WriteHandoffCommandLine(words);
        CDialog::OnOK();
    }

private:
    static TestTaskDialog* current_;
    const ViewScript& script_;
};

TestTaskDialog* TestTaskDialog::current_ = nullptr;

struct CapturedStream {
    TextStream* stream;
    std::string* copy;
};

DWORD CALLBACK CaptureCallback(DWORD_PTR cookie, LPBYTE buffer, LONG capacity, LONG* got)
{
    CapturedStream& captured = *reinterpret_cast<CapturedStream*>(cookie);
    const DWORD result =
        TextStream::Callback(reinterpret_cast<DWORD_PTR>(captured.stream), buffer, capacity, got);
    captured.copy->append(reinterpret_cast<const char*>(buffer), static_cast<size_t>(*got));
    return result;
}

// Word 0 of KyReplace's tool block as it stands.
DWORD ToolBlockWord0()
{
    const Win32::SharedMemory block((GetProtocolPrefix() + kReplaceToolBlockName).c_str());
    return ReadBlockWord(static_cast<const ReplaceToolBlock*>(block.GetBegin())->replacementCount);
}

} // namespace

BEGIN_MESSAGE_MAP(TestReplaceView, CWnd)
ON_MESSAGE(kReplaceRequestMessage, OnRequest)
ON_MESSAGE(kPerlPacketMessage, OnPacket)
END_MESSAGE_MAP()

TestReplaceView::TestReplaceView(const ViewScript& script) : script_(script) {}

TestReplaceView::~TestReplaceView()
{
    job_.reset();
    if (m_hWnd)
        DestroyWindow();
}

bool TestReplaceView::Create(const char* title)
{
    if (!CreateEx(0, AfxRegisterWndClass(0, nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)),
                  title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, kWidth, kHeight, nullptr,
                  nullptr))
        return false;
    CRect client;
    GetClientRect(&client);
    const CRect listRect(kMargin, kMargin, client.right - kMargin, kListHeight);
    const CRect textRect(kMargin, kListHeight + kMargin, client.right - kMargin,
                         client.bottom - kMargin);
    if (!list_.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_HSCROLL |
                          LBS_NOINTEGRALHEIGHT,
                      listRect, this, kListId) ||
        !text_.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | ES_MULTILINE |
                          ES_AUTOVSCROLL,
                      textRect, this, kTextId))
        return false;
    text_.LimitText(kTextLimit);
    return true;
}

void TestReplaceView::UseReader(std::function<TextStream()> textSource, HANDLE abort)
{
    textSource_ = std::move(textSource);
    readerAbort_ = abort;
}

void TestReplaceView::Add(const std::string& line)
{
    log_.push_back(line);
    if (list_.m_hWnd)
        list_.AddString(line.substr(0, 200).c_str());
}

std::string TestReplaceView::LogText() const
{
    std::string text;
    for (const std::string& line : log_)
        text += line + "\n";
    return text;
}

void TestReplaceView::StartTask()
{
    ReplaceJob::SetDialogFailed(false);
    try {
        job_.reset(new ReplaceJob(*this));
        Add(std::string("started here=") + (job_->KyReplace().StartedHere() ? "1" : "0"));
        job_->Go();
    } catch (const std::exception& e) {
        Add(std::string("start failed: ") + e.what() +
            (ReplaceJob::DialogFailed() ? " (dialog failed)" : ""));
        job_.reset();
        ended_ = true;
    }
}

LRESULT TestReplaceView::OnRequest(WPARAM request, LPARAM value)
{
    switch (request) {
    case kRequestTaskDialog:
        RunTaskDialog();
        break;
    case kRequestWatchProcess:
        if (job_) {
            job_->WatchProcess(reinterpret_cast<HANDLE>(value));
            Add("watch engine");
        }
        break;
    default:
        ReadLogLine(request, value);
        break;
    }
    return 0;
}

void TestReplaceView::RunTaskDialog()
{
    TestTaskDialog dialog(script_, this);
    const bool failed = dialog.Run() != IDOK;
    ReplaceJob::SetDialogFailed(failed);
    Add(failed ? "dialog cancelled" : "dialog accepted");
    if (!underConstruction_) {
        Add("no job to tell");
        return;
    }
    try {
        // Kept open, so the words can be read after KyReplace went on.
        const Win32::SharedMemory handoff((GetProtocolPrefix() + ToolHandoffBlock::kName).c_str());
        const Win32::SharedMemory frontEnd(
            (GetProtocolPrefix() + kReplaceFrontEndBlockName).c_str());
        underConstruction_->EndDialog();
        DWORD run, dialogFailed;
        std::memcpy(&run, static_cast<const char*>(handoff.GetBegin()), sizeof run);
        dialogFailed = static_cast<const ReplaceFrontEndBlock*>(frontEnd.GetBegin())->dialogFailed;
        Add("released run=" + std::to_string(run) + " failed=" + std::to_string(dialogFailed));
    } catch (const std::exception& e) {
        Add(std::string("end dialog failed: ") + e.what());
    }
}

void TestReplaceView::ReadLogLine(WPARAM kind, LPARAM length)
{
    if (!job_ || length <= 0) {
        Add("log kind=" + std::to_string(kind) + " without a job");
        return;
    }
    std::string text(static_cast<size_t>(length), '\0');
    if (CRT::ReadPipe(std::nothrow, job_->LogDescriptor(), &text[0],
                      static_cast<unsigned>(length)) != length) {
        Add("log kind=" + std::to_string(kind) + " unreadable");
        return;
    }
    if (text.back() == '\n')
        text.pop_back();
    Add("log kind=" + std::to_string(kind) + " " + Escaped(text));
}

LRESULT TestReplaceView::OnPacket(WPARAM code, LPARAM value)
{
    switch (static_cast<int>(code)) {
    case kPacketBegin:
        Add("400 single=" + std::to_string(value));
        if (value && job_) {
            job_->WriteLineCountReply(script_.visibleLines);
            Add("reply 800 lines=" + std::to_string(script_.visibleLines));
        }
        break;
    case kPacketEnd:
        ReplyMessage(0);
        Add("401");
        if (job_)
            job_->SetFinished();
        EndTask();
        break;
    case kPacketAbEnd:
        OnFailure(*reinterpret_cast<const std::exception*>(value));
        break;
    case kPacketEndFile:
        OnEndOfFile(*reinterpret_cast<const int*>(value));
        break;
    case kPacketFileName:
        Add(std::string("405 name=") + reinterpret_cast<const ky_F*>(value)->c_str());
        break;
    case kPacketQuestion: {
        const std::unique_ptr<ReplPacketBase> packet(reinterpret_cast<ReplPacketBase*>(value));
        OnQuestion(*packet);
        break;
    }
    case kPacketTextSize:
        ReplyMessage(0);
        OnFileText(static_cast<int>(value));
        break;
    case kPacketPaused:
        OnPaused();
        break;
    default:
        Add(std::to_string(code));
        break;
    }
    return 0;
}

void TestReplaceView::OnFailure(const std::exception& error)
{
    const HANDLE abort = job_ ? job_->AbortEvent().get() : readerAbort_;
    const bool aborted = abort && WaitForSingleObject(abort, 0) == WAIT_OBJECT_0;
    const std::string text = error.what();
    ReplyMessage(0);
    Add("402 " + text + (aborted ? " (aborted)" : ""));
    if (job_)
        job_->DoQuitEvent().Set();
    EndTask();
}

void TestReplaceView::OnQuestion(const ReplPacketBase& packet)
{
    std::string line =
        "406 rule=" + std::to_string(packet.ruleNumber) + "/" + std::to_string(packet.ruleCount) +
        " base=" + std::to_string(packet.lineBase) + " start=" + std::to_string(packet.matchStart) +
        " len=" + std::to_string(packet.matchLength);
    if (const auto* window = dynamic_cast<const SingleLineReplPacket*>(&packet)) {
        std::string lines;
        for (size_t i = 0; i < window->lines.size(); ++i)
            lines += (i ? "|" : "") + Escaped(window->lines[i].c_str());
        line += " window=" + lines + " index=" + std::to_string(window->matchLine);
    }
    line += std::string(" matched=") + packet.matched.c_str() +
            " with=" + packet.replacingWith.c_str() + " repl=" + packet.replacement.c_str();
    Add(line);
    if (script_.stopAtQuestion && job_) {
        // The job goes while the engine still has packets to send.
        Reply(kReplyStop);
        ReplyMessage(0);
        job_->DoQuitEvent().Set();
        EndTask();
        return;
    }
    int reply = 0;
    if (!script_.replies.empty())
        reply = script_.replies[std::min(repliesUsed_++, script_.replies.size() - 1)];
    Reply(reply);
}

void TestReplaceView::Reply(int code)
{
    if (job_)
        job_->WriteReply(code);
    Add("reply " + std::to_string(code));
}

void TestReplaceView::OnFileText(int size)
{
    TextStream stream = job_ ? job_->FileTextStream() : textSource_();
    lastText_.clear();
    if (script_.collectText) {
        lastText_.reserve(static_cast<size_t>(size));
        // The rich edit's way, without the control.
        BYTE piece[0x10000];
        LONG got = 0;
        while (TextStream::Callback(reinterpret_cast<DWORD_PTR>(&stream), piece, sizeof piece,
                                    &got) == 0 &&
               got > 0)
            lastText_.append(reinterpret_cast<const char*>(piece), static_cast<size_t>(got));
    } else {
        CapturedStream captured{&stream, &lastText_};
        EDITSTREAM es = {reinterpret_cast<DWORD_PTR>(&captured), 0, &CaptureCallback};
        text_.StreamIn(SF_TEXT, es);
    }
    Add("407 size=" + std::to_string(size) + " got=" + std::to_string(lastText_.size()) +
        (stream.BrokeOff() ? " broke off" : ""));
}

void TestReplaceView::OnEndOfFile(int count)
{
    if (!job_) {
        Add("404 count=" + std::to_string(count));
        return;
    }
    job_->EndOfFile(count);
    Add("404 count=" + std::to_string(count) + " word0=" + std::to_string(ToolBlockWord0()));
}

void TestReplaceView::OnPaused()
{
    Add("410");
    if (!job_)
        return;
    job_->SetPaused(true);
    if (script_.resumeOnPause) {
        job_->SetPaused(false);
        job_->ResumeEvent().Set();
        Add("resume");
    } else {
        job_->DoQuitEvent().Set();
        Add("quit");
    }
}

void TestReplaceView::EndTask()
{
    if (ending_)
        return;
    ending_ = true;
    // Log lines KyReplace announced before the end.
    MSG msg;
    while (::PeekMessageA(&msg, m_hWnd, kReplaceRequestMessage, kReplaceRequestMessage, PM_REMOVE))
        ::DispatchMessageA(&msg);
    job_.reset();
    ended_ = true;
    Add("ended");
}

void WriteHandoffCommandLine(const std::vector<std::string>& words)
{
    std::string strings;
    for (const std::string& word : words)
        strings.append(word).append(1, '\0');
    strings += '\0';
    Win32::SharedMemory block((GetProtocolPrefix() + ToolHandoffBlock::kName).c_str());
    char* bytes = static_cast<char*>(block.GetBegin());
    const DWORD argc = static_cast<DWORD>(words.size());
    std::memcpy(bytes + offsetof(ToolHandoffBlock, argc), &argc, sizeof argc);
    std::memcpy(bytes + offsetof(ToolHandoffBlock, args), strings.data(), strings.size());
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        if (!done())
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return true;
}

std::string Escaped(const std::string& text)
{
    std::string out;
    for (char c : text)
        out += c == '\n' ? "\\n" : c == '\r' ? "\\r" : c == '\t' ? "\\t" : std::string(1, c);
    return out;
}

} // namespace replgtest
