// Single-line mode: the line-count reply, the window of lines in Before before the match display.
#include "KyReplace/Gui/View/SingleLineNexus.h"

#include "KyGui/RichEdit/KyRichEditCtrl.h"
#include "KyReplace/Gui/Packets/ReplPacket.h"

#include <stdexcept>

namespace Kyvant {

void SingleLineNexus::Begin()
{
    host_.WriteLineCountReply();
}

void SingleLineNexus::Match(const ReplPacketBase& packet)
{
    const auto* window = dynamic_cast<const SingleLineReplPacket*>(&packet);
    if (!window)
        throw std::logic_error("A single-line question without its window of lines.");
    long start;
    {
        KyRichEditCtrl::SelHider hider(host_.BeforePane());
        start = window_.Show(host_.BeforePane(), *window);
    }
    ShowMatch(packet, start, packet.lineBase);
}

void SingleLineNexus::Reset()
{
    NexusBase::Reset();
    window_.Forget();
}

} // namespace Kyvant
