// KyStorageMapCmdTarget: the dirty state, the save question, New and Clear
// Name, and loading the item chosen in the names combo.
#include "KyGuiTool/Storage/KyStorageMapCmdTarget.h"

#include "KyGuiTool/Storage/StorageText.h"
#include "KyStd/Core/FlagScope.h"

namespace {

const char kNameMarker[] = "%s";

} // namespace

void KyStorageMapCmdTarget::SetDirty(bool dirty)
{
    try {
        m_dirty = dirty;
        if (!dirty)
            m_currentName = Kyvant::StorageText::WindowText(m_names);
        m_host.UpdateDialogControls(this, FALSE);
    } catch (...) {
        m_names.SetCurSel(-1);
        m_currentName.clear();
        m_host.UpdateDialogControls(this, FALSE);
        throw;
    }
}

void KyStorageMapCmdTarget::ClearName(bool dirty)
{
    m_names.SetCurSel(-1);
    m_currentName.clear();
    SetDirty(dirty);
}

void KyStorageMapCmdTarget::ClearItem(bool clearContents)
{
    StopEditing();
    m_names.SetCurSel(-1);
    if (clearContents)
        ClearContents();
    else
        m_host.SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_names.m_hWnd), TRUE);
    SetDirty(false);
}

int KyStorageMapCmdTarget::Select(const Kyvant::ky_I& name)
{
    return m_names.SetCurSel(IndexOf(name));
}

void KyStorageMapCmdTarget::StopEditing() {}

CString KyStorageMapCmdTarget::CurrentPrompt() const
{
    if (!IsStored(m_currentName))
        return CString(m_unnamedPrompt.c_str());
    return CString(
        Kyvant::StorageText::FormatName(m_namedPrompt, kNameMarker, m_currentName).c_str());
}

bool KyStorageMapCmdTarget::SaveQueried(bool validate)
{
    switch (AfxMessageBox(CurrentPrompt(), MB_YESNOCANCEL)) {
    case IDYES:
        return Save(false, validate);
    case IDNO:
        ClearName(false);
        return true;
    default:
        return false;
    }
}

bool KyStorageMapCmdTarget::AskToSaveIfDirty(bool validate)
{
    StopEditing();
    return m_dirty ? SaveQueried(validate) : true;
}

void KyStorageMapCmdTarget::New(bool clearContents)
{
    if (!AskToSaveIfDirty(true))
        return;
    ClearItem(clearContents);
    AfterNew();
}

// The dirty item's name shown again while the save question is up; false
// for Cancel.
bool KyStorageMapCmdTarget::SaveBeforeLeaving()
{
    Select(m_currentName);
    Kyvant::ClearingFlagScope pending(m_reselectPending);
    return SaveQueried(true);
}

void KyStorageMapCmdTarget::HandleSelChange()
{
    if (m_busy) {
        // A change caused while the save question is up: show the old name again.
        if (m_reselectPending) {
            m_reselectPending = false;
            Select(m_currentName);
        }
        return;
    }
    Kyvant::ClearingFlagScope busy(m_busy);
    try {
        StopEditing();
        Kyvant::ky_I newName;
        int index = m_names.GetCurSel();
        if (index >= 0)
            newName = Kyvant::StorageText::EntryText(m_names, index);
        if (m_dirty) {
            if (!SaveBeforeLeaving())
                return;
            index = Select(newName); // the save may have added entries
        }
        if (index >= 0) {
            // The combo's edit may not show the chosen entry yet.
            m_names.SetCurSel(index);
            LoadItem(newName);
        }
        SetDirty(false);
    } catch (...) {
        ClearName(true);
        throw;
    }
}
