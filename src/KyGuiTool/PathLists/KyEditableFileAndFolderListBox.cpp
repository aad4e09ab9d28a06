// KyEditableFileAndFolderListBox: row height, path drawing, its row editor
// and the rows made from files dropped on it.
#include "KyGuiTool/PathLists/KyEditableFileAndFolderListBox.h"

#include "KyGuiTool/PathLists/FileAndFolderContainerWnd.h"
#include "KyGuiTool/PathLists/FileAndFolderEditor.h"
#include "KyGuiTool/ShellObjEdit/DroppedFiles.h"
#include "KyStd/Core/Errors.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Shell/ShellLink.h"

#include <shellapi.h>

#include <cstdlib>
#include <exception>

namespace {

// The text is drawn this much narrower than the row: the indent and a margin.
const int kTextMargins = 8;
const UINT kEditorId = 0;

// Redraw is off while the window is visible, and on again at the end.
class RedrawOff {
public:
    explicit RedrawOff(CWnd& wnd) : m_wnd(wnd), m_frozen(wnd.IsWindowVisible() != FALSE)
    {
        if (m_frozen)
            m_wnd.SetRedraw(FALSE);
    }
    ~RedrawOff()
    {
        if (m_frozen)
            m_wnd.SetRedraw(TRUE);
    }
    RedrawOff(const RedrawOff&) = delete;
    RedrawOff& operator=(const RedrawOff&) = delete;

private:
    CWnd& m_wnd;
    bool m_frozen;
};

// Shows an exception caught on the way to the user: an MFC one by its own
// report, a standard one in a message box with its text.
void ReportCaught(std::exception_ptr caught)
{
    try {
        std::rethrow_exception(caught);
    } catch (CException* e) {
        e->ReportError();
        e->Delete();
    } catch (const std::exception& e) {
        AfxMessageBox(e.what());
    }
}

} // namespace

BEGIN_MESSAGE_MAP(KyEditableFileAndFolderListBox, KyEditableListBox)
    ON_MESSAGE(WM_DROPFILES, OnDropFiles)
END_MESSAGE_MAP()

KyEditableFileAndFolderListBox::KyEditableFileAndFolderListBox(bool trailingSep, bool enableDrag,
                                                               bool createToolbar,
                                                               unsigned toolbarId)
    : KyEditableListBox(enableDrag, createToolbar, toolbarId), m_trailingSep(trailingSep)
{
}

KyEditableFileAndFolderListBox::~KyEditableFileAndFolderListBox() = default;

void KyEditableFileAndFolderListBox::PreSubclassWindow()
{
    KyEditableListBox::PreSubclassWindow();
    ::DragAcceptFiles(m_hWnd, TRUE);
    SetDefaultItemHeight();
}

int KyEditableFileAndFolderListBox::GetDefaultItemHeight()
{
    const int height = KyEditableListBox::GetDefaultItemHeight();
    return height < kMinItemHeight ? kMinItemHeight : height;
}

void KyEditableFileAndFolderListBox::DrawTextItem(CDC& dc, const CRect& rect, const char* text,
                                                  DRAWITEMSTRUCT& dis, UINT format)
{
    if (text == nullptr) {
        KyEditableListBox::DrawTextItem(dc, rect, text, dis, format);
        return;
    }
    Kyvant::ky_F shown(text);
    shown.ToPathEllipsis(dc.GetSafeHdc(), rect.Width() - kTextMargins);
    KyEditableListBox::DrawTextItem(dc, rect, shown.c_str(), dis, format);
}

KYB_Editor* KyEditableFileAndFolderListBox::CreateEditor(int item, const CRect& rect)
{
    return OpenEditor(
        [this, item] {
            return new KYB_FileAndFolderEditor<KYB_FileAndFolderContainerWnd, KYB_StandardCEdit>(
                *this, item);
        },
        rect);
}

KYB_Editor* KyEditableFileAndFolderListBox::OpenEditor(const std::function<KYB_Editor*()>& make,
                                                       const CRect& rect)
{
    KYB_Editor* editor = nullptr;
    try {
        editor = make();
        if (!editor->CreateEditorWindow(rect, *this, kEditorId))
            AfxThrowResourceException();
        return editor;
    } catch (...) {
        if (editor != nullptr) {
            editor->EnableDtorOwnerNotification(false);
            delete editor;
        }
        ReportCaught(std::current_exception());
    }
    return nullptr;
}

// The files go before the empty new row when it is the last row, else at the
// end, in drop order; a folder ends in a backslash. Rows added before a
// failure stay, are selected and reported like a whole drop.
LRESULT KyEditableFileAndFolderListBox::OnDropFiles(WPARAM wParam, LPARAM)
{
    const Kyvant::DroppedFiles dropped(reinterpret_cast<HDROP>(wParam));
    StopEditing(true, true, true);
    const int empty = GetEmptyItemIndex();
    const int at = empty >= 0 && empty == GetCount() - 1 ? empty : GetCount();
    int added = 0;
    {
        RedrawOff freeze(*this);
        try {
            InsertDroppedFiles(dropped, at, added);
        } catch (...) {
            ReportCaught(std::current_exception());
        }
    }
    Invalidate();
    if (added > 0) {
        SetCurSel(at + added - 1);
        Notify(WM_KY_FILES_DROPPED, added);
    }
    return 0;
}

void KyEditableFileAndFolderListBox::InsertDroppedFiles(const Kyvant::DroppedFiles& dropped, int at,
                                                        int& added)
{
    const unsigned count = dropped.Count();
    for (unsigned i = 0; i < count; ++i) {
        Kyvant::ky_F path = Kyvant::Shell::ResolveLink(dropped.Name(i).c_str());
        if (path.IsDirectory())
            path.DirSepTerminateIfNotPathCharTerminated();
        char* copy = Kyvant::xstrdup(path.c_str());
        if (SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(at + added),
                        reinterpret_cast<LPARAM>(copy)) < 0) {
            std::free(copy);
            AfxThrowMemoryException();
        }
        ++added;
    }
}
