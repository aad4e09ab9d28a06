// The peer module's shared-object probes: its process singleton and rc_ptr copies and keeps.
#include "peer/KyStdPeer.h"

#include "KyStd/Core/ProcessSingleton.h"

#include <windows.h>

namespace KyStdPeer {

volatile long Counted::deletes = 0;
Counted::~Counted()
{
    InterlockedIncrement(&deletes);
}

Probe* SingletonProbe()
{
    return &Kyvant::ProcessSingleton<Probe>::Get();
}

void CopyAndDrop(const Kyvant::rc_ptr<Counted>& p, int n)
{
    for (int i = 0; i < n; ++i) {
        Kyvant::rc_ptr<Counted> copy(p);
        Kyvant::rc_ptr<Counted> other;
        other = copy;
    }
}

namespace {
Kyvant::rc_ptr<Counted>& Kept()
{
    static Kyvant::rc_ptr<Counted> kept;
    return kept;
}
} // namespace

void Keep(const Kyvant::rc_ptr<Counted>& p)
{
    Kept() = p;
}
void ReleaseKept()
{
    Kept().release();
}

} // namespace KyStdPeer
