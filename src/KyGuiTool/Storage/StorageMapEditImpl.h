// StorageMapUI<DB>: Save and Save As, Rename, Delete and Delete Some. A change
// that fails is undone in memory where the database left it half done, and
// the names combo is rebuilt, so that its positions keep matching the
// database's. Read only by the library.
#pragma once

#include "KyGuiTool/Storage/StorageMapUIImpl.h"

#include "KyGuiTool/Storage/KyStringPicker.h"
#include "KyGuiTool/Storage/StorageText.h"
#include "KyStd/Containers/Sequencer.h"

#include <cstring>

namespace Kyvant {

namespace StorageMapDetail {

// One database entry as it was, put back after an insert that failed: the
// database may keep a changed entry in memory when writing its record fails.
template <class DB>
class EntrySnapshot {
public:
    EntrySnapshot(DB& db, const ky_I& name) : m_db(db), m_name(name)
    {
        const typename DB::const_iterator it = db.find(name);
        m_had = it != db.end();
        if (m_had) {
            m_key = it->first;
            m_value = it->second;
        }
    }

    // Best effort: the error being reported matters more than one in undoing.
    void Restore() noexcept
    {
        try {
            const typename DB::const_iterator it = m_db.find(m_name);
            if (!m_had && it != m_db.end())
                m_db.Erase(it->first, false);
            else if (m_had && (it == m_db.end() || Changed(*it)))
                m_db.Insert(m_key, m_value);
        } catch (...) {
        }
    }

private:
    bool Changed(const typename DB::value_type& now) const
    {
        return std::strcmp(now.first.c_str(), m_key.c_str()) != 0 ||
               !(StorageMapContents<DB>::Store(now.second) ==
                 StorageMapContents<DB>::Store(m_value));
    }

    DB& m_db;
    ky_I m_name;
    bool m_had;
    ky_I m_key;
    typename DB::mapped_type m_value;
};

} // namespace StorageMapDetail

template <class DB>
bool StorageMapUI<DB>::ChooseSaveTarget(bool saveAs, ky_I& target)
{
    if (!saveAs && !m_currentName.empty()) {
        target = m_currentName;
        return true;
    }
    StorageMapDetail::NameList names(Names());
    KyNameSaveAsDialog dialog(names.sequence, m_currentName, m_pluralLabel, m_saveAsValidator,
                              &m_host);
    if (dialog.DoModal() != IDOK)
        return false;
    target = dialog.Name();
    return true;
}

// The name that the item is saved under keeps to the database's rules also
// when it was typed into the names combo instead of the Save As dialog.
template <class DB>
typename StorageMapUI<DB>::InsertResult StorageMapUI<DB>::StoreRestoring(const ky_I& name)
{
    ky_I target = name;
    StorageMapDetail::EntrySnapshot<DB> before(m_db, target);
    try {
        m_db.ValidateName(target);
        return StoreItem(target);
    } catch (...) {
        before.Restore();
        RefillNames();
        ClearName(true);
        throw;
    }
}

template <class DB>
bool StorageMapUI<DB>::Save(bool saveAs, bool validate)
{
    StopEditing();
    if (validate && !ValidateControls())
        return false;
    ky_I target;
    if (!ChooseSaveTarget(saveAs, target))
        return false;
    const ky_I oldName = m_currentName;
    const InsertResult stored = StoreRestoring(target);
    m_names.SetCurSel(ShowEntry(stored));
    SetDirty(false);
    OnSaved(oldName, stored.first->first);
    return true;
}

template <class DB>
bool StorageMapUI<DB>::Rename(bool validate)
{
    StopEditing();
    if ((validate && !ValidateControls()) || !AskToSaveIfDirty(false))
        return false;
    if (m_currentName.empty())
        return Save(true, false);
    KyRenamerDlg dialog(m_currentName, m_renameCaption, m_renameValidator, &m_host);
    if (dialog.DoModal() != IDOK)
        return false;
    const ky_I oldName = m_currentName;
    const ky_I newName = dialog.NewName();
    const int oldIndex = IndexOf(oldName);
    try {
        m_db.Rename(oldName, newName);
    } catch (...) {
        RefillNames();
        throw;
    }
    const Iterator renamed = m_db.find(newName);
    const int newIndex = Position(renamed);
    if (oldIndex >= 0)
        m_names.DeleteString(static_cast<UINT>(oldIndex));
    m_names.InsertString(newIndex, renamed->first.c_str());
    m_names.SetCurSel(newIndex);
    SetDirty(false);
    OnRenamed(oldName, newName);
    return true;
}

template <class DB>
bool StorageMapUI<DB>::ChooseVictims(bool some, std::vector<ky_I>& victims)
{
    if (some) {
        StorageMapDetail::NameList names(Names());
        std::vector<ky_BSB<char>> chosen;
        back_insert_sequencer<std::vector<ky_BSB<char>>> out(chosen);
        KyStringPicker picker(names.sequence, out, m_deleteSomeCaption, m_pluralLabel,
                              m_currentName.c_str(), true, &m_host);
        if (picker.DoModal() != IDOK)
            return false;
        victims.assign(chosen.begin(), chosen.end());
        return true;
    }
    if (m_currentName.empty()) {
        ::MessageBeep(0);
        return false;
    }
    const ky_S question = StorageText::FormatName(m_deleteQuestion, "%s", m_currentName);
    if (AfxMessageBox(question.c_str(), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return false;
    victims.push_back(m_currentName);
    return true;
}

// The record goes first: should erasing it fail, the combo is rebuilt from
// what the database then holds.
template <class DB>
void StorageMapUI<DB>::DeleteOne(const ky_I& victim)
{
    const bool wasCurrent = SameName(victim, m_currentName);
    if (wasCurrent) {
        m_names.SetCurSel(-1);
        SetDirty(false);
    }
    const int index = IndexOf(victim);
    try {
        m_db.Erase(victim, true);
    } catch (...) {
        RefillNames();
        throw;
    }
    if (index >= 0)
        m_names.DeleteString(static_cast<UINT>(index));
    OnDeleted(victim, wasCurrent);
}

template <class DB>
void StorageMapUI<DB>::Delete(bool some)
{
    StopEditing();
    std::vector<ky_I> victims;
    if (!ChooseVictims(some, victims))
        return;
    for (const ky_I& victim : victims)
        DeleteOne(victim);
}

} // namespace Kyvant
