// Window helpers: rectangles, walks over runs of siblings, saved placements, alignment, menus, fonts.
#pragma once

#include "KyGui/KyGuiExport.h"

#include <afxwin.h>
#include <afxcmn.h>

namespace Kyvant {
namespace WndEx {

// The client rectangle, in the window's own or in its parent's client coordinates.
class ClientRect : public CRect
{
public:
    KYGUI_API explicit ClientRect(const CWnd& window, bool inParentCoordinates = false);
};

// The window rectangle, in screen or in the parent's client coordinates.
class WindowRect : public CRect
{
public:
    KYGUI_API explicit WindowRect(const CWnd& window, bool inParentCoordinates = false);
};

// The siblings from first up to, not including, last (null: to the end).
KYGUI_API void MoveWindows(int dx, int dy, CWnd* first, CWnd* last, bool repaint = true);
KYGUI_API void ShowWindows(CWnd* first, CWnd* last, int showCommand);
KYGUI_API void EnableWindows(CWnd* first, CWnd* last, bool enable);

// The window's placement as "Flags", "ShowCmd", "x1", "y1", "x2", "y2" under root\subkey.
KYGUI_API void SaveWindowState(CWnd& window, HKEY root, const char* subkey);
// Restores it, kept inside the work area; a normal rectangle larger than the work area is capped at
// left/top + oversize (or at the work area's edge where the oversize is 0).
KYGUI_API void RestoreWindowState(CWnd& window, HKEY root, const char* subkey, bool noMinimized,
                                  CSize oversize = CSize(0, 0));

KYGUI_API void SetWidthEqual(CWnd& window, const CWnd& model, bool repaint = true);
KYGUI_API void SetHeightEqual(CWnd& window, const CWnd& model, bool repaint = true);
KYGUI_API void SetXWEqual(CWnd& window, const CWnd& model, bool repaint = true);
KYGUI_API void SetYHEqual(CWnd& window, const CWnd& model, bool repaint = true);
KYGUI_API void SetYHEqualToInternalEditBox(CWnd& window, CComboBox& combo, bool repaint = true);
KYGUI_API void SetYHEqualToInternalEditBox(CWnd& window, CComboBoxEx& combo, bool repaint = true);

// Moves the siblings after the second one, up to last, so that each lies the first two's gap
// below the one before it.
KYGUI_API void EquiSpaceVertically_2(CWnd* first, CWnd* last);

// Makes the window under the mouse choose its cursor again, at once.
KYGUI_API void SendSetCursorMessage();

// Runs the target's command-update handlers over the popup's items.
KYGUI_API void DoPopupCmdUI(CMenu& popup, CCmdTarget& target, int isSystemMenu, bool disableIfNoHandler);

// Creates a font for a window: a whole LOGFONT, or the parent's font with another weight, italic,
// underline, strike-out and character set. The font lives as long as the setter.
class KYGUI_API FontSetter
{
public:
    explicit FontSetter(const LOGFONTA& logFont);
    FontSetter(LONG weight, BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet);
    virtual ~FontSetter();
    FontSetter(const FontSetter&) = delete;
    FontSetter& operator=(const FontSetter&) = delete;

    // Sends WM_SETFONT with the font; nothing happens when the font is the parent's and it has none.
    virtual void DoSetFont(CWnd& window);
    CFont& GetFont() { return m_font; }

private:
    bool m_whole;
    LOGFONTA m_logFont;
    CFont m_font;
};

} // namespace WndEx
} // namespace Kyvant
