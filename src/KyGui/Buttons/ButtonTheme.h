// A visual-style class handle of one window, with the drawing calls the
// buttons use; uxtheme.dll is loaded on first use and may be missing.
#pragma once

#include <windows.h>
#include <uxtheme.h>

namespace Kyvant {

class ButtonTheme
{
public:
    explicit ButtonTheme(const wchar_t* themeClass);
    ~ButtonTheme();
    ButtonTheme(const ButtonTheme&) = delete;
    ButtonTheme& operator=(const ButtonTheme&) = delete;

    // Closes the open handle, then opens the class for hWnd when the
    // application is themed on Windows XP or later (else keeps none).
    void Update(HWND hWnd);
    void Close();
    bool IsOpen() const { return m_theme != nullptr; }
    HTHEME Handle() const { return m_theme; }

    bool DrawParentBackground(HWND hWnd, HDC hdc, const RECT& rc) const;
    bool DrawBackground(HDC hdc, int part, int state, const RECT& rc) const;
    bool DrawThemedText(HDC hdc, int part, int state, const wchar_t* text, int length, DWORD flags,
                  DWORD flags2, const RECT& rc) const;
    // The text's extent; false when it cannot be measured.
    bool GetTextExtent(HDC hdc, int part, int state, const wchar_t* text, int length, DWORD flags,
                       const RECT& bound, RECT& extent) const;

    // Whether the application runs with visual styles (Windows XP or later).
    static bool AppThemed();

private:
    const wchar_t* m_class;
    HTHEME m_theme;
};

} // namespace Kyvant
