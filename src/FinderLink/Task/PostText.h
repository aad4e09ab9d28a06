// Posting a text to the window that shows it: a heap Kyvant::ky_S as the
// wParam of the text message, freed by the receiver. Nothing escapes: a
// text that cannot be made or posted is dropped.
#pragma once

#include <windows.h>

namespace Kyvant {
namespace FinderLink {

void PostText(HWND window, const char* text);
void PostText(HWND window, const char* text, unsigned length);
// The string resource id of the module.
void PostText(HWND window, HMODULE module, unsigned id);

} // namespace FinderLink
} // namespace Kyvant
