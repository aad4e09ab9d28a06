// KyColorStaticWnd: a static text drawn on the window background colour, in
// a font of its own (a copy of the one it is given).
#pragma once

#include "KyGuiTool/KyGuiToolExport.h"

#include <afxwin.h>

class KYGUITOOL_API KyColorStaticWnd : public CStatic {
public:
    KyColorStaticWnd();
    ~KyColorStaticWnd() override;

    // A copy of the font becomes the window's; a null font, or one that
    // cannot be copied, gives the window its default font.
    void SetFontCopy(CFont* font, bool redraw = true);
    // Takes up COLOR_WINDOW again; repaints when it changed.
    void SetColor();

protected:
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    afx_msg LRESULT OnSysColorChange(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    COLORREF m_color;
    CBrush m_brush;
    CFont m_font;
};
