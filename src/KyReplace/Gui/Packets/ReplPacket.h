// A proposed replacement (packet 406) as the view shows it: the rule, where
// the match lies in the text of the Before pane, the rule's two sides and
// the text that would replace the match. In single-line mode the packet
// also carries the window of lines around the match, each with its own
// line end; the view owns a packet once it has handled it.
#pragma once

#include "KyStd/Strings/String.h"

#include <vector>

namespace Kyvant {

class ReplPacketBase {
public:
    virtual ~ReplPacketBase();

    int ruleNumber = 0;
    int ruleCount = 0;
    int lineBase = 0;   // single-line: the window's first line number - 1; else 0
    int matchStart = 0; // single-line: in the match's line; else in the whole text
    int matchLength = 0;
    ky_S matched;       // the rule's search side
    ky_S replacingWith; // the rule's replace side
    ky_S replacement;   // what would replace the match
};

class SingleLineReplPacket : public ReplPacketBase {
public:
    std::vector<ky_S> lines; // the window, each line with its line end
    int matchLine = 0;       // the match's line, an index into lines
};

class MultiLineReplPacket : public ReplPacketBase {};

} // namespace Kyvant
