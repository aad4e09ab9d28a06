// KyFileListViewBase: construction, the message map, the first initial update
// (header, sort images, image lists, widths, message window), the monitor
// timer, display info and the messages an open shell menu needs.
#include "KyGuiTool/ResultList/KyFileListViewBase.h"

#include "KyGui/Helpers/WndEx.h"
#include "KyGui/Shell/ShellIds.h"
#include "KyGuiTool/Module/KyGuiToolModule.h"
#include "KyGuiTool/ResultList/ResultListResource.h"
#include "KyGuiTool/ResultList/ResultListSeams.h"
#include "KyStd/Shell/IconOverlay.h"

#include <afxres.h>
#include <shellapi.h>

namespace {

const DWORD ListStyles = LVS_REPORT | LVS_SHAREIMAGELISTS | LVS_OWNERDATA | WS_CLIPCHILDREN;
const DWORD ListExtendedStyles = LVS_EX_SUBITEMIMAGES | LVS_EX_HEADERDRAGDROP | LVS_EX_INFOTIP;
const UINT OverlayStateBits = 0x0F00;
const UINT_PTR MonitorTimerId = 1;
const UINT MonitorTimerMs = 1000;
const int ExtraColumnWidth = 14;
const UINT MsgWndId = 0xFFFF;
const DWORD MsgWndStyle = WS_CHILD | SS_CENTER | SS_NOPREFIX | SS_CENTERIMAGE;
const int Shell32FolderIcon = 2;
const int Shell32LinkOverlayIcon = 29;
const int LinkOverlay = 2;
const int OwnImagesInitial = 5;
const int OwnImagesGrow = 5;

class WindowDC {
public:
    explicit WindowDC(HWND window) : m_window(window), m_dc(::GetDC(window)) {}
    ~WindowDC() { ::ReleaseDC(m_window, m_dc); }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return m_dc; }

private:
    HWND m_window;
    HDC m_dc;
};

int TextWidth(HDC dc, const char* text)
{
    SIZE size = {};
    ::GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
    return size.cx;
}

} // namespace

IMPLEMENT_DYNAMIC(KyFileListViewBase, CListView)

BEGIN_MESSAGE_MAP(KyFileListViewBase, CListView)
ON_COMMAND(ID_EDIT_CUT, OnEditCut)
ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateEditCutCopy)
ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateEditCutCopy)
ON_COMMAND(ID_EDIT_CLEAR, OnEditClear)
ON_UPDATE_COMMAND_UI(ID_EDIT_CLEAR, OnUpdateEditClear)
ON_COMMAND(ID_EDIT_SELECT_ALL, OnEditSelectAll)
ON_UPDATE_COMMAND_UI(ID_EDIT_SELECT_ALL, OnUpdateEditSelectAll)
ON_COMMAND(ID_KY_INVERT_SELECTION, OnInvertSelection)
ON_UPDATE_COMMAND_UI(ID_KY_INVERT_SELECTION, OnUpdateInvertSelection)
ON_COMMAND(ID_KY_PROPERTIES, OnProperties)
ON_UPDATE_COMMAND_UI(ID_KY_PROPERTIES, OnUpdateProperties)
ON_COMMAND(ID_KY_OPEN_CONTAINING_FOLDER, OnOpenContainingFolder)
ON_COMMAND(ID_KY_RENAME, OnRename)
ON_UPDATE_COMMAND_UI(ID_KY_RENAME, OnUpdateRename)
ON_COMMAND(ID_KY_REFRESH, OnRefresh)
ON_UPDATE_COMMAND_UI(ID_KY_REFRESH, OnUpdateRefresh)
ON_WM_CONTEXTMENU()
ON_WM_INITMENUPOPUP()
ON_WM_MENUCHAR()
ON_WM_DRAWITEM()
ON_WM_MEASUREITEM()
ON_NOTIFY_REFLECT(LVN_BEGINDRAG, OnBeginDrag)
ON_NOTIFY_REFLECT(LVN_BEGINRDRAG, OnBeginDrag)
ON_NOTIFY_REFLECT(LVN_BEGINLABELEDIT, OnBeginLabelEdit)
ON_NOTIFY_REFLECT(LVN_ENDLABELEDIT, OnEndLabelEdit)
ON_NOTIFY_REFLECT(NM_DBLCLK, OnDoubleClick)
ON_NOTIFY_REFLECT(NM_RCLICK, OnRightClick)
ON_WM_SIZE()
ON_WM_MOUSEACTIVATE()
ON_WM_DESTROY()
END_MESSAGE_MAP()

KyFileListViewBase::KyFileListViewBase(const ColumnInitInfo* columns, unsigned count,
                                       unsigned headerMenuId, unsigned firstHeaderCommandId)
    : Kyvant::Shell::ExplorerContextMenuHost(*this, true, true), m_columns(columns),
      m_columnCount(count), m_headerMenuId(headerMenuId),
      m_firstHeaderCommandId(firstHeaderCommandId), m_widths(count, 0), m_shown(count, 0),
      m_sortStates(count, SortNone), m_sortedColumn(-1), m_shell32IconIndex(-1),
      m_monitorTimerRunning(false), m_sortImagesAvailable(false), m_isNT4(false),
      m_clickActivatedOnSelectedItem(false), m_labelEditing(false), m_selectAllInProgress(false),
      m_cancellingLabelEdit(false), m_initialUpdateDone(false), m_selectTop(0), m_selectEnd(0)
{
}

