// Message boxes shown with MessageBoxA.
#include "KyShellX/Prompt.h"

namespace KyShellX {

int Prompt(HWND owner, const std::string& text, const char* title, UINT type)
{
    return MessageBoxA(owner, text.c_str(), title, type);
}

} // namespace KyShellX
