// KyStart of our own, also copied as a front-end: it writes its command line
// and every Explorer hand-off found under the tools' keys to the file named
// by KY_KYSTART_LOG (written beside it, then renamed into place, so that a
// reader never sees half a log), and ends.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

const char kToolsKey[] = "Software\\Kyvant\\Tools";
const char kHandOff[] = "\\ShellExArgs";

std::string Text(HKEY key, const char* name)
{
    char data[MAX_PATH * 2] = {};
    DWORD size = sizeof data - 1;
    DWORD type = 0;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size) !=
        ERROR_SUCCESS)
        return "<none>";
    if (type == REG_DWORD)
        return "dword:" + std::to_string(*reinterpret_cast<DWORD*>(data));
    return type == REG_SZ ? std::string("sz:") + data : "<other>";
}

// "tool PathsFile=... TimeLo=... TimeHi=..." for each tool key with a hand-off.
std::string HandOffs()
{
    std::string out;
    HKEY tools = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kToolsKey, 0, KEY_READ, &tools) != ERROR_SUCCESS)
        return out;
    char name[MAX_PATH];
    for (DWORD i = 0;; ++i) {
        DWORD size = MAX_PATH;
        if (RegEnumKeyExA(tools, i, name, &size, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        HKEY args = nullptr;
        if (RegOpenKeyExA(tools, (std::string(name) + kHandOff).c_str(), 0, KEY_READ, &args) !=
            ERROR_SUCCESS)
            continue;
        out += std::string("handoff ") + name + " PathsFile=" + Text(args, "PathsFile") +
               " TimeLo=" + Text(args, "TimeLo") + " TimeHi=" + Text(args, "TimeHi") + "\n";
        RegCloseKey(args);
    }
    RegCloseKey(tools);
    return out;
}

} // namespace

int main()
{
    char log[MAX_PATH];
    const DWORD n = GetEnvironmentVariableA("KY_KYSTART_LOG", log, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return 1;
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string text = std::string("program ") + self + "\ncommand " + GetCommandLineA() +
                             "\n" + HandOffs() + "end\n";
    const std::string part = std::string(log) + ".part";
    FILE* f = std::fopen(part.c_str(), "wb");
    if (!f)
        return 1;
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
    DeleteFileA(log);
    return MoveFileA(part.c_str(), log) ? 0 : 1;
}
