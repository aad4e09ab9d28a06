// How the message handlers of the path controls pass failures to MFC's error
// reporting: called in a catch (...) block, it throws the exception anew as
// MFC shows it.
#pragma once

namespace Kyvant {

// A standard exception becomes an MfcStdException with its text, a COM error
// an OLE exception with its HRESULT; MFC's own exceptions go on unchanged.
[[noreturn]] void RethrowForMfc();

} // namespace Kyvant
