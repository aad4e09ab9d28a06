// The common display of the packets: dispatch, reset, the file text, the match, answers.
#include "KyReplace/Gui/View/NexusBase.h"

#include "KyGui/RichEdit/KyRichEditCtrl.h"
#include "KyReplace/Gui/Packets/PacketCodes.h"
#include "KyReplace/Gui/Packets/ReplPacket.h"
#include "KyReplace/Gui/Task/ReplaceJob.h"
#include "KyReplace/Gui/View/PaneLines.h"
#include "KyReplace/Gui/View/PaneText.h"
#include "KyReplace/Gui/View/ReplaceTextOptions.h"
#include "KyReplace/Gui/View/ReplaceViewResource.h"

#include <algorithm>

namespace Kyvant {

namespace {

// Keeps a window disabled for a while, unless it was disabled already.
class DisabledWindow {
public:
    explicit DisabledWindow(CWnd* window)
        : window_(window && window->IsWindowEnabled() ? window : nullptr)
    {
        if (window_)
            window_->EnableWindow(FALSE);
    }
    ~DisabledWindow()
    {
        if (window_)
            window_->EnableWindow(TRUE);
    }
    DisabledWindow(const DisabledWindow&) = delete;
    DisabledWindow& operator=(const DisabledWindow&) = delete;

private:
    CWnd* window_;
};

CHARRANGE Range(long start, long length)
{
    return CHARRANGE{start, start + length};
}

} // namespace

NexusBase::NexusBase(NexusHost& host)
    : host_(host), match_(), replacementInAfter_(), lineBase_(0), rule_(0), ruleCount_(0)
{
}

NexusBase::~NexusBase() = default;

void NexusBase::OnPacket(int code, LPARAM value, ReplaceJob* job)
{
    switch (code) {
    case kPacketBegin:
        Begin();
        break;
    case kPacketEnd:
        End();
        break;
    case kPacketNewFile:
        Reset();
        break;
    case kPacketEndFile:
        EndOfFile();
        break;
    case kPacketQuestion:
        Match(*reinterpret_cast<const ReplPacketBase*>(value));
        break;
    case kPacketTextSize:
        FileText(job);
        break;
    default:
        break;
    }
}

void NexusBase::End() {}

void NexusBase::EndOfFile() {}

void NexusBase::UpdatePosition() {}

void NexusBase::Reset()
{
    host_.BeforePane().ClearTextColor();
    host_.AfterPane().ClearTextColor();
    host_.ClearRuleSideColours();
}

void NexusBase::FileText(ReplaceJob* job)
{
    ReplyMessage(0);
    KyRichEditCtrl& before = host_.BeforePane();
    before.ClearTextColor();
    if (!job)
        return;
    TextStream stream = job->FileTextStream();
    const DisabledWindow disabled(host_.FrameWindow());
    PaneText::StreamIn(before, stream);
}

void NexusBase::ShowMatch(const ReplPacketBase& packet, long matchStart, long lineBase)
{
    ReplyMessage(0);
    host_.ShowRuleSides(packet.matched, packet.replacingWith);
    replacement_ = packet.replacement;
    match_ = Range(matchStart, packet.matchLength);
    lineBase_ = lineBase;
    rule_ = static_cast<unsigned>(packet.ruleNumber);
    ruleCount_ = static_cast<unsigned>(packet.ruleCount);
    ReplaceTextOptions& options = host_.TextOptions();
    KyRichEditCtrl& before = host_.BeforePane();
    if (options.useColours)
        before.SetTextColor(options.MatchColour(), match_, host_.BeforeLines());
    else
        before.SetSel(match_, host_.BeforeLines());
    ShowAfter();
    ShowPosition();
}

// The match's lines with the replacement in place of the match.
void NexusBase::ShowAfter()
{
    KyRichEditCtrl& before = host_.BeforePane();
    KyRichEditCtrl& after = host_.AfterPane();
    ReplaceTextOptions& options = host_.TextOptions();
    const long lineStart = PaneLines::LineStart(before, match_.cpMin);
    const long lastChar = match_.cpMax > match_.cpMin ? match_.cpMax - 1 : match_.cpMin;
    const long lineEnd = std::max(match_.cpMax, PaneLines::LineEnd(before, lastChar));
    ky_S text = PaneText::Range(before, lineStart, match_.cpMin);
    text += replacement_;
    text += PaneText::Range(before, match_.cpMax, lineEnd);
    PaneText::Fill(after, text, options.mainFont, options.tabSize);
    replacementInAfter_ = Range(match_.cpMin - lineStart, static_cast<long>(replacement_.length()));
    if (options.useColours)
        after.SetTextColor(options.ReplacementColour(), replacementInAfter_, host_.AfterLines());
    else
        after.SetSel(replacementInAfter_, host_.AfterLines());
}

void NexusBase::ShowPosition()
{
    const KyRichEditCtrl& before = host_.BeforePane();
    MatchPosition position;
    position.rule = rule_;
    position.ruleCount = ruleCount_;
    position.line =
        static_cast<unsigned>(lineBase_ + PaneLines::LineNumber(before, match_.cpMin) + 1);
    position.column =
        static_cast<unsigned>(match_.cpMin - PaneLines::LineStart(before, match_.cpMin) + 1);
    position.matchLength = static_cast<unsigned>(match_.cpMax - match_.cpMin);
    position.replacementLength = replacement_.length();
    host_.ShowPosition(position);
}

void NexusBase::SelectMatch()
{
    host_.BeforePane().SetSel(match_, host_.BeforeLines());
    host_.AfterPane().SetSel(replacementInAfter_, host_.AfterLines());
}

void NexusBase::Replace()
{
    ReplaceWith(kReplyReplace);
}

void NexusBase::ReplaceAllInFile()
{
    ReplaceWith(kReplyReplaceAllInFile);
}

void NexusBase::ReplaceAllFiles()
{
    ReplaceWith(kReplyReplaceAllFiles);
}

void NexusBase::Skip()
{
    SkipWith(kReplySkip);
}

void NexusBase::SkipAllInFile()
{
    SkipWith(kReplySkipAllInFile);
}

void NexusBase::SkipAllFiles()
{
    SkipWith(kReplySkipAllFiles);
}

void NexusBase::Cancel()
{
    host_.ShowStatus(IDS_KY_REPLACE_WORKING);
    host_.WriteReply(kReplyCancel);
}

void NexusBase::ReplaceWith(int code)
{
    host_.ShowStatus(IDS_KY_REPLACE_WORKING);
    ReplaceTextOptions& options = host_.TextOptions();
    KyRichEditCtrl& before = host_.BeforePane();
    const CHARRANGE replaced = Range(match_.cpMin, static_cast<long>(replacement_.length()));
    {
        KyRichEditCtrl::SelHider hider(before);
        CHARRANGE match = match_;
        before.CRichEditCtrl::SetSel(match);
        if (options.useColours)
            before.ClearTextColor(false);
        PaneText::ReplaceSelection(before, replacement_);
        host_.WriteReply(code);
        if (options.useColours && !replacement_.empty())
            before.SetTextColor(options.ReplacementColour(), replaced, host_.BeforeLines());
        else if (!options.useColours)
            before.SetSel(replaced, host_.BeforeLines());
    }
    match_ = replaced;
}

void NexusBase::SkipWith(int code)
{
    ReplaceTextOptions& options = host_.TextOptions();
    KyRichEditCtrl& before = host_.BeforePane();
    if (options.useColours && match_.cpMax > match_.cpMin)
        before.SetTextColor(options.SkipColour(), match_, host_.BeforeLines());
    host_.ShowStatus(IDS_KY_REPLACE_WORKING);
    host_.WriteReply(code);
    before.SetSel(match_.cpMin, match_.cpMin, host_.BeforeLines());
}

} // namespace Kyvant
