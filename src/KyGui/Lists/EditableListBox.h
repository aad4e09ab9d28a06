// KyEditableListBox: an owner-drawn list of text items edited in place, ending
// in an empty new-item row; it reports every change to its parent window.
#pragma once

#include "KyGui/KyGuiExport.h"
#include "KyGui/Lists/DragListBox.h"
#include "KyGui/Lists/ListEditors.h"
#include "KyStd/Containers/Sequencer.h"
#include "KyStd/Strings/String.h"

#include <afxwin.h>

// Notifications to the parent: wParam the item index, lParam the list box object.
const UINT WM_KY_LIST_TEXT_CHANGED = WM_APP + 0x97;
const UINT WM_KY_LIST_ITEM_DELETED = WM_APP + 0x98;
const UINT WM_KY_LIST_ITEM_MOVED = WM_APP + 0x99;
const UINT WM_KY_LIST_CLOSE_EDITOR = WM_APP + 0x9B; // posted to itself
const UINT WM_KY_LIST_EDIT_UNCHANGED = WM_APP + 0x9C;

class KYGUI_API KyEditableListBox : public KyDragListBox {
public:
    using SelectType = KYB_Editor::SelectType;
    using Text = Kyvant::ky_BSB<char>;

    KyEditableListBox();
    KyEditableListBox(bool enableDrag, bool createToolbar, UINT toolbarId);
    ~KyEditableListBox() override;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
    void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct) override;
    bool CreateToolbar(UINT id) override;
    int MoveItem(int from, int to) override;
    bool IsValidMove(int from, int to) override;
    int ItemFromPt(CPoint pt, bool autoScroll) override;

    virtual bool BeginEditing(SelectType how, CPoint pt);
    virtual bool StopEditing(bool save, bool destroy, bool reselect);
    virtual void OnEndEdit();
    virtual bool HandleClickAfterStoppedEditing(CPoint pt);
    virtual bool CanEditItem(int item, bool start, SelectType how, CPoint pt);
    virtual bool CanEditItem(CPoint pt, bool start, SelectType how);
    virtual bool CanCreateNewEmptyItem(int index);
    virtual int GetEmptyItemIndex();
    virtual int CreateNewEmptyItem(int index);
    virtual bool CanDeleteItem(int index);
    virtual bool UserDeleteItem(int index);
    virtual bool AcceptEditChangesDuringDestruction();
    virtual void ValidateText(int item, const char* text);
    virtual bool IsTextuallyEmpty();
    virtual int GetDefaultItemHeight();
    virtual void DrawItemBackground(CDC& dc, const CRect& rect, int item, DRAWITEMSTRUCT& dis);
    virtual void DrawItemContents(CDC& dc, const CRect& rect, int item, DRAWITEMSTRUCT& dis);
    virtual void DrawItemFocus(CDC& dc, const CRect& rect, int item, DRAWITEMSTRUCT& dis);
    virtual void DrawTextItem(CDC& dc, const CRect& rect, const char* text, DRAWITEMSTRUCT& dis,
                              UINT format);
    virtual void StoreContents(const Kyvant::output_sequencer<Text>& seq);
    virtual void LoadContents(const Kyvant::input_sequencer<Text>& seq, bool addEmptyRow);

    bool HasEmptyItem() { return GetEmptyItemIndex() >= 0; }
    KYB_Editor* GetEditorPtr() const { return m_editor; }
    int GetEditorIndex() const { return m_editIndex; }
    bool Editing() const { return m_editIndex >= 0 && m_editor != nullptr; }
    bool InCreateEditor() const { return m_inCreateEditor; }
    void SetDefaultItemHeight();
    // The item's text copy; null for the empty row.
    const char* ItemText(int item) const;

protected:
    virtual KYB_Editor* CreateEditor(int item, const CRect& rect);
    virtual void DestroyEditor();
    virtual bool SaveEdits();

    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnDestroy();
    afx_msg BOOL OnSelChange();
    afx_msg LRESULT OnCloseEditor(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCaptureChanged(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDeleteItemCommand();
    afx_msg void OnNewItemCommand();
    DECLARE_MESSAGE_MAP()

protected:
    // Sends the parent one of the notifications.
    void Notify(UINT message, int item);
    // The item to select after an edit was saved.
    int ItemAfterSave(int edited, int emptyBefore, int emptyAfter);
    // Gives up a pending click and the mouse capture.
    void CancelPendingClick();

private:
    int m_editIndex;
    KYB_Editor* m_editor;
    bool m_resendingButtonDown;
    bool m_inCreateEditor;
    bool m_clickPending;
    bool m_wheelClosePending;
    int m_clickX;
    int m_clickY;
    int m_defaultItemHeight;
};
