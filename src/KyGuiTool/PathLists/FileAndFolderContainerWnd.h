// KYB_FileAndFolderContainerWnd: the window a file-and-folder row editor puts
// over the row: the edit on the left and, at the right end, a toolbar with
// Insert Folder Name, Insert Filename, Cancel Edit and Accept Changes.
#pragma once

#include "KyGuiTool/KyGuiToolExport.h"
#include "KyStd/Strings/String.h"

#include <afxcmn.h>
#include <afxwin.h>

class KYB_FileAndFolderEditorBase;

class KYGUITOOL_API KYB_FileAndFolderContainerWnd : public CWnd {
public:
    explicit KYB_FileAndFolderContainerWnd(KYB_FileAndFolderEditorBase& editor);
    ~KYB_FileAndFolderContainerWnd() override;
    KYB_FileAndFolderContainerWnd(const KYB_FileAndFolderContainerWnd&) = delete;
    KYB_FileAndFolderContainerWnd& operator=(const KYB_FileAndFolderContainerWnd&) = delete;

    // A visible child over the rectangle of the parent.
    bool Create(const CRect& rect, CWnd& parent, UINT id);
    // Puts the text into the edit, all of it selected.
    void SetText(Kyvant::ky_BSB<char>& text);

    KYB_FileAndFolderEditorBase& GetEditor() const { return m_editor; }
    CToolBarCtrl& GetToolBarCtrl() { return m_toolBar; }
    CToolTipCtrl& GetToolTipCtrl() { return m_toolTip; }

protected:
    // The editor's edit, and the edit with the focus before a toolbar command runs.
    CWnd& EditWindow();
    CWnd& FocusEdit();
    // The tool tip of a button: the string of its command's id.
    void AddButtonTip(UINT command);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnInsertFolderName();
    afx_msg void OnInsertFilename();
    afx_msg void OnCancelEdit();
    afx_msg void OnAcceptChanges();
    afx_msg LRESULT OnStopEditing(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    bool CreateToolBar(const CRect& client);

    KYB_FileAndFolderEditorBase& m_editor;
    CToolBarCtrl m_toolBar;
    CToolTipCtrl m_toolTip;
};
