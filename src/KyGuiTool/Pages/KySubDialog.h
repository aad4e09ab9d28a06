// KySubDialog: a child dialog made from its template that serves as a
// sub-dialog bridge and answers context help from a table of control and help ids.
#pragma once

#include "KyGuiTool/KyGuiToolExport.h"
#include "KyGuiTool/Pages/SubDialogBridge.h"

#include <afxwin.h>

class KYGUITOOL_API KySubDialog : public CDialog, public Kyvant::SubDialogBridge {
    DECLARE_DYNAMIC(KySubDialog)
public:
    // The help table (pairs of control and help ids, ended by zeros) may be null.
    KySubDialog(int templateId, const DWORD* helpIds,
                const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge, int proxyId);
    ~KySubDialog() override;

    // Creates the window as a child of the parent; the template gives its size.
    bool CreateGUI(CWnd& parent, const CRect& rect) override;
    int UpdateData(int save) override;
    bool AllowOK() override;
    bool AllowCancel() override;
    // The host translates the page's messages.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    const DWORD* GetHelpIds() const { return m_helpIds; }

protected:
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    DECLARE_MESSAGE_MAP()

private:
    const DWORD* m_helpIds;
};
