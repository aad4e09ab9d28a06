// The one way the uninstall helper shows a message box; tests link their own answerer.
#pragma once

#include <windows.h>

#include <string>

namespace KyUninst {

// As MessageBoxA: the button chosen.
int Prompt(HWND owner, const std::string& text, const char* title, UINT type);

} // namespace KyUninst
