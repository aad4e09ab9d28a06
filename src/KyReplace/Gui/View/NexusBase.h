// The display of one replace task's packets in the Replace view, common to
// both modes the engine announces: the file text, the match shown in Before
// and After with the rule's two sides and the position line, and the answers
// that change Before and reply to the engine. SingleLineNexus and
// MultiLineNexus supply the mode's begin, match and position.
#pragma once

#include "KyReplace/Gui/View/NexusHost.h"
#include "KyStd/Strings/String.h"

#include <afxwin.h>
#include <richedit.h>

namespace Kyvant {

class ReplaceJob;
class ReplPacketBase;

class NexusBase {
public:
    explicit NexusBase(NexusHost& host);
    virtual ~NexusBase();
    NexusBase(const NexusBase&) = delete;
    NexusBase& operator=(const NexusBase&) = delete;

    // 400 begin, 401 end, 403 reset, 404 end of file, 406 match (value: the
    // packet), 407 file text; other codes are not the nexus's.
    virtual void OnPacket(int code, LPARAM value, ReplaceJob* job);

    virtual void Begin() = 0;
    virtual void Match(const ReplPacketBase& packet) = 0;
    virtual void End();
    // A new file: no colour left in Before, After and the rule's panes.
    virtual void Reset();
    virtual void EndOfFile();
    // Replies at once, then streams the job's file text into Before with
    // the frame disabled.
    virtual void FileText(ReplaceJob* job);

    // The answers to the waiting match.
    void Replace();
    void ReplaceAllInFile();
    void ReplaceAllFiles();
    void Skip();
    void SkipAllInFile();
    void SkipAllFiles();
    void Cancel();

    // The position line again, after the panes were rewrapped.
    virtual void UpdatePosition();
    // The match in Before and its replacement in After, selected and in view.
    void SelectMatch();

protected:
    // Replaces the match in Before, then replies; the replacement coloured
    // (or selected).
    virtual void ReplaceWith(int code);
    // Colours the match as skipped, then replies.
    virtual void SkipWith(int code);

    // The common display of a match starting at matchStart in Before, in a
    // text whose first line is the file's line lineBase + 1.
    void ShowMatch(const ReplPacketBase& packet, long matchStart, long lineBase);
    // The position line of the current match.
    void ShowPosition();

    NexusHost& host_;

private:
    void ShowAfter();

    ky_S replacement_;
    CHARRANGE match_;
    CHARRANGE replacementInAfter_;
    long lineBase_;
    unsigned rule_;
    unsigned ruleCount_;
};

} // namespace Kyvant
