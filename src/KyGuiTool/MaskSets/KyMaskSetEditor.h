// KyMaskSetEditor: the resizable "Mask Set Editor", where a mask set is
// written one mask per line and stored under a name; OK hands the set's name,
// or the unnamed list, to the masks combo of the calling page.
#pragma once

#include "KyDB/Named/MaskDB.h"
#include "KyGui/Buttons/KyButtonMenuInvoker.h"
#include "KyGui/Layout/SimpleLayoutManager.h"
#include "KyGuiTool/KyGuiToolExport.h"
#include "KyGuiTool/Storage/StorageMapUI.h"
#include "KyStd/Strings/String.h"

#include <afxwin.h>

#include <memory>

class KYGUITOOL_API KyMaskSetEditor : public CDialog {
public:
    // The storage controls bound to the mask-set database and this editor.
    class KYGUITOOL_API MaskDbUI : public Kyvant::StorageMapUI<Kyvant::MaskDB> {
    public:
        explicit MaskDbUI(KyMaskSetEditor& editor);

        void ClearContents() override;
        void AfterNew() override;
        void LoadItem(const Kyvant::ky_I& name) override;
        InsertResult StoreItem(const Kyvant::ky_I& name) override;

    private:
        KyMaskSetEditor& m_editor;
    };

    // The masks combo's text is taken as the set to show. DoModal gives IDOK
    // when the masks combo was given a new text.
    KyMaskSetEditor(CComboBox& masks, CWnd* parent);
    ~KyMaskSetEditor() override;

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    static const unsigned kMaxNameLength = 128;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnCancel() override;
    afx_msg void OnContentsChange();
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg LRESULT OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    void ShowInitialItem();
    void SetUpLayout();

    Kyvant::MaskDB& m_db;
    CComboBox& m_masks;
    Kyvant::ky_I m_currentName;
    Kyvant::ky_S m_contents;
    std::unique_ptr<MaskDbUI> m_ui;
    KyButtonMenuInvoker m_menuButton;
    CComboBox m_names;
    CButton m_save;
    CButton m_new;
    CButton m_delete;
    CEdit m_contentsEdit;
    Kyvant::SimpleLayoutManager m_layout;
    CSize m_initialSize;
};
