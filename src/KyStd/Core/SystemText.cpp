// Fetching a text from a filling system call by the MAX_PATH buffer rule, with one retry.
#include "KyStd/Core/SystemText.h"

#include "KyStd/Core/Errors.h"

#include <vector>

namespace Kyvant {

namespace {

// The last error of a failed call, or fallback when the call set none.
DWORD FailureCode(DWORD fallback)
{
    DWORD code = GetLastError();
    return code != ERROR_SUCCESS ? code : fallback;
}

} // namespace

bool GetSystemText(SystemTextCall call, void* context, ky_BSB<char, ky_SACT<char>, ky_A<char>>& out,
                   DWORD& error)
{
    char buffer[MAX_PATH];
    SetLastError(ERROR_SUCCESS);
    DWORD r = call(context, buffer, MAX_PATH);
    if (r == 0) {
        error = FailureCode(ERROR_INVALID_FUNCTION);
        return false;
    }
    if (r == MAX_PATH) {
        error = FailureCode(ERROR_INSUFFICIENT_BUFFER);
        return false;
    }
    if (r < MAX_PATH) {
        out.assign(buffer, r);
        return true;
    }
    std::vector<char> big(r);
    DWORD size = r;
    SetLastError(ERROR_SUCCESS);
    r = call(context, big.data(), size);
    if (r == 0 || r >= size) {
        error = FailureCode(r == 0 ? ERROR_INVALID_FUNCTION : ERROR_INSUFFICIENT_BUFFER);
        return false;
    }
    out.assign(big.data(), r);
    return true;
}

void GetSystemText(SystemTextCall call, void* context, ky_BSB<char, ky_SACT<char>, ky_A<char>>& out)
{
    DWORD error = 0;
    if (!GetSystemText(call, context, out, error))
        throw os_error(error);
}

} // namespace Kyvant
