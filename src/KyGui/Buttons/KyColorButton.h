// KyColorButton: a colour swatch with an automatic colour; a click opens the
// colour dialog, Shift+click makes the colour automatic.
#pragma once

#include "KyGui/Buttons/KyOdButton.h"

class KYGUI_API KyColorButton : public KyOdButton
{
public:
    static constexpr COLORREF kAutomatic = 0xFFFFFFFF;

    explicit KyColorButton(COLORREF color = kAutomatic, COLORREF automaticColor = 0);
    ~KyColorButton() override;

    COLORREF GetColor() const { return m_color; }
    void SetColor(COLORREF color, bool redraw = true);

    CRect GetTextRect(const CSize& textSize) const override;
    void DrawContents(CDC& dc, const DRAWITEMSTRUCT& dis) override;

protected:
    void PreSubclassWindow() override;
    bool IsAutomatic() const { return m_color == kAutomatic; }
    afx_msg void OnClicked();
    DECLARE_MESSAGE_MAP()

    COLORREF m_color;
    COLORREF m_automaticColor;
};
