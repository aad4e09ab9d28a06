// Message boxes shown with MessageBoxA.
#include "KyUninst/Prompt.h"

namespace KyUninst {

int Prompt(HWND owner, const std::string& text, const char* title, UINT type)
{
    return MessageBoxA(owner, text.c_str(), title, type);
}

} // namespace KyUninst
