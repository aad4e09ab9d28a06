// KyBitmapButton: an owner-drawn button with an image from an image list.
#pragma once

#include "KyGui/Buttons/KyOdButton.h"

#include <afxcmn.h>

class KYGUI_API KyBitmapButton : public KyOdButton
{
public:
    enum : int { kNoImage = -1 };

    KyBitmapButton(int imagePos = 0, int textPos = 0, bool canHover = true, bool canBeDefault = true);
    KyBitmapButton(CImageList* pImageList, int normal, int active, int disabled, int imagePos = 0,
                   int textPos = 0, bool canHover = true, bool canBeDefault = true);
    ~KyBitmapButton() override;

    // The library's nine 16 x 16 standard images (made on first use).
    static CImageList& GetStdImageList();

    CRect GetTextRect(const CSize& textSize) const override;
    void AdjustSelectedRect(CRect& rc) const override;
    void DrawContents(CDC& dc, const DRAWITEMSTRUCT& dis) override;
    virtual CRect GetImageRect() const;
    virtual void SetImageList(CImageList* pImageList, int normal, int active, int disabled, bool redraw = true);
    virtual int GetImageIndex(bool pressed, bool disabled) const;
    virtual void DrawImage(CDC& dc, const DRAWITEMSTRUCT& dis);

protected:
    bool ImageAtLeft() const { return m_imagePos == 0; }
    bool HasText() const { return GetWindowTextLength() > 0; }
    DECLARE_MESSAGE_MAP()

    CImageList* m_pImageList;  // not owned
    int m_normal;
    int m_active;
    int m_disabled;
    int m_imagePos;
    int m_textPos;
};
