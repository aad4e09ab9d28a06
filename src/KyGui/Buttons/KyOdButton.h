// KyOdButton: the owner-drawn push button, optionally themed and hovering.
#pragma once

#include "KyGui/KyGuiExport.h"
#include "KyGui/Buttons/ButtonTheme.h"

#include <afxwin.h>

class KYGUI_API KyOdButton : public CButton
{
public:
    explicit KyOdButton(bool canHover = true, bool canBeDefault = true);
    ~KyOdButton() override;

    bool Hovering() const { return m_hovering; }
    bool IsDefault() const { return m_isDefault; }
    bool CanHover() const { return m_canHover; }
    bool CanBeDefault() const { return m_canBeDefault; }

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    virtual CSize GetBorderSize() const;
    virtual CRect GetAvailRect() const;
    virtual CRect GetFocusRect() const;
    virtual CRect GetContentsRect() const;
    virtual CRect GetTextRect(const CSize& textSize) const;
    virtual void AdjustSelectedRect(CRect& rc) const;
    virtual void StartHovering();
    virtual void StopHovering();
    virtual void DrawContents(CDC& dc, const DRAWITEMSTRUCT& dis) = 0;
    virtual void DrawBackground(CDC& dc, const DRAWITEMSTRUCT& dis);
    virtual void DrawBorder(CDC& dc, const DRAWITEMSTRUCT& dis);
    virtual void DrawTextA(CDC& dc, const DRAWITEMSTRUCT& dis, CRect* pTextRect = nullptr);
    virtual void DrawFocus(CDC& dc, const DRAWITEMSTRUCT& dis);
    virtual void DrawThemeText(CDC& dc, const wchar_t* text, int length, DWORD textFlags, DWORD flags2,
                               const CRect& rc, const DRAWITEMSTRUCT& dis);
    virtual void UpdateTheme();

protected:
    void PreSubclassWindow() override;
    bool IsThemed() const { return m_theme.IsOpen(); }
    // The push-button theme state for the item's state.
    int PushButtonState(const DRAWITEMSTRUCT& dis) const;
    CSize MeasureText(CDC& dc, const DRAWITEMSTRUCT& dis, const CString& text) const;

    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    afx_msg UINT OnGetDlgCode();
    afx_msg LRESULT OnSetStyle(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnThemeChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    Kyvant::ButtonTheme m_theme;  // "button"
    bool m_hovering;
    bool m_isDefault;

private:
    bool m_canHover;
    bool m_canBeDefault;
};
