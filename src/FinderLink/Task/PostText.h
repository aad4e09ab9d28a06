// Posting a text to the window that shows it: a heap Kyvant::ky_S as the
// wParam of the text message, freed by the receiver. Nothing escapes: a
// text that cannot be made or posted (a full message queue refuses posts)
// is counted instead, for the next box of the tool's texts to count among
// its more messages; a text for a window that is gone is dropped.
#pragma once

#include <windows.h>

namespace Kyvant {
namespace FinderLink {

void PostText(HWND window, const char* text);
void PostText(HWND window, const char* text, unsigned length);
// The string resource id of the module.
void PostText(HWND window, HMODULE module, unsigned id);

// The texts refused since the last call; the count starts again at 0.
// Any thread may post and take.
unsigned TakeRefusedTexts();

} // namespace FinderLink
} // namespace Kyvant
