// Data exchange of the storage dialogs: a required text of bounded length,
// refused with the standard prompts, and a thrown reason shown as a failure.
#pragma once

#include "KyStd/Strings/String.h"

#include <afxwin.h>

#include <exception>

namespace Kyvant {
namespace StorageDataExchange {

// An empty text shows "You must enter a value for this field.", a text longer
// than maxLength (0: no limit) the layer's too-long prompt; both fail the
// exchange with the focus on the last prepared control.
void RequireText(CDataExchange* pDX, const ky_BSB<char>& text, unsigned maxLength);
// Shows the exception's text and fails the exchange.
[[noreturn]] void FailWith(CDataExchange* pDX, const std::exception& e);

} // namespace StorageDataExchange
} // namespace Kyvant
