// KyFontButton: a plain button whose font is set when it is subclassed:
// the parent's font with a weight and italic flag, or a whole LOGFONT.
#pragma once

#include "KyGui/KyGuiExport.h"

#include <afxwin.h>

class KYGUI_API KyFontButton : public CButton
{
public:
    static constexpr LONG kBold = FW_BOLD;

    explicit KyFontButton(LONG weight = kBold, bool italic = false);
    explicit KyFontButton(const LOGFONTA& logFont);
    ~KyFontButton() override;

protected:
    void PreSubclassWindow() override;
    // Makes the font and sets it on the window; nothing without a parent font.
    void DoSetFont(CWnd& wnd);
    DECLARE_MESSAGE_MAP()

    LOGFONTA m_logFont;
    bool m_haveLogFont;
    LONG m_weight;
    bool m_italic;
    CFont m_font;
};
