// CFileDialog: building the record, the modal steps around GetOpenFileName/GetSaveFileName, and the answers.
#include "AfxFileDialog.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CFileDialog, CCommonDialog)

namespace {

const char kFilterSeparator = '|';

bool IsAbsolute(LPCSTR name)
{
    return name[0] == '\\' || name[0] == '/' || (name[0] != '\0' && name[1] == ':');
}

CString Combine(LPCSTR folder, LPCSTR name)
{
    if (IsAbsolute(name))
        return CString(name);
    CString path(folder);
    int n = path.GetLength();
    if (n > 0 && path[n - 1] != '\\')
        path += '\\';
    path += name;
    return path;
}

}  // namespace

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt, LPCSTR lpszFileName, DWORD dwFlags,
                         LPCSTR lpszFilter, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd), m_ofn(), m_bOpenFileDialog(bOpenFileDialog), m_szFileTitle(), m_szFileName()
{
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = _MAX_PATH;
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = sizeof m_szFileTitle;
    m_ofn.lpstrDefExt = lpszDefExt;
    m_ofn.Flags = dwFlags | OFN_ENABLEHOOK | OFN_EXPLORER;
    m_ofn.lpfnHook = &AfxCommDlgProc;
    m_ofn.hInstance = nullptr;
    if (lpszFileName != nullptr)
        ::lstrcpynA(m_szFileName, lpszFileName, _MAX_PATH);
    if (lpszFilter != nullptr) {
        // '|' separates the entries; the system wants NULs and a double NUL at the end.
        m_strFilter = lpszFilter;
        LPSTR p = m_strFilter.GetBufferSetLength(m_strFilter.GetLength());
        for (; *p != '\0'; p = ::CharNextA(p))
            if (*p == kFilterSeparator)
                *p = '\0';
        m_strFilter.ReleaseBuffer(m_strFilter.GetLength());
        m_ofn.lpstrFilter = m_strFilter;
    }
}

HWND CFileDialog::PreModal()
{
    if ((m_ofn.Flags & OFN_ENABLETEMPLATE) && m_ofn.hInstance == nullptr)
        m_ofn.hInstance = AfxFindTemplateHandle(m_ofn.lpTemplateName);
    return CDialog::PreModal();
}

INT_PTR CFileDialog::DoModal()
{
    // A clean buffer after the initial name, so that a multi-select answer parses.
    DWORD nOffset = static_cast<DWORD>(std::strlen(m_ofn.lpstrFile)) + 1;
    if (nOffset < m_ofn.nMaxFile)
        std::memset(m_ofn.lpstrFile + nOffset, 0, m_ofn.nMaxFile - nOffset);

    HWND hWndFocus = ::GetFocus();
    m_ofn.hwndOwner = PreModal();
    AfxUnhookWindowCreate();
    BOOL bEnableOwner = FALSE;
    if (m_ofn.hwndOwner != nullptr && ::IsWindowEnabled(m_ofn.hwndOwner)) {
        bEnableOwner = TRUE;
        ::EnableWindow(m_ofn.hwndOwner, FALSE);
    }
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (m_ofn.Flags & OFN_EXPLORER)
        pState->m_pAlternateWndInit = this;
    else
        AfxHookWindowCreate(this);

    LPOPENFILENAMEA pofn = reinterpret_cast<LPOPENFILENAMEA>(&m_ofn);
    BOOL bResult = m_bOpenFileDialog ? ::GetOpenFileNameA(pofn) : ::GetSaveFileNameA(pofn);

    pState->m_pAlternateWndInit = nullptr;
    if (bEnableOwner)
        ::EnableWindow(m_ofn.hwndOwner, TRUE);
    if (hWndFocus != nullptr && ::IsWindow(hWndFocus))
        ::SetFocus(hWndFocus);
    PostModal();
    return bResult ? IDOK : IDCANCEL;
}

CString CFileDialog::GetPathName() const
{
    if ((m_ofn.Flags & OFN_EXPLORER) && m_hWnd != nullptr) {
        char path[_MAX_PATH] = "";
        HWND hDlg = ::GetParent(m_hWnd);
        if (::SendMessageA(hDlg, CDM_GETFILEPATH, _MAX_PATH, reinterpret_cast<LPARAM>(path)) > 0)
            return CString(path);
    }
    return CString(m_ofn.lpstrFile);
}

