// KyPathListBox: the file-and-folder list of path items, whose folders end in
// a backslash and whose row editor is a path edit with the full insert menu.
#pragma once

#include "KyGuiTool/KyGuiToolExport.h"
#include "KyGuiTool/PathLists/KyEditableFileAndFolderListBox.h"

class KYGUITOOL_API KyPathListBox : public KyEditableFileAndFolderListBox {
public:
    KyPathListBox();
    ~KyPathListBox() override;

protected:
    KYB_Editor* CreateEditor(int item, const CRect& rect) override;
};
