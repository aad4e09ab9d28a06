// ReplacePlanDbUI: the Replace page's storage controls over the replace-plan
// database: how a plan gets from the page's controls into the database and
// back, and when the task counts as modified.
#pragma once

#include "KyDB/Named/ReplacePlanDB.h"
#include "KyGuiTool/Storage/StorageMapUI.h"
#include "KyStd/Strings/String.h"
#include "KyTools/KyToolsExport.h"

class KyReplaceGSubDialogPage;

class KYTOOLS_API ReplacePlanDbUI : public Kyvant::StorageMapUI<Kyvant::ReplacePlanDB> {
public:
    // The page's controls must exist; the names combo is filled here.
    explicit ReplacePlanDbUI(KyReplaceGSubDialogPage& page);
    ~ReplacePlanDbUI() override;

    // The export files' header line.
    static const char kExportHeader[];

    void ClearContents() override;
    void AfterNew() override;
    void LoadItem(const Kyvant::ky_I& name) override;
    void StopEditing() override;
    bool ValidateControls() override;
    InsertResult StoreItem(const Kyvant::ky_I& name) override;
    void OnSaved(const Kyvant::ky_I& oldName, const Kyvant::ky_I& newName) override;
    void OnDeleted(const Kyvant::ky_I& name, bool wasCurrent) override;
    void OnRenamed(const Kyvant::ky_I& oldName, const Kyvant::ky_I& newName) override;

private:
    KyReplaceGSubDialogPage& m_page;
};
