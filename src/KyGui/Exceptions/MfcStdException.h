// A standard exception wrapped for MFC's error reporting: what MFC handlers throw in its place.
#pragma once

#include "KyGui/Exceptions/MfcGenericException.h"
#include "KyGui/KyGuiExport.h"

#include <exception>

namespace Kyvant {

// Handlers catch std::exception& and `throw MfcStdException::Create(e);`: MFC's dispatcher
// then shows the exception's text in a message box and deletes the object.
class KYGUI_API MfcStdException : public MfcGenericException {
public:
    explicit MfcStdException(const std::exception& e);

    // A new heap object with e's text, made by MFC's allocator (which raises MFC's memory
    // exception when it fails).
    static MfcStdException* Create(const std::exception& e);
};

} // namespace Kyvant
