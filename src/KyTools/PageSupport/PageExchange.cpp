// Validation failures of the tool pages' data exchange: the pages' own box
// icon and a beep tests can replace, over the control library's exchange.
#include "KyTools/PageSupport/PageExchange.h"

#include "KyGui/Adapters/DataExchange.h"

namespace Kyvant {
namespace PageExchange {

namespace {

void SystemBeep()
{
    ::MessageBeep(MB_ICONEXCLAMATION);
}

BeepFunction g_beep = &SystemBeep;

} // namespace

void PrepareCtrl(CDataExchange& dx, CWnd& control)
{
    ky_DDV_PrepareCtrl(dx, control);
}

void Fail(CDataExchange& dx, const char* message)
{
    if (message != nullptr)
        AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
    else
        g_beep();
    dx.Fail();
}

BeepFunction SetBeepFunction(BeepFunction beep)
{
    const BeepFunction previous = g_beep;
    g_beep = beep != nullptr ? beep : &SystemBeep;
    return previous;
}

} // namespace PageExchange
} // namespace Kyvant
