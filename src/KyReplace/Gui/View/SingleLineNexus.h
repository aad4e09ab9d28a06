// The display in single-line mode: the engine is told how many lines the
// Before pane shows, and each question brings the window of lines around its
// match, which Before shows as a LineWindow.
#pragma once

#include "KyReplace/Gui/View/LineWindow.h"
#include "KyReplace/Gui/View/NexusBase.h"

namespace Kyvant {

class SingleLineNexus : public NexusBase {
public:
    explicit SingleLineNexus(NexusHost& host) : NexusBase(host) {}

    // Reply 800 with the window's line count.
    void Begin() override;
    void Match(const ReplPacketBase& packet) override;
    void Reset() override;

private:
    LineWindow window_;
};

} // namespace Kyvant
