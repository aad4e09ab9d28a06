// The check boxes a check list draws: the "button" theme's check box when the
// application is themed, else a third of the library's check-box bitmap.
#pragma once

#include "KyGui/Buttons/ButtonTheme.h"

#include <afxwin.h>

namespace Kyvant {

class CheckBoxTheme {
public:
    CheckBoxTheme();
    ~CheckBoxTheme();
    CheckBoxTheme(const CheckBoxTheme&) = delete;
    CheckBoxTheme& operator=(const CheckBoxTheme&) = delete;

    // Re-opens the theme for the window (Windows XP or later, themed) and takes the
    // check box's size from it; without a theme the size is the bitmap image's.
    void Update(HWND window);
    HTHEME Handle() const { return m_theme.Handle(); }
    bool IsThemed() const { return m_theme.IsOpen(); }
    CSize CheckSize() const { return m_checkSize; }

    // Draws the box of the check state (0, 1 or 2): themed into the rectangle, or the
    // bitmap image copied as it is to its top left.
    void Draw(HDC dc, const CRect& rect, int state) const;

private:
    HBITMAP m_bitmap;
    ButtonTheme m_theme;
    CSize m_checkSize;
    CSize m_imageSize;
};

} // namespace Kyvant
