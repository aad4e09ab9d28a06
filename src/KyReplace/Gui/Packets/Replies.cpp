// The line-count reply and its N.
#include "KyReplace/Gui/Packets/Replies.h"

#include "KyReplace/Gui/Packets/PacketCodes.h"
#include "KyReplace/Gui/Packets/QuestionCodec.h"

namespace Kyvant {

int WindowLineCount(unsigned visibleLines)
{
    // Counts beyond a window's capacity are no use to the engine.
    int lines = visibleLines > static_cast<unsigned>(kMaxWindowLines)
                    ? kMaxWindowLines
                    : static_cast<int>(visibleLines);
    if (lines < kMinWindowLines)
        lines = kMinWindowLines;
    return lines % 2 == 0 ? lines - 1 : lines;
}

PacketOutput LineCountReply(unsigned visibleLines)
{
    PacketOutput reply(kReplyLineCount);
    reply.Int(WindowLineCount(visibleLines));
    return reply;
}

} // namespace Kyvant
