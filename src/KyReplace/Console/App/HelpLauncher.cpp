// Opening the help file through WinHelp or the opener a test put in its place.
#include "KyReplace/Console/App/HelpLauncher.h"

namespace Kyvant {

namespace {

void WinHelpOpener(const char* file, UINT command, ULONG_PTR data)
{
    WinHelpA(nullptr, file, command, data);
}

HelpOpener g_opener = WinHelpOpener;

} // namespace

void OpenHelp(const char* file, UINT command, ULONG_PTR data)
{
    g_opener(file, command, data);
}

HelpOpener SetHelpOpener(HelpOpener opener)
{
    HelpOpener previous = g_opener;
    g_opener = opener ? opener : WinHelpOpener;
    return previous;
}

} // namespace Kyvant
