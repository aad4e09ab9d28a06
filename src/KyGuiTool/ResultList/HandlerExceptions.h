// What the result list's message handlers let escape: MFC exceptions only,
// so that MFC reports them (standard exceptions wrapped, COM errors as OLE
// exceptions with their result).
#pragma once

#include "KyGui/Exceptions/MfcStdException.h"

#include <afxole.h>
#include <comdef.h>

#include <exception>

namespace Kyvant {
namespace ResultList {

template <class F>
void RunReportingErrors(F work)
{
    try {
        work();
    } catch (const _com_error& e) {
        AfxThrowOleException(e.Error());
    } catch (const std::exception& e) {
        throw MfcStdException::Create(e);
    }
}

} // namespace ResultList
} // namespace Kyvant
