// The installation folder named on the uninstaller's command line.
#pragma once

#include <string>

namespace KyUninst {

// The folder, with its trailing backslash, of the path quoted after `-c"`
// in the command line: the text up to the closing quote (or the end), cut
// after its last backslash. Empty when there is no `-c"`, no backslash, or
// the folder is MAX_PATH characters or longer.
std::string InstallFolder(const char* commandLine);

} // namespace KyUninst
