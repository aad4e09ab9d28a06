// The one way the shell extension shows a message box; tests link their own answerer.
#pragma once

#include <windows.h>

#include <string>

namespace KyShellX {

// As MessageBoxA: the button chosen.
int Prompt(HWND owner, const std::string& text, const char* title, UINT type);

// A warning box titled "Kyvant Tools" with no owner.
void Warn(const std::string& text);

} // namespace KyShellX
