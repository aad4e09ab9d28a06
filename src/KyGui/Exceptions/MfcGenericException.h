// An MFC exception that carries a fixed text of its own, shown by MFC's error reporting.
#pragma once

#include "KyGui/KyGuiExport.h"

#include <afx.h>

namespace Kyvant {

class KYGUI_API MfcGenericException : public CException {
public:
    // Room for the message: 255 characters and the terminating NUL.
    static const UINT kTextSize = 256;

    // Keeps the text's first 255 characters (a null text counts as empty).
    explicit MfcGenericException(const char* text);
    ~MfcGenericException() override;

    // Copies at most min(nMaxError, 256) characters (NUL-padded) and ends the buffer with a
    // NUL in its last place. Returns TRUE exactly when the message now there is not empty;
    // a null or zero-sized buffer is left alone and gives FALSE. The help context is untouched.
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) override;

private:
    char m_text[kTextSize];
};

} // namespace Kyvant
