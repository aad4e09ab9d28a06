// The shell extension's message boxes in the tests' build: recorded and answered by the test.
#include "KyShellX/Prompt.h"

#include "common/PromptDouble.h"

namespace KyShellX {

int Prompt(HWND, const std::string& text, const char* title, UINT type)
{
    return kytest::RecordPrompt(text, title, type);
}

} // namespace KyShellX
