// A stand-in for the user's external editor: appends the arguments of its
// command line, as the shell gave them, as one line to the file named by
// KYTEST_EDITOR_LOG, and ends.
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

// The command line after the program's name (quoted or not) and the blanks
// after it.
const char* ArgumentsOf(const char* line)
{
    if (*line == '"') {
        const char* end = std::strchr(line + 1, '"');
        line = end ? end + 1 : line + std::strlen(line);
    } else {
        while (*line && *line != ' ' && *line != '\t')
            ++line;
    }
    while (*line == ' ' || *line == '\t')
        ++line;
    return line;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char path[MAX_PATH];
    const DWORD n = GetEnvironmentVariableA("KYTEST_EDITOR_LOG", path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return 2;
    FILE* log = std::fopen(path, "ab");
    if (!log)
        return 2;
    std::fprintf(log, "%s\n", ArgumentsOf(GetCommandLineA()));
    std::fclose(log);
    return 0;
}
