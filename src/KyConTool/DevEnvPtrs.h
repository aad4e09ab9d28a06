// Smart pointers of the plain COM interfaces used by the development-
// environment code (this compiler's COM support does not predefine them).
#pragma once

#include "KyStd/ComError.h"

#include <oaidl.h>

namespace Kyvant {
namespace DevEnv {

inline const IID& UnknownIid()
{
    return IID_IUnknown;
}
inline const IID& DispatchIid()
{
    return IID_IDispatch;
}

using UnknownPtr = _com_ptr_t<_com_IIID_getter<IUnknown, UnknownIid>>;
using DispatchPtr = _com_ptr_t<_com_IIID_getter<IDispatch, DispatchIid>>;

} // namespace DevEnv
} // namespace Kyvant
