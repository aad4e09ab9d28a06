// Multi-line mode: the match within the whole file text, its position while it is shown.
#include "KyReplace/Gui/View/MultiLineNexus.h"

#include "KyReplace/Gui/Packets/ReplPacket.h"

namespace Kyvant {

void MultiLineNexus::Begin() {}

void MultiLineNexus::Match(const ReplPacketBase& packet)
{
    ShowMatch(packet, packet.matchStart, 0);
    matchShown_ = true;
}

void MultiLineNexus::EndOfFile()
{
    matchShown_ = false;
}

void MultiLineNexus::UpdatePosition()
{
    if (matchShown_)
        ShowPosition();
}

} // namespace Kyvant
