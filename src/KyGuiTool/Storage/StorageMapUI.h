// Kyvant::StorageMapUI<DB>: the storage controls bound to one named database
// (mask sets, path plans or replace plans): Save, Save As, Rename, Delete,
// Delete Some, Import and Export, with the names combo kept in the
// database's key order. The editing window derives from it and supplies how
// an item is stored from, loaded into and cleared from its controls.
//
// The three instances are built and exported by the library; their member
// functions are defined in StorageMapUIImpl.h, which only the library reads.
#pragma once

#include "KyDB/Named/MaskDB.h"
#include "KyDB/Named/PathPlanDB.h"
#include "KyDB/Named/ReplacePlanDB.h"
#include "KyGuiTool/KyGuiToolExport.h"
#include "KyGuiTool/Storage/KyNameSaveAsDialog.h"
#include "KyGuiTool/Storage/KyRenamerDlg.h"
#include "KyGuiTool/Storage/KyStorageMapCmdTarget.h"
#include "KyGuiTool/Storage/StorageMapContents.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Registry/RegKey.h"
#include "KyStd/Strings/String.h"

#include <utility>
#include <vector>

namespace Kyvant {

template <class DB>
class StorageMapUI : public KyStorageMapCmdTarget {
public:
    using Database = DB;
    using Value = typename DB::mapped_type;
    using Iterator = typename DB::const_iterator;
    using InsertResult = std::pair<Iterator, bool>;

    // Fills the names combo with every stored name. The key remembers the
    // folder of Import and Export ("ImportExportLastDir").
    StorageMapUI(DB& db, CDialog& host, CButton& menuButton, CComboBox& names, CButton& save,
                 CButton& newButton, CButton& deleteButton, ky_I& currentName,
                 const ky_BSB<char>& unnamedPrompt, const ky_BSB<char>& namedPrompt,
                 const ky_BSB<char>& deleteSomeCaption, const ky_BSB<char>& pluralLabel,
                 const ky_BSB<char>& deleteQuestion, const ky_BSB<char>& renameCaption,
                 const ky_I& exportHeader, const RegKey& key);
    ~StorageMapUI() override;

    unsigned Count() const override;
    int IndexOf(const ky_I& name) const override;
    bool IsStored(const ky_I& name) const override;
    bool Save(bool saveAs, bool validate) override;
    void Delete(bool some) override;
    bool Rename(bool validate) override;
    void Export() override;
    void Import() override;
    void ClearItem(bool clearContents) override;

    // The host's data exchange succeeded.
    virtual bool ValidateControls();
    // Inserts the item that the editing controls show under the name.
    virtual InsertResult StoreItem(const ky_I& name) = 0;
    virtual void OnSaved(const ky_I& oldName, const ky_I& newName);
    virtual void OnDeleted(const ky_I& name, bool wasCurrent);
    virtual void OnRenamed(const ky_I& oldName, const ky_I& newName);
    virtual void OnCleared(const ky_I& oldName, bool clearContents);

    KY_FORCE_INLINE DB& Db() const { return m_db; }

protected:
    // Save As asks the database whether a name is allowed and stored.
    class SaveAsValidator : public KyNameSaveAsDialog::NewNameValidator {
    public:
        KY_FORCE_INLINE explicit SaveAsValidator(StorageMapUI& ui) : m_ui(ui) {}
        bool Check(ky_I& name) override;
        bool Exists(const ky_I& name, ky_BSB<char>& contents) override;

    private:
        StorageMapUI& m_ui;
    };

    // Rename takes a free name, or the old one in other letters.
    class RenameValidator : public KyRenamerDlg::NewNameValidator {
    public:
        KY_FORCE_INLINE explicit RenameValidator(StorageMapUI& ui) : m_ui(ui) {}
        bool Check(const ky_I& oldName, ky_I& newName) override;

    private:
        StorageMapUI& m_ui;
    };

    std::vector<ky_I> Names() const;
    bool SameName(const ky_I& a, const ky_I& b) const;
    int Position(Iterator entry) const;
    void FillNames();
    // Rebuilds the combo from the database after a failed change.
    void RefillNames();
    // Puts a new entry into the combo, or renews the text of an existing one.
    int ShowEntry(const InsertResult& stored);
    bool ChooseSaveTarget(bool saveAs, ky_I& target);
    InsertResult StoreRestoring(const ky_I& name);
    bool ChooseVictims(bool some, std::vector<ky_I>& victims);
    void DeleteOne(const ky_I& victim);
    InsertResult InsertRestoring(const ky_I& name, const Value& value);
    // Writes the header and the chosen items' name and contents lines.
    void WriteExportFile(const ky_F& path, const std::vector<ky_BSB<char>>& chosen) const;
    // Stores every item of the file; the first one's name, empty when none.
    ky_I ReadImportFile(const ky_F& path);

    DB& m_db;
    const ky_S m_deleteSomeCaption;
    const ky_S m_pluralLabel;
    const ky_S m_deleteQuestion;
    const ky_S m_renameCaption;
    const ky_I m_exportHeader;
    RegKey m_key;
    SaveAsValidator m_saveAsValidator;
    RenameValidator m_renameValidator;
};

extern template class KYGUITOOL_API StorageMapUI<MaskDB>;
extern template class KYGUITOOL_API StorageMapUI<PathPlanDB>;
extern template class KYGUITOOL_API StorageMapUI<ReplacePlanDB>;

} // namespace Kyvant
