// MfcStdException: a heap MFC exception made from a standard exception's text.
#include "KyGui/Exceptions/MfcStdException.h"

namespace Kyvant {

MfcStdException::MfcStdException(const std::exception& e) : MfcGenericException(e.what()) {}

MfcStdException* MfcStdException::Create(const std::exception& e)
{
    return new MfcStdException(e);
}

} // namespace Kyvant
