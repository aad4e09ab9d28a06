// Smart pointers of the plain COM interfaces used by the development-
// environment code.
#pragma once

#include "KyConTool/DevEnv/ComPtrTypedef.h"

#include <oaidl.h>

namespace Kyvant {
namespace DevEnv {

KY_COM_PTR(Unknown, IUnknown, IID_IUnknown);
KY_COM_PTR(Dispatch, IDispatch, IID_IDispatch);

} // namespace DevEnv
} // namespace Kyvant
