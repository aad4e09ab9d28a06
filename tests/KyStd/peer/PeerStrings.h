// Strings made inside the peer module, for the shared-empty-block cases.
#pragma once

#include "KyStd/Strings/String.h"
#include "peer/KyStdPeer.h"

namespace KyStdPeer {

// Buffer addresses of default-constructed 8- and 16-bit strings built by
// the peer's own code.
KYSTDPEER_API const void* EmptyStringBuffer8();
KYSTDPEER_API const void* EmptyStringBuffer16();

// An 8-bit string built in the peer, for cross-module sharing.
KYSTDPEER_API Kyvant::ky_S MakeString(const char* text);

} // namespace KyStdPeer
