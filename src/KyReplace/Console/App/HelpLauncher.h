// Opening the help file, replaceable so that tests see the call instead of
// a help window.
#pragma once

#include <windows.h>

namespace Kyvant {

using HelpOpener = void (*)(const char* file, UINT command, ULONG_PTR data);

// Calls WinHelpA with no owner window unless replaced.
void OpenHelp(const char* file, UINT command, ULONG_PTR data);
// Returns the opener that was in use.
HelpOpener SetHelpOpener(HelpOpener opener);

} // namespace Kyvant
