// Waiting on all of two to five handles at once.
#include "KyStd/Win32/Waits.h"

#include "KyStd/Core/Errors.h"

namespace Kyvant {
namespace Win32 {

namespace {

DWORD WaitForAll(DWORD count, const HANDLE* handles)
{
    DWORD result = WaitForMultipleObjects(count, handles, TRUE, INFINITE);
    if (result == WAIT_FAILED)
        throw os_error();
    return result;
}

} // namespace

DWORD WaitAll(HANDLE h1, HANDLE h2)
{
    const HANDLE handles[] = {h1, h2};
    return WaitForAll(2, handles);
}

DWORD WaitAll(HANDLE h1, HANDLE h2, HANDLE h3)
{
    const HANDLE handles[] = {h1, h2, h3};
    return WaitForAll(3, handles);
}

DWORD WaitAll(HANDLE h1, HANDLE h2, HANDLE h3, HANDLE h4)
{
    const HANDLE handles[] = {h1, h2, h3, h4};
    return WaitForAll(4, handles);
}

DWORD WaitAll(HANDLE h1, HANDLE h2, HANDLE h3, HANDLE h4, HANDLE h5)
{
    const HANDLE handles[] = {h1, h2, h3, h4, h5};
    return WaitForAll(5, handles);
}

} // namespace Win32
} // namespace Kyvant
