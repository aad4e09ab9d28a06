// The test front-end's script reader, log and hold points.
#include "FrontEndScript.h"

#include "common/SplitText.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace frontend {

namespace {

// Kept to the very end of the process: the last line is logged while static
// objects are destroyed.
std::string& LogPath()
{
    static std::string* path = new std::string;
    return *path;
}

std::string g_holdEvent;
const DWORD kHoldLimitMs = 10000;
const DWORD kHoldPollMs = 20;

std::vector<int> Numbers(const std::string& text)
{
    std::vector<int> numbers;
    for (const std::string& part : kytest::Split(text, ','))
        numbers.push_back(std::atoi(part.c_str()));
    return numbers;
}

} // namespace

Script ReadScript(const char* path)
{
    Script script;
    std::ifstream in(path ? path : "");
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        const size_t eq = line.find('=');
        const std::string key = line.substr(0, eq);
        const std::string value = eq == std::string::npos ? "" : line.substr(eq + 1);
        if (key == "log")
            script.log = value;
        else if (key == "query")
            script.queryAnswers = Numbers(value);
        else if (key == "box")
            script.boxAnswers = Numbers(value);
        else if (key == "hold")
            script.holdEvent = value;
        else if (key == "stage")
            script.stages.push_back(value);
        else
            script.actions.emplace_back(key, value);
    }
    return script;
}

void SetLogFile(const std::string& path)
{
    LogPath() = path;
}

void SetHoldEvent(const std::string& name)
{
    g_holdEvent = name;
}

std::string Escaped(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

void Log(const std::string& line)
{
    if (LogPath().empty())
        return;
    if (std::FILE* f = std::fopen(LogPath().c_str(), "ab")) {
        const std::string text = Escaped(line) + "\n";
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
}

int NextAnswer(const std::vector<int>& answers, size_t& used, int otherwise)
{
    if (answers.empty())
        return otherwise;
    const int answer = answers[used < answers.size() ? used : answers.size() - 1];
    ++used;
    return answer;
}

void Hold(const std::string& what)
{
    if (g_holdEvent.empty())
        return;
    Log("hold " + what);
    HANDLE event = ::OpenEventA(SYNCHRONIZE | EVENT_MODIFY_STATE, FALSE, g_holdEvent.c_str());
    if (!event)
        return;
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < kHoldLimitMs) {
        if (::MsgWaitForMultipleObjects(1, &event, FALSE, kHoldPollMs, QS_ALLINPUT) ==
            WAIT_OBJECT_0)
            break;
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                ::PostQuitMessage(static_cast<int>(msg.wParam));
                break;
            }
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    ::CloseHandle(event);
}

} // namespace frontend