KyFileListViewBase::~KyFileListViewBase()
{
    // Neither is this view's to destroy.
    m_systemImages.Detach();
    if (m_header.m_hWnd != nullptr)
        m_header.Detach();
}

BOOL KyFileListViewBase::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= ListStyles;
    return CListView::PreCreateWindow(cs);
}

void KyFileListViewBase::OnInitialUpdate()
{
    CListView::OnInitialUpdate();
    if (m_initialUpdateDone) {
        if (m_sortedColumn >= 0)
            SetSortStateX(m_sortedColumn, SortNone);
        return;
    }
    m_initialUpdateDone = true;
    SetUpHeader();
    LoadSortImages();
    SetUpImageLists();
    CallInitColumnWidths();
    CreateMsgWnd();
}

bool KyFileListViewBase::ModernHeader() const
{
    const DWORD version6 = 0x60000;
    return Kyvant::ResultList::ComCtlVersion() >= version6;
}

void KyFileListViewBase::SetUpHeader()
{
    CListCtrl& list = GetListCtrl();
    const HWND header = reinterpret_cast<HWND>(list.SendMessage(LVM_GETHEADER));
    if (header != nullptr && m_header.m_hWnd == nullptr)
        m_header.Attach(header);
    list.SetExtendedStyle(list.GetExtendedStyle() | ListExtendedStyles);
}

void KyFileListViewBase::LoadSortImages()
{
    if (ModernHeader()) {
        m_sortImagesAvailable = true;
        return;
    }
    const HINSTANCE module = Kyvant::KyGuiToolModule();
    const UINT ids[2] = {IDB_KY_SORT_ASCENDING, IDB_KY_SORT_DESCENDING};
    for (int i = 0; i < 2; ++i) {
        m_sortBitmaps[i].DeleteObject();
        m_sortBitmaps[i].Attach(::CreateMappedBitmap(module, ids[i], 0, nullptr, 0));
    }
    m_sortImagesAvailable =
        m_sortBitmaps[0].GetSafeHandle() != nullptr && m_sortBitmaps[1].GetSafeHandle() != nullptr;
}