CString CFileDialog::GetFileName() const
{
    CString path = GetPathName();
    LPCSTR p = path;
    LPCSTR name = p;
    for (; *p != '\0'; p = ::CharNextA(p))
        if (*p == '\\' || *p == '/' || *p == ':')
            name = p + 1;
    return CString(name);
}

CString CFileDialog::GetFileExt() const
{
    CString name = GetFileName();
    LPCSTR dot = std::strrchr(name, '.');
    return CString(dot != nullptr ? dot + 1 : "");
}

CString CFileDialog::GetFileTitle() const
{
    CString name = GetFileName();
    LPCSTR dot = std::strrchr(name, '.');
    return dot != nullptr ? CString(name, static_cast<int>(dot - static_cast<LPCSTR>(name))) : name;
}

// Explorer answers are "folder\0name\0name\0\0", or one full path; older ones separate names by spaces.
CString CFileDialog::GetNextPathName(POSITION& pos) const
{
    LPCSTR start = m_ofn.lpstrFile;
    LPCSTR p = reinterpret_cast<LPCSTR>(pos);
    if (p == nullptr)
        return CString();
    bool explorer = (m_ofn.Flags & OFN_EXPLORER) != 0;
    char sep = explorer ? '\0' : ' ';
    LPCSTR folderEnd = start;
    while (*folderEnd != '\0' && *folderEnd != sep)
        ++folderEnd;
    CString folder(start, static_cast<int>(folderEnd - start));
    bool single = !(m_ofn.Flags & OFN_ALLOWMULTISELECT) || (*folderEnd == '\0' && (!explorer || folderEnd[1] == '\0'));
    if (single) {
        pos = nullptr;
        return CString(start);
    }
    if (p == start)
        p = folderEnd + 1;
    LPCSTR end = p;
    while (*end != '\0' && *end != sep)
        ++end;
    CString name(p, static_cast<int>(end - p));
    LPCSTR next = *end == '\0' ? (explorer ? end + 1 : end) : end + 1;
    pos = *next != '\0' ? reinterpret_cast<POSITION>(const_cast<LPSTR>(next)) : nullptr;
    return Combine(folder, name);
}

CString CFileDialog::GetFolderPath() const
{
    char path[_MAX_PATH] = "";
    if (m_hWnd != nullptr)
        ::SendMessageA(::GetParent(m_hWnd), CDM_GETFOLDERPATH, _MAX_PATH, reinterpret_cast<LPARAM>(path));
    return CString(path);
}

void CFileDialog::SetControlText(int nID, LPCSTR lpsz)
{
    ::SendMessageA(::GetParent(m_hWnd), CDM_SETCONTROLTEXT, static_cast<WPARAM>(nID), reinterpret_cast<LPARAM>(lpsz));
}

void CFileDialog::HideControl(int nID) { ::SendMessageA(::GetParent(m_hWnd), CDM_HIDECONTROL, static_cast<WPARAM>(nID), 0); }

void CFileDialog::SetDefExt(LPCSTR lpsz) { ::SendMessageA(::GetParent(m_hWnd), CDM_SETDEFEXT, 0, reinterpret_cast<LPARAM>(lpsz)); }

BOOL CFileDialog::OnFileNameOK() { return FALSE; }
UINT CFileDialog::OnShareViolation(LPCSTR) { return OFN_SHAREWARN; }
void CFileDialog::OnInitDone() {}
void CFileDialog::OnFileNameChange() {}
void CFileDialog::OnFolderChange() {}
void CFileDialog::OnTypeChange() {}

BOOL CFileDialog::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    OFNOTIFYA* pNotify = reinterpret_cast<OFNOTIFYA*>(lParam);
    switch (pNotify->hdr.code) {
    case CDN_FILEOK:
        *pResult = OnFileNameOK();
        break;
    case CDN_SHAREVIOLATION:
        *pResult = OnShareViolation(pNotify->pszFile);
        break;
    case CDN_INITDONE:
        OnInitDone();
        return TRUE;
    case CDN_SELCHANGE:
        OnFileNameChange();
        return TRUE;
    case CDN_FOLDERCHANGE:
        OnFolderChange();
        return TRUE;
    case CDN_TYPECHANGE:
        OnTypeChange();
        return TRUE;
    default:
        return CCommonDialog::OnNotify(wParam, lParam, pResult);
    }
    ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, *pResult);
    return TRUE;
}
