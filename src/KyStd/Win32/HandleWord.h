// Handles in 32-bit words: the words of blocks shared with another process,
// handles written as numbers, and the handles the system hands over in a
// UINT. Every handle value fits in 32 bits; a 64-bit process sees the word
// sign-extended, so INVALID_HANDLE_VALUE and the pseudo handles come back
// as themselves.
#pragma once

#include <windows.h>

namespace Kyvant {
namespace Win32 {

// The word that carries handle (a HANDLE, HWND, HMENU and the like).
template <class H>
DWORD HandleToWord(H handle)
{
    return static_cast<DWORD>(reinterpret_cast<UINT_PTR>(handle));
}

// The handle of type H that word carries.
template <class H = HANDLE>
H WordToHandle(DWORD word)
{
    return reinterpret_cast<H>(static_cast<INT_PTR>(static_cast<LONG>(word)));
}

} // namespace Win32
} // namespace Kyvant
