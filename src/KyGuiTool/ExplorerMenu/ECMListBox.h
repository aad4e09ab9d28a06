// ECMListBox: the Explorer context-menu editor's list of menu entries: it
// shows captions and separators, edits captions only and tells the editor
// before an edit starts and while a row moves.
#pragma once

#include "KyGui/Lists/EditableListBox.h"
#include "KyGuiTool/KyGuiToolExport.h"

class KyExplorerContextMenuEditorDialog;

class KYGUITOOL_API ECMListBox : public KyEditableListBox {
public:
    explicit ECMListBox(KyExplorerContextMenuEditorDialog& editor);
    ~ECMListBox() override;

    bool IsSeparatorRow(int item) const;
    // Puts the entry in place of the row's text.
    void SetEntry(int item, const char* entry);

    bool BeginEditing(SelectType how, CPoint pt) override;
    bool CanEditItem(int item, bool start, SelectType how, CPoint pt) override;
    using KyEditableListBox::CanEditItem;
    int MoveItem(int from, int to) override;
    // Refuses "|" and a lone "-".
    void ValidateText(int item, const char* text) override;
    void DrawTextItem(CDC& dc, const CRect& rect, const char* text, DRAWITEMSTRUCT& dis,
                      UINT format) override;

private:
    [[noreturn]] void Refuse(UINT messageId);

    KyExplorerContextMenuEditorDialog& m_editor;
};
