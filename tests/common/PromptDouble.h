// The tests' answerer of message boxes, linked into the test builds of the
// DLLs in place of MessageBoxA: each box is appended to the file named by
// KYTEST_PROMPT_LOG as one line "title<TAB>type<TAB>text" (line ends in the
// text written as "\n"), and answered with the button number in
// KYTEST_PROMPT_ANSWER (IDOK when unset).
#pragma once

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace kytest {

inline int RecordPrompt(const std::string& text, const char* title, UINT type)
{
    std::string line = std::string(title) + "\t" + std::to_string(type) + "\t";
    for (char c : text)
        line += c == '\n' ? std::string("\\n") : std::string(1, c);
    line += "\n";
    char path[MAX_PATH];
    const DWORD n = GetEnvironmentVariableA("KYTEST_PROMPT_LOG", path, MAX_PATH);
    if (n > 0 && n < MAX_PATH) {
        if (FILE* f = std::fopen(path, "ab")) {
            std::fwrite(line.data(), 1, line.size(), f);
            std::fclose(f);
        }
    }
    char answer[16];
    const DWORD m = GetEnvironmentVariableA("KYTEST_PROMPT_ANSWER", answer, sizeof answer);
    return m > 0 && m < sizeof answer ? std::atoi(answer) : IDOK;
}

} // namespace kytest
