// KYB_FileAndFolderEditorBase: what the container window of a file-and-folder
// row editor asks of its editor: whether a browsed folder or file may go into
// the edit, the list box and string editor it works for, and the edit made
// inside the container.
#pragma once

#include "KyGuiTool/KyGuiToolExport.h"
#include "KyStd/Strings/String.h"

#include <afxwin.h>

class KyEditableFileAndFolderListBox;
class KYB_StringEditor;

class KYGUITOOL_API KYB_FileAndFolderEditorBase {
public:
    virtual ~KYB_FileAndFolderEditorBase();
    // A derived editor may change the text or refuse it; by default both are taken.
    virtual bool AcceptFolder(Kyvant::ky_BSB<char>& folder);
    virtual bool AcceptFile(Kyvant::ky_BSB<char>& file);
    virtual KyEditableFileAndFolderListBox& GetListBox() const = 0;
    virtual KYB_StringEditor& GetStringEditor() = 0;
    // Makes the editor's edit, a child of the container over the rectangle.
    virtual bool CreateEditWindow(const CRect& rect, CWnd& container) = 0;
};
