// Expanding the folder variables in a path to their special folders' paths.
#include "KyStd/Shell/FolderVariables.h"

#include "KyStd/Shell/Co.h"
#include "KyStd/Shell/ShellFolderTable.h"
#include "KyStd/Shell/ShellNames.h"

namespace Kyvant {
namespace Shell {

long ExpandFolderVariables(ky_F& path, HWND hwnd)
{
    long lastFailure = 0;
    unsigned pos = 0;
    for (;;) {
        unsigned open = path.find('<', pos);
        if (open == ky_F::npos)
            break;
        unsigned close = path.find('>', open + 1);
        if (close == ky_F::npos)
            break;
        pos = open + 1; // unless the variable is replaced
        int csidl = 0;
        if (!GetCSIDL(path.substr(open + 1, close - open - 1).c_str(), csidl))
            continue;
        try {
            ky_F folder = GetSpecialFolderPath(csidl, hwnd);
            path.replace(open, close - open + 1, folder);
            pos = open + folder.length();
        } catch (const _com_error& e) {
            lastFailure = e.Error();
        }
    }
    return lastFailure;
}

} // namespace Shell
} // namespace Kyvant
