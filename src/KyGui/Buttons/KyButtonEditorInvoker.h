// KyButtonEditorInvoker: the small button beside a field that asks the
// parent to open the field's bigger editor (WM_APP+0x96, wParam = its id).
#pragma once

#include "KyGui/Buttons/KyHoverButton.h"

class KYGUI_API KyButtonEditorInvoker : public KyHoverButton
{
public:
    enum EditorType : int
    {
        kEditText = 0,      // form with pencil
        kChooseFile = 1,    // magnifier over a page
        kMenu = 2,          // arrow at a list
        kChooseComputer = 3 // magnifier over a computer
    };
    enum : UINT
    {
        kInvokeMessage = WM_APP + 0x96,
        kFocusRepaintMessage = WM_APP + 0xC7
    };

    explicit KyButtonEditorInvoker(EditorType type = kEditText);
    KyButtonEditorInvoker(int imagePos, int textPos);
    KyButtonEditorInvoker(CImageList* pImageList, int normal, int active, int disabled, int hot, int imagePos = 0,
                          int textPos = 0);
    ~KyButtonEditorInvoker() override;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void DrawFocus(CDC& dc, const DRAWITEMSTRUCT& dis) override;
    virtual void InvokeEditor();

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg LRESULT OnSetState(WPARAM wParam, LPARAM lParam);
    afx_msg void OnClicked();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg LRESULT OnFocusRepaint(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    bool m_armed;
    bool m_repaintPending;
};
