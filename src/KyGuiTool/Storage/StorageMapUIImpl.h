// StorageMapUI<DB>: construction, the queries on the database, the names
// combo kept in its key order, and the hooks. Read only by the library,
// where the three instances are built.
#pragma once

#include "KyGuiTool/Storage/StorageMapUI.h"

#include "KyStd/Containers/Sequencer.h"

#include <iterator>

namespace Kyvant {

namespace StorageMapDetail {

// The names of a database as the C strings the dialogs take.
struct NameList {
    explicit NameList(std::vector<ky_I> list) : names(std::move(list)), sequence(names) {}
    NameList(const NameList&) = delete;
    NameList& operator=(const NameList&) = delete;

    std::vector<ky_I> names;
    forward_input_sequencer<std::vector<ky_I>, ky_cast_converter<ky_I, const char*>> sequence;
};

} // namespace StorageMapDetail

template <class DB>
StorageMapUI<DB>::StorageMapUI(DB& db, CDialog& host, CButton& menuButton, CComboBox& names,
                               CButton& save, CButton& newButton, CButton& deleteButton,
                               ky_I& currentName, const ky_BSB<char>& unnamedPrompt,
                               const ky_BSB<char>& namedPrompt,
                               const ky_BSB<char>& deleteSomeCaption,
                               const ky_BSB<char>& pluralLabel, const ky_BSB<char>& deleteQuestion,
                               const ky_BSB<char>& renameCaption, const ky_I& exportHeader,
                               const RegKey& key)
    : KyStorageMapCmdTarget(host, menuButton, names, save, newButton, deleteButton, currentName,
                            unnamedPrompt, namedPrompt),
      m_db(db), m_deleteSomeCaption(deleteSomeCaption), m_pluralLabel(pluralLabel),
      m_deleteQuestion(deleteQuestion), m_renameCaption(renameCaption),
      m_exportHeader(exportHeader), m_key(key), m_saveAsValidator(*this), m_renameValidator(*this)
{
    FillNames();
}

template <class DB>
StorageMapUI<DB>::~StorageMapUI() = default;

template <class DB>
unsigned StorageMapUI<DB>::Count() const
{
    return m_db.size();
}

template <class DB>
int StorageMapUI<DB>::Position(Iterator entry) const
{
    return entry == m_db.end() ? -1 : static_cast<int>(std::distance(m_db.begin(), entry));
}

template <class DB>
int StorageMapUI<DB>::IndexOf(const ky_I& name) const
{
    return Position(m_db.find(name));
}

template <class DB>
bool StorageMapUI<DB>::IsStored(const ky_I& name) const
{
    return !name.empty() && m_db.find(name) != m_db.end();
}

template <class DB>
bool StorageMapUI<DB>::SameName(const ky_I& a, const ky_I& b) const
{
    const typename DB::key_compare less = m_db.key_comp();
    return !less(a, b) && !less(b, a);
}

template <class DB>
std::vector<ky_I> StorageMapUI<DB>::Names() const
{
    std::vector<ky_I> names;
    names.reserve(m_db.size());
    for (Iterator it = m_db.begin(); it != m_db.end(); ++it)
        names.push_back(it->first);
    return names;
}

template <class DB>
void StorageMapUI<DB>::FillNames()
{
    m_names.InitStorage(static_cast<int>(Count()), 0);
    for (Iterator it = m_db.begin(); it != m_db.end(); ++it)
        m_names.AddString(it->first.c_str());
}

template <class DB>
void StorageMapUI<DB>::RefillNames()
{
    m_names.ResetContent();
    FillNames();
    if (Select(m_currentName) < 0)
        m_names.SetWindowText(m_currentName.c_str());
}

template <class DB>
int StorageMapUI<DB>::ShowEntry(const InsertResult& stored)
{
    const int index = Position(stored.first);
    if (!stored.second)
        m_names.DeleteString(static_cast<UINT>(index));
    m_names.InsertString(index, stored.first->first.c_str());
    return index;
}

template <class DB>
bool StorageMapUI<DB>::ValidateControls()
{
    return m_host.UpdateData(TRUE) != FALSE;
}

template <class DB>
void StorageMapUI<DB>::ClearItem(bool clearContents)
{
    const ky_I oldName = m_currentName;
    KyStorageMapCmdTarget::ClearItem(clearContents);
    OnCleared(oldName, clearContents);
}

template <class DB>
void StorageMapUI<DB>::OnSaved(const ky_I&, const ky_I&)
{
}

template <class DB>
void StorageMapUI<DB>::OnDeleted(const ky_I&, bool)
{
}

template <class DB>
void StorageMapUI<DB>::OnRenamed(const ky_I&, const ky_I&)
{
}

template <class DB>
void StorageMapUI<DB>::OnCleared(const ky_I&, bool)
{
}

template <class DB>
bool StorageMapUI<DB>::SaveAsValidator::Check(ky_I& name)
{
    m_ui.m_db.ValidateName(name);
    return true;
}

template <class DB>
bool StorageMapUI<DB>::SaveAsValidator::Exists(const ky_I& name, ky_BSB<char>& contents)
{
    const Iterator it = m_ui.m_db.find(name);
    if (it == m_ui.m_db.end())
        return false;
    contents = StorageMapContents<DB>::Store(it->second);
    return true;
}

template <class DB>
bool StorageMapUI<DB>::RenameValidator::Check(const ky_I& oldName, ky_I& newName)
{
    m_ui.m_db.ValidateName(newName);
    if (m_ui.SameName(oldName, newName) || !m_ui.IsStored(newName))
        return true;
    AfxMessageBox("Rename cannot overwrite an existing item.", MB_ICONEXCLAMATION);
    return false;
}

} // namespace Kyvant