void KyFileListViewBase::SetUpImageLists()
{
    Kyvant::Shell::AddIconOverlayToSystemImageListKludge(&m_isNT4);
    SHFILEINFOA info = {};
    const HIMAGELIST system = reinterpret_cast<HIMAGELIST>(
        ::SHGetFileInfoA("C:\\", FILE_ATTRIBUTE_DIRECTORY, &info, sizeof info,
                         SHGFI_USEFILEATTRIBUTES | SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    if (system != nullptr && m_systemImages.Attach(system)) {
        CListCtrl& list = GetListCtrl();
        list.SetImageList(&m_systemImages, LVSIL_SMALL);
        list.SetCallbackMask(OverlayStateBits);
    }
    if (m_isNT4)
        SetUpOwnImageList();
}

// Windows NT 4's system list lacks the link overlay: a list of the view's own
// with shell32's folder icon and its link overlay.
void KyFileListViewBase::SetUpOwnImageList()
{
    const int cx = ::GetSystemMetrics(SM_CXSMICON);
    const int cy = ::GetSystemMetrics(SM_CYSMICON);
    if (!m_ownImages.Create(cx, cy, ILC_COLOR16 | ILC_MASK, OwnImagesInitial, OwnImagesGrow))
        return;
    Kyvant::ky_F shell32;
    shell32.ToSystemDirectory();
    shell32.DirSepTerminateIfNotPathCharTerminated();
    shell32 += "shell32.dll";
    const HINSTANCE instance = AfxGetInstanceHandle();
    if (HICON folder = ::ExtractIconA(instance, shell32.c_str(), Shell32FolderIcon)) {
        m_shell32IconIndex = m_ownImages.Add(folder);
        ::DestroyIcon(folder);
    }
    if (HICON overlay = ::ExtractIconA(instance, shell32.c_str(), Shell32LinkOverlayIcon)) {
        const int index = m_ownImages.Add(overlay);
        if (index >= 0)
            m_ownImages.SetOverlayImage(index, LinkOverlay);
        ::DestroyIcon(overlay);
    }
}

void KyFileListViewBase::CallInitColumnWidths()
{
    CRect client;
    GetClientRect(&client);
    WindowDC dc(m_hWnd);
    const HGDIOBJ old = ::SelectObject(dc.get(), GetFont());
    const int widthOfX = TextWidth(dc.get(), "x");
    const int widthOf0 = TextWidth(dc.get(), "0");
    ::SelectObject(dc.get(), old);
    if (m_columnCount > 0)
        InitColumnWidths(m_widths.data(), client.Width() - ::GetSystemMetrics(SM_CXVSCROLL),
                         widthOfX, widthOf0, ::GetSystemMetrics(SM_CXSMICON), ExtraColumnWidth);
}

void KyFileListViewBase::CreateMsgWnd()
{
    if (!m_msgWnd.Create("", MsgWndStyle, CRect(0, 0, 0, 0), this, MsgWndId))
        return;
    m_msgWnd.SetFontCopy(CFont::FromHandle(GetFont()), false);
    LayOutMsgWnd();
}

// Over the client area below the header.
void KyFileListViewBase::LayOutMsgWnd()
{
    if (m_msgWnd.m_hWnd == nullptr)
        return;
    CRect client;
    GetClientRect(&client);
    int top = client.top;
    if (m_header.m_hWnd != nullptr) {
        CRect header;
        m_header.GetWindowRect(&header);
        top = header.Height();
    }
    m_msgWnd.MoveWindow(client.left, top, client.Width(), client.bottom - top, TRUE);
    m_msgWnd.Invalidate();
}

void KyFileListViewBase::ShowMsgWnd(bool show)
{
    if (m_msgWnd.m_hWnd == nullptr)
        return;
    if (show) {
        Kyvant::ky_S text;
        GetMsgWndText(text);
        m_msgWnd.SetWindowText(text.c_str());
    }
    m_msgWnd.ShowWindow(show ? SW_SHOW : SW_HIDE);
}

void KyFileListViewBase::EnableMonitorTimer(bool on)
{
    if (on == m_monitorTimerRunning)
        return;
    if (on) {
        m_monitorTimerRunning = SetTimer(MonitorTimerId, MonitorTimerMs) != 0;
        return;
    }
    m_monitorTimerRunning = false;
    KillTimer(MonitorTimerId);
    OnMonitorTimerKilled();
}

void KyFileListViewBase::OnMonitorTimerKilled() {}

// No text is written without a buffer to hold it.
void KyFileListViewBase::HandleDispInfo_imp(LVITEMA& item, const char* text, int image, int overlay)
{
    if ((item.mask & LVIF_TEXT) && item.pszText != nullptr && item.cchTextMax > 0)
        lstrcpynA(item.pszText, text != nullptr ? text : "", item.cchTextMax);
    if (item.mask & LVIF_IMAGE) {
        item.iImage = image;
        item.state &= ~OverlayStateBits;
        item.stateMask &= ~OverlayStateBits;
        if (overlay != 0) {
            item.state |= INDEXTOOVERLAYMASK(overlay);
            item.stateMask |= OverlayStateBits;
        }
    }
}

void KyFileListViewBase::HandleDispInfo(LVITEMA& item, const Kyvant::ky_BSB<char>& text, int image,
                                        int overlay)
{
    HandleDispInfo_imp(item, text.c_str(), image, overlay);
}

BOOL KyFileListViewBase::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header != nullptr && m_header.m_hWnd != nullptr && header->hwndFrom == m_header.m_hWnd &&
        header->code == static_cast<UINT>(NM_RCLICK)) {
        ShowHeaderPopup();
        *pResult = 1;
        return TRUE;
    }
    return CListView::OnNotify(wParam, lParam, pResult);
}

void KyFileListViewBase::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
{
    LRESULT result = 0;
    if (HandleContextMenuMsg(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pPopupMenu->m_hMenu),
                             MAKELPARAM(nIndex, bSysMenu), result))
        return;
    CListView::OnInitMenuPopup(pPopupMenu, nIndex, bSysMenu);
    if (!bSysMenu)
        Kyvant::WndEx::DoPopupCmdUI(*pPopupMenu, *this, FALSE, true);
}

LRESULT KyFileListViewBase::OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu)
{
    LRESULT result = 0;
    if (HandleContextMenuMsg(WM_MENUCHAR, MAKEWPARAM(nChar, nFlags),
                             reinterpret_cast<LPARAM>(pMenu->GetSafeHmenu()), result))
        return result;
    return CListView::OnMenuChar(nChar, nFlags, pMenu);
}

void KyFileListViewBase::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    LRESULT result = 0;
    if (HandleContextMenuMsg(WM_DRAWITEM, static_cast<WPARAM>(nIDCtl),
                             reinterpret_cast<LPARAM>(lpDrawItemStruct), result))
        return;
    CListView::OnDrawItem(nIDCtl, lpDrawItemStruct);
}

void KyFileListViewBase::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    LRESULT result = 0;
    if (HandleContextMenuMsg(WM_MEASUREITEM, static_cast<WPARAM>(nIDCtl),
                             reinterpret_cast<LPARAM>(lpMeasureItemStruct), result))
        return;
    CListView::OnMeasureItem(nIDCtl, lpMeasureItemStruct);
}

void KyFileListViewBase::OnSize(UINT nType, int cx, int cy)
{
    CListView::OnSize(nType, cx, cy);
    LayOutMsgWnd();
}

void KyFileListViewBase::OnDestroy()
{
    Clear();
    if (m_header.m_hWnd != nullptr)
        m_header.Detach();
    CListView::OnDestroy();
}
