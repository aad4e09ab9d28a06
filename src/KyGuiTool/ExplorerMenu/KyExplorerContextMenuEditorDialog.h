// KyExplorerContextMenuEditorDialog: the modal editor of the user's Explorer
// context menu: menu items (a caption with a standard tool or a task file)
// and separators, kept as a sequence list in the registry.
#pragma once

#include "KyGui/Buttons/KyButtonEditorInvoker.h"
#include "KyGuiTool/ExplorerMenu/ECMListBox.h"
#include "KyGuiTool/KyGuiToolExport.h"
#include "KyStd/Registry/RegKey.h"
#include "KyStd/Strings/String.h"

#include <afxwin.h>

#include <vector>

class KYGUITOOL_API KyExplorerContextMenuEditorDialog : public CDialog {
    DECLARE_DYNAMIC(KyExplorerContextMenuEditorDialog)
public:
    explicit KyExplorerContextMenuEditorDialog(CWnd* parent = nullptr);
    ~KyExplorerContextMenuEditorDialog() override;

    BOOL OnInitDialog() override;

    int GetCurrentRow() const { return m_currentRow; }
    bool IsModified() const { return m_modified; }

    // For the list, before a row is edited or moved: the current row's command
    // is stored and the row becomes current. A row moves while the flag is set.
    void MakeRowCurrent(int row);
    bool& MovingFlag() { return m_moving; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnCancel() override;

    afx_msg void OnListSelChange();
    afx_msg void OnToolRadio();
    afx_msg void OnToolNameChange();
    afx_msg void OnFileNameChange();
    afx_msg void OnAddSeparator();
    afx_msg void OnReset();
    afx_msg LRESULT OnBrowse(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnItemTextChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnItemDeleted(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnItemMoved(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnEditUnchanged(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    DECLARE_MESSAGE_MAP()

private:
    void LoadEntries(const std::vector<Kyvant::ky_S>& entries);
    void LoadStoredMenu();
    void ShowSelection();
    void StoreCurrentCommand();
    Kyvant::ky_S CurrentCommand();
    void ShowCurrentRow();
    void ShowCommand(const Kyvant::ky_S& command);
    void ClearCommand();
    void EnableCommandControls();
    void DisableCommandControls();
    bool IsItemRow(int row);
    void MarkModified();
    // False while the dialog must stay open.
    bool SaveMenu();
    void CheckCommands(const std::vector<Kyvant::ky_S>& entries);

    Kyvant::RegKey m_toolsKey;
    bool m_modified;
    bool m_loading;
    bool m_moving;
    int m_currentRow;
    ECMListBox m_list;
    CComboBox m_toolName;
    KyButtonEditorInvoker m_browse;
};
