// Identifiers of the add-in's library, classes and interfaces, and of the environments' interfaces it uses.
#pragma once

#include <objbase.h>

namespace KyAddIn {

const unsigned kSlotCount = 4;

extern const GUID kLibId;
extern const CLSID kConnectClsid;
extern const CLSID kConnectVC6Clsid;
extern const IID kIConnectVC6Iid;
// The published classes and their interfaces, slot 1 first.
extern const CLSID kVcAppClsids[kSlotCount];
extern const IID kVcAppIids[kSlotCount];

extern const IID kIDTExtensibility2Iid; // VS.NET add-in interface
extern const IID kIDSAddInIid;          // Visual C++ 6 add-in interface
extern const IID kDteIid;               // VS.NET _DTE
extern const IID kAddInIid;             // VS.NET AddIn

} // namespace KyAddIn
