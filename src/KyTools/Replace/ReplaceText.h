// Small helpers of the Replace page and rule editor: line ends between rules
// and edit controls, the rule a new entry starts from, and the library's
// strings.
#pragma once

#include "KyDB/Named/ReplaceRule.h"
#include "KyStd/Strings/String.h"

#include <afxwin.h>

namespace Kyvant {
namespace ReplaceText {

// Rules keep "\n"; multi-line edits show "\r\n".
ky_S ToEditLines(const ky_BSB<char>& text);
ky_S FromEditLines(const ky_BSB<char>& text);

// Not enabled, empty texts, every option off. (ReplaceRule's own default
// constructor gives an enabled rule that asks for confirmation.)
ReplaceRule BlankRule();

// A string of the resource chain; empty when it is missing.
ky_S Load(UINT id);

} // namespace ReplaceText
} // namespace Kyvant
