// Validation failures of the tool pages' data exchange: the control that gets
// the focus, the message (or only a beep) and the end of the exchange.
#pragma once

#include "KyTools/KyToolsExport.h"

#include <afxwin.h>

namespace Kyvant {
namespace PageExchange {

// Makes the control the one that gets the focus when the exchange fails; an
// edit control also gets its text selected.
KYTOOLS_API void PrepareCtrl(CDataExchange& dx, CWnd& control);
// Shows the message in an OK box, or only beeps when it is null, then fails
// the exchange with MFC's user exception.
[[noreturn]] KYTOOLS_API void Fail(CDataExchange& dx, const char* message);

// The beep of a failure without a message; tests put their own in its place.
// Returns the function it replaces.
using BeepFunction = void (*)();
KYTOOLS_API BeepFunction SetBeepFunction(BeepFunction beep);

} // namespace PageExchange
} // namespace Kyvant
