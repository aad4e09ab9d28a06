// A mask set's stored value (masks and set names separated by ',') shown in
// the editor one item per line, and taken back from its lines.
#pragma once

#include "KyStd/Strings/String.h"

namespace Kyvant {
namespace MaskSetText {

// One item per line, each trimmed and ending in "\r\n"; empty items dropped.
ky_S ToLines(const ky_BSB<char>& value);
// The non-blank lines, trimmed, joined by the separator and one blank.
ky_S FromLines(const ky_BSB<char>& text);

} // namespace MaskSetText
} // namespace Kyvant
