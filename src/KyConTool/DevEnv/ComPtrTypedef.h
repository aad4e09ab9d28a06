// Declares a smart pointer for a plain COM interface that this compiler's
// COM support does not predefine: KY_COM_PTR(Name, IName, iid) gives
// NameIid(), returning iid, and NamePtr, a _com_ptr_t of IName.
#pragma once

#include "KyStd/Shell/ComError.h"

#define KY_COM_PTR(Name, Interface, iid)                                                           \
    inline const IID& Name##Iid()                                                                  \
    {                                                                                              \
        return iid;                                                                                \
    }                                                                                              \
    using Name##Ptr = _com_ptr_t<_com_IIID_getter<Interface, Name##Iid>>
