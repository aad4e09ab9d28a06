// The objects that "@C" (Visual C++ 6) and "@V" (VS.NET) items name, and
// the handlers that ask the environment for them.
#pragma once

#include "KyConTool/DevEnv/VcResultList.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Strings/String.h"

#include <oaidl.h>

namespace Kyvant {
namespace DevEnv {

// Fills out from the environment's application object (null only for the
// objects that need no running environment). COM failures are `_com_error`.
using ListHandler = void (*)(IDispatch* environment, VcResultList& out);

struct ListObject {
    const ky_I* name;
    ListHandler handler;
    const char* emptyMessage; // warned when nothing was found
    bool folders;             // the results are folders
    bool quiet;               // no running environment is needed
};

// The entry of the name, or null.
const ListObject* FindVcObject(const ky_I& name);
const ListObject* FindVsNetObject(const ky_I& name);

// The files that a Visual C++ 6 project file lists on its "SOURCE=" lines.
void ReadVcProjectFile(const ky_F& projectFile, VcResultList& out);

} // namespace DevEnv
} // namespace Kyvant
