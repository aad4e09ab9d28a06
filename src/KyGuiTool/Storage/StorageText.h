// Small text helpers of the storage controls: a name put into a message, a
// window's text as a string, and a label with its ampersands removed.
#pragma once

#include "KyStd/Strings/String.h"

#include <afxwin.h>

namespace Kyvant {
namespace StorageText {

// The pattern with its first marker ("%s" or "%1") replaced by the name; a
// pattern without the marker is returned as it is.
ky_S FormatName(const ky_BSB<char>& pattern, const char* marker, const ky_BSB<char>& name);
// The window's whole text.
ky_S WindowText(const CWnd& window);
// The text of a combo box's list entry; empty when there is no such entry.
ky_S EntryText(const CComboBox& combo, int index);
// The label without its mnemonic marks: each single '&' dropped, "&&" made one '&'.
ky_S WithoutMnemonics(const ky_BSB<char>& label);

} // namespace StorageText
} // namespace Kyvant
