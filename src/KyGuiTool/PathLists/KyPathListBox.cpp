// KyPathListBox: trailing separators and the path row editor.
#include "KyGuiTool/PathLists/KyPathListBox.h"

#include "KyGuiTool/PathLists/FileAndFolderEditor.h"
#include "KyGuiTool/PathLists/PathContainerWnd.h"
#include "KyGuiTool/PathLists/PathEditWnd.h"

KyPathListBox::KyPathListBox()
    : KyEditableFileAndFolderListBox(true, true, false, ID_KY_LIST_TOOLBAR)
{
}

KyPathListBox::~KyPathListBox() = default;

KYB_Editor* KyPathListBox::CreateEditor(int item, const CRect& rect)
{
    return OpenEditor(
        [this, item] {
            return new KYB_FileAndFolderEditor<KYB_PathContainerWnd, KYB_PathEditWnd>(*this, item);
        },
        rect);
}
