// CDialog: modal, modeless and child dialogs from templates found along the resource chain.
#pragma once

#include "AfxWnd.h"

class AFX_API CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Modal: disables the owner (the main window when none is given) and runs the layer's loop.
    virtual INT_PTR DoModal();
    // Modeless or child (by the template's style); without a parent the main window is the owner.
    BOOL Create(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr, HINSTANCE hInst = nullptr);
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    void NextDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 0, 0); }
    void PrevDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 1, 0); }
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void SetDefID(UINT nID) { ::SendMessageA(m_hWnd, DM_SETDEFID, nID, 0); }
    DWORD GetDefID() const { return static_cast<DWORD>(::SendMessageA(m_hWnd, DM_GETDEFID, 0, 0)); }
    void MapDialogRect(LPRECT lpRect) const { ::MapDialogRect(m_hWnd, lpRect); }

    LPCSTR m_lpszTemplateName;
    UINT m_nIDHelp;
    CWnd* m_pParentWnd;
    HWND m_hWndTop;  // the window PreModal disabled, enabled again by PostModal

    // The steps around a modal dialog that the system runs (common dialogs): PreModal finds the owner
    // and hooks the creation of the dialog's window to this object; PostModal undoes both.
    HWND PreModal();
    void PostModal();

protected:
    virtual void OnOK();      // UpdateData(TRUE), then EndDialog(IDOK)
    virtual void OnCancel();  // EndDialog(IDCANCEL)
    int RunModalLoop();
    BOOL ContinueModal() const { return m_bContinueModal; }
    void EndModalLoop(int nResult);

    int m_nModalResult;
    BOOL m_bContinueModal;
    BOOL m_bInModalLoop;

    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateWithOwner(LPCDLGTEMPLATE lpDialogTemplate, HWND hWndOwner, HINSTANCE hInst);
    BOOL PumpOne(MSG& msg);
};

// The dialog procedure behind every dialog of the layer: runs OnInitDialog.
AFX_API INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Called once in each modal loop when it first idles (after WM_KICKIDLE); returns the previous hook.
typedef void (*AFX_MODALIDLEHOOK)(CWnd* pModalWnd);
AFX_API AFX_MODALIDLEHOOK AfxSetModalIdleHook(AFX_MODALIDLEHOOK pfnHook);
