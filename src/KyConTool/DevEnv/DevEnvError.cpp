// The text of a COM failure and the runtime error for a failed talk with an environment.
#include "KyConTool/DevEnv/DevEnvError.h"

#include <windows.h>

#include <cstdio>
#include <stdexcept>

namespace Kyvant {
namespace DevEnv {

ky_S ComErrorText(long hr)
{
    char* message = nullptr;
    DWORD n = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(hr), MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
        reinterpret_cast<char*>(&message), 0, nullptr);
    if (n != 0 && message) {
        ky_S text(message, n);
        LocalFree(message);
        while (!text.empty() &&
               (text[text.length() - 1] == '\n' || text[text.length() - 1] == '\r'))
            text.chop();
        return text;
    }
    if (message)
        LocalFree(message);
    char buffer[40];
    unsigned long code = static_cast<unsigned long>(hr);
    if (code >= 0x80040200UL && code <= 0x8004FFFFUL)
        std::snprintf(buffer, sizeof buffer, "IDispatch error #%d",
                      static_cast<int>(code - 0x80040200UL));
    else
        std::snprintf(buffer, sizeof buffer, "Unknown error 0x%0lX", code);
    return ky_S(buffer);
}

void ThrowCommunicationError(const char* environment, long hr)
{
    ky_S text("Error communicating with ");
    text += environment;
    text += ": ";
    text += ComErrorText(hr);
    throw std::runtime_error(text.c_str());
}

} // namespace DevEnv
} // namespace Kyvant
