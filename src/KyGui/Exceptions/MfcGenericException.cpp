// MfcGenericException: the text it keeps and how it hands it to MFC's error reporting.
#include "KyGui/Exceptions/MfcGenericException.h"

#include <algorithm>
#include <cstring>

namespace Kyvant {

MfcGenericException::MfcGenericException(const char* text)
{
    const char* source = text != nullptr ? text : "";
    std::strncpy(m_text, source, kTextSize - 1);
    m_text[kTextSize - 1] = '\0';
}

MfcGenericException::~MfcGenericException() = default;

BOOL MfcGenericException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT)
{
    if (lpszError == nullptr || nMaxError == 0)
        return FALSE;
    std::strncpy(lpszError, m_text, std::min(nMaxError, kTextSize));
    lpszError[nMaxError - 1] = '\0';
    return lpszError[0] != '\0' ? TRUE : FALSE;
}

} // namespace Kyvant
