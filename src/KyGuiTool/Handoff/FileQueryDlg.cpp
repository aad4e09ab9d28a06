// The question about one file: its layout for the two modes, the path line,
// the text the dialog grows to fit, and the answers by button id.
#include "KyGuiTool/Handoff/FileQueryDlg.h"

#include "KyGuiTool/Handoff/HandoffResource.h"

#include <shellapi.h>

#include <algorithm>

using namespace Kyvant;

BEGIN_MESSAGE_MAP(FileQueryDlg, CDialog)
    ON_COMMAND_RANGE(IDC_KY_QUERY_YES, IDC_KY_QUERY_NO_TO_ALL, OnAnswer)
    ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {

const char kPathIndent[] = "   ";
const int kButtons[] = {IDC_KY_QUERY_YES, IDC_KY_QUERY_YES_TO_ALL, IDC_KY_QUERY_NO,
                        IDC_KY_QUERY_NO_TO_ALL, IDCANCEL};
const UINT kTextFormat = DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS;

CRect ChildRect(const CWnd& dialog, int id)
{
    CRect rect;
    if (CWnd* child = dialog.GetDlgItem(id)) {
        child->GetWindowRect(&rect);
        dialog.ScreenToClient(&rect);
    }
    return rect;
}

void Resize(CWnd& window, int width, int height)
{
    ::SetWindowPos(window.GetSafeHwnd(), nullptr, 0, 0, width, height,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// A DC of the window with its dialog's font selected.
class FontDC {
public:
    FontDC(CWnd& window, HFONT font) : m_window(window.GetSafeHwnd()), m_dc(::GetDC(m_window))
    {
        m_old = ::SelectObject(m_dc, font);
    }
    ~FontDC()
    {
        ::SelectObject(m_dc, m_old);
        ::ReleaseDC(m_window, m_dc);
    }
    FontDC(const FontDC&) = delete;
    FontDC& operator=(const FontDC&) = delete;

    HDC get() const { return m_dc; }
    int Width(const char* text) const
    {
        SIZE size = {};
        ::GetTextExtentPoint32A(m_dc, text, ::lstrlenA(text), &size);
        return size.cx;
    }

private:
    HWND m_window;
    HDC m_dc;
    HGDIOBJ m_old;
};

} // namespace

FileQueryDlg::FileQueryDlg(const ky_S& text, const ky_F& path, int mode, CWnd* pParent)
    : CDialog(IDD_KY_FILE_QUERY, pParent), m_text(text), m_path(path), m_mode(mode),
      m_shellIcon(nullptr), m_layoutReady(false)
{
}

FileQueryDlg::~FileQueryDlg()
{
    if (m_shellIcon)
        ::DestroyIcon(m_shellIcon);
}

BOOL FileQueryDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(AfxGetAppName());
    if (m_mode == kError)
        ArrangeErrorButtons();
    if (m_mode == kError || !ShowShellIcon())
        DropShellIcon();
    SetDlgItemText(IDC_KY_QUERY_TEXT, m_text.c_str());
    RegisterLayout();
    ShowPathLine();
    GrowToFitTexts();
    CenterWindow();
    ::MessageBeep(MB_ICONQUESTION);
    return TRUE;
}

void FileQueryDlg::OnOK()
{
    EndDialog(IDC_KY_QUERY_YES);
}

void FileQueryDlg::OnAnswer(UINT nID)
{
    EndDialog(static_cast<int>(nID));
}

void FileQueryDlg::ArrangeErrorButtons()
{
    const CRect no = ChildRect(*this, IDC_KY_QUERY_NO);
    const CRect noToAll = ChildRect(*this, IDC_KY_QUERY_NO_TO_ALL);
    for (int id : {IDC_KY_QUERY_YES_TO_ALL, IDC_KY_QUERY_NO_TO_ALL}) {
        GetDlgItem(id)->ShowWindow(SW_HIDE);
        GetDlgItem(id)->EnableWindow(FALSE);
    }
    GetDlgItem(IDC_KY_QUERY_YES)->MoveWindow(&no);
    GetDlgItem(IDC_KY_QUERY_NO)->MoveWindow(&noToAll);
}

bool FileQueryDlg::ShowShellIcon()
{
    ky_F path = m_path;
    path.Substitute("/", "\\");
    SHFILEINFOA info = {};
    if (!::SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_LARGEICON) ||
        !info.hIcon)
        return false;
    m_shellIcon = info.hIcon;
    SendDlgItemMessage(IDC_KY_QUERY_SHELL_ICON, STM_SETICON, reinterpret_cast<WPARAM>(m_shellIcon));
    return true;
}

