// Lists made inside the peer module, for the process-wide node pool cases.
#pragma once

#include "peer/KyStdPeer.h"

namespace KyStdPeer {

// Element type whose node pool the test program and the peer share.
struct PooledItem {
    int key;
    int order;
};

// Keeps a list of n items, made in the peer with the given block size,
// until PeerListDrop.
KYSTDPEER_API void PeerListHold(int n, unsigned blockSize);
KYSTDPEER_API void PeerListDrop();

} // namespace KyStdPeer
