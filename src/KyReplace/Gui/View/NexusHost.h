// What a nexus (the display of one replace task's packets) needs of the view
// that owns it: its panes, text options and line counts, the status, the
// replies, the rule's two sides and the position line.
#pragma once

#include "KyStd/Strings/String.h"

#include <afxwin.h>

class KyRichEditCtrl;

namespace Kyvant {

class ReplaceTextOptions;

// What the position line shows of the current match.
struct MatchPosition {
    unsigned rule = 0;
    unsigned ruleCount = 0;
    unsigned line = 0;   // in the file, from 1
    unsigned column = 0; // in the line, from 1
    unsigned matchLength = 0;
    unsigned replacementLength = 0;
};

class NexusHost {
public:
    virtual KyRichEditCtrl& BeforePane() = 0;
    virtual KyRichEditCtrl& AfterPane() = 0;
    virtual ReplaceTextOptions& TextOptions() = 0;
    // The lines the Before and After panes show.
    virtual int BeforeLines() const = 0;
    virtual int AfterLines() const = 0;
    // The frame's status text, by string id.
    virtual void ShowStatus(UINT id) = 0;
    // One reply to the engine; nothing without a task.
    virtual void WriteReply(int code) = 0;
    // Reply 800 with the lines a window of the Before pane shows.
    virtual void WriteLineCountReply() = 0;
    // The rule's search and replace sides, each rendered only when it changed.
    virtual void ShowRuleSides(const ky_S& matched, const ky_S& replacingWith) = 0;
    virtual void ClearRuleSideColours() = 0;
    virtual void ShowPosition(const MatchPosition& position) = 0;
    // Disabled while a file text streams in.
    virtual CWnd* FrameWindow() = 0;

protected:
    ~NexusHost() = default;
};

} // namespace Kyvant
