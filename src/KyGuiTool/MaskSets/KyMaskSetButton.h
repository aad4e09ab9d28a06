// KyMaskSetButton: the drop-down button beside a masks combo that offers
// "All Files", every stored mask set and the Mask Set Editor.
#pragma once

#include "KyDB/Named/MaskDB.h"
#include "KyGui/Buttons/KyButtonMenuInvoker.h"
#include "KyGuiTool/KyGuiToolExport.h"

class KYGUITOOL_API KyMaskSetButton : public KyButtonMenuInvoker {
public:
    explicit KyMaskSetButton(CComboBox& masks);
    ~KyMaskSetButton() override;

    // Drops the menu down; a chosen set (or "*") goes into the masks combo as
    // if typed, "Edit..." asks the parent for the editor.
    void InvokeEditor() override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    DECLARE_MESSAGE_MAP()

private:
    UINT TrackMenu();
    Kyvant::ky_I TextOfCommand(UINT command) const;
    void PutIntoMasks(const Kyvant::ky_I& text);

    Kyvant::MaskDB& m_db;
    CComboBox& m_masks;
};
