// Finding the installation folder in the uninstaller's command line.
#include "KyUninst/InstallFolder.h"

#include <windows.h>

#include <cstring>

namespace KyUninst {

namespace {

const char kMarker[] = "-c\"";

} // namespace

std::string InstallFolder(const char* commandLine)
{
    const char* start = commandLine ? std::strstr(commandLine, kMarker) : nullptr;
    if (!start)
        return std::string();
    start += sizeof kMarker - 1;
    const char* quote = std::strchr(start, '"');
    const std::string quoted = quote ? std::string(start, quote) : std::string(start);
    const std::string::size_type slash = quoted.find_last_of('\\');
    if (slash == std::string::npos || slash + 1 >= MAX_PATH)
        return std::string();
    return quoted.substr(0, slash + 1);
}

} // namespace KyUninst
