// The theme record all cell list boxes of the process share: the check-box
// bitmap, the button and header visual styles and the check-box size.
#pragma once

#include <windows.h>
#include <uxtheme.h>

namespace Kyvant {
namespace GridTheme {

struct Record {
    HBITMAP checkBoxes = nullptr; // unchecked, checked and indeterminate side by side
    HTHEME button = nullptr;
    HTHEME header = nullptr;
    int checkWidth = 0;
    int checkHeight = 0;
    int bitmapWidth = 0;
    int bitmapHeight = 0;
};

// Each grid holds the record from its subclassing to its last message; the last one frees it.
void Acquire();
void Release();
// The record, or null while no grid holds it.
Record* Current();
// Re-opens the visual styles for the window and reads the check-box size.
void Update(HWND window);
// The check box's size: the record's, or the bitmap's image size while there is none.
SIZE CheckBoxSize();
bool ButtonThemed();
bool HeaderThemed();
// Visual-style drawing; false when the style is closed or the call fails.
bool DrawBackground(HTHEME theme, HDC dc, int part, int state, const RECT& rect);

} // namespace GridTheme
} // namespace Kyvant
