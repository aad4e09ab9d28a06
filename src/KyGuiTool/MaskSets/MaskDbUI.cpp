// KyMaskSetEditor::MaskDbUI: the storage controls of the Mask Set Editor over
// the mask-set database: its texts, and a set shown one mask per line.
#include "KyGuiTool/MaskSets/KyMaskSetEditor.h"

#include "KyDB/Named/DbLocation.h"
#include "KyGuiTool/MaskSets/MaskSetText.h"
#include "KyGuiTool/Storage/StorageText.h"

namespace {

const char kUnnamedPrompt[] = "Save this Mask Set?";
const char kNamedPrompt[] = "Save changes to Mask Set  \"%s\"?";
const char kDeleteSomeCaption[] = "Delete";
const char kPluralLabel[] = "&Mask Sets";
const char kDeleteQuestion[] = "Delete Mask Set \"%s\"?";
const char kRenameCaption[] = "Rename Mask Set";
const char kExportHeader[] = "[Mask Sets]";

} // namespace

KyMaskSetEditor::MaskDbUI::MaskDbUI(KyMaskSetEditor& editor)
    : Kyvant::StorageMapUI<Kyvant::MaskDB>(
          editor.m_db, editor, editor.m_menuButton, editor.m_names, editor.m_save, editor.m_new,
          editor.m_delete, editor.m_currentName, Kyvant::ky_S(kUnnamedPrompt),
          Kyvant::ky_S(kNamedPrompt), Kyvant::ky_S(kDeleteSomeCaption), Kyvant::ky_S(kPluralLabel),
          Kyvant::ky_S(kDeleteQuestion), Kyvant::ky_S(kRenameCaption), Kyvant::ky_I(kExportHeader),
          Kyvant::RegKey(HKEY_CURRENT_USER, Kyvant::kSharedSettingsKey)),
      m_editor(editor)
{
}

void KyMaskSetEditor::MaskDbUI::ClearContents()
{
    m_editor.m_contentsEdit.SetWindowText("");
    m_editor.GotoDlgCtrl(&m_editor.m_contentsEdit);
}

void KyMaskSetEditor::MaskDbUI::AfterNew()
{
    m_editor.GotoDlgCtrl(&m_editor.m_contentsEdit);
}

void KyMaskSetEditor::MaskDbUI::LoadItem(const Kyvant::ky_I& name)
{
    const Iterator it = m_db.find(name);
    if (it != m_db.end())
        m_editor.m_contentsEdit.SetWindowText(Kyvant::MaskSetText::ToLines(it->second).c_str());
}

KyMaskSetEditor::MaskDbUI::InsertResult
KyMaskSetEditor::MaskDbUI::StoreItem(const Kyvant::ky_I& name)
{
    const Kyvant::ky_S value =
        Kyvant::MaskSetText::FromLines(Kyvant::StorageText::WindowText(m_editor.m_contentsEdit));
    return m_db.Insert(name, Kyvant::MaskDB::mapped_type(value));
}
