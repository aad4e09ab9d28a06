// KyHoverButton: a flat image button that lights up while the mouse is over it.
#pragma once

#include "KyGui/Buttons/KyBitmapButton.h"

class KYGUI_API KyHoverButton : public KyBitmapButton
{
public:
    KyHoverButton(int imagePos = 0, int textPos = 0);
    KyHoverButton(CImageList* pImageList, int normal, int active, int disabled, int hot, int imagePos = 0,
                  int textPos = 0);
    ~KyHoverButton() override;

    CSize GetBorderSize() const override;
    void DrawBackground(CDC& dc, const DRAWITEMSTRUCT& dis) override;
    void DrawBorder(CDC& dc, const DRAWITEMSTRUCT& dis) override;
    void UpdateTheme() override;
    void SetImageList(CImageList* pImageList, int normal, int active, int disabled, bool redraw = true) override;
    void SetImageList(CImageList* pImageList, int normal, int active, int disabled, int hot, bool redraw);
    int GetImageIndex(bool pressed, bool disabled) const override;

protected:
    DECLARE_MESSAGE_MAP()

    int m_hot;
    Kyvant::ButtonTheme m_toolbarTheme;  // "toolbar"
};
