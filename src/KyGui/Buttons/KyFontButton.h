// KyFontButton: a plain button whose font is set when it is subclassed:
// the parent's font with a weight and italic flag, or a whole LOGFONT.
#pragma once

#include "KyGui/KyGuiExport.h"
#include "KyGui/Helpers/WndEx.h"

#include <afxwin.h>

class KYGUI_API KyFontButton : public CButton, public Kyvant::WndEx::FontSetter
{
public:
    static constexpr LONG kBold = FW_BOLD;

    explicit KyFontButton(LONG weight = kBold, bool italic = false);
    explicit KyFontButton(const LOGFONTA& logFont);
    ~KyFontButton() override;

protected:
    void PreSubclassWindow() override;
    DECLARE_MESSAGE_MAP()
};
