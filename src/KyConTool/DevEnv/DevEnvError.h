// COM failures met while talking to a development environment, turned into
// the runtime errors that the file lists report.
#pragma once

#include "KyStd/Strings/String.h"

namespace Kyvant {
namespace DevEnv {

// The system's message for hr without its line end; when the system has
// none, "IDispatch error #N" for the interface codes 0x80040200 to
// 0x8004FFFF (N = hr - 0x80040200), else "Unknown error 0x..." with hr.
ky_S ComErrorText(long hr);

// Throws std::runtime_error "Error communicating with " + environment + ": "
// + the text of hr.
[[noreturn]] void ThrowCommunicationError(const char* environment, long hr);

} // namespace DevEnv
} // namespace Kyvant
