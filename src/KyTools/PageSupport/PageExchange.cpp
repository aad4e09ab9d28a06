// Validation failures of the tool pages' data exchange.
#include "KyTools/PageSupport/PageExchange.h"

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
    dx.m_hWndLastControl = control.GetSafeHwnd();
    dx.m_bEditLastControl = control.IsKindOf(RUNTIME_CLASS(CEdit)) ? TRUE : FALSE;
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
