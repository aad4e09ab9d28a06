// KyStorageMapCmdTarget: the command target behind the storage controls of a
// named-item editor (names combo, menu button, Save, New and Delete): their
// commands, enabled states, the dirty state and the question before changes
// are lost. The database side is StorageMapUI<DB>; the editing window says
// how an item gets into and out of its controls.
#pragma once

#include "KyGuiTool/KyGuiToolExport.h"
#include "KyStd/Strings/String.h"

#include <afxwin.h>

#include <vector>

class KYGUITOOL_API KyStorageMapCmdTarget : public CCmdTarget {
    DECLARE_DYNAMIC(KyStorageMapCmdTarget)
public:
    // The controls are the host's and must be created (their ids are read
    // here). currentName is the host's: empty for an unnamed item.
    KyStorageMapCmdTarget(CDialog& host, CButton& menuButton, CComboBox& names, CButton& save,
                          CButton& newButton, CButton& deleteButton, Kyvant::ky_I& currentName,
                          const Kyvant::ky_BSB<char>& unnamedPrompt,
                          const Kyvant::ky_BSB<char>& namedPrompt);
    ~KyStorageMapCmdTarget() override;
    KyStorageMapCmdTarget(const KyStorageMapCmdTarget&) = delete;
    KyStorageMapCmdTarget& operator=(const KyStorageMapCmdTarget&) = delete;

    // Handles only the ids of the storage controls and menu; the host asks
    // this first and routes everything else itself.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    virtual unsigned Count() const = 0;
    // The name's position in the database's key order, -1 when absent; the
    // names combo holds the same order, so this is also its index there.
    virtual int IndexOf(const Kyvant::ky_I& name) const = 0;
    virtual bool IsStored(const Kyvant::ky_I& name) const = 0;
    // Empties the editing controls and focuses the first of them.
    virtual void ClearContents() = 0;
    // Moves the focus where a new item starts.
    virtual void AfterNew() = 0;
    virtual bool Save(bool saveAs, bool validate) = 0;
    virtual void Delete(bool some) = 0;
    virtual bool Rename(bool validate) = 0;
    virtual void Export() = 0;
    virtual void Import() = 0;
    // Shows the stored item in the editing controls.
    virtual void LoadItem(const Kyvant::ky_I& name) = 0;
    // False when the user cancelled the save question of a dirty item.
    virtual bool AskToSaveIfDirty(bool validate);
    // New (true) or Clear Name (false), after the save question.
    virtual void New(bool clearContents);
    // No name and clean, the contents emptied or kept.
    virtual void ClearItem(bool clearContents);
    // Selects the name's combo entry (none when absent); the CB_SETCURSEL result.
    virtual int Select(const Kyvant::ky_I& name);
    // Yes saves (a failed save counts as Cancel), No drops the name; false for Cancel.
    virtual bool SaveQueried(bool validate);
    // Ends an in-place edit in the editing controls; nothing by default.
    virtual void StopEditing();

    // Not dirty takes the combo's text as the current name; both refresh the
    // enabled states of the controls.
    void SetDirty(bool dirty);
    bool IsDirty() const { return m_dirty; }
    // No combo selection and no name.
    void ClearName(bool dirty);
    // Loads the name selected in the combo, after the save question when the
    // item is dirty (Cancel selects the old name again and keeps everything).
    void HandleSelChange();

protected:
    afx_msg void OnCommandRange(UINT id);
    afx_msg void OnUpdateCommandUIRange(CCmdUI* pCmdUI);
    afx_msg void OnSelChange(UINT id);
    DECLARE_MESSAGE_MAP()

    void RunCommand(UINT id);
    void ClickSave();
    bool HandlesId(UINT id) const;
    bool SaveBeforeLeaving();
    CString CurrentPrompt() const;

    CDialog& m_host;
    CButton& m_menuButton;
    CComboBox& m_names;
    CButton& m_save;
    CButton& m_new;
    CButton& m_delete;
    const UINT m_menuButtonId;
    const UINT m_namesId;
    const UINT m_saveId;
    const UINT m_newId;
    const UINT m_deleteId;
    Kyvant::ky_I& m_currentName;
    const Kyvant::ky_BSB<char> m_unnamedPrompt;
    const Kyvant::ky_BSB<char> m_namedPrompt;
    bool m_dirty;
    bool m_busy;
    bool m_reselectPending;
    std::vector<UINT> m_commandIds;
};
