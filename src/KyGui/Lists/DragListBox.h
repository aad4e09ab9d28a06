// KyDragListBox: a list box whose items are reordered by dragging, by a small
// Move Item Up / Move Item Down toolbar above it, and by Alt+Up / Alt+Down.
#pragma once

#include "KyGui/KyGuiExport.h"

#include <afxcmn.h>
#include <afxwin.h>

class KYGUI_API KyDragListBox : public CListBox
{
public:
    KyDragListBox();
    KyDragListBox(bool enableDrag, bool createToolbar, UINT toolbarId);
    ~KyDragListBox() override;
    KyDragListBox(const KyDragListBox&) = delete;
    KyDragListBox& operator=(const KyDragListBox&) = delete;

    CToolBarCtrl& GetToolBarCtrl() { return m_toolBar; }
    // The registered message of the drag-list notifications.
    static UINT DragListMessage();

    virtual bool CreateToolbar(UINT id);
    virtual int MoveItem(int from, int to);
    virtual bool IsValidMove(int from, int to);
    virtual bool BeginDrag(CPoint pt);
    virtual void CancelDrag(CPoint pt);
    virtual UINT Dragging(CPoint pt);
    virtual void Dropped(int srcIndex, CPoint pt);
    virtual void DrawInsert(int index);
    virtual int ItemFromPt(CPoint pt, bool autoScroll);

protected:
    virtual void DrawInsert_imp(int index);
    int MoveItem_imp(int from, int to);

    void PreSubclassWindow() override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnMoveItemUp();
    afx_msg void OnMoveItemDown();
    DECLARE_MESSAGE_MAP()

protected:

    // Adds the button's tool tip, its text the string of the command's number.
    void AddButtonTip(UINT command);
    // The list keeps item texts of its own.
    bool HasStrings() const;

private:
    CToolTipCtrl m_toolTip;
    CImageList m_hotImages;
    int m_insertIndex;
    bool m_dragging;
    bool m_dragEnabled;
    bool m_toolbarDone;
    UINT m_toolbarId;
    CToolBarCtrl m_toolBar;
};
