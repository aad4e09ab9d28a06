// KyButtonMenuInvoker: an editor-invoker button that drops down a menu and
// routes its commands and updates to the parent.
#pragma once

#include "KyGui/Buttons/KyButtonEditorInvoker.h"

#include <memory>

class KYGUI_API KyButtonMenuInvoker : public KyButtonEditorInvoker
{
public:
    explicit KyButtonMenuInvoker(CMenu* pMenu = nullptr);  // takes ownership
    explicit KyButtonMenuInvoker(UINT menuId);
    ~KyButtonMenuInvoker() override;

    void SetMenu(CMenu* pMenu);
    void LoadMenuA(UINT menuId);
    CMenu* GetMenuPtr() const { return m_menu.get(); }

    void InvokeEditor() override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    DECLARE_MESSAGE_MAP()

    std::unique_ptr<CMenu> m_menu;
    bool m_tracking;
};
