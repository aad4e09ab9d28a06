// CFileDialog: the system's open and save dialog over the first (76-byte) OPENFILENAME.
#pragma once

#include "AfxCommonDialog.h"
#include "AfxString.h"

#include <commdlg.h>

#ifndef KYMFC_POSITION
#define KYMFC_POSITION
struct __POSITION;
typedef __POSITION* POSITION;
#endif

class AFX_API CFileDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CFileDialog)
public:
    // lpszFilter: "Text (*.txt)|*.txt|All files (*.*)|*.*||".
    explicit CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt = nullptr, LPCSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCSTR lpszFilter = nullptr,
                         CWnd* pParentWnd = nullptr);

    // The record as the first Win32 releases defined it (76 bytes); its buffers are the object's own.
    OPENFILENAME_NT4A m_ofn;

    INT_PTR DoModal() override;
    // The file dialog's pre-modal step also finds a child template along the resource chain.
    HWND PreModal();

    CString GetPathName() const;
    CString GetFileName() const;
    CString GetFileExt() const;
    CString GetFileTitle() const;
    BOOL GetReadOnlyPref() const { return (m_ofn.Flags & OFN_READONLY) != 0; }
    // The chosen files of a multi-select dialog as full paths, one by one.
    POSITION GetStartPosition() const { return reinterpret_cast<POSITION>(m_ofn.lpstrFile); }
    CString GetNextPathName(POSITION& pos) const;
    // While the Explorer-style dialog is open
    CString GetFolderPath() const;
    void SetControlText(int nID, LPCSTR lpsz);
    void HideControl(int nID);
    void SetDefExt(LPCSTR lpsz);

    // TRUE keeps the dialog open (the name is refused).
    virtual BOOL OnFileNameOK();

protected:
    virtual UINT OnShareViolation(LPCSTR lpszPathName);
    virtual void OnInitDone();
    virtual void OnFileNameChange();
    virtual void OnFolderChange();
    virtual void OnTypeChange();
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    BOOL m_bOpenFileDialog;
    CString m_strFilter;
    char m_szFileTitle[64];
    char m_szFileName[_MAX_PATH];
};
