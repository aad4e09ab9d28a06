// The process-wide hand-off state: the environment's object and the four publication slots.
#pragma once

#include "KyAddIn/Guids.h"

#include <oaidl.h>

namespace KyAddIn {

struct PublicationSlot {
    IUnknown* object = nullptr; // kept alive by the running-object table
    DWORD cookie = 0;
};

struct HandoffState {
    IDispatch* application = nullptr; // Visual C++ 6 IApplication, not owned
    IDispatch* dte = nullptr;         // VS.NET _DTE, not owned
    PublicationSlot slots[kSlotCount];
};

HandoffState& TheHandoffState();

// Publishes a new published-class object in the first free slot and names
// it in "KYVANT_VC_CLSID" (and, for VS.NET, "KYVANT_VSNET_CLSID"); every
// failure is silent.
void PublishIdeObject(bool vsNet);
// Revokes every published slot and clears both variables.
void RevokeIdeObjects();

} // namespace KyAddIn
