// KyEditableFileAndFolderListBox: an editable list of file and folder names.
// Rows are at least 21 pixels high and show a long path with "..." in its
// middle; the row editor carries a toolbar for browsing; files dropped from
// Explorer become rows, and the parent is told how many.
#pragma once

#include "KyGui/Lists/EditableListBox.h"
#include "KyGui/Lists/ListsResource.h"
#include "KyGuiTool/KyGuiToolExport.h"

#include <afxwin.h>

#include <functional>

namespace Kyvant {
class DroppedFiles;
} // namespace Kyvant

// To the parent after files were dropped: wParam the rows added, lParam the list box.
const UINT WM_KY_FILES_DROPPED = WM_APP + 0x9A;

class KYGUITOOL_API KyEditableFileAndFolderListBox : public KyEditableListBox {
public:
    static const int kMinItemHeight = 21;

    explicit KyEditableFileAndFolderListBox(bool trailingSep = false, bool enableDrag = true,
                                            bool createToolbar = true,
                                            unsigned toolbarId = ID_KY_LIST_TOOLBAR);
    ~KyEditableFileAndFolderListBox() override;

    bool FoldersRequireTrailingDirSep() const { return m_trailingSep; }

    int GetDefaultItemHeight() override;
    // The path shortened in its middle to the row's width less the margins.
    void DrawTextItem(CDC& dc, const CRect& rect, const char* text, DRAWITEMSTRUCT& dis,
                      UINT format) override;

protected:
    void PreSubclassWindow() override;
    KYB_Editor* CreateEditor(int item, const CRect& rect) override;
    // Makes the editor and its window over the row; a failure is reported
    // to the user and gives null.
    KYB_Editor* OpenEditor(const std::function<KYB_Editor*()>& make, const CRect& rect);

    afx_msg LRESULT OnDropFiles(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    // Inserts a row per dropped file from position at on; added counts them as they go in.
    void InsertDroppedFiles(const Kyvant::DroppedFiles& dropped, int at, int& added);

    bool m_trailingSep;
};
