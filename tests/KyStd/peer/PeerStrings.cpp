// The peer module's empty-string blocks and a string made inside it.
#include "peer/PeerStrings.h"

namespace KyStdPeer {

const void* EmptyStringBuffer8()
{
    Kyvant::ky_S s;
    return s.c_str();
}

const void* EmptyStringBuffer16()
{
    Kyvant::ky_BS<unsigned short, Kyvant::ky_SCCT<unsigned short>> s;
    return s.c_str();
}

Kyvant::ky_S MakeString(const char* text)
{
    return Kyvant::ky_S(text);
}

} // namespace KyStdPeer
