// The texts of the progress dialog's questions about a file, from the
// library's string resources.
#pragma once

#include "KyStd/Strings/String.h"

#include <windows.h>

namespace Kyvant {
namespace QueryTexts {

// The attribute question: the set attributes of the five known ones listed
// one a line ("   Hidden"), the object named a "file" or a "folder", and
// the note on compression and encryption when either is set.
ky_S Attributes(DWORD attributes, bool folder);
// The error question with the error's text in place of "%s".
ky_S Error(const char* errorText);
// A string resource of the library.
ky_S Load(UINT id);

} // namespace QueryTexts
} // namespace Kyvant
