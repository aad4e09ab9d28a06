// The uninstall helper's message boxes in the tests' build: recorded and answered by the test.
#include "KyUninst/Prompt.h"

#include "common/PromptDouble.h"

namespace KyUninst {

int Prompt(HWND owner, const std::string& text, const char* title, UINT type)
{
    return kytest::RecordPrompt((owner ? "owned: " : "") + text, title, type);
}

} // namespace KyUninst
