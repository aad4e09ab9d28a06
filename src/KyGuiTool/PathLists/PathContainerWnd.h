// KYB_PathContainerWnd: the container of a path row editor, with a fifth
// button that opens the path edit's insert menu.
#pragma once

#include "KyGuiTool/KyGuiToolExport.h"
#include "KyGuiTool/PathLists/FileAndFolderContainerWnd.h"

class KYGUITOOL_API KYB_PathContainerWnd : public KYB_FileAndFolderContainerWnd {
public:
    explicit KYB_PathContainerWnd(KYB_FileAndFolderEditorBase& editor);
    ~KYB_PathContainerWnd() override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnAddToPath();
    DECLARE_MESSAGE_MAP()
};
