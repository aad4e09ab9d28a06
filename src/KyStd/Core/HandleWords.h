// Handles and window handles handed to another process as 32-bit words (in
// shared blocks, window messages and environment variables): Windows keeps
// their significant bits in the low 32 on every width, so the word is the
// handle cut to 32 bits and the handle is the word sign-extended, as the
// system widens the handles of a 32-bit process. The word is the same for a
// 32-bit and a 64-bit peer.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace Kyvant {

using HandleWord = std::uint32_t;

inline HandleWord HandleToWord(HANDLE handle)
{
    return static_cast<HandleWord>(reinterpret_cast<UINT_PTR>(handle));
}

inline HANDLE WordToHandle(HandleWord word)
{
    return reinterpret_cast<HANDLE>(static_cast<INT_PTR>(static_cast<std::int32_t>(word)));
}

inline HandleWord WindowToWord(HWND window)
{
    return HandleToWord(static_cast<HANDLE>(window));
}

inline HWND WordToWindow(HandleWord word)
{
    return static_cast<HWND>(WordToHandle(word));
}

// A handle in a window message's lParam: the word, sign-extended as the
// system passes a 32-bit sender's lParam on.
inline LPARAM HandleToLParam(HANDLE handle)
{
    return static_cast<LPARAM>(static_cast<std::int32_t>(HandleToWord(handle)));
}

// Whatever width sent it, only the low 32 bits count.
inline HANDLE LParamToHandle(LPARAM value)
{
    return WordToHandle(static_cast<HandleWord>(value));
}

// The word as a variable's text: unsigned decimal digits.
inline std::string HandleToDecimal(HANDLE handle)
{
    return std::to_string(HandleToWord(handle));
}

} // namespace Kyvant
