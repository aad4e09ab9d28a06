// The display in multi-line mode: Before holds the whole file text, streamed
// in when each file starts, and each question's match lies in it.
#pragma once

#include "KyReplace/Gui/View/NexusBase.h"

namespace Kyvant {

class MultiLineNexus : public NexusBase {
public:
    explicit MultiLineNexus(NexusHost& host) : NexusBase(host) {}

    void Begin() override;
    void Match(const ReplPacketBase& packet) override;
    void EndOfFile() override;
    // The line and column of the match as Before now has it.
    void UpdatePosition() override;

private:
    bool matchShown_ = false;
};

} // namespace Kyvant
