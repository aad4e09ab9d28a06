// KyShellObjListEditCtrl: the edit in which the tool pages take lists of
// files, folders, masks, special shell folders and path-plan references.
// Beside typing it offers an insert menu (folder and file browsers, the local
// drives token, shell folders, stored path plans and mask sets, the edit
// commands) and takes files dropped from Explorer; each page chooses which
// kinds of object make sense for its field.
#pragma once

#include "KyGuiTool/KyGuiToolExport.h"
#include "KyStd/Strings/String.h"

#include <afxwin.h>

class KYGUITOOL_API KyShellObjListEditCtrl : public CEdit {
public:
    enum EditMode {
        FilesAndFolders = 0,
        FoldersOnly = 1,
        FilesOnly = 2,
        PlainText = 3, // no insert menu, no dropped files
    };

    explicit KyShellObjListEditCtrl(EditMode mode = FilesAndFolders, bool trailingSep = false,
                                    bool replace = false, bool multipleFiles = false,
                                    bool pathSets = true, bool maskSets = true,
                                    bool shellFolders = true);
    ~KyShellObjListEditCtrl() override;
    KyShellObjListEditCtrl(const KyShellObjListEditCtrl&) = delete;
    KyShellObjListEditCtrl& operator=(const KyShellObjListEditCtrl&) = delete;

    // On a window, dropped files are accepted exactly when the mode is not PlainText.
    void SetMode(EditMode mode);
    EditMode GetMode() const { return m_mode; }
    void SetTrailingDirSep(bool on) { m_trailingSep = on; }
    bool FoldersRequireTrailingDirSep() const { return m_trailingSep; }
    void SetReplaceSemantics(bool on) { m_replace = on; }
    bool GetReplaceSemantics() const { return m_replace; }
    void SetMultipleFilePermission(bool on) { m_multipleFiles = on; }
    bool GetMultipleFilePermission() const { return m_multipleFiles; }
    void EnablePathSetAddition(bool on) { m_pathSets = on; }
    bool IsPathSetAdditionEnabled() const { return m_pathSets; }
    void EnableMaskSetAddition(bool on) { m_maskSets = on; }
    bool IsMaskSetAdditionEnabled() const { return m_maskSets; }
    void EnableShellFolderAddition(bool on) { m_shellFolders = on; }
    bool IsShellFolderAdditionEnabled() const { return m_shellFolders; }

    // Adds the object at the end (on a line of its own in a multi-line edit),
    // or in place of the whole text with replace semantics, and selects it. A
    // folder gets a trailing backslash when folders require one. An empty
    // text changes nothing.
    void AddFsObject(const Kyvant::ky_BSB<char>& text, bool isFolder);
    // Appends the mask to the caret's line: after a path character it forms a
    // masked path, after any other text it follows ", ". The mask is selected.
    void AppendMask(const Kyvant::ky_BSB<char>& mask);
    // The insert menu at a point on the screen (in plain-text mode the edit's own menu).
    void ShowContextMenu(CPoint screen);

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void PreSubclassWindow() override;

    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg LRESULT OnDropFiles(WPARAM wParam, LPARAM lParam);
    afx_msg void OnFolder();
    afx_msg void OnUpdateFolder(CCmdUI* pCmdUI);
    afx_msg void OnFile();
    afx_msg void OnUpdateFile(CCmdUI* pCmdUI);
    afx_msg void OnLocalDrives();
    afx_msg void OnUpdateLocalDrives(CCmdUI* pCmdUI);
    afx_msg void OnShellFolder(UINT nID);
    afx_msg void OnUpdateShellFolder(CCmdUI* pCmdUI);
    afx_msg void OnPathPlan();
    afx_msg void OnUpdatePathPlan(CCmdUI* pCmdUI);
    afx_msg void OnAllFiles();
    afx_msg void OnUpdateAllFiles(CCmdUI* pCmdUI);
    afx_msg void OnMaskSet(UINT nID);
    afx_msg void OnUpdateMaskSet(CCmdUI* pCmdUI);
    afx_msg void OnEditUndo();
    afx_msg void OnUpdateEditUndo(CCmdUI* pCmdUI);
    afx_msg void OnEditCut();
    afx_msg void OnEditCopy();
    afx_msg void OnEditClear();
    afx_msg void OnUpdateNeedsSelection(CCmdUI* pCmdUI);
    afx_msg void OnEditPaste();
    afx_msg void OnUpdateEditPaste(CCmdUI* pCmdUI);
    afx_msg void OnEditSelectAll();
    afx_msg void OnUpdateEditSelectAll(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

private:
    bool IsMultiLine() const;
    bool FoldersAllowed() const;
    bool FilesAllowed() const;
    void AcceptDroppedFiles();
    void BrowseOneFile();
    void BrowseFiles();
    void FillShellFolderMenu(CMenu& popup);
    void FillMaskSetMenu(CMenu& popup);

    EditMode m_mode;
    bool m_trailingSep;
    bool m_replace;
    bool m_multipleFiles;
    bool m_pathSets;
    bool m_maskSets;
    bool m_shellFolders;
};
