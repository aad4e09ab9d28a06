// COM and shell objects as the peer module sees them, for comparison with
// what the test program gets.
#pragma once

#include "peer/KyStdPeer.h"

#include <objbase.h>

namespace KyStdPeer {

// The process-wide task allocator as obtained from the peer module.
KYSTDPEER_API IMalloc* PeerGetIMalloc();

} // namespace KyStdPeer

// The peer also exports "DllGetVersion", which always fails with
// E_INVALIDARG: a DLL whose version query exists but does not work.
