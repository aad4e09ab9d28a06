// The settings the path controls share with their front-end: the remembered
// browse folder and the application's own registry key. They come from the
// front-end's application object; a program without one uses the same
// registry places, found by the program's name.
#pragma once

#include "KyStd/Registry/RegKey.h"
#include "KyStd/Strings/String.h"

namespace Kyvant {
namespace ToolAppSettings {

// The application's key: the front-end's own, else "Software\Kyvant\Tools\<program>".
RegKey ApplicationKey();

// The shared "BrowseFolderPath" value (empty when none is stored).
ky_S BrowseFolderPath();
void SetBrowseFolderPath(const ky_BSB<char>& folder);
// Remembers the folder that holds the file.
void RememberFolderOf(const ky_BSB<char>& file);

} // namespace ToolAppSettings
} // namespace Kyvant
