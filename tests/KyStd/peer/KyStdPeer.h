// A second module of the test process: it instantiates the same header
// templates as the test program, so shared process-wide objects can be
// compared across module boundaries.
#pragma once

#include "KyStd/Core/RcPtr.h"

#ifdef KyStdPeer_BUILD
#define KYSTDPEER_API __declspec(dllexport)
#else
#define KYSTDPEER_API __declspec(dllimport)
#endif

namespace KyStdPeer {

struct Probe {
    int value = 0;
};

// Deletion counter of the pointee type shared by both modules.
struct KYSTDPEER_API Counted {
    static volatile long deletes;
    ~Counted();
};

// The singleton object of type Probe as seen from the peer.
KYSTDPEER_API Probe* SingletonProbe();

// Copies p n times inside the peer module and drops the copies again.
KYSTDPEER_API void CopyAndDrop(const Kyvant::rc_ptr<Counted>& p, int n);

// Keeps a copy of p in the peer until ReleaseKept.
KYSTDPEER_API void Keep(const Kyvant::rc_ptr<Counted>& p);
KYSTDPEER_API void ReleaseKept();

} // namespace KyStdPeer
