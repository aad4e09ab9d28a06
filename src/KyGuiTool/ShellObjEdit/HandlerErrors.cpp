// Kyvant::RethrowForMfc: standard and COM exceptions as MFC exceptions.
#include "KyGuiTool/ShellObjEdit/HandlerErrors.h"

#include "KyGui/Exceptions/MfcStdException.h"
#include "KyStd/Shell/ComError.h"

#include <afxdisp.h>
#include <afxwin.h>

#include <exception>

namespace Kyvant {

void RethrowForMfc()
{
    try {
        throw;
    } catch (CException*) {
        throw;
    } catch (const std::exception& e) {
        throw MfcStdException::Create(e);
    } catch (const _com_error& e) {
        AfxThrowOleException(e.Error());
    }
}

} // namespace Kyvant
