// The front-end's own process handle, published for the KyReplace it starts.
#include "KyReplace/Gui/Task/FrontEndProcessVariable.h"

#include "KyStd/Core/Errors.h"
#include "KyStd/Core/HandleWords.h"
#include "KyStd/Strings/String.h"

#include <windows.h>

#include <string>

namespace Kyvant {

void PublishFrontEndProcess()
{
    HANDLE self = nullptr;
    if (!DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), &self, 0,
                         TRUE, DUPLICATE_SAME_ACCESS))
        throw os_error();
    const std::string value = HandleToDecimal(self);
    try {
        ky_S(value.c_str()).PutEnv(kFrontEndProcessVariable, ky_S::npos, true);
    } catch (...) {
        CloseHandle(self);
        throw;
    }
}

} // namespace Kyvant