// Hides the object's icon and narrows the dialog by its column.
void FileQueryDlg::DropShellIcon()
{
    const int dx =
        ChildRect(*this, IDC_KY_QUERY_LABEL).left - ChildRect(*this, IDC_KY_QUERY_SHELL_ICON).left;
    GetDlgItem(IDC_KY_QUERY_SHELL_ICON)->ShowWindow(SW_HIDE);
    for (CWnd* child = GetWindow(GW_CHILD); child; child = child->GetWindow(GW_HWNDNEXT)) {
        const int id = child->GetDlgCtrlID();
        if (id == IDC_KY_QUERY_ICON || id == IDC_KY_QUERY_SHELL_ICON)
            continue;
        CRect rect = ChildRect(*this, id);
        rect.OffsetRect(-dx, 0);
        child->MoveWindow(&rect);
    }
    CRect window;
    GetWindowRect(&window);
    Resize(*this, window.Width() - dx, window.Height());
}

void FileQueryDlg::RegisterLayout()
{
    for (int id : {IDC_KY_QUERY_LABEL, IDC_KY_QUERY_PATH, IDC_KY_QUERY_TEXT})
        m_layout.m_stretchyWindows.Add(*GetDlgItem(id), SimpleLayoutManager::Right);
    m_layout.m_stretchyWindows.Add(*GetDlgItem(IDC_KY_QUERY_TEXT), SimpleLayoutManager::Bottom);
    for (int id : kButtons) {
        m_layout.m_sideWindows.Add(*GetDlgItem(id), SimpleLayoutManager::Right);
        m_layout.m_sideWindows.Add(*GetDlgItem(id), SimpleLayoutManager::Bottom);
    }
    m_layoutReady = true;
}

void FileQueryDlg::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    if (!m_layoutReady || nType == SIZE_MINIMIZED)
        return;
    m_layout.Layout();
    ShowPathLine();
}

// Three blanks and the path, shortened in its middle to the line's width.
void FileQueryDlg::ShowPathLine()
{
    CWnd* line = GetDlgItem(IDC_KY_QUERY_PATH);
    CRect client;
    line->GetClientRect(&client);
    FontDC dc(*line, GetFont());
    ky_F shown = m_path;
    shown.ToPathEllipsis(dc.get(), client.Width() - dc.Width(kPathIndent), GetFont());
    line->SetWindowText((kPathIndent + shown).c_str());
}

// Widens the dialog until the label fits and then lengthens it until the
// word-wrapped text does, within the work area.
void FileQueryDlg::GrowToFitTexts()
{
    CWnd* label = GetDlgItem(IDC_KY_QUERY_LABEL);
    CString labelText;
    label->GetWindowText(labelText);
    int dx = 0;
    {
        FontDC dc(*label, GetFont());
        dx = std::max(0, dc.Width(labelText) - ChildRect(*this, IDC_KY_QUERY_LABEL).Width());
    }
    CRect window;
    GetWindowRect(&window);
    if (dx > 0)
        Resize(*this, window.Width() + dx, window.Height());

    CWnd* text = GetDlgItem(IDC_KY_QUERY_TEXT);
    const CRect shown = ChildRect(*this, IDC_KY_QUERY_TEXT);
    CRect needed(0, 0, shown.Width(), 0);
    {
        FontDC dc(*text, GetFont());
        ::DrawTextA(dc.get(), m_text.c_str(), -1, &needed, kTextFormat);
    }
    const int dy = needed.Height() - shown.Height();
    if (dy <= 0)
        return;
    RECT workArea;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    GetWindowRect(&window);
    const int height =
        std::min(window.Height() + dy, static_cast<int>(workArea.bottom - workArea.top));
    Resize(*this, window.Width(), height);
}
